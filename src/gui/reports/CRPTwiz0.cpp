#include "gui/reports/CRPTwiz0.h"

#include "gui/reports/CRptWizard.h"
#include "gui/widgets/CKindChoice.h"

#include <QLabel>
#include <QVBoxLayout>
#include <array>

namespace orvelan {

namespace {

constexpr int kUseTemplate = static_cast<int>(ReportKind::UseTemplate);

} // namespace

CRPTwiz0::CRPTwiz0(CRptWizard& wizard)
    : CRptPage(wizard, QStringLiteral("reportKind")), m_kinds(new CKindChoice(this, kUseTemplate)) {
    const std::array<const char*, 6> texts = {"Summary incidence rates by sex",
                                              "Age-specific incidence by sex",
                                              "User-defined report",
                                              "Use a report template",
                                              "Standard VEK main table",
                                              "Standard VEK age-specific incidence table"};
    auto* layout = new QVBoxLayout(this);
    setBannerMargins(layout);
    layout->addWidget(new QLabel(QStringLiteral("Reports:"), this));
    for (std::size_t kind = 0; kind < texts.size(); ++kind) {
        if (kind == 4) {
            layout->addSpacing(12);
            layout->addWidget(new QLabel(QStringLiteral("Tables:"), this));
        }
        m_kinds->add(layout, QString::fromLatin1(texts[kind]));
    }
    layout->addStretch(1);
}

void CRPTwiz0::initializePage() {
    m_kinds->check(choices().block.reportKind, sheet().hasTemplates());
}

QRadioButton* CRPTwiz0::kindButton(int kind) const { return m_kinds->button(kind); }

bool CRPTwiz0::store() {
    choices().block.reportKind = m_kinds->checked();
    return true;
}

int CRPTwiz0::nextId() const {
    switch (static_cast<ReportKind>(m_kinds->checked())) {
    case ReportKind::SummaryRates:
        return CRptWizard::kSummaryStep1;
    case ReportKind::AgeSpecific:
        return CRptWizard::kAgeSpecificStep1;
    case ReportKind::UserDefined:
        return CRptWizard::kReportStep1;
    case ReportKind::UseTemplate:
        return CRptWizard::kTemplatePage;
    case ReportKind::StandardMainTable:
    case ReportKind::StandardAgeSpecific:
        return CRptWizard::kStandardPage;
    }
    return CRptWizard::kSummaryStep1;
}

} // namespace orvelan

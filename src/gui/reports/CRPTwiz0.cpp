#include "gui/reports/CRPTwiz0.h"

#include "gui/reports/CRptWizard.h"

#include <QButtonGroup>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace orvelan {

namespace {

constexpr int kUseTemplate = static_cast<int>(ReportKind::UseTemplate);

} // namespace

CRPTwiz0::CRPTwiz0(CRptWizard& wizard) : CRptPage(wizard, QStringLiteral("reportKind")) {
    const std::array<const char*, 6> texts = {"Summary incidence rates by sex",
                                              "Age-specific incidence by sex",
                                              "User-defined report",
                                              "Use a report template",
                                              "Standard VEK main table",
                                              "Standard VEK age-specific incidence table"};
    auto* group = new QButtonGroup(this);
    auto* layout = new QVBoxLayout(this);
    setBannerMargins(layout);
    layout->addWidget(new QLabel(QStringLiteral("Reports:"), this));
    for (std::size_t kind = 0; kind < texts.size(); ++kind) {
        if (kind == 4) {
            layout->addSpacing(12);
            layout->addWidget(new QLabel(QStringLiteral("Tables:"), this));
        }
        auto* button = new QRadioButton(QString::fromLatin1(texts[kind]), this);
        button->setObjectName(QStringLiteral("kind%1").arg(kind));
        group->addButton(button, static_cast<int>(kind));
        layout->addWidget(button);
        m_kinds[kind] = button;
    }
    layout->addStretch(1);
}

void CRPTwiz0::initializePage() {
    const bool templates = sheet().hasTemplates();
    m_kinds[kUseTemplate]->setEnabled(templates);
    int kind = choices().block.reportKind;
    if (kind < 0 || kind >= static_cast<int>(m_kinds.size()) ||
        (kind == kUseTemplate && !templates)) {
        kind = 0;
    }
    m_kinds[static_cast<std::size_t>(kind)]->setChecked(true);
}

int CRPTwiz0::checkedKind() const {
    for (std::size_t kind = 0; kind < m_kinds.size(); ++kind) {
        if (m_kinds[kind]->isChecked()) {
            return static_cast<int>(kind);
        }
    }
    return 0;
}

bool CRPTwiz0::store() {
    choices().block.reportKind = checkedKind();
    return true;
}

int CRPTwiz0::nextId() const {
    switch (static_cast<ReportKind>(checkedKind())) {
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

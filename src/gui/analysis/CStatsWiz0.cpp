#include "gui/analysis/CStatsWiz0.h"

#include "gui/analysis/CStatsWizard.h"
#include "gui/widgets/CKindChoice.h"

#include <QGroupBox>
#include <QVBoxLayout>
#include <array>

namespace orvelan {

CStatsWiz0::CStatsWiz0(CStatsWizard& wizard)
    : CStatsPage(wizard, QStringLiteral("analysisKind")), m_kinds(new CKindChoice(this)) {
    auto* group = new QGroupBox(QStringLiteral("Analysis"), this);
    auto* groupLayout = new QVBoxLayout(group);
    const std::array<const char*, 3> texts = {"Compare two age-specific incidence curves",
                                              "Comparison among several populations",
                                              "User-defined comparison"};
    const std::array<const char*, 3> names = {"twoCurves", "severalPopulations", "userDefined"};
    for (std::size_t k = 0; k < texts.size(); ++k) {
        m_kinds->add(groupLayout, QString::fromLatin1(texts[k]), QString::fromLatin1(names[k]));
    }
    auto* layout = new QVBoxLayout(this);
    setBannerMargins(layout);
    layout->addWidget(group);
    layout->addStretch(1);
}

void CStatsWiz0::initializePage() { m_kinds->check(block().analysisKind); }

bool CStatsWiz0::store() {
    block().analysisKind = m_kinds->checked();
    return true;
}

int CStatsWiz0::nextId() const { return CStatsWizard::kReferencePage; }

} // namespace orvelan

#include "gui/analysis/CStatsWiz0.h"

#include "gui/analysis/CStatsWizard.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace orvelan {

CStatsWiz0::CStatsWiz0(CStatsWizard& wizard) : CStatsPage(wizard, QStringLiteral("analysisKind")) {
    auto* group = new QGroupBox(QStringLiteral("Analysis"), this);
    auto* groupLayout = new QVBoxLayout(group);
    const std::array<const char*, 3> texts = {"Compare two age-specific incidence curves",
                                              "Comparison among several populations",
                                              "User-defined comparison"};
    const std::array<const char*, 3> names = {"twoCurves", "severalPopulations", "userDefined"};
    for (std::size_t k = 0; k < m_kinds.size(); ++k) {
        m_kinds[k] = new QRadioButton(QString::fromLatin1(texts[k]), group);
        m_kinds[k]->setObjectName(QString::fromLatin1(names[k]));
        groupLayout->addWidget(m_kinds[k]);
    }
    auto* layout = new QVBoxLayout(this);
    setBannerMargins(layout);
    layout->addWidget(group);
    layout->addStretch(1);
}

void CStatsWiz0::initializePage() {
    const int kind = block().analysisKind;
    m_kinds[static_cast<std::size_t>(kind >= 0 && kind <= 2 ? kind : 0)]->setChecked(true);
}

bool CStatsWiz0::store() {
    for (std::size_t k = 0; k < m_kinds.size(); ++k) {
        if (m_kinds[k]->isChecked()) {
            block().analysisKind = static_cast<int>(k);
        }
    }
    return true;
}

int CStatsWiz0::nextId() const { return CStatsWizard::kReferencePage; }

} // namespace orvelan

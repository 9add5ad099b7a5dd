#include "gui/analysis/CStatsWiz2.h"

#include "core/analysis/StatsWizardTexts.h"
#include "core/app/RememberedBlocks.h"
#include "core/data/Validation.h"
#include "graphics/CoreText.h"
#include "gui/analysis/CCurvePicker.h"
#include "gui/analysis/CReferenceBox.h"
#include "gui/analysis/CStatsWizard.h"
#include "gui/widgets/CMessages.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace orvelan {

CStatsWiz2::CStatsWiz2(CStatsWizard& wizard)
    : CStatsPage(wizard, QStringLiteral("comparisonCurve")) {
    setFinalPage(true);
    m_curve = new CCurvePicker(this);
    m_reference = new CReferenceBox(this);
    m_curve->bottomRow()->addWidget(m_reference, 1);
    auto* layout = new QVBoxLayout(this);
    setBannerMargins(layout);
    layout->addWidget(m_curve, 1);
    layout->addWidget(reasonLabel());
}

void CStatsWiz2::initializePage() {
    const AnalysisBlock& choices = block();
    // A first run has no comparison curve yet: it starts from the reference.
    const int population =
        choices.compPopulation >= 0 ? choices.compPopulation : choices.refPopulation;
    const int cancer = choices.compCancer >= 0 ? choices.compCancer : choices.refCancer;
    m_curve->load(&sheet().registryGroups(), &sheet().cancerGroups(), population, cancer,
                  sexFromIndex(choices.compSex).value_or(Sex::Male));
    m_reference->setDescription(sheet().referenceDescription());
    clearReason();
}

bool CStatsWiz2::store() {
    const int population = m_curve->population();
    const int cancer = m_curve->cancer();
    if (population < 0 || cancer < 0) {
        refuseQuietly(QStringLiteral("Choose a population and a cancer site for the comparison "
                                     "curve."));
        return false;
    }
    AnalysisBlock& choices = block();
    const Sex sex = m_curve->sex();
    if (const auto problem = ValidateSelection(choices.ageLow, choices.ageHigh, cancer,
                                               sex == Sex::Male, sheet().cancerGroups())) {
        CMessages::error(this, fromCoreMessage(*problem));
        return false;
    }
    if (const auto problem =
            checkPopulationRange(sheet().store(), population, cancer, sex, choices.ageHigh)) {
        CMessages::error(this, fromCoreMessage(*problem));
        return false;
    }
    choices.compPopulation = population;
    choices.compCancer = cancer;
    choices.compSex = indexOf(sex);
    return true;
}

} // namespace orvelan

#include "gui/analysis/CStatsWiz1.h"

#include "core/analysis/StatsWizardTexts.h"
#include "core/app/RememberedBlocks.h"
#include "core/data/Validation.h"
#include "graphics/CoreText.h"
#include "gui/analysis/CCurvePicker.h"
#include "gui/analysis/CStatsWizard.h"
#include "gui/widgets/CAgeLabelSpin.h"
#include "gui/widgets/CMessages.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace orvelan {

CStatsWiz1::CStatsWiz1(CStatsWizard& wizard)
    : CStatsPage(wizard, QStringLiteral("referenceCurve")) {
    m_curve = new CCurvePicker(this);
    auto* ages = new QGroupBox(QStringLiteral("Age range"), this);
    m_from = new CAgeLabelSpin(CAgeLabelSpin::Bound::From, ages);
    m_from->setObjectName(QStringLiteral("ageFrom"));
    m_to = new CAgeLabelSpin(CAgeLabelSpin::Bound::To, ages);
    m_to->setObjectName(QStringLiteral("ageTo"));
    auto* agesLayout = new QFormLayout(ages);
    agesLayout->addRow(QStringLiteral("From:"), m_from);
    agesLayout->addRow(QStringLiteral("To:"), m_to);
    m_curve->bottomRow()->addWidget(ages);
    m_curve->bottomRow()->addWidget(reasonLabel(), 1);

    auto* layout = new QVBoxLayout(this);
    setBannerMargins(layout);
    layout->addWidget(m_curve, 1);
}

void CStatsWiz1::initializePage() {
    const AnalysisBlock& choices = block();
    m_curve->load(&sheet().registryGroups(), &sheet().cancerGroups(), choices.refPopulation,
                  choices.refCancer, sexFromIndex(choices.refSex).value_or(Sex::Male));
    m_from->setValue(choices.ageLow);
    m_to->setValue(choices.ageHigh);
    clearReason();
}

bool CStatsWiz1::store() {
    const int from = m_from->value();
    const int to = m_to->value();
    const int population = m_curve->population();
    const int cancer = m_curve->cancer();
    if (population < 0 || cancer < 0) {
        refuseQuietly(QStringLiteral("Choose a population and a cancer site for the reference "
                                     "curve."));
        return false;
    }
    const Sex sex = m_curve->sex();
    if (const auto problem =
            ValidateSelection(from, to, cancer, sex == Sex::Male, sheet().cancerGroups())) {
        CMessages::error(this, fromCoreMessage(*problem));
        return false;
    }
    if (const auto problem = checkPopulationRange(sheet().store(), population, cancer, sex, to)) {
        CMessages::error(this, fromCoreMessage(*problem));
        return false;
    }
    AnalysisBlock& choices = block();
    choices.ageLow = from;
    choices.ageHigh = to;
    choices.refPopulation = population;
    choices.refCancer = cancer;
    choices.refSex = indexOf(sex);
    return true;
}

int CStatsWiz1::nextId() const {
    switch (block().analysisKind) {
    case 1:
        return CStatsWizard::kSeveralPage;
    case 2:
        return CStatsWizard::kUserCurvePage;
    default:
        return CStatsWizard::kComparisonPage;
    }
}

} // namespace orvelan

#include "gui/graphs/wizard/GRwizBar2.h"

#include "core/data/CIncidenceStore.h"
#include "core/graphs/GraphWizardRules.h"
#include "gui/data/CSelectionTree.h"
#include "gui/graphs/wizard/CGphWizard.h"
#include "gui/widgets/CMessages.h"

#include <QVBoxLayout>

namespace orvelan {

GRwizBar2::GRwizBar2(CGphWizard& wizard) : CBarPage(wizard, QStringLiteral("barRegistryChoice")) {
    m_tree = new CSelectionTree(TreeKind::Registry, CSelectionTree::Form::OneChoice, this);
    m_tree->setObjectName(QStringLiteral("registryTree"));
    auto* layout = new QVBoxLayout;
    layout->addWidget(m_tree->withFilter(), 1);
    setContent(layout, true);
}

int GRwizBar2::backId() const { return CGphWizard::kBar1; }

void GRwizBar2::initializePage() {
    m_tree->setGroups(&sheet().registryGroups());
    m_tree->setChoice(settings().population);
}

bool GRwizBar2::store() {
    const int population = m_tree->currentValue();
    if (population < 0) {
        refuseQuietly(QStringLiteral("Choose one registry; a heading cannot be chosen."));
        return false;
    }
    GraphSettings& s = settings();
    // The male all-sites series tells the population's last age group.
    CIncidenceStore& store = sheet().store();
    if (store.load(population, 0, Sex::Male) &&
        !ageRangeFitsPopulation(s.ageTo, s.rateKind, store.lastAgeGroup())) {
        CMessages::error(this, QStringLiteral("Selected population and age range are not "
                                              "compatible.\r\nCheck population figures."));
        return false;
    }
    s.population = population;
    return true;
}

int GRwizBar2::nextId() const { return CGphWizard::kCancerSelection; }

} // namespace orvelan

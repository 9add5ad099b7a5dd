#include "gui/graphs/wizard/CGRwizPop.h"

#include "core/graphs/GraphTitles.h"
#include "core/graphs/GraphWizardRules.h"
#include "gui/data/CSelectionTree.h"
#include "gui/graphs/wizard/CGphWizard.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace orvelan {

CGRwizPop::CGRwizPop(CGphWizard& wizard) : CGphPage(wizard, QStringLiteral("pyramidChoice")) {
    m_tree = new CSelectionTree(TreeKind::Registry, CSelectionTree::Form::OneChoice, this);
    m_tree->setObjectName(QStringLiteral("registryTree"));
    auto* display = new QGroupBox(QStringLiteral("Display"), this);
    m_personYears = new QRadioButton(QStringLiteral("Person-years"), display);
    m_personYears->setObjectName(QStringLiteral("personYears"));
    m_average = new QRadioButton(QStringLiteral("Average annual"), display);
    m_average->setObjectName(QStringLiteral("averageAnnual"));
    auto* displayLayout = new QVBoxLayout(display);
    displayLayout->addWidget(m_personYears);
    displayLayout->addWidget(m_average);

    auto* layout = new QHBoxLayout;
    layout->addWidget(m_tree->withFilter(), 1);
    layout->addWidget(display, 0, Qt::AlignTop);
    setContent(layout);
    // The choice follows the registry the user ticks, not only the one shown on entering.
    connect(m_tree, &CSelectionTree::choiceChanged, this, &CGRwizPop::showDisplayChoice);
}

int CGRwizPop::backId() const { return CGphWizard::kKindPage; }

void CGRwizPop::initializePage() {
    m_tree->setGroups(&sheet().registryGroups());
    m_tree->setChoice(settings().population);
    m_average->setChecked(true);
    showDisplayChoice(settings().population);
}

void CGRwizPop::showDisplayChoice(int population) {
    const bool builtIn = population < kFirstRegistryGroup;
    m_personYears->setEnabled(builtIn);
    m_average->setEnabled(builtIn);
    if (!builtIn) {
        m_average->setChecked(true);
    }
}

bool CGRwizPop::store() {
    const int population = m_tree->currentValue();
    if (population < 0) {
        refuseQuietly(QStringLiteral("Choose one registry; a heading cannot be chosen."));
        return false;
    }
    GraphSettings& s = settings();
    s.population = population;
    s.title = defaultPyramidTitle(sheet().store(), s);
    s.pyramidBasis = pyramidBasis(m_personYears->isChecked(), population);
    return true;
}

} // namespace orvelan

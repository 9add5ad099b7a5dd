#include "gui/graphs/wizard/GRwizBar1.h"

#include "core/graphs/GraphWizardRules.h"
#include "graphics/CoreText.h"
#include "gui/data/CSelectionTree.h"
#include "gui/graphs/wizard/CGphWizard.h"
#include "gui/widgets/CMessages.h"

#include <QVBoxLayout>

namespace orvelan {

GRwizBar1::GRwizBar1(CGphWizard& wizard) : CBarPage(wizard, QStringLiteral("barCancerChoice")) {
    m_tree = new CSelectionTree(TreeKind::Cancer, CSelectionTree::Form::OneChoice, this);
    m_tree->setObjectName(QStringLiteral("cancerTree"));
    m_tree->setRootText(CGphWizard::cancerRootText());
    auto* layout = new QVBoxLayout;
    layout->addWidget(m_tree->withFilter(), 1);
    setContent(layout, true);
}

int GRwizBar1::backId() const { return CGphWizard::kBar1; }

void GRwizBar1::initializePage() {
    m_tree->setGroups(&sheet().cancerGroups());
    m_tree->setChoice(settings().cancer);
}

bool GRwizBar1::store() {
    const int cancer = m_tree->currentValue();
    if (cancer < 0) {
        refuseQuietly(QStringLiteral("Choose one cancer site; a heading cannot be chosen."));
        return false;
    }
    GraphSettings chosen = settings();
    chosen.cancer = cancer;
    // The age range passed on the first page; here the cancer must occur in the sex.
    if (const auto problem = validateGraphSettings(chosen, sheet().cancerGroups())) {
        CMessages::warning(this, fromCoreMessage(*problem));
        return false;
    }
    settings().cancer = cancer;
    return true;
}

int GRwizBar1::nextId() const { return CGphWizard::kRegistrySelection; }

} // namespace orvelan

#include "gui/export/CExpWiz1.h"

#include "core/export/ExportSettings.h"
#include "gui/data/CSelectionPanel.h"
#include "gui/export/CExpWizard.h"

#include <QVBoxLayout>

namespace orvelan {

CExpWiz1::CExpWiz1(CExpWizard& wizard)
    : CExpPage(wizard, QStringLiteral("populationSelection"), CExpWizard::kPopulationPage) {
    m_panel = new CSelectionPanel(
        TreeKind::Registry, CSelectionPanel::ClearButton | CSelectionPanel::SelectAllButton, this);
    auto* layout = new QVBoxLayout(this);
    setBannerMargins(layout);
    layout->addWidget(m_panel, 1);
}

void CExpWiz1::initializePage() {
    m_panel->load(&sheet().registryGroups(), settings().populationSelection);
}

bool CExpWiz1::store() {
    if (selectedCount(m_panel->selection()) == 0) {
        return false;
    }
    settings().populationSelection = m_panel->selection();
    return true;
}

} // namespace orvelan

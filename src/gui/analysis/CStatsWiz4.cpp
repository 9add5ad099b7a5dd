#include "gui/analysis/CStatsWiz4.h"

#include "core/app/RememberedBlocks.h"
#include "core/data/SelectionTree.h"
#include "gui/analysis/CReferenceBox.h"
#include "gui/analysis/CStatsWizard.h"
#include "gui/data/CSelectionPanel.h"

#include <QLabel>
#include <QVBoxLayout>

namespace orvelan {

CStatsWiz4::CStatsWiz4(CStatsWizard& wizard)
    : CStatsPage(wizard, QStringLiteral("comparisonCurves")) {
    setFinalPage(true);
    m_panel = new CSelectionPanel(
        TreeKind::Registry, CSelectionPanel::ClearButton | CSelectionPanel::SelectAllButton, this);
    m_panel->setObjectName(QStringLiteral("registryPanel"));
    m_panel->tree()->setObjectName(QStringLiteral("registryTree"));
    m_reference = new CReferenceBox(this);
    auto* layout = new QVBoxLayout(this);
    setBannerMargins(layout);
    layout->addWidget(m_panel, 1);
    layout->addWidget(m_reference);
    layout->addWidget(reasonLabel());
    connect(m_panel->tree(), &CSelectionTree::selectionChanged, this, [this] { clearReason(); });
}

void CStatsWiz4::initializePage() {
    m_panel->load(&sheet().registryGroups(), block().severalSelection);
    m_reference->setDescription(sheet().referenceDescription());
    clearReason();
}

bool CStatsWiz4::store() {
    if (selectedCount(m_panel->selection()) == 0) {
        refuseQuietly(
            QStringLiteral("Tick at least one population to compare with the reference."));
        return false;
    }
    block().severalSelection = m_panel->selection();
    return true;
}

} // namespace orvelan

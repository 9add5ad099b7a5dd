#include "gui/reports/CSelectionPage.h"

#include "gui/data/CSelectionPanel.h"
#include "gui/reports/CRptWizard.h"

#include <QVBoxLayout>

namespace orvelan {

CSelectionPage::CSelectionPage(CRptWizard& wizard, const QString& role, TreeKind kind, int buttons)
    : CRptPage(wizard, role), m_kind(kind) {
    m_panel = new CSelectionPanel(kind, buttons, this);
    auto* layout = new QVBoxLayout(this);
    setBannerMargins(layout);
    layout->addWidget(m_panel, 1);
}

SelectionList& CSelectionPage::sheetList() const {
    return m_kind == TreeKind::Registry ? choices().registries : choices().cancers;
}

void CSelectionPage::initializePage() {
    const CUserGroupDictionary& groups =
        m_kind == TreeKind::Registry ? sheet().registryGroups() : sheet().cancerGroups();
    m_panel->load(&groups, sheetList());
}

bool CSelectionPage::store() {
    if (selectedCount(m_panel->selection()) == 0) {
        return false;
    }
    sheetList() = m_panel->selection();
    return true;
}

} // namespace orvelan

#include "gui/graphs/wizard/CBarSelectionPage.h"

#include "gui/data/CSelectionPanel.h"
#include "gui/graphs/wizard/CGphWizard.h"

#include <QVBoxLayout>

namespace orvelan {

CBarSelectionPage::CBarSelectionPage(CGphWizard& wizard, const QString& role, TreeKind kind)
    : CBarPage(wizard, role), m_kind(kind) {
    const int buttons = CSelectionPanel::ClearButton | CSelectionPanel::SelectAllButton |
                        CSelectionPanel::Icd10Button;
    m_panel = new CSelectionPanel(kind, buttons, this);
    if (kind == TreeKind::Cancer) {
        m_panel->tree()->setRootText(CGphWizard::cancerRootText());
    }
    auto* layout = new QVBoxLayout;
    layout->addWidget(m_panel, 1);
    setContent(layout, true);
}

SelectionList& CBarSelectionPage::settingsList() const {
    return m_kind == TreeKind::Registry ? settings().registries : settings().cancers;
}

void CBarSelectionPage::initializePage() {
    const GraphSettings& s = settings();
    setChosenName(m_kind == TreeKind::Registry ? sheet().cancerLabel(s.cancer)
                                               : sheet().populationLabel(s.population));
    if (m_builtAtLoad != sheet().templateLoads()) {
        const CUserGroupDictionary& groups =
            m_kind == TreeKind::Registry ? sheet().registryGroups() : sheet().cancerGroups();
        m_panel->load(&groups, settingsList());
        m_builtAtLoad = sheet().templateLoads();
    }
}

bool CBarSelectionPage::store() {
    if (selectedCount(m_panel->selection()) == 0) {
        refuseQuietly(m_kind == TreeKind::Registry ? QStringLiteral("Tick at least one registry.")
                                                   : QStringLiteral("Tick at least one cancer."));
        return false;
    }
    if (!accepts(m_panel->selection())) {
        return false;
    }
    settingsList() = m_panel->selection();
    return true;
}

int CBarSelectionPage::nextId() const { return CGphWizard::kBar4; }

} // namespace orvelan

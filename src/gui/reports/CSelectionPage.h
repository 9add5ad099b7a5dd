#pragma once

#include "core/data/SelectionTree.h"
#include "gui/reports/CRptPage.h"

namespace orvelan {

class CSelectionPanel;

/// A page that ticks registries or cancers into the sheet's list. Next refuses an empty
/// selection silently; Back keeps the sheet's list as it was.
class CSelectionPage : public CRptPage {
    Q_OBJECT
  public:
    /// buttons: CSelectionPanel button flags.
    CSelectionPage(CRptWizard& wizard, const QString& role, TreeKind kind, int buttons);

    void initializePage() override;
    bool store() override;

    CSelectionPanel* panel() const { return m_panel; }

  protected:
    TreeKind kind() const { return m_kind; }

  private:
    SelectionList& sheetList() const;

    TreeKind m_kind;
    CSelectionPanel* m_panel = nullptr;
};

} // namespace orvelan

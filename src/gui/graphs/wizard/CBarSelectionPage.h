#pragma once

#include "core/data/SelectionTree.h"
#include "gui/graphs/wizard/CBarPage.h"

namespace orvelan {

class CSelectionPanel;

/// Bar chart 3/4: ticks the registries of a cancer bar chart or the cancers of a registry bar
/// chart. The page keeps its own list while the user steps back and forth; Next refuses an
/// empty one.
class CBarSelectionPage : public CBarPage {
    Q_OBJECT
  public:
    CBarSelectionPage(CGphWizard& wizard, const QString& role, TreeKind kind);

    QString wizardTitle() const override { return QStringLiteral("Bar chart (3/4)"); }
    void initializePage() override;
    bool store() override;
    int nextId() const override;

    CSelectionPanel* panel() const { return m_panel; }

  protected:
    /// Further checks of a non-empty list; false keeps the page.
    virtual bool accepts(const SelectionList& list) = 0;

  private:
    SelectionList& settingsList() const;

    TreeKind m_kind;
    CSelectionPanel* m_panel = nullptr;
    int m_builtAtLoad = -1; // template loads seen when the tree was last built
};

} // namespace orvelan

#pragma once

#include "gui/export/CExpPage.h"

namespace orvelan {

class CSelectionPanel;

/// Population selection: the registry tree with "Clear selection" and "Select all registries".
class CExpWiz1 : public CExpPage {
    Q_OBJECT
  public:
    explicit CExpWiz1(CExpWizard& wizard);

    void initializePage() override;
    /// Next needs at least one population; it refuses silently.
    bool store() override;

    CSelectionPanel* panel() const { return m_panel; }

  private:
    CSelectionPanel* m_panel = nullptr;
};

} // namespace orvelan

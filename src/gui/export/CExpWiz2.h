#pragma once

#include "gui/export/CExpPage.h"

namespace orvelan {

class CSelectionPanel;
class CSexBoxes;

/// Cancer selection with the "Sexes" boxes.
class CExpWiz2 : public CExpPage {
    Q_OBJECT
  public:
    explicit CExpWiz2(CExpWizard& wizard);

    void initializePage() override;
    /// Next needs a sex and a cancer (silently), then a cancer that occurs in each ticked sex
    /// ("Invalid sex/site combination"); on success it warns that the next page may be slow.
    bool store() override;

    CSelectionPanel* panel() const { return m_panel; }
    CSexBoxes* sexes() const { return m_sexes; }

  private:
    CSelectionPanel* m_panel = nullptr;
    CSexBoxes* m_sexes = nullptr;
};

} // namespace orvelan

#pragma once

#include "gui/reports/CSelectionPage.h"

namespace orvelan {

/// Registry selection of the summary and age-specific reports when a cancer is fixed.
class CRptwiz8 : public CSelectionPage {
  public:
    explicit CRptwiz8(CRptWizard& wizard);

    QString wizardTitle() const override;
    int nextId() const override;

  protected:
    QString bannerLabel() const override;
};

} // namespace orvelan

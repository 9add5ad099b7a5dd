#pragma once

#include "gui/reports/CSelectionPage.h"

namespace orvelan {

/// Cancer selection of the summary and age-specific reports when a registry is fixed.
class CRptwiz9 : public CSelectionPage {
  public:
    explicit CRptwiz9(CRptWizard& wizard);

    QString wizardTitle() const override;
    int nextId() const override;

  protected:
    QString bannerLabel() const override;
};

} // namespace orvelan

#pragma once

#include "gui/graphs/wizard/CBarSelectionPage.h"

namespace orvelan {

/// Bar chart, registry selection: the bars of a cancer bar chart.
class GRwizBar8 : public CBarSelectionPage {
    Q_OBJECT
  public:
    explicit GRwizBar8(CGphWizard& wizard);
    int backId() const override;

  protected:
    bool accepts(const SelectionList& /*list*/) override { return true; }
};

} // namespace orvelan

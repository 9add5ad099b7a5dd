#pragma once

#include "gui/graphs/wizard/CBarSelectionPage.h"

namespace orvelan {

/// Bar chart, cancer selection: the bars of a registry bar chart; none may belong only to the
/// other sex.
class GRwizBar9 : public CBarSelectionPage {
    Q_OBJECT
  public:
    explicit GRwizBar9(CGphWizard& wizard);
    int backId() const override;

  protected:
    bool accepts(const SelectionList& list) override;
};

} // namespace orvelan

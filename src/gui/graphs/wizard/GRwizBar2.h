#pragma once

#include "gui/graphs/wizard/CBarPage.h"

namespace orvelan {

class CSelectionTree;

/// Bar chart, registry choice: the one registry of a registry bar chart, whose age classes must
/// reach the chosen range.
class GRwizBar2 : public CBarPage {
    Q_OBJECT
  public:
    explicit GRwizBar2(CGphWizard& wizard);

    QString wizardTitle() const override { return QStringLiteral("Bar chart (2/4)"); }
    int backId() const override;
    void initializePage() override;
    bool store() override;
    int nextId() const override;

    CSelectionTree* tree() const { return m_tree; }

  private:
    CSelectionTree* m_tree = nullptr;
};

} // namespace orvelan

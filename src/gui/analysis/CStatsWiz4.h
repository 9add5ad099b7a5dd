#pragma once

#include "gui/analysis/CStatsPage.h"

namespace orvelan {

class CReferenceBox;
class CSelectionPanel;

/// Page 4, comparison curves: the populations compared with the reference, ticked in a tree.
class CStatsWiz4 : public CStatsPage {
    Q_OBJECT
  public:
    explicit CStatsWiz4(CStatsWizard& wizard);

    QString wizardTitle() const override { return QStringLiteral("Comparison curves"); }
    void initializePage() override;
    bool store() override;
    int nextId() const override { return -1; }

  private:
    CSelectionPanel* m_panel = nullptr;
    CReferenceBox* m_reference = nullptr;
};

} // namespace orvelan

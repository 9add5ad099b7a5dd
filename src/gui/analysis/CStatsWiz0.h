#pragma once

#include "gui/analysis/CStatsPage.h"

namespace orvelan {

class CKindChoice;

/// Page 1, kind of analysis: two curves, several populations or a typed-in curve.
class CStatsWiz0 : public CStatsPage {
    Q_OBJECT
  public:
    explicit CStatsWiz0(CStatsWizard& wizard);

    QString wizardTitle() const override { return QStringLiteral("Statistical analysis"); }
    void initializePage() override;
    bool store() override;
    int nextId() const override;

  private:
    CKindChoice* m_kinds;
};

} // namespace orvelan

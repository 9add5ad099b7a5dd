#pragma once

#include "gui/data/CSelectionPanel.h"
#include "gui/reports/CSelectionPage.h"

namespace orvelan {

/// User-defined report, step 1: registries.
class CRPTwiz3 : public CSelectionPage {
  public:
    explicit CRPTwiz3(CRptWizard& wizard)
        : CSelectionPage(wizard, QStringLiteral("reportRegistries"), TreeKind::Registry,
                         CSelectionPanel::ClearButton) {}

    QString wizardTitle() const override { return QStringLiteral("Report wizard (1/5)"); }
    int nextId() const override { return 230; }
};

} // namespace orvelan

#pragma once

#include "gui/data/CSelectionPanel.h"
#include "gui/reports/CSelectionPage.h"

namespace orvelan {

/// User-defined report, step 2: cancers.
class CRPTwiz4 : public CSelectionPage {
  public:
    explicit CRPTwiz4(CRptWizard& wizard)
        : CSelectionPage(wizard, QStringLiteral("reportCancers"), TreeKind::Cancer,
                         CSelectionPanel::ClearButton) {}

    QString wizardTitle() const override { return QStringLiteral("Report wizard (2/5)"); }
    int nextId() const override { return 231; }
};

} // namespace orvelan

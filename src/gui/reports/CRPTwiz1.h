#pragma once

#include "gui/reports/CFixChoicePage.h"

namespace orvelan {

/// Summary rates, step 1: fix a cancer or a registry.
class CRPTwiz1 : public CFixChoicePage {
  public:
    explicit CRPTwiz1(CRptWizard& wizard)
        : CFixChoicePage(wizard, QStringLiteral("summaryStep1")) {}

    QString wizardTitle() const override {
        return QStringLiteral("Summary incidence rates by sex (1/3)");
    }
};

} // namespace orvelan

#pragma once

#include "gui/reports/CFixChoicePage.h"

namespace orvelan {

/// Age-specific incidence, step 1: fix a cancer or a registry.
class CRPTwiz2 : public CFixChoicePage {
  public:
    explicit CRPTwiz2(CRptWizard& wizard)
        : CFixChoicePage(wizard, QStringLiteral("ageSpecificStep1")) {}

    QString wizardTitle() const override {
        return QStringLiteral("Age-specific incidence by sex (1/3)");
    }
};

} // namespace orvelan

#pragma once

#include "gui/reports/CRptPage.h"

class QComboBox;

namespace orvelan {

class CSexBoxes;

/// Age-specific incidence, step 3: sexes, numbers or rates, and the template button.
class CRPTwiz11 : public CRptPage {
    Q_OBJECT
  public:
    explicit CRPTwiz11(CRptWizard& wizard);

    QString wizardTitle() const override {
        return QStringLiteral("Age-specific incidence by sex (3/3)");
    }
    void initializePage() override;
    bool store() override;
    int nextId() const override { return -1; }

  private:
    CSexBoxes* m_sexes = nullptr;
    QComboBox* m_data = nullptr;
};

} // namespace orvelan

#pragma once

#include "gui/reports/CRptPage.h"

class QCheckBox;
class QPushButton;

namespace orvelan {

class CAgeLabelSpin;
class CSexBoxes;

/// Summary rates, step 3: age range, confidence interval, sexes and the template button.
class CRPTwiz10 : public CRptPage {
    Q_OBJECT
  public:
    explicit CRPTwiz10(CRptWizard& wizard);

    QString wizardTitle() const override {
        return QStringLiteral("Summary incidence rates by sex (3/3)");
    }
    void initializePage() override;
    bool store() override;
    int nextId() const override { return -1; }

  private:
    /// The message that refuses the range of a fixed registry, if any.
    bool registryRangeFits(int from, int to);

    CAgeLabelSpin* m_from = nullptr;
    CAgeLabelSpin* m_to = nullptr;
    QCheckBox* m_interval = nullptr;
    CSexBoxes* m_sexes = nullptr;
};

} // namespace orvelan

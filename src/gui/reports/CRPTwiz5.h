#pragma once

#include "gui/reports/CRptPage.h"

class QCheckBox;
class QComboBox;
class QPlainTextEdit;

namespace orvelan {

class CAgeLabelSpin;
class CSexBoxes;

/// User-defined report, step 3: sexes, rate, age range and confidence interval.
class CRPTwiz5 : public CRptPage {
    Q_OBJECT
  public:
    explicit CRPTwiz5(CRptWizard& wizard);

    QString wizardTitle() const override { return QStringLiteral("Report wizard (3/5)"); }
    void initializePage() override;
    bool store() override;
    int nextId() const override { return 232; }

  private:
    /// "Number of cases" has no interval: the box is cleared and disabled.
    void rateChanged(int rateKind);

    CSexBoxes* m_sexes = nullptr;
    QComboBox* m_rate = nullptr;
    CAgeLabelSpin* m_from = nullptr;
    CAgeLabelSpin* m_to = nullptr;
    QCheckBox* m_interval = nullptr;
    QPlainTextEdit* m_cancers = nullptr;
};

} // namespace orvelan

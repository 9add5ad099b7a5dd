#pragma once

#include "gui/reports/CRptPage.h"

class QRadioButton;

namespace orvelan {

/// User-defined report, step 4: rows arranged by cancer/sex or by registry.
class CRPTwiz6 : public CRptPage {
    Q_OBJECT
  public:
    explicit CRPTwiz6(CRptWizard& wizard);

    QString wizardTitle() const override { return QStringLiteral("Report wizard (4/5)"); }
    void initializePage() override;
    bool store() override;
    int nextId() const override { return 233; }

  private:
    QRadioButton* m_cancerSex = nullptr;
    QRadioButton* m_registry = nullptr;
};

} // namespace orvelan

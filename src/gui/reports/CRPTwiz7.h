#pragma once

#include "gui/reports/CRptPage.h"

class QPlainTextEdit;

namespace orvelan {

/// User-defined report, step 5: the summary of every choice and the template button.
class CRPTwiz7 : public CRptPage {
    Q_OBJECT
  public:
    explicit CRPTwiz7(CRptWizard& wizard);

    QString wizardTitle() const override { return QStringLiteral("Report wizard (5/5)"); }
    void initializePage() override;
    int nextId() const override { return -1; }

    QPlainTextEdit* summary() const { return m_summary; }

  private:
    QPlainTextEdit* m_summary = nullptr;
};

} // namespace orvelan

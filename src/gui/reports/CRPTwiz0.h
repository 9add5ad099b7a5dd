#pragma once

#include "gui/reports/CRptPage.h"

class QRadioButton;

namespace orvelan {

class CKindChoice;

/// Report kind: three reports, the template list and two standard tables.
class CRPTwiz0 : public CRptPage {
    Q_OBJECT
  public:
    explicit CRPTwiz0(CRptWizard& wizard);

    QString wizardTitle() const override { return QStringLiteral("Report/Table wizard"); }
    void initializePage() override;
    bool store() override;
    int nextId() const override;

    QRadioButton* kindButton(int kind) const;

  private:
    CKindChoice* m_kinds;
};

} // namespace orvelan

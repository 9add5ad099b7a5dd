#pragma once

#include "gui/reports/CRptPage.h"

class QLineEdit;

namespace orvelan {

class CSelectionTree;

/// Standard tables: the registry and the title of the table.
class CRPTwiz13 : public CRptPage {
    Q_OBJECT
  public:
    explicit CRPTwiz13(CRptWizard& wizard);

    QString wizardTitle() const override;
    void initializePage() override;
    bool store() override;
    int nextId() const override { return -1; }

    CSelectionTree* tree() const { return m_tree; }
    QLineEdit* titleEdit() const { return m_title; }

  private:
    void registryChosen(int population);

    CSelectionTree* m_tree = nullptr;
    QLineEdit* m_title = nullptr;
};

} // namespace orvelan

#pragma once

#include "gui/reports/CRptPage.h"

class QRadioButton;

namespace orvelan {

class CSelectionTree;

/// Step 1 of the summary and age-specific reports: fix one cancer (rows are registries) or
/// one registry (rows are cancers), each chosen in its own one-choice tree.
class CFixChoicePage : public CRptPage {
    Q_OBJECT
  public:
    CFixChoicePage(CRptWizard& wizard, const QString& role);

    void initializePage() override;
    bool store() override;
    int nextId() const override;

    QRadioButton* cancerButton() const { return m_cancer; }
    QRadioButton* registryButton() const { return m_registry; }
    CSelectionTree* cancerTree() const { return m_cancerTree; }
    CSelectionTree* registryTree() const { return m_registryTree; }

  private:
    void showTree();

    QRadioButton* m_cancer = nullptr;
    QRadioButton* m_registry = nullptr;
    CSelectionTree* m_cancerTree = nullptr;
    CSelectionTree* m_registryTree = nullptr;
};

} // namespace orvelan

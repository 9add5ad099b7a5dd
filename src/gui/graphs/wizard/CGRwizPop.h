#pragma once

#include "gui/graphs/wizard/CGphPage.h"

class QRadioButton;

namespace orvelan {

class CSelectionTree;

/// Population pyramid: the one registry and whether person-years or average annual figures are
/// shown (user registry groups have only the average).
class CGRwizPop : public CGphPage {
    Q_OBJECT
  public:
    explicit CGRwizPop(CGphWizard& wizard);

    QString wizardTitle() const override { return QStringLiteral("Population pyramid (2/2)"); }
    int backId() const override;
    void initializePage() override;
    bool store() override;
    int nextId() const override { return -1; }

  private:
    void showDisplayChoice(int population);

    CSelectionTree* m_tree = nullptr;
    QRadioButton* m_personYears = nullptr;
    QRadioButton* m_average = nullptr;
};

} // namespace orvelan

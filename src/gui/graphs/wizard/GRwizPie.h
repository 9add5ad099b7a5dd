#pragma once

#include "gui/graphs/wizard/CGphPage.h"

class QRadioButton;

namespace orvelan {

class CAgeLabelSpin;
class CSelectionTree;

/// Pie chart 1/2: the age range, the sex and the one registry whose commonest sites are shown.
class GRwizPie : public CGphPage {
    Q_OBJECT
  public:
    explicit GRwizPie(CGphWizard& wizard);

    QString wizardTitle() const override { return QStringLiteral("Pie chart (1/2)"); }
    int backId() const override;
    void initializePage() override;
    bool store() override;
    int nextId() const override;

  private:
    CAgeLabelSpin* m_from = nullptr;
    CAgeLabelSpin* m_to = nullptr;
    QRadioButton* m_male = nullptr;
    QRadioButton* m_female = nullptr;
    CSelectionTree* m_tree = nullptr;
};

} // namespace orvelan

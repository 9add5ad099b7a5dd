#pragma once

#include "gui/graphs/wizard/CGphPage.h"

class QComboBox;
class QRadioButton;

namespace orvelan {

class CAgeLabelSpin;

/// Bar chart 1/4: one cancer over registries or one registry over cancers, the sex, the rate
/// and the age range.
class GRwizBar : public CGphPage {
    Q_OBJECT
  public:
    explicit GRwizBar(CGphWizard& wizard);

    QString wizardTitle() const override { return QStringLiteral("Bar chart (1/4)"); }
    int backId() const override;
    void initializePage() override;
    bool store() override;
    int nextId() const override;

  private:
    QRadioButton* m_cancer = nullptr;
    QRadioButton* m_registry = nullptr;
    QRadioButton* m_male = nullptr;
    QRadioButton* m_female = nullptr;
    QComboBox* m_rate = nullptr;
    CAgeLabelSpin* m_from = nullptr;
    CAgeLabelSpin* m_to = nullptr;
};

} // namespace orvelan

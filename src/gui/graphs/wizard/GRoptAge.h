#pragma once

#include "gui/graphs/wizard/CGphLastPage.h"

class QComboBox;
class QRadioButton;

namespace orvelan {

class CColourButton;

/// Age-specific curves 2/2: title, line thickness and symbol, text and background colours.
class GRoptAge : public CGphLastPage {
    Q_OBJECT
  public:
    explicit GRoptAge(CGphWizard& wizard);

    QString wizardTitle() const override { return QStringLiteral("Age-specific curves (2/2)"); }
    int backId() const override;
    void initializePage() override;
    bool store() override;

  protected:
    QString defaultTitle() const override;

  private:
    QRadioButton* m_thin = nullptr;
    QRadioButton* m_thick = nullptr;
    QComboBox* m_symbol = nullptr;
};

} // namespace orvelan

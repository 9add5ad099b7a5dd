#pragma once

#include "gui/graphs/wizard/CGphLastPage.h"

namespace orvelan {

class CColourButton;

/// Bar chart 4/4: title, text, background and bar colours.
class GRoptBar : public CGphLastPage {
    Q_OBJECT
  public:
    explicit GRoptBar(CGphWizard& wizard);

    QString wizardTitle() const override { return QStringLiteral("Bar chart (4/4)"); }
    int backId() const override;
    void initializePage() override;
    bool store() override;

  protected:
    QString defaultTitle() const override;

  private:
    CColourButton* m_bars = nullptr;
};

} // namespace orvelan

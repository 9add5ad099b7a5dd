#pragma once

#include "gui/graphs/wizard/CGphLastPage.h"

class QSpinBox;

namespace orvelan {

class CColourButton;

/// Pie chart 2/2: title, number of sectors (5 to 11), text and background colours.
class GRoptPie : public CGphLastPage {
    Q_OBJECT
  public:
    explicit GRoptPie(CGphWizard& wizard);

    QString wizardTitle() const override { return QStringLiteral("Pie chart (2/2)"); }
    int backId() const override;
    void initializePage() override;
    bool store() override;

  protected:
    QString defaultTitle() const override;

  private:
    QSpinBox* m_slices = nullptr;
};

} // namespace orvelan

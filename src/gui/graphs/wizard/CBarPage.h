#pragma once

#include "gui/graphs/wizard/CGphPage.h"

namespace orvelan {

/// The bar chart's choice and selection pages: they paint the chart's heading (kind and rate,
/// sex and age range, and the item chosen earlier) at their top.
class CBarPage : public CGphPage {
    Q_OBJECT
  public:
    CBarPage(CGphWizard& wizard, const QString& role);

    /// The heading as painted, one string per line.
    QStringList headingLines() const override;

  protected:
    /// The name of the item chosen on the previous page; empty for none.
    void setChosenName(const QString& name) { m_chosenName = name; }

  private:
    QString m_chosenName;
};

} // namespace orvelan

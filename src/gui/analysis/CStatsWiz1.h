#pragma once

#include "gui/analysis/CStatsPage.h"

namespace orvelan {

class CAgeLabelSpin;
class CCurvePicker;

/// Page 2, reference curve: population, cancer, age range and sex.
class CStatsWiz1 : public CStatsPage {
    Q_OBJECT
  public:
    explicit CStatsWiz1(CStatsWizard& wizard);

    QString wizardTitle() const override { return QStringLiteral("Reference curve"); }
    void initializePage() override;
    bool store() override;
    int nextId() const override;

  private:
    CCurvePicker* m_curve = nullptr;
    CAgeLabelSpin* m_from = nullptr;
    CAgeLabelSpin* m_to = nullptr;
};

} // namespace orvelan

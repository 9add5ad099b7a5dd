#pragma once

#include "gui/analysis/CStatsPage.h"

namespace orvelan {

class CCurvePicker;
class CReferenceBox;

/// Page 3, comparison curve: population, cancer and sex of the curve compared with the reference.
class CStatsWiz2 : public CStatsPage {
    Q_OBJECT
  public:
    explicit CStatsWiz2(CStatsWizard& wizard);

    QString wizardTitle() const override { return QStringLiteral("Comparison curve"); }
    void initializePage() override;
    bool store() override;
    int nextId() const override { return -1; }

  private:
    CCurvePicker* m_curve = nullptr;
    CReferenceBox* m_reference = nullptr;
};

} // namespace orvelan

#pragma once

#include "gui/widgets/CWizardPage.h"

// What every page of the statistics wizard has besides the wizard page's common parts: the
// sheet it edits and a grey quiet line, placed by the page's own layout.
namespace orvelan {

class CStatsWizard;
struct AnalysisBlock;

class CStatsPage : public CWizardPage {
    Q_OBJECT
  public:
    /// role: the page's object name ("analysis kind", "reference curve" ...).
    CStatsPage(CStatsWizard& wizard, const QString& role);

  protected:
    CStatsWizard& sheet() const { return m_wizard; }
    AnalysisBlock& block() const;
    /// The quiet line, to be placed by the page's layout.
    QLabel* reasonLabel() const { return m_reason; }

  private:
    CStatsWizard& m_wizard;
    QLabel* m_reason = nullptr;
};

} // namespace orvelan

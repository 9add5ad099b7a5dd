#pragma once

#include "gui/widgets/CWizardPage.h"

// What every page of the export wizard has besides the wizard page's common parts: the sheet
// it edits and its step in the wizard's title.
namespace orvelan {

class CExpWizard;
struct ExportSettings;

class CExpPage : public CWizardPage {
    Q_OBJECT
  public:
    /// role: the page's object name ("population selection" ...); step: 1 to 3.
    CExpPage(CExpWizard& wizard, const QString& role, int step);

    /// "Export wizard (<step>/3)".
    QString wizardTitle() const override;
    /// Every export page checks what it stores; any message has been shown when it refuses.
    bool store() override = 0;

  protected:
    CExpWizard& sheet() const { return m_wizard; }
    ExportSettings& settings() const;

  private:
    CExpWizard& m_wizard;
    int m_step;
};

} // namespace orvelan

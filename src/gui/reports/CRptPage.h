#pragma once

#include "gui/widgets/CWizardPage.h"

// What every page of the report wizard has besides the wizard page's common parts: the sheet
// it edits and room at the top for the label of the item fixed earlier.
namespace orvelan {

class CRptWizard;
struct ReportChoices;

class CRptPage : public CWizardPage {
    Q_OBJECT
  public:
    /// role: the page's object name ("report kind", "registry selection" ...).
    CRptPage(CRptWizard& wizard, const QString& role);

  protected:
    CRptWizard& sheet() const { return m_wizard; }
    ReportChoices& choices() const;
    int bannerTopMargin() const override;

  private:
    CRptWizard& m_wizard;
};

} // namespace orvelan

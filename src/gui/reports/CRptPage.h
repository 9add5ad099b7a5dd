#pragma once

#include "gui/widgets/CWizardPage.h"

class QBoxLayout;

// What every page of the report wizard has besides the wizard page's common parts: the sheet
// it edits, room at the top for the label of the item fixed earlier, and for the pages with
// sex boxes the red quiet line that says why Next or Finish did nothing.
namespace orvelan {

class CRptWizard;
class CSexBoxes;
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

    /// Adds the red quiet line at the end of the page's layout.
    void addReasonLine(QBoxLayout* layout);
    /// Ticks the boxes from the block (both on a first run), then clears and disables a sex
    /// in which none of the chosen cancers occurs (fixedCancerOnly: the fixed cancer).
    void presetSexes(CSexBoxes& boxes, bool fixedCancerOnly) const;
    /// False, with the quiet line saying so, when neither sex is ticked.
    bool sexesTicked(const CSexBoxes& boxes);

  private:
    CRptWizard& m_wizard;
};

} // namespace orvelan

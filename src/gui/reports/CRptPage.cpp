#include "gui/reports/CRptPage.h"

#include "gui/reports/CRptWizard.h"
#include "gui/widgets/CBanner.h"

namespace orvelan {

CRptPage::CRptPage(CRptWizard& wizard, const QString& role) : CWizardPage(role), m_wizard(wizard) {}

ReportChoices& CRptPage::choices() const { return m_wizard.choices(); }

int CRptPage::bannerTopMargin() const { return CBanner::kTopMargin; }

} // namespace orvelan

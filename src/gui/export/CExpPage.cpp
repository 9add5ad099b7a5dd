#include "gui/export/CExpPage.h"

#include "gui/export/CExpWizard.h"

namespace orvelan {

CExpPage::CExpPage(CExpWizard& wizard, const QString& role, int step)
    : CWizardPage(role), m_wizard(wizard), m_step(step) {}

QString CExpPage::wizardTitle() const { return QStringLiteral("Export wizard (%1/3)").arg(m_step); }

ExportSettings& CExpPage::settings() const { return m_wizard.settings(); }

} // namespace orvelan

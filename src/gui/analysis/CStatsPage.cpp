#include "gui/analysis/CStatsPage.h"

#include "gui/analysis/CStatsWizard.h"

#include <QLabel>

namespace orvelan {

CStatsPage::CStatsPage(CStatsWizard& wizard, const QString& role)
    : CWizardPage(role), m_wizard(wizard) {
    // A missing choice is not an error: the line is as quiet as disabled text.
    m_reason = createReasonLabel();
    QPalette palette = m_reason->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::Disabled, QPalette::WindowText));
    m_reason->setPalette(palette);
}

AnalysisBlock& CStatsPage::block() const { return m_wizard.block(); }

} // namespace orvelan

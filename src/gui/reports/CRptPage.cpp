#include "gui/reports/CRptPage.h"

#include "gui/reports/CRptWizard.h"
#include "gui/widgets/CBanner.h"
#include "gui/widgets/CSexBoxes.h"

#include <QBoxLayout>
#include <QLabel>

namespace orvelan {

CRptPage::CRptPage(CRptWizard& wizard, const QString& role) : CWizardPage(role), m_wizard(wizard) {}

ReportChoices& CRptPage::choices() const { return m_wizard.choices(); }

int CRptPage::bannerTopMargin() const { return CBanner::kTopMargin; }

void CRptPage::addReasonLine(QBoxLayout* layout) { layout->addWidget(createRedReasonLabel()); }

void CRptPage::presetSexes(CSexBoxes& boxes, bool fixedCancerOnly) const {
    const ReportBlock& block = choices().block;
    boxes.preset(block.startsWithMales(), block.startsWithFemales(),
                 m_wizard.sexPreset(fixedCancerOnly));
}

bool CRptPage::sexesTicked(const CSexBoxes& boxes) {
    if (boxes.any()) {
        return true;
    }
    refuseQuietly(QStringLiteral("Tick at least one sex."));
    return false;
}

} // namespace orvelan

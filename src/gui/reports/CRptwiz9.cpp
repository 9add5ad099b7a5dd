#include "gui/reports/CRptwiz9.h"

#include "gui/data/CSelectionPanel.h"
#include "gui/reports/CRptWizard.h"

namespace orvelan {

CRptwiz9::CRptwiz9(CRptWizard& wizard)
    : CSelectionPage(wizard, QStringLiteral("cancerSelection"), TreeKind::Cancer,
                     CSelectionPanel::ClearButton | CSelectionPanel::SelectAllButton |
                         CSelectionPanel::Icd10Button) {}

QString CRptwiz9::wizardTitle() const { return sheet().stepTwoTitle(); }

int CRptwiz9::nextId() const { return sheet().stepThreeId(); }

QString CRptwiz9::bannerLabel() const {
    return sheet().populationLabel(choices().block.fixedRegistry, false).trimmed();
}

} // namespace orvelan

#include "gui/reports/CRptwiz8.h"

#include "gui/data/CSelectionPanel.h"
#include "gui/reports/CRptWizard.h"

namespace orvelan {

CRptwiz8::CRptwiz8(CRptWizard& wizard)
    : CSelectionPage(wizard, QStringLiteral("registrySelection"), TreeKind::Registry,
                     CSelectionPanel::ClearButton | CSelectionPanel::SelectAllButton) {}

QString CRptwiz8::wizardTitle() const { return sheet().stepTwoTitle(); }

int CRptwiz8::nextId() const { return sheet().stepThreeId(); }

QString CRptwiz8::bannerLabel() const { return sheet().cancerLabel(choices().block.fixedCancer); }

} // namespace orvelan

#include "gui/reports/CRptWizard.h"

#include "core/app/RememberedBlocks.h"
#include "core/data/CIncidenceStore.h"
#include "core/data/CUserGroupDictionary.h"
#include "core/reports/CReportTemplate.h"
#include "gui/reports/CRPTwiz0.h"
#include "gui/reports/CRPTwiz1.h"
#include "gui/reports/CRPTwiz10.h"
#include "gui/reports/CRPTwiz11.h"
#include "gui/reports/CRPTwiz12.h"
#include "gui/reports/CRPTwiz13.h"
#include "gui/reports/CRPTwiz2.h"
#include "gui/reports/CRPTwiz3.h"
#include "gui/reports/CRPTwiz4.h"
#include "gui/reports/CRPTwiz5.h"
#include "gui/reports/CRPTwiz6.h"
#include "gui/reports/CRPTwiz7.h"
#include "gui/reports/CRptwiz8.h"
#include "gui/reports/CRptwiz9.h"
#include "gui/widgets/CTemplateSaveDialog.h"

namespace orvelan {

CRptWizard::CRptWizard(const ReportChoices& remembered, const ReportWizardContext& context,
                       QWidget* parent)
    : CDataWizard(QStringLiteral("reportWizard"), context, parent),
      m_choices(reportForWizard(remembered, context.registryGroups.count(),
                                context.cancerGroups.count())) {
    // Pages are added in the order of their creation, not of their display.
    setPage(kKindPage, new CRPTwiz0(*this));
    setPage(kSummaryStep1, new CRPTwiz1(*this));
    setPage(kAgeSpecificStep1, new CRPTwiz2(*this));
    setPage(kReportStep1, new CRPTwiz3(*this));
    setPage(kReportStep2, new CRPTwiz4(*this));
    setPage(kReportStep3, new CRPTwiz5(*this));
    setPage(kReportStep4, new CRPTwiz6(*this));
    setPage(kReportStep5, new CRPTwiz7(*this));
    setPage(kRegistryPage, new CRptwiz8(*this));
    setPage(kCancerPage, new CRptwiz9(*this));
    setPage(kSummaryStep3, new CRPTwiz10(*this));
    setPage(kAgeSpecificStep3, new CRPTwiz11(*this));
    setPage(kTemplatePage, new CRPTwiz12(*this));
    setPage(kStandardPage, new CRPTwiz13(*this));
    start(kKindPage, 640, 520);
    // Back after a template was loaded returns to the first page, not to the template list.
    routeBackThroughGoBack();
}

bool CRptWizard::hasTemplates() const { return hasTemplateFiles(CReportTemplate::kExtension); }

void CRptWizard::goBack() {
    const QList<int> visited = visitedIds();
    back();
    if (visited.size() >= 2 && visited.at(visited.size() - 2) == kTemplatePage &&
        currentId() == kTemplatePage) {
        back();
    }
}

void CRptWizard::saveTemplate(CRptPage& rptPage, bool userReport) {
    if (!rptPage.store()) {
        return;
    }
    const QString path = CTemplateSaveDialog::ask(this, preparedTemplateFolder(), userReport);
    if (path.isEmpty()) {
        return;
    }
    reportTemplateProblem(CReportTemplate::write(path.toStdString(), m_choices,
                                                 registryGroups().count(), cancerGroups().count()));
}

QString CRptWizard::stepTwoTitle() const {
    return m_choices.block.reportKind == static_cast<int>(ReportKind::AgeSpecific)
               ? QStringLiteral("Age-specific incidence by sex (2/3)")
               : QStringLiteral("Summary incidence rates by sex (2/3)");
}

int CRptWizard::stepThreeId() const {
    return m_choices.block.reportKind == static_cast<int>(ReportKind::AgeSpecific)
               ? kAgeSpecificStep3
               : kSummaryStep3;
}

SexPreset CRptWizard::sexPreset(bool fixedCancerOnly) const {
    const std::vector<int> cancers = fixedCancerOnly ? std::vector<int>{m_choices.block.fixedCancer}
                                                     : selectedItems(m_choices.cancers);
    return sexPresetFor(cancers, cancerGroups());
}

} // namespace orvelan

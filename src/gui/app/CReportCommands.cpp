#include "gui/app/CReportCommands.h"

#include "gui/app/CMainFrame.h"
#include "gui/app/CORVELANApp.h"
#include "gui/framework/CommandIds.h"
#include "gui/reports/CGridView.h"
#include "gui/reports/CReportOutputs.h"
#include "gui/reports/CRptWizard.h"
#include "gui/reports/CVEKEditView.h"

#include <QComboBox>

namespace orvelan {

namespace {

DocumentType documentTypeOf(ReportOutputKind kind) {
    switch (kind) {
    case ReportOutputKind::SummaryRatesView:
        return DocumentType::SummaryRates;
    case ReportOutputKind::AgeSpecificRatesView:
        return DocumentType::AgeSpecificRates;
    case ReportOutputKind::ReportView:
        return DocumentType::UserReport;
    default:
        return DocumentType::StandardTable;
    }
}

} // namespace

std::vector<int> CReportCommands::commands() const { return {cmd::kNewReport}; }

bool CReportCommands::isAvailable(int /*id*/) const { return true; }

void CReportCommands::run(int /*id*/) {
    if (!requireData()) {
        return;
    }
    const ReportWizardContext context{app().store(), app().registryGroups(), app().cancerGroups(),
                                      app().dataDirectory()};
    CRptWizard wizard(app().blocks().report, context, &frame());
    if (wizard.exec() != QDialog::Accepted) {
        return;
    }
    // The choices become the defaults of the next run before the documents are computed.
    app().blocks().report = wizard.choices();
    openOutputs(frame(), app(), wizard.choices());
}

void CReportCommands::openOutputs(CMainFrame& frame, CORVELANApp& app,
                                  const ReportChoices& choices) {
    const QString face = frame.fontNameBox()->currentText();
    for (ReportDocument& document :
         CReportOutputs::create(choices, app.store(), face, app.intervals(), app.standards())) {
        if (!document.failure.isEmpty()) {
            frame.showError(document.failure);
            continue;
        }
        if (auto* grid = qobject_cast<CGridView*>(document.view.get())) {
            grid->setWorkFolder(app.workDirectory());
            frame.openDocument(documentTypeOf(document.output.kind), document.view.release());
            continue;
        }
        auto* text = new CVEKEditView;
        text->setText(document.text);
        frame.openDocument(DocumentType::StandardTable, text);
    }
}

} // namespace orvelan

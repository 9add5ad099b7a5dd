#include "gui/app/CExportCommands.h"

#include "gui/app/CMainFrame.h"
#include "gui/app/CORVELANApp.h"
#include "gui/export/CExpWizard.h"
#include "gui/export/CExportWriter.h"
#include "gui/framework/CommandIds.h"

namespace orvelan {

std::vector<int> CExportCommands::commands() const { return {cmd::kExport}; }

bool CExportCommands::isAvailable(int /*id*/) const { return true; }

void CExportCommands::run(int /*id*/) {
    if (!requireData()) {
        return;
    }
    const ExportWizardContext context{app().registryGroups(), app().cancerGroups(),
                                      app().workDirectory()};
    CExpWizard wizard(app().blocks().exportSettings, context, &frame());
    if (wizard.exec() != QDialog::Accepted) {
        return;
    }
    // The choices are remembered before the writing, which may be cancelled.
    app().blocks().exportSettings = wizard.settings();
    CExportWriter::write(&frame(), app().store(), wizard.settings());
}

} // namespace orvelan

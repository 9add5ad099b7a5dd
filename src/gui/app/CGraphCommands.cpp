#include "gui/app/CGraphCommands.h"

#include "core/app/RememberedBlocks.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/CORVELANApp.h"
#include "gui/app/GraphOpening.h"
#include "gui/framework/CommandIds.h"
#include "gui/graphs/wizard/CGphWizard.h"

namespace orvelan {

namespace {

CGraphCommands::Opener& replacement() {
    static CGraphCommands::Opener function;
    return function;
}

/// The opener in use: a test's replacement, else the program's own.
CGraphCommands::Opener opener() {
    return replacement() ? replacement() : CGraphCommands::Opener(&gui::openGraph);
}

} // namespace

std::vector<int> CGraphCommands::commands() const { return {cmd::kNewGraph}; }

bool CGraphCommands::isAvailable(int /*id*/) const { return true; }

void CGraphCommands::setOpener(Opener function) { replacement() = std::move(function); }

void CGraphCommands::run(int /*id*/) {
    const Opener open = opener();
    if (!open || !requireData()) {
        return;
    }
    const GraphWizardContext context{app().store(), app().registryGroups(), app().cancerGroups(),
                                     app().dataDirectory()};
    CGphWizard wizard(app().blocks().graph, context, &frame());
    if (wizard.exec() != QDialog::Accepted) {
        return;
    }
    // Colours, slice count and choices become the defaults of the next run; the title, the
    // pyramid basis and the line style start afresh each time.
    keepGraphChoices(app().blocks().graph, wizard.settings());
    open(frame(), wizard.settings());
}

} // namespace orvelan

#include "gui/app/CHelpCommands.h"

#include "gui/app/CAboutDlg.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/CReferenceDlg.h"
#include "gui/framework/CHelpPages.h"
#include "gui/framework/CommandIds.h"

namespace orvelan {

std::vector<int> CHelpCommands::commands() const {
    return {cmd::kAbout,   cmd::kReference,  cmd::kWebUserGuide,
            cmd::kWebData, cmd::kWebMethods, cmd::kWebCitation};
}

bool CHelpCommands::isAvailable(int /*id*/) const { return true; }

void CHelpCommands::run(int id) {
    if (id == cmd::kAbout) {
        CAboutDlg dialog(&frame());
        dialog.exec();
    } else if (id == cmd::kReference) {
        CReferenceDlg dialog(&frame());
        dialog.exec();
    } else {
        CHelpPages::show(&frame(), CHelpPages::pageName(id));
    }
}

} // namespace orvelan

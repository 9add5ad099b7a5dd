#include "gui/app/CGraphStyleCommands.h"

#include "gui/app/CMainFrame.h"
#include "gui/app/CORVELANApp.h"
#include "gui/framework/CChildFrame.h"
#include "gui/framework/CommandIds.h"
#include "gui/graphs/CGraphView.h"

#include <QAction>

namespace orvelan {

CGraphStyleCommands::CGraphStyleCommands(CORVELANApp& app, CMainFrame& frame)
    : CCommandArea(app, frame) {
    for (const int id : commands()) {
        if (QAction* action = this->frame().action(id)) {
            action->setCheckable(true);
        }
    }
    showChoice();
}

std::vector<int> CGraphStyleCommands::commands() const {
    return {cmd::kGraphStyleClassic, cmd::kGraphStylePublication};
}

bool CGraphStyleCommands::isAvailable(int /*id*/) const { return true; }

void CGraphStyleCommands::run(int id) {
    app().graphLook() =
        id == cmd::kGraphStylePublication ? GraphLook::Publication : GraphLook::Classic;
    showChoice();
    for (CChildFrame* child : frame().childFrames()) {
        if (auto* view = qobject_cast<CGraphView*>(child->view())) {
            view->setLook(app().graphLook());
        }
    }
}

void CGraphStyleCommands::showChoice() {
    const bool publication = app().graphLook() == GraphLook::Publication;
    if (QAction* action = frame().action(cmd::kGraphStyleClassic)) {
        action->setChecked(!publication);
    }
    if (QAction* action = frame().action(cmd::kGraphStylePublication)) {
        action->setChecked(publication);
    }
}

} // namespace orvelan

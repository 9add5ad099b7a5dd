#include "gui/app/CIntervalCommands.h"

#include "gui/app/CMainFrame.h"
#include "gui/app/CORVELANApp.h"
#include "gui/framework/CChildFrame.h"
#include "gui/framework/CommandIds.h"
#include "gui/reports/CIntervalTarget.h"

#include <QAction>

namespace orvelan {

namespace {

// Exact limits for counts and crude rates; the ASR takes the gamma ones from the same choice.
constexpr IntervalChoice kSmallCounts{IntervalMethod::Exact, 95};

} // namespace

CIntervalCommands::CIntervalCommands(CORVELANApp& app, CMainFrame& frame)
    : CCommandArea(app, frame) {
    for (const int id : commands()) {
        if (QAction* action = this->frame().action(id)) {
            action->setCheckable(true);
        }
    }
    showChoice();
}

std::vector<int> CIntervalCommands::commands() const {
    return {cmd::kIntervalsNormal, cmd::kIntervalsSmallCounts};
}

bool CIntervalCommands::isAvailable(int /*id*/) const { return true; }

void CIntervalCommands::run(int id) {
    if (!requireWholeData()) {
        showChoice();
        return;
    }
    app().intervals() = id == cmd::kIntervalsSmallCounts ? kSmallCounts : IntervalChoice{};
    showChoice();
    for (CChildFrame* child : frame().childFrames()) {
        if (auto* target = dynamic_cast<CIntervalTarget*>(child->view())) {
            target->setIntervals(app().intervals());
        }
    }
}

void CIntervalCommands::showChoice() {
    const bool normal = app().intervals().method == IntervalMethod::Normal;
    if (QAction* action = frame().action(cmd::kIntervalsNormal)) {
        action->setChecked(normal);
    }
    if (QAction* action = frame().action(cmd::kIntervalsSmallCounts)) {
        action->setChecked(!normal);
    }
}

} // namespace orvelan

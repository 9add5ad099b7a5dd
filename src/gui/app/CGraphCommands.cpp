#include "gui/app/CGraphCommands.h"

#include "gui/app/CommandIds.h"

namespace orvelan {

std::vector<int> CGraphCommands::commands() const { return {cmd::kNewGraph}; }

// The wizard of this area is not part of this build yet: its commands show, disabled.
bool CGraphCommands::isAvailable(int /*id*/) const { return false; }

void CGraphCommands::run(int /*id*/) { requireData(); }

} // namespace orvelan

#include "gui/app/CAnalysisCommands.h"

#include "gui/app/CommandIds.h"

namespace orvelan {

std::vector<int> CAnalysisCommands::commands() const { return {cmd::kNewAnalysis}; }

// The wizard of this area is not part of this build yet: its commands show, disabled.
bool CAnalysisCommands::isAvailable(int /*id*/) const { return false; }

void CAnalysisCommands::run(int /*id*/) { requireData(); }

} // namespace orvelan

#include "app/CReportCommands.h"

#include "app/CommandIds.h"

namespace orvelan {

std::vector<int> CReportCommands::commands() const { return {cmd::kNewReport}; }

// The wizard of this area is not part of this build yet: its commands show, disabled.
bool CReportCommands::isAvailable(int /*id*/) const { return false; }

void CReportCommands::run(int /*id*/) { requireData(); }

} // namespace orvelan

#include "gui/app/CExportCommands.h"

#include "gui/app/CommandIds.h"

namespace orvelan {

std::vector<int> CExportCommands::commands() const { return {cmd::kExport}; }

// The wizard of this area is not part of this build yet: its commands show, disabled.
bool CExportCommands::isAvailable(int /*id*/) const { return false; }

void CExportCommands::run(int /*id*/) { requireData(); }

} // namespace orvelan

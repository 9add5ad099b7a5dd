#include "app/CDictionaryCommands.h"

#include "app/CommandIds.h"

namespace orvelan {

std::vector<int> CDictionaryCommands::commands() const {
    return {cmd::kRegistryDictionary, cmd::kCancerDictionary, cmd::kNewCancerGroup,
            cmd::kNewRegistryGroup};
}

// The dialogs of this area are not part of this build yet: its commands show, disabled.
bool CDictionaryCommands::isAvailable(int /*id*/) const { return false; }

void CDictionaryCommands::run(int /*id*/) {}

} // namespace orvelan

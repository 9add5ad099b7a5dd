#include "RunProcess.h"

namespace orvelan::test {

// The path is defined for this file alone: compiled into every test that runs the tool, it
// would give each clone's objects a different hash and keep the compiler cache from sharing
// them between clones.
const char* cliPath() {
#ifdef ORVELAN_CLI_PATH
    return ORVELAN_CLI_PATH;
#else
    return "orvelan-cli";
#endif
}

} // namespace orvelan::test

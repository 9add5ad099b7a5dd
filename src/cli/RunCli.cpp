#include "RunCli.h"

#include "CCommandLine.h"

namespace orvelan::cli {

int runCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    return CCommandLine().run(argc, argv, out, err);
}

} // namespace orvelan::cli

#pragma once

#include <iosfwd>

namespace orvelan::cli {

/// Parses the arguments and runs one command, writing to out and err; returns the exit status
/// (0, 1: data or output file, 2: bad argument). Never throws.
int runCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

} // namespace orvelan::cli

#pragma once

#include <initializer_list>
#include <string>
#include <vector>

namespace orvelan::fuzz {

/// Runs orvelan-cli's code on the scratch data directory with these arguments and returns
/// what it printed on standard output; stops the run when the exit status is not 0, 1 or 2.
/// One command line serves every run of the process.
std::string runCommand(std::initializer_list<std::string> arguments);
std::string runCommand(const std::vector<std::string>& arguments);

/// Removes everything in the current directory (the scratch folder outputs land in), so that
/// what one input wrote is not there for the next.
void emptyScratchFolder();

} // namespace orvelan::fuzz

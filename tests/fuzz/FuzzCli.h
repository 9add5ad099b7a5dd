#pragma once

#include <initializer_list>
#include <string>

namespace orvelan::fuzz {

/// Runs orvelan-cli's code on the scratch data directory with these arguments and returns
/// what it printed on standard output; stops the run when the exit status is not 0, 1 or 2.
std::string runCommand(std::initializer_list<std::string> arguments);

} // namespace orvelan::fuzz

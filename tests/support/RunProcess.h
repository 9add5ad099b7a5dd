#pragma once

#include <string>
#include <vector>

namespace orvelan::test {

/// What a finished child process left behind.
struct ProcessResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

/// Runs a program with arguments (no shell), capturing its standard output and error.
ProcessResult runProcess(const std::vector<std::string>& argv);

} // namespace orvelan::test

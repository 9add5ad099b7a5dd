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

/// Runs a program with arguments (no shell), capturing its standard output and error;
/// with outPath, standard output goes to that file (or device) instead and out stays empty.
ProcessResult runProcess(const std::vector<std::string>& argv, const std::string& outPath = {});

/// The orvelan-cli of this build folder.
const char* cliPath();

} // namespace orvelan::test

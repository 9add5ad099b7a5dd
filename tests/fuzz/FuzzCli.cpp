#include "FuzzCli.h"

#include "CCommandLine.h"
#include "FuzzSupport.h"

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sstream>

namespace orvelan::fuzz {

namespace {

// The parser keeps a list of every option it met, which clearing it leaves as it is: a fresh
// command line now and then bounds what a long run holds.
constexpr int kRunsPerCommandLine = 100000;

cli::CCommandLine& commandLine() {
    static std::unique_ptr<cli::CCommandLine> line;
    static int runs = 0;
    if (!line || ++runs == kRunsPerCommandLine) {
        line = std::make_unique<cli::CCommandLine>();
        runs = 0;
    }
    return *line;
}

} // namespace

std::string runCommand(std::initializer_list<std::string> arguments) {
    return runCommand(std::vector<std::string>(arguments));
}

std::string runCommand(const std::vector<std::string>& arguments) {
    std::vector<std::string> words = {"orvelan-cli", "--data-dir", dataDirectory()};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<const char*> argv;
    for (const std::string& word : words) {
        argv.push_back(word.c_str());
    }
    std::ostringstream out;
    std::ostringstream err;
    const int status = commandLine().run(static_cast<int>(argv.size()), argv.data(), out, err);
    if (status < 0 || status > 2) {
        std::abort();
    }
    return out.str();
}

void emptyScratchFolder() {
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(".", ignored)) {
        std::filesystem::remove_all(entry.path(), ignored);
    }
}

} // namespace orvelan::fuzz

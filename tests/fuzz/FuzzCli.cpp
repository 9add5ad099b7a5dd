#include "FuzzCli.h"

#include "FuzzSupport.h"
#include "RunCli.h"

#include <cstdlib>
#include <sstream>
#include <vector>

namespace orvelan::fuzz {

std::string runCommand(std::initializer_list<std::string> arguments) {
    std::vector<std::string> words = {"orvelan-cli", "--data-dir", dataDirectory()};
    words.insert(words.end(), arguments);
    std::vector<const char*> argv;
    for (const std::string& word : words) {
        argv.push_back(word.c_str());
    }
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::runCli(static_cast<int>(argv.size()), argv.data(), out, err);
    if (status < 0 || status > 2) {
        std::abort();
    }
    return out.str();
}

} // namespace orvelan::fuzz

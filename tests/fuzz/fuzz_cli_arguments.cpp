// orvelan-cli's command line: the input split at zero bytes into at most 12 arguments.
#include "FuzzSupport.h"
#include "RunCli.h"

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvelan;
    std::vector<std::string> words = {"orvelan-cli", "--data-dir", fuzz::dataDirectory()};
    std::string word;
    for (std::size_t i = 0; i < size && words.size() < 15; ++i) {
        if (data[i] == 0) {
            words.push_back(word);
            word.clear();
        } else {
            word.push_back(static_cast<char>(data[i]));
        }
    }
    if (words.size() < 15) {
        words.push_back(word);
    }
    std::vector<const char*> argv;
    for (const std::string& w : words) {
        argv.push_back(w.c_str());
    }
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::runCli(static_cast<int>(argv.size()), argv.data(), out, err);
    if (status < 0 || status > 2) {
        std::abort();
    }
    return 0;
}

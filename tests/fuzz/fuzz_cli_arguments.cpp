// orvelan-cli's command line: the input split at zero bytes into at most 12 arguments.
#include "FuzzCli.h"

#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    constexpr std::size_t kMostArguments = 12;
    std::vector<std::string> words;
    std::string word;
    for (std::size_t i = 0; i < size && words.size() < kMostArguments; ++i) {
        if (data[i] == 0) {
            words.push_back(word);
            word.clear();
        } else {
            word.push_back(static_cast<char>(data[i]));
        }
    }
    if (words.size() < kMostArguments) {
        words.push_back(word);
    }
    orvelan::fuzz::runCommand(words);
    orvelan::fuzz::emptyScratchFolder();
    return 0;
}

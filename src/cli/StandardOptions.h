#pragma once

#include "core/rates/StandardPopulations.h"

#include <string>

namespace CLI {
class App;
class Option;
} // namespace CLI

// --world segi|who2000|FILE and --european 1976|2013|FILE of the commands that print
// age-standardised rates. Without either option every ASR is the classic one and the output
// is exactly as it always was.
namespace orvelan::cli {

struct StandardOptions {
    std::string world;
    std::string european;
    CLI::Option* worldOption = nullptr;
    CLI::Option* europeanOption = nullptr;

    /// Whether --world or --european was given: list outputs then name each ASR's standard.
    bool given() const;
    /// The chosen standards; a standard file that cannot be read or is refused ends the
    /// command with its message (exit 2).
    StandardChoice choice() const;
};

void addStandardOptions(CLI::App& command, StandardOptions& options);

} // namespace orvelan::cli

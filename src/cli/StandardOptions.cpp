#include "StandardOptions.h"

#include "CliError.h"

#include <CLI/CLI.hpp>

namespace orvelan::cli {

namespace {

StandardPopulation chosenStandard(StandardSlot slot, const std::string& value) {
    if (const StandardPopulation* builtIn = findBuiltInStandard(slot, value)) {
        return *builtIn;
    }
    StandardPopulation standard;
    if (const IoResult read = readStandardFile(value, standard); !read) {
        throw usageError(read.message);
    }
    return standard;
}

} // namespace

bool StandardOptions::given() const {
    return (worldOption != nullptr && worldOption->count() > 0) ||
           (europeanOption != nullptr && europeanOption->count() > 0);
}

StandardChoice StandardOptions::choice() const {
    StandardChoice standards;
    if (worldOption != nullptr && worldOption->count() > 0) {
        standards.world = chosenStandard(StandardSlot::World, world);
    }
    if (europeanOption != nullptr && europeanOption->count() > 0) {
        standards.european = chosenStandard(StandardSlot::European, european);
    }
    return standards;
}

void addStandardOptions(CLI::App& command, StandardOptions& options) {
    options.worldOption =
        command.add_option("--world", options.world,
                           "Standard of the World ASR: segi (default), who2000 or a standard file");
    options.europeanOption =
        command.add_option("--european", options.european,
                           "Standard of the European ASR: 1976 (default), 2013 or a standard file");
}

} // namespace orvelan::cli

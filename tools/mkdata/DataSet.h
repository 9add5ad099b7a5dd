#pragma once

#include "core/data/Codes.h"

#include <array>
#include <cstdint>
#include <vector>

namespace orvelan::mkdata {

/// One record of ORVELAN.POP as it will be written.
struct PopulationRecord {
    std::int32_t firstYear = 0;
    std::int32_t lastYear = 0;
    std::array<float, kAgeGroupCount> personYears{};
    char type = 'g';   // 's': specialised registry
    char marker = ' '; // written in front of the population's label
};

/// One record of ORVELAN.DAT.
struct CasesRecord {
    std::array<float, kAgeGroupCount> cases{};
    float verification = 0.0f; // percent microscopically verified; negative: not available
};

/// The whole data set in file order: population records by (population, sex), cases records by
/// (population, sex, cancer).
struct DataSet {
    std::vector<PopulationRecord> populations;
    std::vector<CasesRecord> cases;

    const PopulationRecord& population(int population, int sex) const {
        return populations.at(static_cast<std::size_t>(population * 2 + sex));
    }
    const CasesRecord& casesOf(int population, int sex, int cancer) const {
        return cases.at(static_cast<std::size_t>((population * 2 + sex) * kCancerCount + cancer));
    }
};

} // namespace orvelan::mkdata

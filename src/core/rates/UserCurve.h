#pragma once

#include "core/data/Codes.h"

#include <string>

// A curve typed in by the user in the statistics wizard and kept in analysis files (.STA):
// cases, person-years and rate per 100,000 for groups 0-4 ... 85+.
namespace orvelan {

struct UserCurve {
    static constexpr std::size_t kMaxTitleLength = 255;

    std::string title; // at most 255 characters
    AgeArray cases{};
    AgeArray personYears{};
    AgeArray rates{}; // per 100,000; left as typed or read where person-years are 0
};

} // namespace orvelan

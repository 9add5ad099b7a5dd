#pragma once

#include "core/data/Codes.h"

// The counts of the two-curve comparison tests, whose figures were computed independently to
// 40 digits: males with cancer 0 ("All sites") in every group; the reference also has 6 cases
// of unknown age.
namespace orvelan::test {

inline const AgeValues kRefPersonYears = {52000, 50500, 48000, 47000, 45500, 44000, 42000,
                                          40000, 37000, 34000, 30000, 26000, 22000, 18000,
                                          14000, 10000, 6500,  4000,  0};
inline const AgeValues kRefCases = {1,  0,  2,   3,   5,   8,   12,  20, 31, 45,
                                    70, 96, 120, 141, 150, 138, 101, 77, 6};
inline const AgeValues kCompPersonYears = {30000, 29500, 29000, 28000, 27000, 26500, 25000,
                                           23000, 21000, 19000, 17000, 15000, 12500, 10000,
                                           7500,  5500,  3500,  2000,  0};
inline const AgeValues kCompCases = {0,  1,  1,  2,   4,   7,  9,  15, 27, 40,
                                     55, 80, 98, 105, 112, 95, 70, 44, 0};

/// The comparison's person-years with its oldest class at 75+.
inline AgeValues compPersonYearsTo75() {
    AgeValues top75 = kCompPersonYears;
    top75[15] += top75[16] + top75[17];
    top75[16] = top75[17] = 0.0;
    return top75;
}

} // namespace orvelan::test

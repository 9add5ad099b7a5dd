#pragma once

#include "core/data/Codes.h"

// The weights of the standard populations by age group 0-17, each table summing to 1, and the
// width in years of an age group for cumulative rates.
namespace orvelan {

inline constexpr AgeArray kWorldWeights = {0.12, 0.10, 0.09, 0.09, 0.08, 0.08, 0.06, 0.06,  0.06,
                                           0.06, 0.05, 0.04, 0.04, 0.03, 0.02, 0.01, 0.005, 0.005};
inline constexpr AgeArray kEuropeanWeights = {0.08, 0.07, 0.07, 0.07, 0.07, 0.07, 0.07, 0.07, 0.07,
                                              0.07, 0.07, 0.06, 0.05, 0.04, 0.03, 0.02, 0.01, 0.01};
inline constexpr AgeArray kThirdStandardWeights = {0.088, 0.087, 0.086, 0.085, 0.082, 0.079,
                                                   0.076, 0.072, 0.066, 0.060, 0.054, 0.046,
                                                   0.037, 0.030, 0.022, 0.015, 0.009, 0.006};
inline constexpr double kAgeGroupWidth = 5.0; // years

/// The weight table of standard code 1 (World), 2 (European) or 9 (third standard); null for
/// any other code.
const AgeArray* standardWeights(StandardCode standardCode);

/// True for the codes 3 and 4 that select the cumulative widths.
bool selectsCumulativeWidths(StandardCode standardCode);

} // namespace orvelan

#pragma once

#include "core/data/Codes.h"

#include <cstdint>

// The state of one comparison of two age-specific curves: what was asked, the two curves over
// age groups 0-17 and every result. A negative result means "not available" (shown as a dash,
// printed as the number itself in saved text).
namespace orvelan {

struct CurvePair {
    // What is compared. Cancer numbers >= 252 and population numbers >= 272 are user groups.
    std::int32_t refCancer = 0;
    std::int32_t compCancer = 0;
    std::int32_t refPopulation = 0;
    std::int32_t compPopulation = 0;
    std::int32_t refSex = 0; // 0 male, 1 female, 2 both sexes
    std::int32_t compSex = 0;
    std::int32_t ageLow = 0;  // age group 0-17
    std::int32_t ageHigh = 0; // age group 0-17; replaced by the effective last group when cut
    std::int32_t userComparison = 0; // non-zero: the comparison curve was typed in by the user

    // The curves, groups 0-4 ... 85+ (unknown age never takes part).
    AgeArray refPersonYears{};
    AgeArray compPersonYears{};
    AgeArray refCases{};
    AgeArray compCases{};

    // World age-standardised rates per 100,000 and their standard errors.
    double asrRef = -1.0;
    double asrComp = -1.0;
    double seRef = -1.0;
    double seComp = -1.0;

    // Rate ratios comparison / reference; the logarithms are 0 until computed.
    double rrMH = -1.0;
    double logRrMH = 0.0;
    double seLogRrMH = -1.0;
    double rrML = -1.0;
    double logRrML = 0.0;
    double seLogRrML = -1.0;

    // The three tests: p-values, statistics, degrees of freedom (-1: test not carried out).
    double pMHC = -1.0;
    double pHeterogeneity = -1.0;
    double pTrend = -1.0;
    double chi2MHC = -1.0;
    double chi2Heterogeneity = -1.0;
    double chi2Trend = -1.0;
    std::int32_t dfMHC = 0;
    std::int32_t dfHeterogeneity = 0;
    std::int32_t dfTrend = 0;

    /// Sets every result to "not available": doubles -1, the two logarithms 0, the dfs 0.
    void resetResults();
};

} // namespace orvelan

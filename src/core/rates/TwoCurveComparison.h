#pragma once

#include "core/rates/CurvePair.h"

// Comparison of two age-specific curves: world ASRs, Mantel & Haenszel and maximum-likelihood
// rate ratios (comparison over reference) and the Mantel-Haenszel-Cochran, heterogeneity and
// trend tests, over the age groups both curves share.
namespace orvelan {

class CIncidenceStore;
struct UserCurve;

/// Outcome of the maximum-likelihood iteration on the rate ratio.
struct RateRatioIteration {
    double ratio = -1.0;      // the estimate; -1 when the iteration broke down
    double information = 0.0; // I = sum M p (1 - p) of the last pass
    int updates = 0;          // steps applied (at most kMaxRateRatioUpdates)
    bool converged = false;   // a step fell below kRateRatioTolerance
};

inline constexpr int kMaxRateRatioUpdates = 12;
inline constexpr double kRateRatioTolerance = 5e-06;

/// Scoring iteration R += U R / I over groups pair.ageLow..last from a positive start. Breaks
/// down (ratio -1) when I vanishes or R leaves the positive numbers.
RateRatioIteration iterateRateRatio(const CurvePair& pair, int last, double start);

/// Everything after both curves are in the pair and their ASRs are known: cuts an 85+ range at
/// the smaller open top class (folding the older groups of all four arrays into it), then the
/// rate ratios and the tests. Groups without person-years in either curve take no part.
/// Returns the effective last age group, or 0 when fewer than three groups remain.
int compareCurves(CurvePair& pair, int refLast, int compLast);

/// The whole comparison as the results dialog runs it once: resets the results, loads the
/// reference and the comparison curve through the store (or takes userCurve when
/// pair.userComparison is non-zero), asks for both world ASRs, then compareCurves. Returns the
/// effective last age group (at least 2), or 0 when no comparison is possible. pair.ageHigh is
/// left as asked.
int ComputeComparison(CurvePair& pair, CIncidenceStore& store, const UserCurve* userCurve);

} // namespace orvelan

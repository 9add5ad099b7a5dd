#pragma once

#include "core/data/Series.h"

#include <array>

// The summary figures of a series over an age range: pure functions of a Series value. Age
// groups from and to are 0-17 (to may be 18 for the number of cases). A range to 17 runs to the
// series' open top: the cases above its last age group count in that group, and so do the
// weights of an ASR. Rates are per 100,000 person-years, cumulative rates and risks in percent.
namespace orvelan {

/// Rates are per this many person-years.
inline constexpr double kPer100000 = 100000.0;

/// A rate with its standard error; ok == false when the range cannot be computed (both are
/// then -1).
struct RateResult {
    bool ok = false;
    double value = -1.0;
    double se = -1.0;
    /// 95% confidence limits value -/+ 1.96 SE.
    double lower() const { return value - 1.96 * se; }
    double upper() const { return value + 1.96 * se; }
};

/// The cases of groups from-to as loaded (no folding), with SE 0.
RateResult numberOfCases(const Series& series, int from, int to);
/// Cases over person-years; all ages (0-17) count the unknown age group too. SE rate / sqrt(n).
RateResult crudeRate(const Series& series, int from, int to);
/// The person-years the crude rate of the range divides by; 0 when it cannot be computed.
double crudePersonYears(const Series& series, int from, int to);
/// Directly age-standardised rate on 18 weights (of any sum), times the unknown-age factor.
RateResult asr(const Series& series, int from, int to, const AgeArray& weights);
/// Sum of 5-year widths times the age-specific rates; the range may not reach the last age group.
RateResult cumulativeRate(const Series& series, int from, int to);
/// 100 (1 - exp(-cumulative rate / 100)), its SE likewise from the rate's.
RateResult cumulativeRisk(const Series& series, int from, int to);

/// The weights of an ASR kind: the caller's when given, the classic World or European table
/// otherwise.
const AgeArray& asrWeightsOf(RateKind kind, const AgeArray* asrWeights);
/// A rate kind as every view asks it: kind 5 over 0-17 counts unknown ages too (its SE is 0).
/// asrWeights, when given, replace the classic table of an ASR kind. A figure that overflows
/// cannot be computed.
RateResult computeRate(const Series& series, RateKind kind, int from, int to,
                       const AgeArray* asrWeights = nullptr);

/// The six figures of one range by rate kind (index 0-5).
using SeriesFigures = std::array<RateResult, kRateKindCount>;
/// All six at once, each exactly as computeRate gives it, sharing the range's age-specific rates
/// (the figures of a list of series are computed this way). The weights, when given, replace
/// the classic World and European tables.
SeriesFigures computeRates(const Series& series, int from, int to,
                           const AgeArray* worldWeights = nullptr,
                           const AgeArray* europeanWeights = nullptr);

/// Age-specific rates per 100,000 of groups 0-17, the cases above the last age group counted
/// in it; 0 for a group without person-years and above the last age group.
AgeArray ageSpecificRates(const Series& series);

} // namespace orvelan

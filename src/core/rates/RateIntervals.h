#pragma once

#include "core/data/Series.h"
#include "core/rates/ConfidenceLimits.h"
#include "core/rates/IntervalMethod.h"
#include "core/rates/SeriesRates.h"
#include "core/rates/SeveralCurveComparison.h"
#include "core/rates/StandardPopulations.h"

// Intervals of the figures the views and the command-line tool show, by the method chosen:
// computed on a series, or from an SIR row.
namespace orvelan {

/// A figure's limits and the method that gave them; ok is false when there are none (the
/// figure is not available, or a number of cases under the normal approximation).
struct RateInterval {
    bool ok = false;
    Interval limits{-1.0, -1.0};
    IntervalMethod method = IntervalMethod::Normal;
};

struct RateWithInterval {
    RateResult rate;
    RateInterval interval;
};

/// Computes a rate kind over from..to of a series (as computeRate)
/// and its interval. Exact limits of a crude rate are those of its case count scaled by its
/// person-years; gamma limits of an ASR use the weights w_i f 100000 / (W n_i) of the groups
/// with person-years (W the standard's weights of the range, f the unknown-age factor). A
/// crude rate without person-years or an ASR without weights falls back to the normal limits.
/// An ASR kind is standardised to its standard of the choice of standards.
RateWithInterval computeRateWithInterval(const Series& series, RateKind kind, int from, int to,
                                         const IntervalChoice& choice,
                                         const StandardChoice& standards = classicStandards());

/// Limits of an SIR (per 100) by the choice. Normal at 95% is the classic pair: tabulated
/// exact limits below 50 cases, (sqrt(O) - 0.98)^2 and (sqrt(O + 1) + 0.98)^2 above; at other
/// levels exact limits below 50 and z / 2 in place of 0.98. Exact: exact Poisson limits of O,
/// each divided by E. An unavailable row gives {-1, -1}.
RateInterval sirInterval(const SirRow& row, const IntervalChoice& choice);

/// What a table's title adds when its intervals are not the default: " [90% CI: Exact Poisson /
/// Gamma (Fay-Feuer)]", naming the methods its rate kinds get (normal ones only when no other
/// is used). Empty for the default choice.
std::string intervalNote(const IntervalChoice& choice, const std::vector<RateKind>& kinds);

} // namespace orvelan

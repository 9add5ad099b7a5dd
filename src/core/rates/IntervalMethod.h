#pragma once

#include "core/data/Codes.h"

#include <optional>
#include <string_view>

// Which confidence interval a figure is shown with. The normal approximation (value -/+ z SE)
// is the default everywhere; the others hold for small counts: exact Poisson limits for counts,
// crude rates and SIRs, the gamma interval and its modified form for age-standardised rates.
namespace orvelan {

enum class IntervalMethod : int { Normal = 0, Exact = 1, Gamma = 2, Tiwari = 3 };
inline constexpr int kIntervalMethodCount = 4;

/// The figures an interval is built for; cumulative rate and risk share one.
enum class IntervalFigure { Cases, CrudeRate, Asr, Cumulative, Sir };

/// A method and a confidence level in percent (90, 95 or 99).
struct IntervalChoice {
    IntervalMethod method = IntervalMethod::Normal;
    int level = 95;

    bool isDefault() const { return method == IntervalMethod::Normal && level == 95; }
    friend bool operator==(const IntervalChoice&, const IntervalChoice&) = default;
};

/// "normal", "exact", "gamma", "tiwari": the names on the command line and in outputs.
std::string_view intervalMethodName(IntervalMethod method);
std::optional<IntervalMethod> parseIntervalMethod(std::string_view name);
/// "Normal approximation", "Exact Poisson", "Gamma (Fay-Feuer)", "Modified gamma (Tiwari)".
std::string_view intervalMethodTitle(IntervalMethod method);

/// 90, 95 and 99 are offered.
bool isIntervalLevel(int level);
/// The two-sided normal quantile of a level, as tables print it: 1.645, 1.96, 2.576.
double normalQuantile(int level);

IntervalFigure intervalFigureOf(RateKind kind);
/// Whether a method is defined for a figure: normal for all, exact for counts, crude rates and
/// SIRs, gamma and modified gamma for age-standardised rates.
bool intervalApplies(IntervalMethod method, IntervalFigure figure);
/// The method a figure gets when a method is asked for: the method itself where it applies,
/// else the figure's own small-count method (exact <-> gamma family), else normal.
IntervalMethod intervalMethodFor(IntervalMethod requested, IntervalFigure figure);

} // namespace orvelan

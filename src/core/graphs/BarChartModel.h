#pragma once

#include "core/data/Series.h"
#include "core/graphs/GraphSettings.h"
#include "core/graphs/NiceScale.h"
#include "core/rates/ConfidenceLimits.h"
#include "core/rates/IntervalMethod.h"
#include "core/rates/StandardPopulations.h"

#include <optional>
#include <string>
#include <vector>

// The bar chart: one rate of many populations (cancer bar chart) or of many cancers (registry
// bar chart), sorted from the largest value down and scaled by a power of ten for the axis.
namespace orvelan {

class CIncidenceStore;

struct Bar {
    int key = 0; // population number (cancer bar chart) or cancer number (registry bar chart)
    std::string label;
    double value = 0.0;  // as computed, before the multiplier
    double scaled = 0.0; // value x multiplier: what the axis shows
};

struct BarChartModel {
    static constexpr std::size_t kMaxLabelLength = 131;

    std::string title;
    BarChartType type = BarChartType::Cancer;
    RateKind rateKind = RateKind::AsrWorld;
    std::vector<Bar> bars;
    double multiplier = 1.0;
    std::string caption; // "(x 100)", "(tens)", ... or empty
    LinearScale scale;   // of (0, largest scaled value); scale.top is the axis top
    /// The interval asked for; limits then holds one entry per bar, in its units (before the
    /// multiplier), empty where the figure has none (a number of cases under the normal
    /// approximation). No interval asked: no limits.
    std::optional<IntervalChoice> intervals;
    std::vector<std::optional<Interval>> limits;

    /// The hover text of a bar: "%s: %.2f", or "%s: %.0f" for the number of cases.
    std::string statusText(std::size_t bar) const;
};

/// The value of a series for a rate kind 0-5 over from..to; -1 when it cannot be computed. The
/// number of cases never counts unknown ages. An ASR kind is standardised to its standard of
/// the choice.
double barValue(const Series& series, RateKind rateKind, int from, int to,
                const StandardChoice& standards = classicStandards());

/// Multiplier and caption for the largest value: x 10 to x 10000 below 1, 1 below 10000,
/// then tens, hundreds and thousands.
void chooseMultiplier(double largest, double& multiplier, std::string& caption);

/// The value axis title of a rate kind, in its unit: "Rate per 100,000 person-years",
/// "Cumulative rate (%)", "Cumulative risk (%)", "Number of cases".
std::string valueAxisTitle(RateKind rateKind);

/// Builds the bars; empty bars mean no value was positive and the chart cannot be drawn. An ASR
/// against a standard other than the classic one is named in the title in place of the kind.
/// With an interval choice every bar gets its confidence limits by the rates engine's methods.
BarChartModel computeBarChart(CIncidenceStore& store, const GraphSettings& settings,
                              const StandardChoice& standards = classicStandards(),
                              const std::optional<IntervalChoice>& intervals = std::nullopt);

} // namespace orvelan

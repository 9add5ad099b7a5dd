#pragma once

#include <string>
#include <vector>

// The axes of the publication look: round ticks and their labels as values, so that a painter,
// the JSON output and a test see the same ticks.
namespace orvelan {

struct AxisTick {
    double value = 0.0;
    std::string label; // empty for an unlabelled (minor) tick
    bool major = true;

    friend bool operator==(const AxisTick&, const AxisTick&) = default;
};

struct TickAxis {
    bool logarithmic = false;
    double bottom = 0.0; // the axis ends; every tick lies between them
    double top = 0.0;
    std::vector<AxisTick> ticks; // ascending

    friend bool operator==(const TickAxis&, const TickAxis&) = default;
};

/// A logarithmic axis over data from low to high (low > 0): its ends at the decades around the
/// data, a labelled major tick at every decade ("0.1", "1", "10", "100"), minor ticks at 2-9,
/// and labels at 2 and 5 as well when the data span less than two decades.
TickAxis decadeAxis(double low, double high);

/// A linear axis from low to high with about `wanted` round steps of 1, 2, 2.5 or 5 times a
/// power of ten; the ends are ticks.
TickAxis roundAxis(double low, double high, int wanted = 5);

/// A tick value as people write it: no trailing zeros or point ("10", "0.5", "2.5"), thousands
/// grouped with a comma from 10,000 up.
std::string tickLabel(double value);

/// Which of the age columns first..last carry a label when each column is columnWidth wide and
/// the widest label labelWidth: every one when they fit, else every second, fourth (10 or 20
/// years)...; the last column, the open top class, is always labelled. Indices relative to first.
std::vector<bool> labelledAgeColumns(int first, int last, double columnWidth, double labelWidth);

} // namespace orvelan

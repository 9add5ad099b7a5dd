#include "core/graphs/AxisLabels.h"

#include "core/io/Printf.h"

#include <cmath>

namespace orvelan {

namespace {

// Relative tolerance of "strictly between": a mark equal to the bottom is not repeated.
constexpr double kTolerance = 1e-9;

double mark(int j, int d) { return d >= 0 ? j * std::pow(10.0, d) : j / std::pow(10.0, -d); }

} // namespace

std::string arithmeticAxisLabel(double value) {
    if (value == 0.0) {
        return formatText("%5.1f", value);
    }
    if (value < 0.01) {
        return formatText("%5.3f", value);
    }
    if (value < 1.0) {
        return formatText("%4.1f", value);
    }
    return formatText("%7.1f", value);
}

std::string logTopLabel(double value) { return formatText("%7.1f", value); }

std::vector<LogTick> logTicks(const LogScale& scale) {
    std::vector<LogTick> ticks;
    if (!(scale.bottom > 0.0) || !(scale.top > scale.bottom)) {
        return ticks;
    }
    const int topExponent = static_cast<int>(std::floor(std::log10(scale.top) + kTolerance));
    const bool severalDecades = topExponent - scale.exponent >= 1;
    for (int d = scale.exponent; d <= topExponent; ++d) {
        for (int j = 0; j <= 9; ++j) {
            const double v = mark(j, d);
            if (v <= scale.bottom * (1.0 + kTolerance) || v >= scale.top * (1.0 - kTolerance)) {
                continue;
            }
            LogTick tick;
            tick.value = v;
            if (severalDecades) {
                tick.labelled = j == 1 || j == 5;
                if (tick.labelled) {
                    tick.label = formatText(v < 0.01 ? "%5.3f" : v < 0.1 ? "%4.2f" : "%7.1f", v);
                }
            } else {
                tick.labelled = true;
                tick.label = formatText(v < 0.01 ? "%5.3f" : v < 1.0 ? "%4.1f" : "%7.1f", v);
            }
            ticks.push_back(std::move(tick));
        }
    }
    return ticks;
}

std::string stepAxisLabel(double value, double step) {
    return formatText(step >= 1.0 ? "%.0f" : "%.1f", value);
}

} // namespace orvelan

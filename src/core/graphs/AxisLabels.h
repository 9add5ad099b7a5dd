#pragma once

#include "core/graphs/NiceScale.h"

#include <string>
#include <vector>

// Tick values and their texts on the graphs' value axes.
namespace orvelan {

/// Label of an arithmetic rate axis: "%5.1f" for 0, "%5.3f" below 0.01, "%4.1f" below 1,
/// "%7.1f" otherwise.
std::string arithmeticAxisLabel(double value);

/// Label of the top of a logarithmic axis ("%7.1f").
std::string logTopLabel(double value);

/// One intermediate mark of a logarithmic axis (bottom and top excluded).
struct LogTick {
    double value = 0.0;
    bool labelled = false; // false: a minor tick, one pixel shorter, no text
    std::string label;
};

/// The marks j x 10^d strictly between bottom and top, d from the scale's exponent to the top's.
/// Over several decades only 1 and 5 times a power of ten carry labels ("%5.3f" below 0.01,
/// "%4.2f" below 0.1, "%7.1f" otherwise); within one decade every mark does ("%5.3f" below
/// 0.01, "%4.1f" below 1, "%7.1f" otherwise).
std::vector<LogTick> logTicks(const LogScale& scale);

/// Value of a bar chart or pyramid axis mark: "%.0f" for whole steps, "%.1f" for smaller ones.
std::string stepAxisLabel(double value, double step);

} // namespace orvelan

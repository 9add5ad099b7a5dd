#pragma once

#include "core/graphs/NiceScale.h"

// The value axis of the curve graphs (age-specific rates and the two-curve comparison): where a
// rate falls on the plot's height, on a linear or a logarithmic scale.
namespace orvelan {

struct ValueAxis {
    bool logarithmic = false;
    double bottom = 0.0;
    double top = 0.0;
    double pixelsPerUnit = 0.0; // per rate unit, or per decade on the log scale
    int baseline = 0;           // the y of the axis bottom, set by the painter

    int y(double v) const;
};

/// A logarithmic axis over scale, plotHeight pixels high. A scale of one rate only (its top at
/// its bottom) is widened to one decade first.
ValueAxis logValueAxis(LogScale& scale, int plotHeight);

/// A linear axis over scale. plotHeight is shortened to a multiple of the scale's marks, so that
/// every mark falls on a whole pixel.
ValueAxis linearValueAxis(const LinearScale& scale, int& plotHeight);

} // namespace orvelan

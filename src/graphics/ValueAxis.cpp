#include "graphics/ValueAxis.h"

#include <algorithm>
#include <cmath>

namespace orvelan {

int ValueAxis::y(double v) const {
    if (logarithmic) {
        return baseline - static_cast<int>((std::log10(v) - std::log10(bottom)) * pixelsPerUnit);
    }
    return baseline - static_cast<int>((v - bottom) * pixelsPerUnit);
}

ValueAxis logValueAxis(LogScale& scale, int plotHeight) {
    if (scale.top <= scale.bottom) {
        scale.top = scale.bottom * 10.0;
    }
    ValueAxis axis;
    axis.logarithmic = true;
    axis.bottom = scale.bottom;
    axis.top = scale.top;
    axis.pixelsPerUnit = plotHeight / (std::log10(axis.top) - std::log10(axis.bottom));
    return axis;
}

ValueAxis linearValueAxis(const LinearScale& scale, int& plotHeight) {
    plotHeight -= plotHeight % std::max(1, scale.marks());
    ValueAxis axis;
    axis.bottom = scale.bottom;
    axis.top = scale.top;
    axis.pixelsPerUnit = plotHeight / (scale.top - scale.bottom);
    return axis;
}

} // namespace orvelan

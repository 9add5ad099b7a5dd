#include "core/graphs/NiceScale.h"

#include <cmath>

namespace orvelan {

namespace {

// Guards floor/ceil against products such as 0.29 x 100 = 28.999999999999996.
constexpr double kSlack = 1e-9;

double floorSlack(double value) { return std::floor(value + kSlack); }
double ceilSlack(double value) { return std::ceil(value - kSlack); }

} // namespace

// 10^-n as 1 / 10^n: exact for the negative powers a division gives.
double powerOfTen(int n) { return n >= 0 ? std::pow(10.0, n) : 1.0 / std::pow(10.0, -n); }

int LinearScale::marks() const {
    if (step <= 0.0) {
        return 0;
    }
    return static_cast<int>((top - bottom) / step + kSlack);
}

LinearScale niceLinearScale(double low, double high) {
    const double range = high - low;
    if (!(range > 0.0) || !std::isfinite(range)) {
        return {};
    }
    const int k = static_cast<int>(std::floor(std::log10(range)));
    const double unit = powerOfTen(k);
    const double q = range / unit;
    LinearScale scale;
    if (q > 6.0) {
        scale.step = 2.0 * unit;
    } else if (q > 3.0) {
        scale.step = unit;
    } else if (q > 1.2) {
        scale.step = 0.5 * unit;
    } else {
        scale.step = 0.2 * unit;
    }
    scale.bottom = floorSlack(low / scale.step) * scale.step;
    if (scale.bottom > low) {
        scale.bottom -= scale.step;
    }
    scale.top = std::floor(high / scale.step + kSlack) * scale.step;
    if (scale.top < high - kSlack * scale.step) {
        scale.top += scale.step;
    }
    return scale;
}

std::optional<LogScale> niceLogScale(double low, double high) {
    if (!(low > 0.0) || !(high >= low) || !std::isfinite(high)) {
        return std::nullopt;
    }
    LogScale scale;
    if (std::log10(low) > 0.0) {
        scale.bottom = std::floor(low);
        scale.exponent = static_cast<int>(std::floor(std::log10(scale.bottom)));
    } else {
        const int n = static_cast<int>(std::ceil(std::fabs(std::log10(low))));
        scale.bottom = floorSlack(low * powerOfTen(n)) / powerOfTen(n);
        scale.exponent = -n;
    }
    const double lg = std::log10(high);
    if (lg > 3.0) {
        scale.top = ceilSlack(high / 100.0) * 100.0;
    } else if (lg > 2.0) {
        scale.top = ceilSlack(high / 10.0) * 10.0;
    } else if (lg > 0.0) {
        scale.top = ceilSlack(high);
    } else {
        const int m = static_cast<int>(std::fabs(lg)) + 1;
        scale.top = ceilSlack(high * powerOfTen(m)) / powerOfTen(m);
    }
    return scale;
}

} // namespace orvelan

#include "core/graphs/AxisTicks.h"

#include "core/graphs/NiceScale.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace orvelan {

namespace {

// Slack for logarithms and quotients of exact decimal values (log10(0.1) is not quite -1).
constexpr double kLogSlack = 1e-9;

std::string groupThousands(std::string digits) {
    const std::size_t start = digits.front() == '-' ? 1 : 0;
    for (std::size_t at = digits.size(); at > start + 3; at -= 3) {
        digits.insert(at - 3, 1, ',');
    }
    return digits;
}

} // namespace

TickAxis decadeAxis(double low, double high) {
    if (!(high > 0.0)) {
        high = 1.0;
    }
    if (!(low > 0.0) || low > high) {
        low = high / 10.0;
    }
    const int lowest = static_cast<int>(std::floor(std::log10(low) + kLogSlack));
    int highest = static_cast<int>(std::ceil(std::log10(high) - kLogSlack));
    if (highest <= lowest) {
        highest = lowest + 1;
    }
    const bool narrow = std::log10(high / low) < 2.0 - kLogSlack;

    TickAxis axis;
    axis.logarithmic = true;
    axis.bottom = powerOfTen(lowest);
    axis.top = powerOfTen(highest);
    for (int exponent = lowest; exponent <= highest; ++exponent) {
        const double decade = powerOfTen(exponent);
        axis.ticks.push_back({decade, tickLabel(decade), true});
        if (exponent == highest) {
            break;
        }
        for (int digit = 2; digit <= 9; ++digit) {
            const double value = digit * decade;
            const bool labelled = narrow && (digit == 2 || digit == 5);
            axis.ticks.push_back({value, labelled ? tickLabel(value) : std::string{}, false});
        }
    }
    return axis;
}

TickAxis roundAxis(double low, double high, int wanted) {
    if (!std::isfinite(low) || !std::isfinite(high)) {
        low = high = 0.0;
    }
    if (low > high) {
        std::swap(low, high);
    }
    if (!(high > low)) {
        high = low + (low == 0.0 ? 1.0 : std::fabs(low));
    }
    wanted = std::max(wanted, 1);
    const double raw = (high - low) / wanted;
    const int exponent = static_cast<int>(std::floor(std::log10(raw) + kLogSlack));
    const double magnitude = powerOfTen(exponent);
    double step = 10.0 * magnitude;
    for (const double factor : {1.0, 2.0, 2.5, 5.0}) {
        if (factor * magnitude >= raw * (1.0 - kLogSlack)) {
            step = factor * magnitude;
            break;
        }
    }
    const auto first = static_cast<long long>(std::floor(low / step + kLogSlack));
    const auto last = static_cast<long long>(std::ceil(high / step - kLogSlack));

    TickAxis axis;
    axis.bottom = static_cast<double>(first) * step;
    axis.top = static_cast<double>(last) * step;
    for (long long index = first; index <= last; ++index) {
        // Rounded to twelve significant digits, so that 3 x 0.1 is the tick 0.3.
        char text[32];
        std::snprintf(text, sizeof text, "%.12g", static_cast<double>(index) * step);
        const double exact = std::strtod(text, nullptr);
        axis.ticks.push_back({exact, tickLabel(exact), true});
    }
    return axis;
}

std::string tickLabel(double value) {
    if (std::fabs(value) < 1e-12) {
        return "0";
    }
    char text[64];
    std::snprintf(text, sizeof text, "%.10g", value);
    std::string label = text;
    if (label.find('e') != std::string::npos) {
        // Tiny or huge: fixed notation with the digits that %g kept.
        const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(value))));
        const int decimals = magnitude < 0 ? std::min(10 - magnitude, 20) : 0;
        std::snprintf(text, sizeof text, "%.*f", decimals, value);
        label = text;
        if (label.find('.') != std::string::npos) {
            label.erase(label.find_last_not_of('0') + 1);
            if (label.back() == '.') {
                label.pop_back();
            }
        }
    }
    if (std::fabs(value) >= 10000.0 && label.find('.') == std::string::npos) {
        label = groupThousands(label);
    }
    return label;
}

std::vector<bool> labelledAgeColumns(int first, int last, double columnWidth, double labelWidth) {
    const int count = last - first + 1;
    if (count <= 0) {
        return {};
    }
    // A label needs its own width and a fifth more as the gap to the next one.
    const double needed = labelWidth * 1.2;
    int stride = 1;
    while (stride < count && stride * columnWidth < needed) {
        stride *= 2;
    }
    std::vector<bool> labelled(static_cast<std::size_t>(count), false);
    int previous = -1;
    for (int column = 0; column < count; ++column) {
        if ((first + column) % stride == 0) {
            labelled[static_cast<std::size_t>(column)] = true;
            previous = column;
        }
    }
    const int top = count - 1;
    if (!labelled[static_cast<std::size_t>(top)]) {
        // The open top class is always labelled; the label before it yields when they touch.
        if (previous >= 0 && (top - previous) * columnWidth < needed) {
            labelled[static_cast<std::size_t>(previous)] = false;
        }
        labelled[static_cast<std::size_t>(top)] = true;
    }
    return labelled;
}

} // namespace orvelan

#pragma once

#include <optional>

// Axis scales of the graphs: round bottoms, tops and steps for a linear axis, and decade-based
// bounds for a logarithmic one.
namespace orvelan {

/// A linear axis from bottom to top in steps; all three are 0 when the range is empty.
struct LinearScale {
    double bottom = 0.0;
    double top = 0.0;
    double step = 0.0;
    /// Number of steps from bottom to top (0 for an empty scale).
    int marks() const;
    friend bool operator==(const LinearScale&, const LinearScale&) = default;
};

/// A logarithmic axis; exponent is the decimal exponent of the bottom (floor of log10).
struct LogScale {
    double bottom = 0.0;
    double top = 0.0;
    int exponent = 0;
    friend bool operator==(const LogScale&, const LogScale&) = default;
};

/// 10 to the power n, exact for the decimal powers an axis carries.
double powerOfTen(int n);

/// Step 2, 1, 0.5 or 0.2 times a power of ten chosen from the range; bottom and top are the
/// multiples of the step at or beyond low and high.
LinearScale niceLinearScale(double low, double high);

/// Bottom rounded down to the first significant digit of low, top rounded up (to hundreds
/// above 1000, tens above 100, units above 1, else to one digit past the leading zeros).
/// nullopt when low is not positive or high is below low.
std::optional<LogScale> niceLogScale(double low, double high);

} // namespace orvelan

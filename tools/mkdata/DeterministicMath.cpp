#include "DeterministicMath.h"

#include <cassert>
#include <cmath>

namespace orvelan::mkdata {

namespace {

// ln 2 split so that k * kLn2High is exact for the k that occur.
constexpr double kLn2High = 6.93147180369123816490e-01;
constexpr double kLn2Low = 1.90821492927058770002e-10;
constexpr double kLn2 = 0.69314718055994530942;
constexpr double kSqrtHalf = 0.70710678118654752440;

} // namespace

double detExp(double x) {
    if (x < -745.0) {
        return 0.0;
    }
    assert(x < 709.0);
    const double k = std::floor(x / kLn2 + 0.5);
    const double r = (x - k * kLn2High) - k * kLn2Low; // |r| <= ln2 / 2
    // Taylor series by Horner; 18 terms reach full double precision for |r| <= 0.35.
    double sum = 1.0;
    for (int n = 18; n >= 1; --n) {
        sum = 1.0 + sum * r / n;
    }
    return std::ldexp(sum, static_cast<int>(k));
}

double detLog(double x) {
    assert(x > 0.0);
    int exponent = 0;
    double mantissa = std::frexp(x, &exponent); // [0.5, 1)
    if (mantissa < kSqrtHalf) {
        mantissa *= 2.0;
        --exponent;
    }
    // ln m = 2 atanh(s) with s = (m - 1) / (m + 1), |s| < 0.172.
    const double s = (mantissa - 1.0) / (mantissa + 1.0);
    const double s2 = s * s;
    double series = 0.0;
    for (int n = 31; n >= 1; n -= 2) {
        series = 1.0 / n + s2 * series;
    }
    return 2.0 * s * series + exponent * kLn2;
}

double detPow(double base, double exponent) { return detExp(exponent * detLog(base)); }

double logistic(double x) { return 1.0 / (1.0 + detExp(-x)); }

double logit(double p) { return detLog(p / (1.0 - p)); }

} // namespace orvelan::mkdata

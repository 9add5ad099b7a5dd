#include "core/rates/ConfidenceLimits.h"

#include "core/rates/IntervalMethod.h"

#include <algorithm>
#include <boost/math/distributions/chi_squared.hpp>
#include <boost/math/distributions/gamma.hpp>
#include <boost/math/policies/policy.hpp>
#include <boost/math/special_functions/gamma.hpp>
#include <cmath>

namespace orvelan {

namespace {

// Errors come back as values, never as exceptions: every input is checked before the call.
using Policy = boost::math::policies::policy<
    boost::math::policies::domain_error<boost::math::policies::ignore_error>,
    boost::math::policies::overflow_error<boost::math::policies::ignore_error>,
    boost::math::policies::evaluation_error<boost::math::policies::ignore_error>>;

constexpr Interval kUnavailable{-1.0, -1.0};

double alphaOf(int level) { return 1.0 - level / 100.0; }

double chiSquareQuantile(double p, double degrees) {
    return boost::math::quantile(boost::math::chi_squared_distribution<double, Policy>(degrees), p);
}

double gammaQuantile(double p, double shape, double scale) {
    return boost::math::quantile(boost::math::gamma_distribution<double, Policy>(shape, scale), p);
}

} // namespace

Interval normalLimits(double value, double se, int level) {
    const double z = normalQuantile(level);
    return {value - z * se, value + z * se};
}

Interval exactPoissonLimits(double count, int level) {
    if (count < 0.0 || !isIntervalLevel(level)) {
        return kUnavailable;
    }
    const double alpha = alphaOf(level);
    const double lower = count == 0.0 ? 0.0 : chiSquareQuantile(alpha / 2, 2 * count) / 2;
    return {lower, chiSquareQuantile(1 - alpha / 2, 2 * count + 2) / 2};
}

double exactPoissonPValue(double observed, double expected) {
    if (!(observed >= 0.0) || !(expected > 0.0) || !std::isfinite(observed) ||
        !std::isfinite(expected)) {
        return -1.0;
    }
    const double count = std::floor(observed);
    // P(X <= n) = Q(n + 1, E) and P(X >= n) = P(n, E), the regularised incomplete gammas.
    const double lowerTail = boost::math::gamma_q(count + 1.0, expected, Policy());
    const double upperTail = count == 0.0 ? 1.0 : boost::math::gamma_p(count, expected, Policy());
    return std::min(1.0, 2.0 * std::min(lowerTail, upperTail));
}

double chiSquareTail(double x, int df) {
    if (df < 1 || !(x >= 0.0)) {
        return -1.0;
    }
    return boost::math::gamma_q(df / 2.0, x / 2.0, Policy());
}

Interval gammaLimits(double rate, double variance, double weight, int level) {
    if (rate < 0.0 || variance < 0.0 || weight <= 0.0 || !isIntervalLevel(level)) {
        return kUnavailable;
    }
    const double alpha = alphaOf(level);
    // Without cases the variance is 0 too: the lower limit is 0, the upper one comes from the
    // weight alone.
    const double lower = rate == 0.0 || variance == 0.0
                             ? 0.0
                             : gammaQuantile(alpha / 2, rate * rate / variance, variance / rate);
    const double shiftedRate = rate + weight;
    const double shiftedVariance = variance + weight * weight;
    const double upper = gammaQuantile(1 - alpha / 2, shiftedRate * shiftedRate / shiftedVariance,
                                       shiftedVariance / shiftedRate);
    return {lower, upper};
}

} // namespace orvelan

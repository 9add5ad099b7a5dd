#include "core/rates/ChiSquare.h"

#include <cmath>
#include <gtest/gtest.h>

namespace orvelan {
namespace {

TEST(ChiSquarePValue, HasItsFixedPointsAndBounds) {
    struct Case {
        double x;
        int df;
        double expected;
    };
    const Case cases[] = {
        {0.0, 1, 1.0},   {0.0, 7, 1.0},    {-2.5, 3, 1.0}, // nothing above a non-positive value
        {200.0, 1, 0.0}, {160.5, 30, 0.0},                 // beyond the series' reach
        {5.0, 100, 0.0}, {5.0, 0, 0.0},    {5.0, -1, 0.0}, // degrees of freedom outside 1-99
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ChiSquarePValue(c.x, c.df), c.expected) << "x " << c.x << " df " << c.df;
    }
    EXPECT_NEAR(ChiSquarePValue(3.841459, 1), 0.05, 1e-7);
}

TEST(ChiSquarePValue, MatchesClosedFormsOfSmallDegreesOfFreedom) {
    for (const double x : {0.001, 0.2, 1.0, 2.5, 7.3, 15.0, 40.0, 90.0}) {
        const double half = x / 2.0;
        // df 1 and 3 through the normal distribution, df 2 and 4 through the exponential. Odd
        // df carry the rounding of 2/pi to 0.6366198: 2.2e-8 of the lower tail at most.
        const double df1 = std::erfc(std::sqrt(half));
        const double df3 = df1 + std::sqrt(2.0 * x / M_PI) * std::exp(-half);
        EXPECT_NEAR(ChiSquarePValue(x, 1), df1, 2.5e-8) << x;
        EXPECT_NEAR(ChiSquarePValue(x, 2), std::exp(-half), 1e-9) << x;
        EXPECT_NEAR(ChiSquarePValue(x, 3), df3, 2.5e-8) << x;
        EXPECT_NEAR(ChiSquarePValue(x, 4), std::exp(-half) * (1.0 + half), 1e-9) << x;
    }
}

TEST(ChiSquarePValue, GivesFiveAndOnePercentAtTheTableQuantiles) {
    // Upper 5% and 1% points of the chi-square distribution, df 1 to 30.
    const double q05[] = {3.841459,  5.991465,  7.814728,  9.487729,  11.070498, 12.591587,
                          14.067140, 15.507313, 16.918978, 18.307038, 19.675138, 21.026070,
                          22.362032, 23.684791, 24.995790, 26.296228, 27.587112, 28.869299,
                          30.143527, 31.410433, 32.670573, 33.924438, 35.172462, 36.415029,
                          37.652484, 38.885139, 40.113272, 41.337138, 42.556968, 43.772972};
    const double q01[] = {6.634897,  9.210340,  11.344867, 13.276704, 15.086272, 16.811894,
                          18.475307, 20.090235, 21.665994, 23.209251, 24.724970, 26.216967,
                          27.688250, 29.141238, 30.577914, 31.999927, 33.408664, 34.805306,
                          36.190869, 37.566235, 38.932173, 40.289360, 41.638398, 42.979820,
                          44.314105, 45.641683, 46.962942, 48.278236, 49.587884, 50.892181};
    for (int df = 1; df <= 30; ++df) {
        const auto i = static_cast<std::size_t>(df - 1);
        EXPECT_NEAR(ChiSquarePValue(q05[i], df), 0.05, 1e-7) << "df " << df;
        EXPECT_NEAR(ChiSquarePValue(q01[i], df), 0.01, 1e-7) << "df " << df;
    }
}

} // namespace
} // namespace orvelan

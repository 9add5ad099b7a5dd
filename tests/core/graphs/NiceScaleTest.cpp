#include "core/graphs/NiceScale.h"

#include "core/graphs/AxisLabels.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace orvelan {
namespace {

struct LinearCase {
    double low;
    double high;
    LinearScale expected;
};

TEST(NiceScale, LinearPicksStepFromTheLeadingDigitsOfTheRange) {
    const std::vector<LinearCase> cases = {
        {0.0, 241.0, {0.0, 250.0, 50.0}}, // q 2.41: half a power of ten
        {0.0, 7.0, {0.0, 8.0, 2.0}},      // q 7: two
        {0.0, 4.0, {0.0, 4.0, 1.0}},      // q 4: one, the top already a multiple
        {0.0, 1.2, {0.0, 1.2, 0.2}},      // q 1.2: a fifth
        {0.0, 0.05, {0.0, 0.05, 0.01}},   // below one
        {12.0, 47.0, {10.0, 50.0, 10.0}}, // the bottom rounds down too
        {0.0, 2500.0, {0.0, 2500.0, 500.0}},
    };
    for (const auto& c : cases) {
        const LinearScale scale = niceLinearScale(c.low, c.high);
        EXPECT_NEAR(scale.bottom, c.expected.bottom, 1e-12) << c.low << "-" << c.high;
        EXPECT_NEAR(scale.top, c.expected.top, 1e-12) << c.low << "-" << c.high;
        EXPECT_NEAR(scale.step, c.expected.step, 1e-12) << c.low << "-" << c.high;
    }
    EXPECT_EQ(niceLinearScale(0.0, 241.0).marks(), 5);
    EXPECT_EQ(niceLinearScale(0.0, 1.2).marks(), 6);
}

TEST(NiceScale, EmptyOrReversedRangeGivesAnAllZeroScale) {
    EXPECT_EQ(niceLinearScale(3.0, 3.0), LinearScale{});
    EXPECT_EQ(niceLinearScale(5.0, 1.0), LinearScale{});
    EXPECT_EQ(LinearScale{}.marks(), 0);
}

struct LogCase {
    double low;
    double high;
    LogScale expected;
};

TEST(NiceScale, LogarithmicRoundsBottomDownAndTopUp) {
    const std::vector<LogCase> cases = {
        {0.03, 241.0, {0.03, 250.0, -2}},  // top to tens above 100
        {0.29, 0.5, {0.2, 0.5, -1}},       // first significant digit; one past the zeros
        {0.047, 0.0812, {0.04, 0.09, -2}}, // both below 0.1
        {5.5, 1234.0, {5.0, 1300.0, 0}},   // top to hundreds above 1000
        {17.2, 47.2, {17.0, 48.0, 1}},     // units above 1
        {1.0, 1.0, {1.0, 1.0, 0}},
    };
    for (const auto& c : cases) {
        const auto scale = niceLogScale(c.low, c.high);
        ASSERT_TRUE(scale) << c.low;
        EXPECT_NEAR(scale->bottom, c.expected.bottom, 1e-12) << c.low;
        EXPECT_NEAR(scale->top, c.expected.top, 1e-12) << c.high;
        EXPECT_EQ(scale->exponent, c.expected.exponent) << c.low;
    }
    EXPECT_FALSE(niceLogScale(0.0, 10.0));
    EXPECT_FALSE(niceLogScale(-1.0, 10.0));
}

TEST(AxisLabels, SeveralDecadesLabelOnlyOneAndFiveTimesAPowerOfTen) {
    const auto ticks = logTicks(LogScale{0.03, 250.0, -2});
    std::vector<std::string> labels;
    for (const auto& tick : ticks) {
        EXPECT_GT(tick.value, 0.03);
        EXPECT_LT(tick.value, 250.0);
        if (tick.labelled) {
            labels.push_back(tick.label);
        } else {
            EXPECT_TRUE(tick.label.empty());
        }
    }
    // 0.04-0.09, 0.1-0.9, 1-9, 10-90, 100 and 200.
    EXPECT_EQ(ticks.size(), 35u);
    const std::vector<std::string> expected = {"0.05",    "    0.1", "    0.5", "    1.0",
                                               "    5.0", "   10.0", "   50.0", "  100.0"};
    EXPECT_EQ(labels, expected);
}

TEST(AxisLabels, OneDecadeLabelsEveryMark) {
    const auto ticks = logTicks(LogScale{2.0, 9.0, 0});
    ASSERT_EQ(ticks.size(), 6u); // 3 to 8
    EXPECT_TRUE(ticks.front().labelled);
    EXPECT_EQ(ticks.front().label, "    3.0");
    const auto small = logTicks(LogScale{0.002, 0.009, -3});
    ASSERT_FALSE(small.empty());
    EXPECT_EQ(small.front().label, "0.003");
    const auto tenths = logTicks(LogScale{0.2, 0.9, -1});
    ASSERT_FALSE(tenths.empty());
    EXPECT_EQ(tenths.front().label, " 0.3");
}

TEST(AxisLabels, ArithmeticAndStepFormats) {
    const std::vector<std::pair<double, std::string>> cases = {
        {0.0, "  0.0"}, {0.005, "0.005"}, {0.5, " 0.5"}, {12.5, "   12.5"}, {250.0, "  250.0"}};
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(arithmeticAxisLabel(value), text) << value;
    }
    EXPECT_EQ(logTopLabel(250.0), "  250.0");
    EXPECT_EQ(stepAxisLabel(150.0, 50.0), "150");
    EXPECT_EQ(stepAxisLabel(1.5, 0.5), "1.5");
}

} // namespace
} // namespace orvelan

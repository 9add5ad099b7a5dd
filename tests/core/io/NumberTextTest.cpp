#include "core/io/NumberText.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <limits>
#include <random>

namespace orvelan {
namespace {

std::string printfWhole(double value, int width) {
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%*.0f", width, value);
    return buffer;
}

// The whole-number writer must give printf's bytes for every value, whole or not: fractions
// round half to even on the binary value, -0 keeps its sign, huge values print every digit.
TEST(NumberText, WholeMatchesPrintfWithAndWithoutWidth) {
    constexpr double kInf = std::numeric_limits<double>::infinity();
    const double values[] = {0.0,
                             -0.0,
                             1.0,
                             -3.0,
                             0.5,
                             1.5,
                             2.5,
                             -2.5,
                             0.49999999999999994,
                             12345.4,
                             12345.6,
                             99999999.0,
                             123456789.0,
                             1e15,
                             9007199254740991.0,
                             9007199254740992.0,
                             9007199254740994.0,
                             1e20,
                             -1e300,
                             kInf,
                             -kInf,
                             std::numeric_limits<double>::quiet_NaN()};
    for (const double value : values) {
        for (const int width : {0, 3, 5, 8, 9, 10}) {
            EXPECT_EQ(wholeText(value, width), printfWhole(value, width))
                << "value " << value << " width " << width;
        }
    }
}

TEST(NumberText, IntegersPadLikePrintf) {
    const struct {
        long long value;
        int width;
        const char* text;
    } cases[] = {{13, 3, " 13"}, {1, 2, " 1"}, {1234, 3, "1234"}, {-7, 4, "  -7"}, {0, 0, "0"}};
    for (const auto& c : cases) {
        std::string out;
        appendInteger(out, c.value, c.width);
        EXPECT_EQ(out, c.text);
    }
}

TEST(NumberText, ShortestTextReadsBackTheSameDouble) {
    const struct {
        double value;
        const char* text;
    } cases[] = {{0.1, "0.1"},         {12.5, "12.5"},
                 {100000.0, "100000"}, {-0.0, "-0"},
                 {1e22, "1e+22"},      {0.000012, "0.000012"},
                 {1e-7, "1e-07"},      {123456789012345.6, "123456789012345.6"}};
    for (const auto& c : cases) {
        std::string out;
        appendShortest(out, c.value);
        EXPECT_EQ(out, c.text);
    }
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> spread(-30.0, 30.0);
    for (int i = 0; i < 10000; ++i) {
        const double value = std::pow(10.0, spread(random)) / 3.0;
        std::string out;
        appendShortest(out, value);
        EXPECT_EQ(std::strtod(out.c_str(), nullptr), value) << out;
    }
    std::string none;
    appendShortest(none, std::numeric_limits<double>::quiet_NaN());
    appendShortest(none, std::numeric_limits<double>::infinity());
    EXPECT_EQ(none, "");
}

} // namespace
} // namespace orvelan

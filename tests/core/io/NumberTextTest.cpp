#include "core/io/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <vector>

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
    // clang-format off
    const double values[] = {0.0, -0.0, 1.0, -3.0, 0.5, 1.5, 2.5, -2.5, 0.49999999999999994,
                             12345.4, 12345.6, 99999999.0, 123456789.0, 1e15, 9007199254740991.0,
                             9007199254740992.0, 9007199254740994.0, 1e20, -1e300, kInf, -kInf,
                             std::numeric_limits<double>::quiet_NaN()};
    // clang-format on
    for (const double value : values) {
        for (const int width : {0, 3, 5, 8, 9, 10}) {
            EXPECT_EQ(wholeText(value, width), printfWhole(value, width))
                << "value " << value << " width " << width;
        }
    }
    // Counts, person-years and their totals: whole numbers and quarters up to ten million.
    std::mt19937_64 random(13);
    for (int i = 0; i < 100000; ++i) {
        const double value = static_cast<double>(random() % 40000000) / 4.0;
        ASSERT_EQ(wholeText(value, 9), printfWhole(value, 9)) << value;
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

// Plain digits from 1e-5 to 1e16 must be exactly the fixed shortest form of the library, which
// the figure streams wrote before: sign, leading zeros, whole numbers with zeros after them.
TEST(NumberText, ShortestTextIsTheLibrarysFixedForm) {
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> exponent(-5.0, 16.0);
    const auto expectLibraryText = [](double value) {
        char library[400];
        const auto end =
            std::to_chars(library, library + sizeof library, value, std::chars_format::fixed).ptr;
        std::string out;
        appendShortest(out, value);
        EXPECT_EQ(out, std::string(library, end)) << std::hexfloat << value;
        char text[kShortestRoom];
        EXPECT_EQ(std::string(text, writeShortest(text, value)), out);
    };
    for (int i = 0; i < 100000; ++i) {
        const double value = std::pow(10.0, exponent(random));
        for (const double v : {value, -value, std::round(value), value / 7.0}) {
            if (std::fabs(v) >= 1e-5 && std::fabs(v) < 1e16) {
                expectLibraryText(v);
            }
        }
    }
    for (const double value : {1e-5, 0.0001, 0.5, 1.0, 10.0, 123.0, 1e15, 9999999999999998.0,
                               100000000.0, 12345678.9, 0.000123456789}) {
        expectLibraryText(value);
        expectLibraryText(-value);
    }
}

// Eight-digit blocks, their boundaries and the extremes of the type.
TEST(NumberText, IntegersMatchPrintfAcrossDigitCounts) {
    // clang-format off
    std::vector<long long> values = {0, 9, 10, 99, 100, 9999999, 10000000, 99999999, 100000000,
                                     1000000000000000, 9999999999999999,
                                     std::numeric_limits<long long>::max(),
                                     std::numeric_limits<long long>::min()};
    // clang-format on
    std::mt19937_64 random(5);
    for (int i = 0; i < 20000; ++i) {
        values.push_back(static_cast<long long>(random() >> (random() % 64)));
        values.push_back(-static_cast<long long>(random() % 1000000000000));
    }
    for (const long long value : values) {
        char expected[32];
        std::snprintf(expected, sizeof expected, "%lld", value);
        char text[24];
        EXPECT_EQ(std::string(text, writeInteger(text, value)), expected);
        for (const int width : {0, 3, 10}) {
            char padded[48];
            std::snprintf(padded, sizeof padded, "%*lld", width, value);
            char out[48];
            EXPECT_EQ(std::string(out, writeIntegerPadded(out, value, width)), padded);
        }
    }
}

std::string printfFixed(double value, int width, int decimals) {
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%*.*f", width, decimals, value);
    return buffer;
}

// The rates of the tables must print as printf prints them: half-way cases round to even on
// the binary value (0.125 -> 0.12, 0.375 -> 0.38), values a hair off a half round by the hair,
// a negative value that rounds to zero keeps its sign, huge ones fall back to printf.
TEST(NumberText, FixedDecimalsMatchPrintf) {
    const auto expectPrintf = [](double value, int width, int decimals) {
        std::string out;
        appendFixed(out, value, width, decimals);
        EXPECT_EQ(out, printfFixed(value, width, decimals))
            << value << " width " << width << " decimals " << decimals;
    };
    for (int k = -20000; k <= 20000; ++k) {
        for (const int decimals : {1, 2}) {
            expectPrintf(k / 8.0, 6, decimals);
            expectPrintf(k / 1000.0, 7, decimals);
            expectPrintf(k * 0.005, 0, decimals);
        }
    }
    std::mt19937_64 random(3);
    std::uniform_real_distribution<double> exponent(-8.0, 16.0);
    for (int i = 0; i < 100000; ++i) {
        const double value = std::pow(10.0, exponent(random));
        for (int decimals = 0; decimals <= 3; ++decimals) {
            expectPrintf(value, i % 9, decimals);
            expectPrintf(-value, i % 9, decimals);
        }
    }
    constexpr double kInf = std::numeric_limits<double>::infinity();
    for (const double value :
         {0.0, -0.0, 0.05, -0.04, 0.049999999999999996, 2.5, -2.5, 99.995, 4.5e15, 1e20, -1e300,
          1e-300, kInf, -kInf, std::numeric_limits<double>::quiet_NaN()}) {
        for (int decimals = 0; decimals <= 3; ++decimals) {
            expectPrintf(value, 6, decimals);
        }
    }
    expectPrintf(1.25, 8, 5); // more decimals than the fast path takes
}

} // namespace
} // namespace orvelan

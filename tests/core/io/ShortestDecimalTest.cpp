#include "core/io/ShortestDecimal.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace orvelan {
namespace {

/// The standard library's shortest digits of value as digits x 10^exponent, trailing zeros
/// taken off: what shortestDecimal must give.
DecimalForm libraryForm(double value) {
    char text[64];
    const auto end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::scientific).ptr;
    const std::string scientific(text, end);
    const std::size_t e = scientific.find('e');
    std::string digits;
    for (const char c : scientific.substr(0, e)) {
        if (c != '.') {
            digits += c;
        }
    }
    DecimalForm form{std::stoull(digits),
                     std::stoi(scientific.substr(e + 1)) - static_cast<int>(digits.size()) + 1};
    while (form.digits % 10 == 0) {
        form.digits /= 10;
        ++form.exponent;
    }
    return form;
}

/// Normal values only: subnormals are outside the routine's range (the writers never ask).
void expectLibraryDigits(double value) {
    if (!std::isnormal(value)) {
        return;
    }
    const DecimalForm mine = shortestDecimal(value);
    const DecimalForm library = libraryForm(value);
    EXPECT_EQ(mine.digits, library.digits) << std::hexfloat << value;
    EXPECT_EQ(mine.exponent, library.exponent) << std::hexfloat << value;
}

// The digits must be the library's for every normal double: random bit patterns cover every
// exponent, whole numbers and quotients the figures' own kind of value.
TEST(ShortestDecimal, GivesTheLibrarysDigitsForRandomDoubles) {
    std::mt19937_64 random(20261206);
    for (int i = 0; i < 200000; ++i) {
        expectLibraryDigits(std::bit_cast<double>(random() >> 1)); // positive
    }
    std::uniform_real_distribution<double> exponent(-6.0, 17.0);
    for (int i = 0; i < 100000; ++i) {
        const double value = std::pow(10.0, exponent(random));
        expectLibraryDigits(value);
        expectLibraryDigits(value / 3.0);
        if (value >= 1.0) {
            expectLibraryDigits(std::round(value));
        }
    }
}

// Powers of two have a lower neighbour twice as close as the upper one, and powers of ten
// sit where the digit count changes: the edges of the method.
TEST(ShortestDecimal, GivesTheLibrarysDigitsAtPowersOfTwoAndTen) {
    for (int e = -1022; e <= 1023; ++e) {
        double value = std::ldexp(1.0, e);
        expectLibraryDigits(value);
        expectLibraryDigits(std::nextafter(value, 0.0));
        expectLibraryDigits(std::nextafter(value, INFINITY));
    }
    for (int e = -307; e <= 308; ++e) {
        const double value = std::pow(10.0, e);
        expectLibraryDigits(value);
        expectLibraryDigits(std::nextafter(value, 0.0));
        expectLibraryDigits(std::nextafter(value, INFINITY));
    }
    expectLibraryDigits(1.7976931348623157e308);
    expectLibraryDigits(2.2250738585072014e-308);
    EXPECT_EQ(shortestDecimal(9007199254740991.0).digits, 9007199254740991U);
    EXPECT_EQ(shortestDecimal(100000.0).digits, 1U);
    EXPECT_EQ(shortestDecimal(100000.0).exponent, 5);
}

} // namespace
} // namespace orvelan

#include "core/io/NumberText.h"

#include "core/io/Printf.h"
#include "core/io/ShortestDecimal.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace orvelan {

namespace {

constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

void putPair(char* at, std::uint32_t pair) { std::memcpy(at, kDigitPairs + 2 * pair, 2); }

constexpr std::uint32_t kBlock = 100000000; // eight digits

/// Writes the eight digits of block (below 10^8, leading zeros included) at at, two by two:
/// four independent table look-ups, which the processor overlaps.
void putEightDigits(char* at, std::uint32_t block) {
    const std::uint32_t high = block / 10000;
    const std::uint32_t low = block % 10000;
    putPair(at, high / 100);
    putPair(at + 2, high % 100);
    putPair(at + 4, low / 100);
    putPair(at + 6, low % 100);
}

/// Writes the decimal digits of value so that they end just before end; returns their start.
char* putDigitsBefore(char* end, std::uint64_t value) {
    char* p = end;
    while (value >= kBlock) {
        p -= 8;
        putEightDigits(p, static_cast<std::uint32_t>(value % kBlock));
        value /= kBlock;
    }
    auto rest = static_cast<std::uint32_t>(value);
    if (rest >= kBlock / 10) {
        p -= 8;
        putEightDigits(p, rest);
        return p;
    }
    while (rest >= 100) {
        p -= 2;
        putPair(p, rest % 100);
        rest /= 100;
    }
    if (rest >= 10) {
        p -= 2;
        putPair(p, rest);
    } else {
        *--p = static_cast<char>('0' + rest);
    }
    return p;
}

constexpr std::uint64_t kPowersOfTen[] = {1,
                                          10,
                                          100,
                                          1000,
                                          10000,
                                          100000,
                                          1000000,
                                          10000000,
                                          100000000,
                                          1000000000,
                                          10000000000,
                                          100000000000,
                                          1000000000000,
                                          10000000000000,
                                          100000000000000,
                                          1000000000000000,
                                          10000000000000000,
                                          100000000000000000,
                                          1000000000000000000,
                                          10000000000000000000U};

/// Number of decimal digits of value (1 for 0).
int digitCount(std::uint64_t value) {
    // bit_width x log10(2), which is the count or one too many.
    const int estimate = static_cast<int>((std::bit_width(value | 1) * 1233) >> 12);
    return estimate + (value >= kPowersOfTen[estimate] || value == 0 ? 1 : 0);
}

/// |value| as an unsigned number, the most negative value included.
std::uint64_t magnitudeOf(long long value) {
    return value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
}

void appendPadded(std::string& out, const char* first, const char* last, int width) {
    const auto length = static_cast<int>(last - first);
    if (width > length) {
        out.append(static_cast<std::size_t>(width - length), ' ');
    }
    out.append(first, static_cast<std::size_t>(length));
}

} // namespace

void appendInteger(std::string& out, long long value, int width) {
    char buffer[24];
    appendPadded(out, buffer, writeInteger(buffer, value), width);
}

char* writeIntegerPadded(char* at, long long value, int width) {
    const std::uint64_t magnitude = magnitudeOf(value);
    const int count = digitCount(magnitude);
    const int length = count + (value < 0 ? 1 : 0);
    if (width > length) {
        at = std::fill_n(at, width - length, ' ');
    }
    *at = '-';
    char* const end = at + length;
    putDigitsBefore(end, magnitude);
    return end;
}

void appendWhole(std::string& out, double value, int width) {
    if (isPlainWhole(value)) {
        appendInteger(out, static_cast<long long>(value), width);
        return;
    }
    char buffer[400];
    const int length = std::snprintf(buffer, sizeof buffer, "%*.0f", width, value);
    if (length > 0) {
        out.append(buffer, static_cast<std::size_t>(length) < sizeof buffer
                               ? static_cast<std::size_t>(length)
                               : sizeof buffer - 1);
    }
}

void appendFixed(std::string& out, double value, int width, int decimals) {
    static constexpr double kScales[] = {1.0, 10.0, 100.0, 1000.0};
    // Beyond 2^51 after scaling the fraction of the scaled value is no longer exact.
    constexpr double kExactScaled = 2251799813685248.0;
    const double scale = decimals >= 0 && decimals <= 3 ? kScales[decimals] : 0.0;
    const double scaled = value * scale;
    if (scale == 0.0 || !(std::fabs(scaled) < kExactScaled)) {
        appendFormat(out, "%*.*f", width, decimals, value);
        return;
    }
    // value x scale exactly is scaled + error (the error of a product is a double, and the
    // fused multiply-add finds it), so rounding it half to even on the binary value, as printf
    // does, needs only the sign of (fraction - 1/2) + error, which no rounding can flip.
    const double error = std::fma(value, scale, -scaled);
    const double whole = std::floor(scaled);
    const double overHalf = (scaled - whole - 0.5) + error;
    auto rounded = static_cast<long long>(whole);
    if (overHalf > 0.0 || (overHalf == 0.0 && (rounded & 1) != 0)) {
        ++rounded;
    }
    const std::uint64_t magnitude = magnitudeOf(rounded);
    // Digits with at least one before the point, then the point put in.
    char buffer[40];
    char* const end = buffer + sizeof buffer;
    char* first = putDigitsBefore(end, magnitude);
    while (end - first < decimals + 1) {
        *--first = '0';
    }
    if (decimals > 0) {
        // The whole part moves one place to the left to make room for the point.
        char* const point = end - decimals - 1;
        std::memmove(first - 1, first, static_cast<std::size_t>(point + 1 - first));
        --first;
        *point = '.';
    }
    if (std::signbit(value)) {
        *--first = '-'; // printf keeps the sign of a negative value that rounds to zero
    }
    appendPadded(out, first, end, width);
}

std::string wholeText(double value, int width) {
    std::string text;
    appendWhole(text, value, width);
    return text;
}

char* writeShortest(char* at, double value) {
    if (!std::isfinite(value)) {
        return at;
    }
    const double magnitude = std::fabs(value);
    if (magnitude == 0.0) {
        *at = '-';
        at += std::signbit(value) ? 1 : 0;
        *at = '0';
        return at + 1;
    }
    if (magnitude < 1e-5 || magnitude >= 1e16) {
        // The far ranges: the shortest form, "1e+22", "1e-07".
        return std::to_chars(at, at + kShortestRoom, value).ptr;
    }
    // Plain digits in the range of rates, counts and person-years ("100000", not "1e+05"):
    // at most 17 digits, 15 zeros after them or 4 before, a sign and a point; runs of zeros
    // go down as blocks of 16.
    const DecimalForm form = shortestDecimal(magnitude);
    const int count = digitCount(form.digits);
    const int point = count + form.exponent; // digits before the decimal point
    *at = '-';
    char* const p = at + (std::signbit(value) ? 1 : 0);
    if (form.exponent >= 0) {
        putDigitsBefore(p + count, form.digits);
        std::memset(p + count, '0', 16);
        return p + point;
    }
    if (point > 0) {
        // All digits one place to the right, then the whole part (a few digits) moved back
        // over the point byte by byte.
        putDigitsBefore(p + 1 + count, form.digits);
        for (int i = 0; i < point; ++i) {
            p[i] = p[i + 1];
        }
        p[point] = '.';
        return p + count + 1;
    }
    std::memset(p, '0', 8);
    p[1] = '.';
    putDigitsBefore(p + 2 - point + count, form.digits);
    return p + 2 - point + count;
}

char* writeInteger(char* at, long long value) { return writeIntegerPadded(at, value, 0); }

void appendShortest(std::string& out, double value) {
    char text[kShortestRoom];
    out.append(text, static_cast<std::size_t>(writeShortest(text, value) - text));
}

void appendNumberField(std::string& out, const std::optional<double>& value) {
    if (value && std::isfinite(*value)) {
        appendShortest(out, *value);
    }
}

} // namespace orvelan

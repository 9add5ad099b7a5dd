#include "core/io/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace orvelan {

namespace {

// Below 2^53 every whole double converts to a 64-bit integer exactly.
constexpr double kExactLimit = 9007199254740992.0;

void appendPadded(std::string& out, const char* first, const char* last, int width) {
    const auto length = static_cast<int>(last - first);
    if (width > length) {
        out.append(static_cast<std::size_t>(width - length), ' ');
    }
    out.append(first, last);
}

} // namespace

void appendInteger(std::string& out, long long value, int width) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    appendPadded(out, buffer, result.ptr, width);
}

void appendWhole(std::string& out, double value, int width) {
    // -0.0 prints as "-0", so it takes the printf path with every fraction and huge value.
    if (std::fabs(value) < kExactLimit && value == std::trunc(value) &&
        !(value == 0.0 && std::signbit(value))) {
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

std::string wholeText(double value, int width) {
    std::string text;
    appendWhole(text, value, width);
    return text;
}

void appendShortest(std::string& out, double value) {
    if (!std::isfinite(value)) {
        return;
    }
    // Plain digits in the range of rates, counts and person-years ("100000", not "1e+05"),
    // the shortest form outside it.
    const double magnitude = std::fabs(value);
    const bool plain = magnitude == 0.0 || (magnitude >= 1e-5 && magnitude < 1e16);
    char buffer[48];
    const auto result =
        plain ? std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed)
              : std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

} // namespace orvelan

#pragma once

#include <cstdint>

// The shortest decimal that reads back as a given double, without going through text: the
// digits and exponent the number writers lay out as plain digits. The same digits as the
// standard library's shortest round trip (std::to_chars), found with 64x128-bit products
// against a table of powers of ten instead of long divisions.
namespace orvelan {

/// digits x 10^exponent; digits has no trailing zeros (0 only for zero).
struct DecimalForm {
    std::uint64_t digits = 0;
    int exponent = 0;
};

/// The fewest digits that round to value, the closest to value when several do (ties to even
/// digits). value must be finite and normal; the sign is ignored.
DecimalForm shortestDecimal(double value);

} // namespace orvelan

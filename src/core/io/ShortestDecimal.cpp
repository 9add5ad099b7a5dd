#include "core/io/ShortestDecimal.h"

#include <array>
#include <bit>
#include <cstddef>

// A double is c x 2^q; the shortest decimal is sought in its rounding interval, scaled by a
// power of ten taken from a table of 128-bit approximations. Most values are settled by one
// 64x128-bit product (shortestDecimal); the rest, and the powers of two, whose lower
// neighbour is closer, by the general method, which computes all three bounds of the
// interval (shortestDecimalByBounds).
namespace orvelan {

namespace {

__extension__ using Uint128 = unsigned __int128;

/// floor(e log10 2), floor(e log10 (3/4 x 2)) ... exact for |e| <= 1650 or so.
constexpr int floorLog10Pow2(int e) {
    return static_cast<int>((static_cast<std::int64_t>(e) * 661971961083LL) >> 41);
}
constexpr int floorLog10ThreeQuartersPow2(int e) {
    return static_cast<int>((static_cast<std::int64_t>(e) * 661971961083LL - 274743187321LL) >> 41);
}
constexpr int floorLog2Pow10(int e) {
    return static_cast<int>((static_cast<std::int64_t>(e) * 913124641741LL) >> 38);
}

constexpr int kMinPower = -292; // the smallest -k of a double
constexpr int kMaxPower = 324;  // the largest

/// floor(10^e x 2^(127 - floorLog2Pow10(e))) + 1, between 2^127 and 2^128.
struct Pow10 {
    std::uint64_t high = 0;
    std::uint64_t low = 0;
};

/// A plain unsigned big number, only as much as building the table needs.
struct BigNumber {
    static constexpr std::size_t kWords = 40; // 1,280 bits
    std::array<std::uint32_t, kWords> words{};

    constexpr void multiplyBy(std::uint32_t factor) {
        std::uint64_t carry = 0;
        for (std::uint32_t& word : words) {
            const std::uint64_t product = static_cast<std::uint64_t>(word) * factor + carry;
            word = static_cast<std::uint32_t>(product);
            carry = product >> 32;
        }
    }
    constexpr void divideBy(std::uint32_t divisor) {
        std::uint64_t remainder = 0;
        for (std::size_t i = kWords; i-- > 0;) {
            const std::uint64_t current = remainder << 32 | words[i];
            words[i] = static_cast<std::uint32_t>(current / divisor);
            remainder = current % divisor;
        }
    }
    constexpr int bitLength() const {
        for (std::size_t i = kWords; i-- > 0;) {
            if (words[i] != 0) {
                return static_cast<int>(i * 32 + std::bit_width(words[i]));
            }
        }
        return 0;
    }
    /// Bits [first, first + 64) as a number.
    constexpr std::uint64_t bitsFrom(int first) const {
        std::uint64_t result = 0;
        for (int i = 0; i < 64; ++i) {
            const auto bit = static_cast<std::size_t>(first + i);
            if ((words[bit / 32] >> (bit % 32) & 1U) != 0) {
                result |= std::uint64_t{1} << i;
            }
        }
        return result;
    }
    /// floor(this / 2^first) + 1 when that fits 128 bits.
    constexpr Pow10 top128(int first) const {
        Pow10 result{bitsFrom(first + 64), bitsFrom(first) + 1};
        if (result.low == 0) {
            ++result.high;
        }
        return result;
    }
};

constexpr std::array<Pow10, kMaxPower - kMinPower + 1> makePowers() {
    std::array<Pow10, kMaxPower - kMinPower + 1> table{};
    // 10^e for e >= 0, kept 128 bits up so that its top 128 bits never need a left shift.
    BigNumber power;
    power.words[4] = 1; // 2^128
    for (int e = 0; e <= kMaxPower; ++e) {
        table[static_cast<std::size_t>(e - kMinPower)] = power.top128(power.bitLength() - 128);
        power.multiplyBy(10);
    }
    // floor(2^kScale / 10^m) for m > 0: nested floors of divisions are the floor of the whole.
    constexpr int kScale = 1100; // at least 127 - floorLog2Pow10(kMinPower)
    BigNumber quotient;
    quotient.words[kScale / 32] = std::uint32_t{1} << (kScale % 32);
    for (int m = 1; m <= -kMinPower; ++m) {
        quotient.divideBy(10);
        const int shift = 127 - floorLog2Pow10(-m);
        table[static_cast<std::size_t>(-m - kMinPower)] = quotient.top128(kScale - shift);
    }
    return table;
}

constexpr std::array<Pow10, kMaxPower - kMinPower + 1> kPowers = makePowers();

/// floor(g x u / 2^64): the whole part (above 2^128) in the top 64 bits, the first 64 bits
/// of the fraction below them; the last 64 bits of the fraction are dropped.
Uint128 upperProduct(const Pow10& g, std::uint64_t u) {
    const Uint128 low = static_cast<Uint128>(g.low) * u;
    return static_cast<Uint128>(g.high) * u + static_cast<std::uint64_t>(low >> 64);
}

/// floor(g x cp / 2^128), its lowest bit set when the dropped part is not zero.
std::uint64_t roundToOdd(const Pow10& g, std::uint64_t cp) {
    const Uint128 product = upperProduct(g, cp);
    const auto fraction = static_cast<std::uint64_t>(product);
    return static_cast<std::uint64_t>(product >> 64) | (fraction > 1 ? 1U : 0U);
}

DecimalForm withoutTrailingZeros(std::uint64_t digits, int exponent) {
    if (digits == 0) {
        return {0, 0};
    }
    while (digits % 10 == 0) {
        digits /= 10;
        ++exponent;
    }
    return {digits, exponent};
}

/// A finite normal double as c x 2^q, c of 53 bits.
struct BinaryForm {
    std::uint64_t c;
    int q;
    bool lowerCloser; // a power of two: the double below is half as far as the one above
};

constexpr int kSignificandBits = 52;

BinaryForm binaryForm(double value) {
    constexpr int kExponentBias = 1075; // 1023 + the 52 bits after the point
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const std::uint64_t fraction = bits & ((std::uint64_t{1} << kSignificandBits) - 1);
    const auto biased = static_cast<int>(bits >> kSignificandBits & 0x7FF);
    return {fraction | std::uint64_t{1} << kSignificandBits, biased - kExponentBias,
            fraction == 0 && biased > 1};
}

/// A whole number below 2^53 is its own shortest form.
bool isWholeNumber(const BinaryForm& binary) {
    return binary.q < 0 && binary.q >= -kSignificandBits &&
           (binary.c & ((std::uint64_t{1} << -binary.q) - 1)) == 0;
}

/// The general method: the interval, scaled by 10^-k so that it is between one and ten units
/// wide, is computed in quarter units with round-to-odd. It then holds exactly one multiple of
/// ten units or at least one unit; whichever is shorter and inside wins, the closest unit
/// otherwise.
DecimalForm shortestDecimalByBounds(const BinaryForm& binary) {
    const std::uint64_t c = binary.c;
    const int q = binary.q;
    const bool inclusive = (c & 1) == 0;
    const bool lowerCloser = binary.lowerCloser;
    const int k = lowerCloser ? floorLog10ThreeQuartersPow2(q) : floorLog10Pow2(q);
    const int h = q + floorLog2Pow10(-k) + 1;
    const Pow10& g = kPowers[static_cast<std::size_t>(-k - kMinPower)];

    const std::uint64_t vbl = roundToOdd(g, (4 * c - 2 + (lowerCloser ? 1 : 0)) << h);
    const std::uint64_t vb = roundToOdd(g, (4 * c) << h);
    const std::uint64_t vbr = roundToOdd(g, (4 * c + 2) << h);
    const std::uint64_t lower = vbl + (inclusive ? 0 : 1);
    const std::uint64_t upper = vbr - (inclusive ? 0 : 1);

    const std::uint64_t s = vb / 4;
    if (s >= 10) {
        // One digit fewer: the multiple of ten units below or above, if exactly one is inside.
        const std::uint64_t sp = s / 10;
        const bool belowInside = lower <= 40 * sp;
        const bool aboveInside = 40 * sp + 40 <= upper;
        if (belowInside != aboveInside) {
            return withoutTrailingZeros(sp + (aboveInside ? 1 : 0), k + 1);
        }
    }
    const bool belowInside = lower <= 4 * s;
    const bool aboveInside = 4 * s + 4 <= upper;
    if (belowInside != aboveInside) {
        return withoutTrailingZeros(s + (aboveInside ? 1 : 0), k);
    }
    // Both units inside: the closer one, the even one on a tie.
    const std::uint64_t middle = 4 * s + 2;
    const bool up = vb > middle || (vb == middle && (s & 1) != 0);
    return withoutTrailingZeros(s + (up ? 1 : 0), k);
}

/// floor(g x u / 2^128) and whether that is certainly the floor of the exact product: g is
/// above 10^e x 2^(127 - floorLog2Pow10(e)) by at most 1, which moves a product of a u below
/// 2^63 by less than 2^-65, so a fraction of at least 2^-64 leaves the floor unchanged (and
/// the exact product no whole number).
struct ScaledFloor {
    std::uint64_t value;
    bool certain;
};

ScaledFloor scaledFloor(const Pow10& g, std::uint64_t u) {
    const Uint128 product = upperProduct(g, u);
    return {static_cast<std::uint64_t>(product >> 64), static_cast<std::uint64_t>(product) != 0};
}

} // namespace

DecimalForm shortestDecimal(double value) {
    // The common case by one product: with k = floor(log10 2^q) - 2 the interval is between
    // 100 and 1000 units of 10^k wide (delta). Below its upper end z lies one multiple of 1000
    // units at most; if it is inside, no shorter number is, and it is the answer. Otherwise
    // the answer has one digit more: the multiple of 100 units nearest to the value, which
    // lies inside because the interval reaches more than 50 units on each side of it.
    // Whatever cannot be decided for certain this way goes to the general method.
    const BinaryForm binary = binaryForm(value);
    const std::uint64_t c = binary.c;
    const int q = binary.q;
    if (isWholeNumber(binary)) {
        return withoutTrailingZeros(c >> -q, 0);
    }
    const int e = 2 - floorLog10Pow2(q); // the power of ten the interval is scaled by
    if (binary.lowerCloser || e > kMaxPower || e < kMinPower) {
        return shortestDecimalByBounds(binary); // a closer lower neighbour, or off the table
    }
    const Pow10& g = kPowers[static_cast<std::size_t>(e - kMinPower)];
    const int beta = q + floorLog2Pow10(e); // 6 to 9 for every double (checked)
    const ScaledFloor z = scaledFloor(g, (2 * c + 1) << beta);
    // floor(2^q x 10^e), exact for every exponent (checked against exact arithmetic).
    const std::uint64_t delta = g.high >> (63 - beta);
    const std::uint64_t thousands = z.value / 1000;
    const std::uint64_t below = z.value - 1000 * thousands;
    if (!z.certain || below == delta) {
        return shortestDecimalByBounds(binary); // rare: decided by the fractions
    }
    if (below < delta) {
        return withoutTrailingZeros(thousands, 3 - e);
    }
    const ScaledFloor y = scaledFloor(g, c << (beta + 1)); // the value itself
    if (!y.certain) {
        return shortestDecimalByBounds(binary);
    }
    const std::uint64_t hundreds = y.value / 100;
    // y is no whole number, so a remainder of 50 is above the half-way point.
    const bool up = y.value - 100 * hundreds >= 50;
    return {hundreds + (up ? 1 : 0), 2 - e}; // no trailing zero: that would be a thousand
}

} // namespace orvelan

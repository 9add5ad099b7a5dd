#include "CRandom.h"

#include "DeterministicMath.h"

#include <algorithm>
#include <cmath>

namespace orvelan::mkdata {

namespace {

// Above these sizes the normal approximation is indistinguishable from the exact law for the
// purposes of a synthetic data set, and much faster.
constexpr double kPoissonNormalFrom = 30.0;
constexpr double kBinomialNormalFrom = 25.0; // n p (1 - p)
constexpr std::int64_t kBinomialTrialsUpTo = 16;

std::uint64_t splitMix(std::uint64_t& x) {
    x += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = x;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

std::int64_t roundedNormal(double mean, double sd, double z) {
    return static_cast<std::int64_t>(std::floor(mean + sd * z + 0.5));
}

} // namespace

CRandom::CRandom(std::uint64_t seed) {
    std::uint64_t x = seed;
    for (auto& word : m_state) {
        word = splitMix(x);
    }
}

CRandom CRandom::stream(std::uint64_t seed, std::uint64_t a, std::uint64_t b, std::uint64_t c) {
    std::uint64_t x = seed;
    std::uint64_t mixed = splitMix(x);
    for (const std::uint64_t key : {a, b, c}) {
        x = mixed ^ (key * 0xD1B54A32D192ED03ULL);
        mixed = splitMix(x);
    }
    return CRandom(mixed);
}

std::uint64_t CRandom::next() {
    const std::uint64_t result = rotl(m_state[1] * 5, 7) * 9;
    const std::uint64_t t = m_state[1] << 17;
    m_state[2] ^= m_state[0];
    m_state[3] ^= m_state[1];
    m_state[1] ^= m_state[2];
    m_state[0] ^= m_state[3];
    m_state[2] ^= t;
    m_state[3] = rotl(m_state[3], 45);
    return result;
}

double CRandom::uniform() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }

double CRandom::uniformPositive() { return (static_cast<double>(next() >> 11) + 0.5) * 0x1.0p-53; }

double CRandom::normal() {
    if (m_hasSpare) {
        m_hasSpare = false;
        return m_spareNormal;
    }
    double u = 0.0;
    double v = 0.0;
    double s = 0.0;
    do {
        u = 2.0 * uniform() - 1.0;
        v = 2.0 * uniform() - 1.0;
        s = u * u + v * v;
    } while (s >= 1.0 || s == 0.0);
    const double factor = std::sqrt(-2.0 * detLog(s) / s);
    m_spareNormal = v * factor;
    m_hasSpare = true;
    return u * factor;
}

std::int64_t CRandom::poisson(double mean) {
    if (mean <= 0.0) {
        return 0;
    }
    if (mean >= kPoissonNormalFrom) {
        return std::max<std::int64_t>(0, roundedNormal(mean, std::sqrt(mean), normal()));
    }
    // Knuth: count uniforms until their product falls below e^-mean.
    const double limit = detExp(-mean);
    std::int64_t count = 0;
    double product = uniform();
    while (product > limit) {
        ++count;
        product *= uniform();
    }
    return count;
}

std::int64_t CRandom::binomial(std::int64_t n, double p) {
    if (n <= 0 || p <= 0.0) {
        return 0;
    }
    if (p >= 1.0) {
        return n;
    }
    if (p > 0.5) {
        return n - binomial(n, 1.0 - p);
    }
    if (n <= kBinomialTrialsUpTo) {
        std::int64_t successes = 0;
        for (std::int64_t i = 0; i < n; ++i) {
            successes += uniform() < p ? 1 : 0;
        }
        return successes;
    }
    const double dn = static_cast<double>(n);
    const double variance = dn * p * (1.0 - p);
    if (variance >= kBinomialNormalFrom) {
        return std::clamp<std::int64_t>(roundedNormal(dn * p, std::sqrt(variance), normal()), 0, n);
    }
    // Inversion: walk up the probabilities P(k) from P(0) = (1 - p)^n.
    const double ratio = p / (1.0 - p);
    double probability = detExp(dn * detLog(1.0 - p));
    double u = uniform();
    std::int64_t k = 0;
    // Rounding may leave u a hair above the total; the far tail has no mass worth walking into.
    const auto tail = static_cast<std::int64_t>(dn * p + 12.0 * std::sqrt(variance) + 12.0);
    while (u > probability && k < std::min(n, tail)) {
        u -= probability;
        probability *= ratio * static_cast<double>(n - k) / static_cast<double>(k + 1);
        ++k;
    }
    return k;
}

} // namespace orvelan::mkdata

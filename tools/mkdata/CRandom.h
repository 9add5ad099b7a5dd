#pragma once

#include <array>
#include <cstdint>

namespace orvelan::mkdata {

/// xoshiro256** seeded through splitmix64, with its own Poisson, binomial and normal draws, so
/// that one seed gives the same numbers with every compiler and standard library.
class CRandom {
  public:
    explicit CRandom(std::uint64_t seed);
    /// An independent stream for one purpose: the seed mixed with up to three keys.
    static CRandom stream(std::uint64_t seed, std::uint64_t a, std::uint64_t b = 0,
                          std::uint64_t c = 0);

    std::uint64_t next();
    /// Uniform on [0, 1), 53 random bits.
    double uniform();
    /// Uniform on (0, 1): never 0, safe for logarithms.
    double uniformPositive();
    /// Standard normal (Marsaglia's polar method).
    double normal();
    /// Poisson with the given mean >= 0; a rounded normal above a mean of 30.
    std::int64_t poisson(double mean);
    /// Binomial(n, p) by inversion for small n p, a rounded normal for large ones.
    std::int64_t binomial(std::int64_t n, double p);

  private:
    std::array<std::uint64_t, 4> m_state{};
    double m_spareNormal = 0.0;
    bool m_hasSpare = false;
};

} // namespace orvelan::mkdata

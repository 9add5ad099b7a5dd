// The generator's own random draws and arithmetic, on which one seed = one set of bytes rests.
#include "CRandom.h"
#include "DeterministicMath.h"

#include <cmath>
#include <gtest/gtest.h>

namespace orvelan::test {
namespace {

using mkdata::CRandom;

TEST(MkDataMath, ExpAndLogAgreeWithTheLibraryToTheLastBits) {
    for (const double x : {-700.0, -30.5, -1.0, -1e-9, 0.0, 0.3465, 1.0, 2.5, 10.0, 300.0}) {
        EXPECT_NEAR(mkdata::detExp(x), std::exp(x), 4e-16 * std::exp(x)) << x;
    }
    for (const double x : {1e-300, 1e-5, 0.5, 0.7071, 1.0, 1.0000001, 2.0, 88.0, 1e10, 1e300}) {
        EXPECT_NEAR(mkdata::detLog(x), std::log(x), 4e-16 * std::max(1.0, std::abs(std::log(x))))
            << x;
    }
    EXPECT_EQ(mkdata::detExp(-800.0), 0.0);
    EXPECT_NEAR(mkdata::logistic(mkdata::logit(0.87)), 0.87, 1e-15);
}

TEST(MkDataRandom, StreamsAreFixedByTheirKeysAlone) {
    CRandom a = CRandom::stream(1997, 12, 30, 1);
    CRandom b = CRandom::stream(1997, 12, 30, 1);
    CRandom c = CRandom::stream(1997, 12, 30, 0);
    for (int i = 0; i < 100; ++i) {
        const auto value = a.next();
        EXPECT_EQ(value, b.next());
        EXPECT_NE(value, c.next());
    }
    // The first word of seed 0 is fixed by the algorithm: it must never change across builds.
    EXPECT_EQ(CRandom(0).next(), 0x99EC5F36CB75F2B4ULL);
}

struct DrawCase {
    const char* what;
    double mean;
    double variance;
    double (*draw)(CRandom&);
};

TEST(MkDataRandom, DrawsHaveTheirMeansAndVariances) {
    const DrawCase cases[] = {
        {"uniform", 0.5, 1.0 / 12.0, [](CRandom& r) { return r.uniform(); }},
        {"normal", 0.0, 1.0, [](CRandom& r) { return r.normal(); }},
        {"Poisson 0.7", 0.7, 0.7, [](CRandom& r) { return static_cast<double>(r.poisson(0.7)); }},
        {"Poisson 12", 12.0, 12.0, [](CRandom& r) { return static_cast<double>(r.poisson(12)); }},
        {"Poisson 400", 400.0, 400.0,
         [](CRandom& r) { return static_cast<double>(r.poisson(400)); }},
        {"binomial 10, 0.3", 3.0, 2.1,
         [](CRandom& r) { return static_cast<double>(r.binomial(10, 0.3)); }},
        {"binomial 200, 0.02", 4.0, 3.92,
         [](CRandom& r) { return static_cast<double>(r.binomial(200, 0.02)); }},
        {"binomial 5000, 0.9", 4500.0, 450.0,
         [](CRandom& r) { return static_cast<double>(r.binomial(5000, 0.9)); }},
    };
    constexpr int kDraws = 40000;
    for (const DrawCase& draw : cases) {
        CRandom random(42);
        double sum = 0.0;
        double squares = 0.0;
        for (int i = 0; i < kDraws; ++i) {
            const double value = draw.draw(random);
            sum += value;
            squares += value * value;
        }
        const double mean = sum / kDraws;
        const double variance = squares / kDraws - mean * mean;
        EXPECT_NEAR(mean, draw.mean, 5.0 * std::sqrt(draw.variance / kDraws)) << draw.what;
        EXPECT_NEAR(variance, draw.variance, 0.05 * draw.variance) << draw.what;
    }
}

TEST(MkDataRandom, BinomialStaysWithinItsBounds) {
    CRandom random(7);
    for (int i = 0; i < 2000; ++i) {
        const auto n = static_cast<std::int64_t>(i % 97);
        const double p = static_cast<double>(i % 11) / 10.0;
        const std::int64_t k = random.binomial(n, p);
        ASSERT_GE(k, 0);
        ASSERT_LE(k, n);
    }
    EXPECT_EQ(random.binomial(0, 0.5), 0);
    EXPECT_EQ(random.binomial(25, 1.0), 25);
    EXPECT_EQ(random.poisson(0.0), 0);
}

} // namespace
} // namespace orvelan::test

#include "core/rates/TwoCurveComparison.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace orvelan {
namespace {

/// One age group of both curves: reference person-years and cases, comparison ones.
struct Group {
    double refPersonYears;
    double compPersonYears;
    double refCases;
    double compCases;
};

CurvePair pairOf(const std::vector<Group>& groups, int ageLow, int ageHigh) {
    CurvePair pair;
    pair.ageLow = ageLow;
    pair.ageHigh = ageHigh;
    for (std::size_t i = 0; i < groups.size(); ++i) {
        const std::size_t j = static_cast<std::size_t>(ageLow) + i;
        pair.refPersonYears[j] = groups[i].refPersonYears;
        pair.compPersonYears[j] = groups[i].compPersonYears;
        pair.refCases[j] = groups[i].refCases;
        pair.compCases[j] = groups[i].compCases;
    }
    return pair;
}

/// The Poisson model with one rate per age group and a common log rate ratio beta for the
/// comparison curve, fitted by Newton steps on the full log-likelihood (groups + 1 parameters).
struct PoissonFit {
    std::vector<double> alpha;
    double beta = 0.0;
    double varianceOfBeta = 0.0; // from the inverse of the observed information
};

/// Solves A x = b by Gaussian elimination with partial pivoting; A is n x n, row major.
std::vector<double> solve(std::vector<double> a, std::vector<double> b) {
    const std::size_t n = b.size();
    for (std::size_t c = 0; c < n; ++c) {
        std::size_t pivot = c;
        for (std::size_t r = c + 1; r < n; ++r) {
            if (std::abs(a[r * n + c]) > std::abs(a[pivot * n + c])) {
                pivot = r;
            }
        }
        for (std::size_t k = 0; k < n; ++k) {
            std::swap(a[c * n + k], a[pivot * n + k]);
        }
        std::swap(b[c], b[pivot]);
        for (std::size_t r = c + 1; r < n; ++r) {
            const double f = a[r * n + c] / a[c * n + c];
            for (std::size_t k = c; k < n; ++k) {
                a[r * n + k] -= f * a[c * n + k];
            }
            b[r] -= f * b[c];
        }
    }
    std::vector<double> x(n);
    for (std::size_t r = n; r-- > 0;) {
        double s = b[r];
        for (std::size_t k = r + 1; k < n; ++k) {
            s -= a[r * n + k] * x[k];
        }
        x[r] = s / a[r * n + r];
    }
    return x;
}

PoissonFit fitPoisson(const std::vector<Group>& groups) {
    const std::size_t g = groups.size();
    const std::size_t n = g + 1; // parameters alpha_0..alpha_{g-1}, beta
    PoissonFit fit;
    for (const Group& s : groups) {
        fit.alpha.push_back(
            std::log((s.refCases + s.compCases) / (s.refPersonYears + s.compPersonYears)));
    }
    std::vector<double> information(n * n);
    for (int step = 0; step < 40; ++step) {
        std::vector<double> gradient(n, 0.0);
        std::fill(information.begin(), information.end(), 0.0);
        for (std::size_t j = 0; j < g; ++j) {
            const Group& s = groups[j];
            const double muRef = s.refPersonYears * std::exp(fit.alpha[j]);
            const double muComp = s.compPersonYears * std::exp(fit.alpha[j] + fit.beta);
            gradient[j] = s.refCases + s.compCases - muRef - muComp;
            gradient[g] += s.compCases - muComp;
            information[j * n + j] = muRef + muComp;
            information[j * n + g] = information[g * n + j] = muComp;
            information[g * n + g] += muComp;
        }
        const std::vector<double> delta = solve(information, gradient);
        for (std::size_t j = 0; j < g; ++j) {
            fit.alpha[j] += delta[j];
        }
        fit.beta += delta[g];
    }
    std::vector<double> unit(n, 0.0);
    unit[g] = 1.0;
    fit.varianceOfBeta = solve(information, unit)[g];
    return fit;
}

TEST(CompareCurves, IdenticalCurvesShowNoDifference) {
    const std::vector<Group> groups = {{5200, 5200, 3, 3},   {4800, 4800, 7, 7},
                                       {4100, 4100, 12, 12}, {3900, 3900, 30, 30},
                                       {2500, 2500, 41, 41}, {1200, 1200, 38, 38}};
    CurvePair pair = pairOf(groups, 10, 15);
    ASSERT_EQ(compareCurves(pair, 17, 17), 15);
    EXPECT_NEAR(pair.rrMH, 1.0, 1e-14);
    EXPECT_NEAR(pair.logRrMH, 0.0, 1e-14);
    EXPECT_NEAR(pair.rrML, 1.0, 1e-14);
    EXPECT_NEAR(pair.logRrML, 0.0, 1e-14);
    EXPECT_NEAR(pair.chi2MHC, 0.0, 1e-20);
    EXPECT_DOUBLE_EQ(pair.pMHC, 1.0);
    EXPECT_NEAR(pair.chi2Heterogeneity, 0.0, 1e-20);
    EXPECT_EQ(pair.dfHeterogeneity, 5);
    EXPECT_NEAR(pair.chi2Trend, 0.0, 1e-20);
    EXPECT_EQ(pair.dfMHC, 1);
    EXPECT_EQ(pair.dfTrend, 1);
}

TEST(CompareCurves, DoubledRatesGiveARatioOfTwoByBothMethods) {
    // Comparison rates twice the reference rates in every group, person-years differing.
    const std::vector<Group> groups = {
        {1000, 500, 10, 10}, {2000, 4000, 6, 24}, {800, 1600, 40, 160}, {3000, 300, 15, 3}};
    CurvePair pair = pairOf(groups, 0, 17);
    ASSERT_EQ(compareCurves(pair, 3, 17), 3);
    EXPECT_NEAR(pair.rrMH, 2.0, 1e-14);
    EXPECT_NEAR(pair.rrML, 2.0, 1e-14);
    EXPECT_NEAR(pair.logRrML, std::log(2.0), 1e-14);
    EXPECT_NEAR(pair.chi2Heterogeneity, 0.0, 1e-20);
}

TEST(CompareCurves, MatchesHandComputedMantelHaenszel) {
    const std::vector<Group> groups = {
        {1000, 2000, 10, 30}, {2000, 2000, 20, 25}, {1000, 3000, 5, 20}};
    CurvePair pair = pairOf(groups, 0, 2);
    ASSERT_EQ(compareCurves(pair, 17, 17), 2);
    // num = 10 + 12.5 + 5 = 27.5, den = 6.6667 + 10 + 3.75: rrMH = 66/49.
    EXPECT_NEAR(pair.rrMH, 66.0 / 49.0, 1e-15);
    EXPECT_NEAR(pair.logRrMH, std::log(66.0 / 49.0), 1e-15);
    EXPECT_NEAR(pair.seLogRrMH, 0.209162546207571, 1e-13);
    // O = 75, E0 = 67.916667, V = 24.826389: chi2 = 7.083333^2 / V = 289 / 143.
    EXPECT_NEAR(pair.chi2MHC, 289.0 / 143.0, 1e-13);
    EXPECT_NEAR(pair.pMHC, 0.155139088549022, 2.5e-8); // 2/pi as 0.6366198
    // The scoring iteration from rrMH stops 2.5e-6 short of the exact root 1.3447131; the
    // figures below follow the iteration (computed independently to 40 digits).
    EXPECT_NEAR(pair.rrML, 1.34471064719108, 1e-12);
    EXPECT_NEAR(pair.seLogRrML, 0.209016443229402, 1e-12);
    EXPECT_NEAR(pair.chi2Heterogeneity, 0.149248856927745, 1e-12);
    EXPECT_EQ(pair.dfHeterogeneity, 2);
    EXPECT_NEAR(pair.pHeterogeneity, 0.928091985813993, 1e-10);
    EXPECT_NEAR(pair.chi2Trend, 0.0683945612423962, 1e-12);
    EXPECT_NEAR(pair.pTrend, 0.79368879978031, 2.5e-8);
}

TEST(CompareCurves, MaximumLikelihoodRatioIsThatOfThePoissonModelWithAgeEffects) {
    const std::vector<Group> groups = {{81000, 42000, 2, 3},     {79500, 41000, 4, 1},
                                       {76000, 40500, 9, 8},     {70200, 38000, 21, 17},
                                       {64000, 36500, 55, 41},   {52000, 30000, 120, 88},
                                       {41000, 26000, 240, 190}, {30500, 21000, 330, 301},
                                       {18000, 14500, 288, 298}, {9000, 8200, 190, 233}};
    CurvePair pair = pairOf(groups, 5, 14);
    ASSERT_EQ(compareCurves(pair, 17, 17), 14);
    const PoissonFit fit = fitPoisson(groups);
    EXPECT_NEAR(pair.rrML, std::exp(fit.beta), 5e-6);
    EXPECT_NEAR(pair.logRrML, fit.beta, 5e-6);
    EXPECT_NEAR(pair.seLogRrML, std::sqrt(fit.varianceOfBeta), 1e-6);
    // The Mantel & Haenszel estimate is close to, but not the same as, the likelihood one.
    EXPECT_NEAR(pair.rrMH, pair.rrML, 0.01);
    EXPECT_GT(std::abs(pair.rrMH - pair.rrML), 1e-5);

    // The heterogeneity statistic from the fitted model's expected comparison cases.
    double chi2 = 0.0;
    for (std::size_t j = 0; j < groups.size(); ++j) {
        const Group& s = groups[j];
        const double cases = s.refCases + s.compCases;
        const double expected = s.compPersonYears * std::exp(fit.alpha[j] + fit.beta);
        const double share = expected / cases;
        chi2 += (s.compCases - expected) * (s.compCases - expected) / (cases * share * (1 - share));
    }
    EXPECT_NEAR(pair.chi2Heterogeneity, chi2, 1e-5);
    EXPECT_EQ(pair.dfHeterogeneity, 9);
}

TEST(CompareCurves, NeedsThreeAgeGroups) {
    const std::vector<Group> groups = {{1000, 900, 4, 6}, {1100, 950, 5, 9}, {1200, 990, 8, 7}};
    CurvePair three = pairOf(groups, 0, 2); // 0-4 ... 10-14
    EXPECT_EQ(compareCurves(three, 17, 17), 2);
    CurvePair two = pairOf({groups[0], groups[1]}, 0, 1); // 0-4 ... 5-9
    EXPECT_EQ(compareCurves(two, 17, 17), 0);
    EXPECT_EQ(two.rrMH, -1.0);
    CurvePair cutTooShort = pairOf(groups, 14, 17); // 70-74 ... 85+ cut at 75+
    EXPECT_EQ(compareCurves(cutTooShort, 15, 17), 0);
}

TEST(CompareCurves, CutsAnOpenTopRangeAtTheYoungerOpenClass) {
    std::vector<Group> groups(18, Group{1000, 800, 10, 12});
    groups[16] = {600, 0, 20, 0}; // the comparison population ends at 75+:
    groups[17] = {300, 0, 25, 0}; // its person-years and cases above are in group 15
    groups[15] = {700, 1500, 15, 40};
    CurvePair pair = pairOf(groups, 0, 17);
    pair.ageLow = 10;
    ASSERT_EQ(compareCurves(pair, 17, 15), 15);
    EXPECT_EQ(pair.refPersonYears[15], 1600.0);
    EXPECT_EQ(pair.refCases[15], 60.0);
    EXPECT_EQ(pair.compPersonYears[15], 1500.0);
    EXPECT_EQ(pair.refPersonYears[16], 0.0);
    EXPECT_EQ(pair.refCases[17], 0.0);
    EXPECT_EQ(pair.dfHeterogeneity, 5); // groups 10-15
    // The sums stop at 75+: the same ratio as the six groups with 75+ folded by hand.
    std::vector<Group> folded(groups.begin() + 10, groups.begin() + 16);
    folded[5] = {1600, 1500, 60, 40};
    CurvePair byHand = pairOf(folded, 10, 15);
    ASSERT_EQ(compareCurves(byHand, 17, 17), 15);
    EXPECT_DOUBLE_EQ(pair.rrMH, byHand.rrMH);
    EXPECT_DOUBLE_EQ(pair.chi2Trend, byHand.chi2Trend);
}

TEST(CompareCurves, EmptyAgeGroupsTakeNoPart) {
    const std::vector<Group> withEmpty = {
        {1000, 2000, 10, 30}, {0, 0, 0, 0}, {2000, 2000, 20, 25}, {1000, 3000, 5, 20}};
    CurvePair pair = pairOf(withEmpty, 0, 3);
    ASSERT_EQ(compareCurves(pair, 17, 17), 3);
    EXPECT_NEAR(pair.rrMH, 66.0 / 49.0, 1e-15);
    EXPECT_NEAR(pair.chi2MHC, 289.0 / 143.0, 1e-13);
    EXPECT_TRUE(std::isfinite(pair.chi2Heterogeneity));
    EXPECT_TRUE(std::isfinite(pair.chi2Trend));
    EXPECT_EQ(pair.dfHeterogeneity, 2);
}

TEST(CompareCurves, WithoutComparisonCasesOnlyTheMantelHaenszelFiguresExist) {
    const std::vector<Group> groups = {{1000, 900, 4, 0}, {1100, 950, 5, 0}, {1200, 990, 8, 0}};
    CurvePair pair = pairOf(groups, 0, 2);
    ASSERT_EQ(compareCurves(pair, 17, 17), 2);
    EXPECT_EQ(pair.rrMH, 0.0);
    EXPECT_EQ(pair.logRrMH, 0.0);
    EXPECT_EQ(pair.seLogRrMH, -1.0);
    EXPECT_EQ(pair.dfMHC, 1);
    EXPECT_GT(pair.chi2MHC, 0.0);
    EXPECT_EQ(pair.rrML, -1.0);
    EXPECT_EQ(pair.seLogRrML, -1.0);
    for (const double value :
         {pair.pHeterogeneity, pair.chi2Heterogeneity, pair.pTrend, pair.chi2Trend}) {
        EXPECT_EQ(value, -1.0);
    }
    EXPECT_EQ(pair.dfHeterogeneity, -1);
    EXPECT_EQ(pair.dfTrend, -1);
}

TEST(CompareCurves, WithoutReferenceCasesNoRatioIsEstimated) {
    const std::vector<Group> groups = {{1000, 900, 0, 3}, {1100, 950, 0, 2}, {1200, 990, 0, 5}};
    CurvePair pair = pairOf(groups, 0, 2);
    ASSERT_EQ(compareCurves(pair, 17, 17), 2);
    EXPECT_EQ(pair.rrMH, -1.0);
    EXPECT_EQ(pair.seLogRrMH, -1.0);
    EXPECT_EQ(pair.rrML, -1.0);
    EXPECT_EQ(pair.dfHeterogeneity, -1);
    EXPECT_EQ(pair.dfMHC, 1); // O - E0 is still a valid test of no difference
}

TEST(IterateRateRatio, StopsAfterTwelveUpdates) {
    // A ratio near 750 approached from 1: the step roughly doubles R and needs 13 updates.
    const std::vector<Group> groups = {
        {1000, 1000, 1, 1000}, {2000, 1000, 1, 800}, {1000, 3000, 2, 1200}};
    const CurvePair pair = pairOf(groups, 0, 2);
    const RateRatioIteration capped = iterateRateRatio(pair, 2, 1.0);
    EXPECT_EQ(capped.updates, 12);
    EXPECT_FALSE(capped.converged);
    EXPECT_NEAR(capped.ratio, 749.4676798459244, 1e-8);
    const RateRatioIteration close = iterateRateRatio(pair, 2, 749.4676798459244);
    EXPECT_TRUE(close.converged);
    EXPECT_EQ(close.updates, 1);
    EXPECT_NEAR(close.ratio, std::exp(fitPoisson(groups).beta), 1e-6);
}

TEST(IterateRateRatio, BreaksDownWhenTheRatioLeavesThePositiveNumbers) {
    const std::vector<Group> groups = {
        {1000, 1000, 50, 1}, {1000, 1000, 1, 50}, {1000, 10, 10, 10}};
    const RateRatioIteration result = iterateRateRatio(pairOf(groups, 0, 2), 2, 10.0);
    EXPECT_EQ(result.ratio, -1.0);
    EXPECT_EQ(result.updates, 1);
}

} // namespace
} // namespace orvelan

// Interval methods against values computed independently (mpmath, 30 digits) and against the
// tabulated SIR limits.
#include "OpenStore.h"
#include "core/rates/ConfidenceLimits.h"
#include "core/rates/RateIntervals.h"
#include "core/reports/CSummaryRatesTable.h"

#include <cmath>
#include <gtest/gtest.h>

namespace orvelan {
namespace {

void expectLimits(const Interval& actual, double lower, double upper, const std::string& what) {
    EXPECT_NEAR(actual.lower, lower, 1e-6 * std::max(1.0, lower)) << what;
    EXPECT_NEAR(actual.upper, upper, 1e-6 * std::max(1.0, upper)) << what;
}

TEST(ExactPoissonLimits, MatchIndependentValuesAtEachLevel) {
    struct Case {
        int level;
        double count, lower, upper;
    };
    const Case cases[] = {
        {95, 0, 0.0, 3.6888795},         {95, 1, 0.025317808, 5.5716434},
        {95, 5, 1.6234864, 11.668332},   {95, 10, 4.7953887, 18.390356},
        {95, 50, 37.110964, 65.918767},  {90, 0, 0.0, 2.9957323},
        {90, 1, 0.051293294, 4.7438645}, {90, 10, 5.4254057, 16.962219},
        {99, 0, 0.0, 5.2983174},         {99, 1, 0.0050125418, 7.4301295},
        {99, 50, 33.663782, 71.266088},
    };
    for (const Case& c : cases) {
        expectLimits(exactPoissonLimits(c.count, c.level), c.lower, c.upper,
                     std::to_string(c.count) + " at " + std::to_string(c.level));
    }
    const Interval refused[] = {exactPoissonLimits(-1.0, 95), exactPoissonLimits(3.0, 80)};
    for (const Interval& limits : refused) {
        EXPECT_EQ(limits.lower, -1.0);
        EXPECT_EQ(limits.upper, -1.0);
    }
}

TEST(ExactPoissonLimits, AgreeWithTheSirTableToItsTwoDecimals) {
    for (std::size_t n = 1; n < kExactLimitCount; ++n) {
        const Interval exact = exactPoissonLimits(static_cast<double>(n), 95);
        EXPECT_NEAR(exact.lower, kPoissonLimitTable[n].lower, 0.005 + 1e-9) << n;
        EXPECT_NEAR(exact.upper, kPoissonLimitTable[n].upper, 0.005 + 1e-9) << n;
    }
    // The table's upper limit for no case is the one-sided 95% bound -ln 0.05 = 3.00; the
    // two-sided exact one is 3.69.
    EXPECT_NEAR(exactPoissonLimits(0.0, 95).upper, 3.689, 0.001);
}

// A worked ASR: 2, 1 and 3 cases in groups 10, 12 and 15 of 10,000 person-years each, World
// weights 0.05, 0.04, 0.01. Per-case weights 10 w_i: ASR 1.7, variance 0.69, largest weight
// 1.2 (group 0), mean weight 10/18.
TEST(GammaLimits, FayFeuerAndTiwariOnAWorkedExample) {
    expectLimits(gammaLimits(1.7, 0.69, 1.2, 95), 0.48149772, 6.3823011, "Fay-Feuer");
    expectLimits(gammaLimits(1.7, 0.69, 10.0 / 18, 95), 0.48149772, 4.5949001, "Tiwari");
    expectLimits(gammaLimits(0.0, 0.0, 1.2, 95), 0.0, 4.4266553, "no case");
    EXPECT_EQ(gammaLimits(1.7, 0.69, 0.0, 95).lower, -1.0);
    EXPECT_EQ(gammaLimits(-1.0, 0.69, 1.2, 95).upper, -1.0);
}

TEST(IntervalMethod, EachFigureGetsAnApplicableMethod) {
    using M = IntervalMethod;
    using F = IntervalFigure;
    struct Case {
        M requested;
        F figure;
        M used;
    };
    const Case cases[] = {
        {M::Normal, F::Asr, M::Normal},       {M::Exact, F::CrudeRate, M::Exact},
        {M::Exact, F::Cases, M::Exact},       {M::Exact, F::Asr, M::Gamma},
        {M::Exact, F::Cumulative, M::Normal}, {M::Gamma, F::CrudeRate, M::Exact},
        {M::Tiwari, F::Asr, M::Tiwari},       {M::Tiwari, F::Sir, M::Exact},
        {M::Gamma, F::Cumulative, M::Normal},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(intervalMethodFor(c.requested, c.figure), c.used)
            << intervalMethodName(c.requested);
    }
    EXPECT_FALSE(intervalApplies(M::Gamma, F::Sir));
    EXPECT_FALSE(intervalApplies(M::Exact, F::Cumulative));
    for (const M method : {M::Normal, M::Exact, M::Gamma, M::Tiwari}) {
        EXPECT_EQ(parseIntervalMethod(intervalMethodName(method)), method);
    }
    EXPECT_FALSE(parseIntervalMethod("wilson"));
}

class IntervalsOnStore : public test::SmallCountsStore {
  protected:
    RateWithInterval compute(RateKind kind, IntervalMethod method, int from = 0,
                             int to = kTopAgeGroup) {
        return computeRateWithInterval(m_store.series(), kind, from, to, {method, 95});
    }
};

TEST_F(IntervalsOnStore, AsrGammaIntervalsUseTheSeriesWeights) {
    const auto gamma = compute(RateKind::AsrWorld, IntervalMethod::Gamma);
    EXPECT_NEAR(gamma.rate.value, 1.7, 1e-12);
    EXPECT_NEAR(gamma.rate.se * gamma.rate.se, 0.69, 1e-12);
    EXPECT_EQ(gamma.interval.method, IntervalMethod::Gamma);
    expectLimits(gamma.interval.limits, 0.48149772, 6.3823011, "gamma");
    const auto tiwari = compute(RateKind::AsrWorld, IntervalMethod::Tiwari);
    expectLimits(tiwari.interval.limits, 0.48149772, 4.5949001, "tiwari");
    const auto normal = compute(RateKind::AsrWorld, IntervalMethod::Normal);
    expectLimits(normal.interval.limits, 1.7 - 1.96 * std::sqrt(0.69), 1.7 + 1.96 * std::sqrt(0.69),
                 "normal");
}

TEST_F(IntervalsOnStore, CountsAndCrudeRatesTakeExactLimitsOtherFiguresKeepTheirs) {
    // Six cases over 18 x 10,000 person-years; exact 95% limits of 6: 2.2018 to 13.0594.
    const auto crude = compute(RateKind::CrudeRate, IntervalMethod::Exact);
    const Interval six = exactPoissonLimits(6, 95);
    EXPECT_NEAR(six.lower, 2.2018, 1e-4);
    EXPECT_NEAR(six.upper, 13.0594, 1e-4);
    expectLimits(crude.interval.limits, six.lower / 1.8, six.upper / 1.8, "crude");
    const auto cases = compute(RateKind::NumberOfCases, IntervalMethod::Exact);
    expectLimits(cases.interval.limits, six.lower, six.upper, "cases");
    EXPECT_FALSE(compute(RateKind::NumberOfCases, IntervalMethod::Normal).interval.ok);

    const auto cumulative = compute(RateKind::CumulativeRate, IntervalMethod::Exact, 0, 14);
    EXPECT_EQ(cumulative.interval.method, IntervalMethod::Normal);
    EXPECT_NEAR(cumulative.interval.limits.lower, cumulative.rate.value - 1.96 * cumulative.rate.se,
                1e-12);

    const auto declined = compute(RateKind::CrudeRate, IntervalMethod::Exact, 5, 3);
    EXPECT_FALSE(declined.rate.ok);
    EXPECT_FALSE(declined.interval.ok);
}

TEST(SirInterval, ClassicAtNinetyFiveExactOrSquareRootsOtherwise) {
    SirRow row;
    row.observed = 49;
    row.expected = 40;
    row.sir = 122.5;
    row.sirLow = 90.625;
    row.sirHigh = 161.95;
    const RateInterval classic = sirInterval(row, {IntervalMethod::Normal, 95});
    EXPECT_EQ(classic.limits.lower, row.sirLow);
    EXPECT_EQ(classic.limits.upper, row.sirHigh);

    const Interval exact49 = exactPoissonLimits(49, 95);
    expectLimits(sirInterval(row, {IntervalMethod::Exact, 95}).limits, 2.5 * exact49.lower,
                 2.5 * exact49.upper, "exact");
    const Interval exact49at99 = exactPoissonLimits(49, 99);
    expectLimits(sirInterval(row, {IntervalMethod::Normal, 99}).limits, 2.5 * exact49at99.lower,
                 2.5 * exact49at99.upper, "below 50 at 99%");

    row.observed = 64; // square roots 8 and sqrt(65), half of 2.576
    expectLimits(sirInterval(row, {IntervalMethod::Normal, 99}).limits,
                 2.5 * std::pow(8 - 1.288, 2), 2.5 * std::pow(std::sqrt(65.0) + 1.288, 2),
                 "square roots");
    row.sir = -1;
    EXPECT_FALSE(sirInterval(row, {IntervalMethod::Exact, 95}).ok);
}

TEST_F(IntervalsOnStore, SummaryTableNamesItsMethodsAndFillsTheirLimits) {
    SummaryRatesSettings settings;
    settings.confidenceInterval = true;
    const SelectionList registries = test::selectPopulations({0});

    CSummaryRatesTable classic(settings);
    classic.build(m_store, registries, emptySelectionList());
    settings.intervals = {IntervalMethod::Exact, 95};
    CSummaryRatesTable exact(settings);
    exact.build(m_store, registries, emptySelectionList());

    EXPECT_EQ(exact.title(), classic.title() + " [95% CI: Exact Poisson / Gamma (Fay-Feuer)]");
    const Interval six = exactPoissonLimits(6, 95);
    char crude[64];
    std::snprintf(crude, sizeof crude, "%9.2f (%.2f to %.2f)", 6 / 1.8, six.lower / 1.8,
                  six.upper / 1.8);
    EXPECT_EQ(exact.grid().text(1, 1), crude);
    EXPECT_EQ(exact.grid().text(1, 2), "     1.70 (0.48 to 6.38)");
    EXPECT_EQ(exact.grid().text(1, 6), classic.grid().text(1, 6)); // the count stays plain
}

TEST(IntervalNote, NamesTheMethodsOfTheShownKinds) {
    using K = RateKind;
    EXPECT_EQ(intervalNote({}, {K::CrudeRate, K::AsrWorld}), "");
    EXPECT_EQ(intervalNote({IntervalMethod::Normal, 90}, {K::CrudeRate}),
              " [90% CI: Normal approximation]");
    EXPECT_EQ(intervalNote({IntervalMethod::Tiwari, 99}, {K::CrudeRate, K::AsrEuropean}),
              " [99% CI: Exact Poisson / Modified gamma (Tiwari)]");
    EXPECT_EQ(intervalNote({IntervalMethod::Exact, 95}, {K::CumulativeRisk}),
              " [95% CI: Normal approximation]");
}

} // namespace
} // namespace orvelan

#include "KnownCodes.h"
#include "OpenStore.h"
#include "TextLines.h"
#include "core/graphs/AgeCurvesModel.h"
#include "core/graphs/BarChartModel.h"
#include "core/graphs/GraphSettings.h"
#include "core/graphs/PieChartModel.h"
#include "core/graphs/PyramidModel.h"
#include "core/graphs/TwoCurveModel.h"
#include "core/rates/CurvePair.h"
#include "core/rates/RateIntervals.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace orvelan::test {
namespace {

constexpr int kGroup = 272; // user registry group 0: populations 0 and 1

/// Cases a + 1 in group a (0-17) times a factor, and 5 of unknown age.
AgeValues risingCases(double factor) {
    AgeValues cases{};
    for (int a = 0; a <= kTopAgeGroup; ++a) {
        cases[static_cast<std::size_t>(a)] = (a + 1) * factor;
    }
    cases[kUnknownAgeGroup] = 5.0;
    return cases;
}

// Population 0: 10,000 person-years in every group of both sexes. Population 1: the same up to
// 75+ (last age group 15). Population 2: like 1, with its own cases. Population 3: 25,000
// stomach cases. Population 4: no person-years. Populations 5-7: sites for the pie. Population 8:
// 5,000 male and 6,000 female person-years a group over five years.
struct GraphModelsTest : ::testing::Test, test::OpenStore {
    void SetUp() override {
        FixtureData data;
        for (const int sex : {0, 1}) {
            data.setPopulation(0, sex, {1993, 1997, FixtureData::flatPersonYears(10000.0)});
            data.setPopulation(1, sex, {1993, 1997, FixtureData::flatPersonYears(10000.0, 15)});
            data.setPopulation(2, sex, {1993, 1997, FixtureData::flatPersonYears(10000.0, 15)});
            data.setPopulation(3, sex, {1993, 1997, FixtureData::flatPersonYears(10000.0)});
            for (const int population : {0, 1, 2}) {
                data.setCases(population, sex, kStomach, {risingCases(1.0)});
                data.setCases(population, sex, kLung, {risingCases(2.0)});
            }
            data.setCases(3, sex, kStomach, {FixtureData::seriesAt({{5, 25000.0}})});
            for (const int population : {5, 6, 7}) {
                data.setPopulation(population, sex,
                                   {1993, 1997, FixtureData::flatPersonYears(10000.0)});
            }
        }
        data.setCases(0, 0, kProstate, {risingCases(3.0)});
        // Population 5: eight sites with cases, 500 in all.
        const std::vector<std::pair<int, double>> sites = {
            {3, 10}, {4, 20}, {7, 30}, {12, 40}, {15, 50}, {16, 60}, {17, 70}, {kBreast, 80}};
        for (const auto& [cancer, count] : sites) {
            data.setCases(5, 0, cancer, {FixtureData::seriesAt({{6, count}})});
        }
        data.setCases(5, 0, kAllSites, {FixtureData::seriesAt({{6, 500}})});
        // Population 6: two sites and more cases in all; population 7: all sites fewer.
        for (const int population : {6, 7}) {
            data.setCases(population, 0, kStomach, {FixtureData::seriesAt({{6, 30}})});
            data.setCases(population, 0, kLung, {FixtureData::seriesAt({{6, 20}})});
        }
        data.setCases(6, 0, kAllSites, {FixtureData::seriesAt({{6, 100}})});
        data.setCases(7, 0, kAllSites, {FixtureData::seriesAt({{6, 40}})});
        data.setPopulation(8, 0, {1993, 1997, FixtureData::flatPersonYears(5000.0)});
        data.setPopulation(8, 1, {1993, 1997, FixtureData::flatPersonYears(6000.0)});
        dir.write("POPuser.dic", test::groupLine("Two", "000001"));
        ASSERT_TRUE(open(data));
        ASSERT_EQ(registryGroups.count(), 1);
    }

    static GraphSettings curves(const std::vector<int>& populations,
                                const std::vector<int>& cancers, Sex sex) {
        GraphSettings s;
        s.registries = test::selectPopulations(populations);
        for (const int c : cancers) {
            s.cancers[static_cast<std::size_t>(c)] = c;
        }
        s.sex = sex;
        return s;
    }

    std::vector<std::string> labels(const AgeCurvesModel& model) {
        std::vector<std::string> result;
        for (const auto& curve : model.curves) {
            result.push_back(curve.label);
        }
        return result;
    }

    std::string population(int number) { return store.populationLabelByNumber(number, false); }
    std::string cancer(int number) { return store.cancerLabel(number); }
};

TEST_F(GraphModelsTest, CurveLabelsNameOnlyWhatVaries) {
    struct Case {
        const char* what;
        GraphSettings settings;
        std::vector<std::string> expected;
    };
    const std::string p0 = population(0);
    const std::string p1 = population(1);
    const std::string stomach = cancer(kStomach);
    const std::string lung = cancer(kLung);
    const std::string prostate = cancer(kProstate);
    const std::vector<Case> cases = {
        {"one registry, one cancer, both sexes",
         curves({0}, {kStomach}, Sex::Both),
         {"Male", "Female"}},
        {"two registries, one cancer, males", curves({0, 1}, {kStomach}, Sex::Male), {p0, p1}},
        {"one registry, two cancers, both sexes",
         curves({0}, {kStomach, kLung}, Sex::Both),
         {stomach + "_Male", stomach + "_Female", lung + "_Male", lung + "_Female"}},
        {"a sex-specific cancer among several drops the sex",
         curves({0, 1}, {kStomach, kProstate}, Sex::Both),
         {p0 + "_" + stomach + "_Male", p0 + "_" + stomach + "_Female", p0 + "_" + prostate,
          p1 + "_" + stomach + "_Male", p1 + "_" + stomach + "_Female", p1 + "_" + prostate}},
        {"one curve has no label", curves({0}, {kStomach}, Sex::Female), {""}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(labels(computeAgeCurves(store, c.settings)), c.expected) << c.what;
    }
}

TEST_F(GraphModelsTest, MaleOnlyCancerGivesNoFemaleCurve) {
    const AgeCurvesModel women = computeAgeCurves(store, curves({0}, {kProstate}, Sex::Female));
    EXPECT_TRUE(women.curves.empty());
    EXPECT_EQ(women.cancerCount, 0);

    const AgeCurvesModel both =
        computeAgeCurves(store, curves({0}, {kProstate, kStomach}, Sex::Both));
    EXPECT_EQ(both.curves.size(), 3u);
    EXPECT_EQ(both.maleOnlyCount, 1);
    EXPECT_EQ(both.femaleOnlyCount, 0);
    EXPECT_EQ(both.cancerCount, 2);
}

TEST_F(GraphModelsTest, CurvesEndAtTheSmallestLastAgeGroup) {
    const AgeCurvesModel model = computeAgeCurves(store, curves({0, 1}, {kStomach}, Sex::Male));
    ASSERT_EQ(model.curves.size(), 2u);
    EXPECT_EQ(model.lastAgeGroup, 15);
    EXPECT_EQ(model.ageFrom, 0);
    EXPECT_EQ(model.ageTo, 15);
    EXPECT_EQ(model.ageLabel(15), "75+");
    EXPECT_EQ(model.ageLabel(3), "15-");
    // Population 0 folds 80-84 and 85+ into 75+: 16 + 17 + 18 cases over 30,000 person-years.
    EXPECT_DOUBLE_EQ(model.curves[0].rates[15], 51.0 * 100000.0 / 30000.0);
    // Population 1 has no person-years above 75+; the store folded its cases already.
    EXPECT_DOUBLE_EQ(model.curves[1].rates[15], 51.0 * 100000.0 / 10000.0);
    EXPECT_DOUBLE_EQ(model.curves[0].rates[3], 40.0);
    EXPECT_EQ(model.curves[0].rates[16], 0.0);
    EXPECT_DOUBLE_EQ(model.largestRate(), 510.0);
    EXPECT_DOUBLE_EQ(model.smallestNonZeroRate(), 10.0);
    const auto log = model.logScale();
    ASSERT_TRUE(log);
    EXPECT_EQ(*log, (LogScale{10.0, 510.0, 1}));
    EXPECT_EQ(model.statusText(1, 15), population(1) + ", age 75+: 510.00");
}

TEST_F(GraphModelsTest, NoMoreThanTenCurvesAreBuilt) {
    const AgeCurvesModel model =
        computeAgeCurves(store, curves({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {kStomach}, Sex::Male));
    EXPECT_EQ(model.requestedCurves, 11);
    EXPECT_TRUE(model.tooManyCurves());
    EXPECT_EQ(model.curves.size(), 10u);
    EXPECT_FALSE(
        computeAgeCurves(store, curves({0, 1, 2, 3, 4}, {kStomach}, Sex::Both)).tooManyCurves());
}

TEST_F(GraphModelsTest, RegistryGroupCurveSumsItsMembers) {
    const AgeCurvesModel model = computeAgeCurves(store, curves({kGroup}, {kStomach}, Sex::Male));
    ASSERT_EQ(model.curves.size(), 1u);
    EXPECT_EQ(model.curves[0].population, kGroup);
    EXPECT_DOUBLE_EQ(model.curves[0].rates[2], 6.0 * 100000.0 / 20000.0);
}

GraphSettings bars(BarChartType type, RateKind rateKind) {
    GraphSettings s;
    s.kind = GraphKind::BarChart;
    s.barChartType = type;
    s.rateKind = rateKind;
    s.cancer = kStomach;
    s.sex = Sex::Male;
    s.ageFrom = 0;
    s.ageTo = kTopAgeGroup;
    return s;
}

TEST_F(GraphModelsTest, EqualBarsKeepTheOrderOfTheSelectionSort) {
    ASSERT_LT(test::rowOf(0), test::rowOf(1));
    ASSERT_LT(test::rowOf(1), test::rowOf(2));
    GraphSettings s = bars(BarChartType::Cancer, RateKind::NumberOfCases);
    s.registries = test::selectPopulations({0, 1, 2});
    const BarChartModel model = computeBarChart(store, s);
    ASSERT_EQ(model.bars.size(), 3u);
    // Each has 171 cases of known age (the 5 of unknown age never count); of equal values the
    // one found last moves up.
    EXPECT_EQ(model.bars[0].key, 2);
    EXPECT_EQ(model.bars[1].key, 1);
    EXPECT_EQ(model.bars[2].key, 0);
    EXPECT_DOUBLE_EQ(model.bars[0].value, 171.0);
    EXPECT_EQ(model.bars[0].label, population(2));
    EXPECT_EQ(model.caption, "");
    EXPECT_EQ(model.statusText(0), population(2) + ": 171");
}

TEST_F(GraphModelsTest, LargeCountsAreShownInTens) {
    GraphSettings s = bars(BarChartType::Cancer, RateKind::NumberOfCases);
    s.registries = test::selectPopulations({0, 3});
    const BarChartModel model = computeBarChart(store, s);
    ASSERT_EQ(model.bars.size(), 2u);
    EXPECT_EQ(model.bars[0].key, 3);
    EXPECT_DOUBLE_EQ(model.multiplier, 0.1);
    EXPECT_EQ(model.caption, "(tens)");
    EXPECT_DOUBLE_EQ(model.bars[0].scaled, 2500.0);
    EXPECT_DOUBLE_EQ(model.scale.top, 2500.0);
    EXPECT_DOUBLE_EQ(model.scale.step, 500.0);
    EXPECT_EQ(model.statusText(0), population(3) + ": 25000");
}

TEST_F(GraphModelsTest, RegistryBarChartSortsCancersOfOnePopulation) {
    GraphSettings s = bars(BarChartType::Registry, RateKind::CrudeRate);
    s.population = 0;
    s.cancers[kStomach] = kStomach;
    s.cancers[kLung] = kLung;
    const BarChartModel model = computeBarChart(store, s);
    ASSERT_EQ(model.bars.size(), 2u);
    EXPECT_EQ(model.bars[0].key, kLung);
    EXPECT_EQ(model.bars[0].label, cancer(kLung));
    // Crude rate over all ages counts unknown ages: (342 + 5) / 180,000 person-years.
    EXPECT_NEAR(model.bars[0].value, 347.0 * 100000.0 / 180000.0, 1e-9);
    EXPECT_EQ(model.statusText(0), cancer(kLung) + ": 192.78");
}

TEST_F(GraphModelsTest, SeriesWithoutAValueGiveNoBar) {
    GraphSettings s = bars(BarChartType::Cancer, RateKind::AsrWorld);
    s.registries = test::selectPopulations({4}); // no person-years
    EXPECT_TRUE(computeBarChart(store, s).bars.empty());
    s.registries = test::selectPopulations({4, 0});
    const BarChartModel model = computeBarChart(store, s);
    ASSERT_EQ(model.bars.size(), 1u);
    EXPECT_EQ(model.bars[0].key, 0);
}

TEST_F(GraphModelsTest, BarLimitsAreTheRatesEnginesLimitsOfEachSeries) {
    GraphSettings s = bars(BarChartType::Registry, RateKind::AsrWorld);
    s.population = 0;
    s.cancers[kStomach] = kStomach;
    s.cancers[kLung] = kLung;
    EXPECT_TRUE(computeBarChart(store, s).limits.empty());
    const IntervalChoice gamma{IntervalMethod::Gamma, 90};
    const BarChartModel model = computeBarChart(store, s, classicStandards(), gamma);
    ASSERT_EQ(model.limits.size(), 2u);
    for (std::size_t i = 0; i < model.bars.size(); ++i) {
        ASSERT_TRUE(store.load(0, model.bars[i].key, Sex::Male));
        const RateWithInterval expected =
            computeRateWithInterval(store.series(), RateKind::AsrWorld, 0, kTopAgeGroup, gamma);
        ASSERT_TRUE(expected.interval.ok && model.limits[i].has_value());
        EXPECT_DOUBLE_EQ(model.limits[i]->lower, expected.interval.limits.lower);
        EXPECT_DOUBLE_EQ(model.limits[i]->upper, expected.interval.limits.upper);
        EXPECT_LT(model.limits[i]->lower, model.bars[i].value);
        EXPECT_GT(model.limits[i]->upper, model.bars[i].value);
    }

    // Counts: exact limits of the bar's own count (unknown ages left out); none when normal.
    GraphSettings counts = bars(BarChartType::Cancer, RateKind::NumberOfCases);
    counts.registries = test::selectPopulations({0});
    const IntervalChoice exactChoice{IntervalMethod::Exact, 95};
    const BarChartModel exact = computeBarChart(store, counts, classicStandards(), exactChoice);
    ASSERT_EQ(exact.limits.size(), 1u);
    ASSERT_TRUE(exact.limits[0].has_value());
    EXPECT_DOUBLE_EQ(exact.limits[0]->lower, exactPoissonLimits(171.0, 95).lower);
    EXPECT_DOUBLE_EQ(exact.limits[0]->upper, exactPoissonLimits(171.0, 95).upper);
    const BarChartModel normal =
        computeBarChart(store, counts, classicStandards(), IntervalChoice{});
    ASSERT_EQ(normal.limits.size(), 1u);
    EXPECT_FALSE(normal.limits[0].has_value());
}

TEST(BarMultiplier, ScalesTheLargestValueIntoFourDigits) {
    struct Case {
        double largest;
        double multiplier;
        const char* caption;
    };
    const std::vector<Case> cases = {{0.0005, 10000, "(x 10000)"},
                                     {0.005, 1000, "(x 1000)"},
                                     {0.05, 100, "(x 100)"},
                                     {0.5, 10, "(x 10)"},
                                     {50.0, 1, ""},
                                     {25000.0, 0.1, "(tens)"},
                                     {500000.0, 0.01, "(hundreds)"},
                                     {2e6, 0.001, "(thousands)"}};
    for (const auto& c : cases) {
        double multiplier = 0.0;
        std::string caption = "stale";
        chooseMultiplier(c.largest, multiplier, caption);
        EXPECT_DOUBLE_EQ(multiplier, c.multiplier) << c.largest;
        EXPECT_EQ(caption, c.caption) << c.largest;
    }
}

GraphSettings pie(int population, int sliceCount) {
    GraphSettings s;
    s.kind = GraphKind::PieChart;
    s.population = population;
    s.sex = Sex::Male;
    s.sliceCount = sliceCount;
    return s;
}

TEST_F(GraphModelsTest, PieShowsTheLargestSitesAndOtherCancers) {
    const PieChartModel model = computePieChart(store, pie(5, 5));
    ASSERT_EQ(model.slices.size(), 5u);
    const std::vector<int> expected = {kBreast, 17, 16, 15, PieSlice::kOtherCancers};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(model.slices[i].cancer, expected[i]) << i;
    }
    EXPECT_EQ(model.slices[0].label, "Breast");
    EXPECT_EQ(model.slices[4].label, "Other cancers");
    EXPECT_DOUBLE_EQ(model.slices[4].cases, 500.0 - 260.0);
    EXPECT_DOUBLE_EQ(model.total, 500.0);
    EXPECT_EQ(model.sums, (std::vector<double>{0, 80, 150, 210, 260, 500}));
    EXPECT_DOUBLE_EQ(model.percent(0), 16.0);
    EXPECT_EQ(model.sliceText(0), "80 (16.0%)");
    EXPECT_EQ(model.totalText(), "500 cases");
}

TEST_F(GraphModelsTest, PieWithTwoSites) {
    const PieChartModel more = computePieChart(store, pie(6, 11));
    ASSERT_EQ(more.slices.size(), 3u);
    EXPECT_EQ(more.slices[0].cancer, kStomach);
    EXPECT_EQ(more.slices[1].cancer, kLung);
    EXPECT_TRUE(more.slices[2].isOther());
    EXPECT_DOUBLE_EQ(more.slices[2].cases, 50.0);

    // The sites add up to more than all sites: no "Other cancers", shares of the shown sum.
    const PieChartModel fewer = computePieChart(store, pie(7, 11));
    ASSERT_EQ(fewer.slices.size(), 2u);
    EXPECT_DOUBLE_EQ(fewer.total, 50.0);
    EXPECT_DOUBLE_EQ(fewer.percent(0), 60.0);

    EXPECT_TRUE(computePieChart(store, pie(4, 5)).slices.empty());
    // The slice count stays within the colours: all eight sites and "Other", or one and "Other".
    EXPECT_EQ(computePieChart(store, pie(5, 40)).slices.size(), 9u);
    EXPECT_EQ(computePieChart(store, pie(5, 0)).slices.size(), 2u);
}

// Basis 1 averages over the registration years; basis 0 sums them, as groups always do.
TEST_F(GraphModelsTest, PyramidsOfPopulationsAndGroups) {
    const auto pyramid = [this](int population, int basis) {
        GraphSettings s;
        s.population = population;
        s.pyramidBasis = basis;
        return computePyramid(store, s);
    };
    const PyramidModel average = pyramid(8, 1);
    EXPECT_DOUBLE_EQ(average.male[0], 1000.0);
    EXPECT_DOUBLE_EQ(average.female[17], 1200.0);
    EXPECT_DOUBLE_EQ(average.maleTotal, 18000.0);
    EXPECT_DOUBLE_EQ(average.femaleTotal, 21600.0);
    // Largest share 1200 / 39600 = 3.03 %: steps of 1 up to 4.
    EXPECT_EQ(average.scale, (LinearScale{0.0, 4.0, 1.0}));
    EXPECT_DOUBLE_EQ(pyramid(8, 0).maleTotal, 90000.0);

    EXPECT_DOUBLE_EQ(pyramid(kGroup, 1).male[0], 20000.0);
    const PyramidModel shortOne = pyramid(1, 1);
    EXPECT_EQ(shortOne.lastAgeGroup, 15);
    EXPECT_EQ(shortOne.ageLabel(15), "75+");
    EXPECT_EQ(pyramid(4, 1).scale, LinearScale{}); // no person-years
}

TEST(TwoCurveModel, RatesOfBothCurvesOverTheComparedRange) {
    CurvePair pair;
    pair.ageLow = 2;
    pair.ageHigh = 5;
    for (std::size_t a = 0; a < 18; ++a) {
        pair.refPersonYears[a] = 20000.0;
        pair.compPersonYears[a] = 10000.0;
        pair.refCases[a] = static_cast<double>(a);
        pair.compCases[a] = 3.0;
    }
    pair.compPersonYears[4] = 0.0;
    TwoCurveModel model = makeTwoCurveModel(pair, false, "ref", "comp");
    EXPECT_DOUBLE_EQ(model.reference[2], 10.0);
    EXPECT_DOUBLE_EQ(model.comparison[3], 30.0);
    EXPECT_EQ(model.comparison[4], 0.0); // no person-years
    EXPECT_EQ(model.reference[6], 0.0);  // outside the range
    EXPECT_DOUBLE_EQ(model.largest, 30.0);
    EXPECT_DOUBLE_EQ(model.smallestNonZero, 10.0);
    EXPECT_EQ(TwoCurveModel::valueText(12.345), "   12.35");
    EXPECT_EQ(model.logScale(), (LogScale{10.0, 30.0, 1}));
    // Age labels: lower labels, the last one open only when the range ends in the open class.
    EXPECT_EQ(model.ageLabel(2), "10-");
    EXPECT_EQ(model.ageLabel(5), "25-");
    model = makeTwoCurveModel(pair, true, "ref", "comp");
    EXPECT_EQ(model.ageLabel(4), "20-");
    EXPECT_EQ(model.ageLabel(5), "25+");
}

} // namespace
} // namespace orvelan::test

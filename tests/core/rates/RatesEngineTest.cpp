#include "FixtureData.h"
#include "TempDir.h"
#include "core/data/CIncidenceStore.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace orvelan {
namespace {

using test::FixtureData;
using test::PopulationFixture;
using test::TempDir;

// Populations of the fixture, all with 100,000 person-years in each age group up to their top.
enum : int {
    kRising = 0,      // cases i + 1 in age group i, top 85+
    kTop75 = 1,       // the same cases, person-years only up to 75+
    kTop70 = 2,       // person-years only up to 70+
    kUnknownOnly = 3, // 10 cases, all of unknown age
    kWithUnknown = 4, // kRising plus 42.75 cases of unknown age: factor 1.25
    kZeroGroup = 5,   // 10 cases in every group, no person-years in 25-29
    kTenPercent = 6,  // 2000 cases in 0-4: cumulative rate 0-4 of 10%
};

constexpr double kPersonYears = 100000.0;

Series rising() {
    Series cases{};
    for (std::size_t i = 0; i < kKnownAgeGroupCount; ++i) {
        cases[i] = static_cast<double>(i + 1);
    }
    return cases;
}

struct RatesTest : ::testing::Test {
    static void SetUpTestSuite() {
        dir = new TempDir;
        FixtureData data;
        const auto add = [&data](int population, int top, const Series& cases,
                                 int emptyGroup = -1) {
            PopulationFixture record;
            record.personYears = FixtureData::flatPersonYears(kPersonYears, top);
            if (emptyGroup >= 0) {
                record.personYears[static_cast<std::size_t>(emptyGroup)] = 0.0;
            }
            data.setPopulation(population, 0, record);
            data.setCases(population, 0, 0, {cases, 100.0f});
        };
        add(kRising, 17, rising());
        add(kTop75, 15, rising());
        add(kTop70, 14, rising());
        Series unknownOnly{};
        unknownOnly[kUnknownAgeGroup] = 10.0;
        add(kUnknownOnly, 17, unknownOnly);
        Series withUnknown = rising();
        withUnknown[kUnknownAgeGroup] = 42.75;
        add(kWithUnknown, 17, withUnknown);
        Series flat{};
        flat.fill(10.0);
        flat[kUnknownAgeGroup] = 0.0;
        add(kZeroGroup, 17, flat, 5);
        Series tenPercent{};
        tenPercent[0] = 2000.0;
        add(kTenPercent, 17, tenPercent);
        data.write(dir->str());
    }
    static void TearDownTestSuite() { delete dir; }

    void SetUp() override { ASSERT_TRUE(store.open(dir->str())); }

    void load(int population) { ASSERT_TRUE(store.load(population, 0, Sex::Male)); }

    static TempDir* dir;
    CIncidenceStore store;
};

TempDir* RatesTest::dir = nullptr;

struct RateCase {
    const char* what;
    int population;
    RateKind kind;
    int from;
    int to;
    bool ok;
    double value;
    double se;
};

// Expected values worked out independently from the definitions (rates per 100,000,
// cumulative figures in percent).
const std::vector<RateCase> kRateCases = {
    {"crude all ages", kRising, RateKind::CrudeRate, 0, 17, true, 9.5, 0.7264831572567789},
    {"World ASR all ages", kRising, RateKind::AsrWorld, 0, 17, true, 6.475, 0.6103072996450228},
    {"World ASR 15-85+ rescaled by 0.69", kRising, RateKind::AsrWorld, 3, 17, true,
     8.528985507246375, 0.8118206205910288},
    {"European ASR", kRising, RateKind::AsrEuropean, 0, 17, true, 7.68, 0.6681317235396023},
    {"cumulative 0-74", kRising, RateKind::CumulativeRate, 0, 14, true, 0.6, 0.05477225575051661},
    {"cumulative 0-64", kRising, RateKind::CumulativeRate, 0, 12, true, 0.455, 0.04769696007084729},
    {"cumulative to the open top", kRising, RateKind::CumulativeRate, 0, 17, false, -1, -1},
    {"cases all ages", kRising, RateKind::NumberOfCases, 0, 17, true, 171, 0},
    {"cases 80-84", kRising, RateKind::NumberOfCases, 16, 16, true, 17, 0},
    {"75+: ASR folds 80-84 and 85+", kTop75, RateKind::AsrWorld, 0, 17, true, 7.16,
     0.6248199740725322},
    {"75+: range ending in the open class", kTop75, RateKind::AsrWorld, 0, 15, false, -1, -1},
    {"75+: closed range below it", kTop75, RateKind::AsrWorld, 0, 14, true, 6.265306122448976,
     0.6206900541120629},
    {"75+: crude all ages", kTop75, RateKind::CrudeRate, 0, 17, true, 10.6875, 0.8172935519138763},
    {"75+: range above the top", kTop75, RateKind::CrudeRate, 16, 17, false, -1, -1},
    {"75+: cumulative 0-74", kTop75, RateKind::CumulativeRate, 0, 14, true, 0.6,
     0.05477225575051661},
    {"70+: cumulative 0-74", kTop70, RateKind::CumulativeRate, 0, 14, false, -1, -1},
    {"70+: cumulative risk 0-74", kTop70, RateKind::CumulativeRisk, 0, 14, false, -1, -1},
    {"unknown only: crude all ages", kUnknownOnly, RateKind::CrudeRate, 0, 17, true,
     0.5555555555555556, 0.17568209223157663},
    {"unknown only: crude 0-84", kUnknownOnly, RateKind::CrudeRate, 0, 16, true, 0, 0},
    {"unknown only: ASR", kUnknownOnly, RateKind::AsrWorld, 0, 17, true, 0, 0},
    {"unknown only: cases all ages", kUnknownOnly, RateKind::NumberOfCases, 0, 17, true, 10, 0},
    {"unknown only: cases 0-84", kUnknownOnly, RateKind::NumberOfCases, 0, 16, true, 0, 0},
    {"factor 1.25: crude is not scaled", kWithUnknown, RateKind::CrudeRate, 0, 17, true, 11.875,
     0.8122328620674136},
    {"factor 1.25: ASR", kWithUnknown, RateKind::AsrWorld, 0, 17, true, 6.475 * 1.25,
     0.6103072996450228 * 1.25},
    {"factor 1.25: cumulative", kWithUnknown, RateKind::CumulativeRate, 0, 14, true, 0.75,
     0.05477225575051661 * 1.25},
    {"risk of a 10% cumulative rate", kTenPercent, RateKind::CumulativeRisk, 0, 0, true,
     9.51625819640405, 0.22335698398485704},
    {"no person-years in 25-29: ASR", kZeroGroup, RateKind::AsrWorld, 0, 17, true, 9.2,
     0.827949273808486},
    {"no person-years in 25-29: crude", kZeroGroup, RateKind::CrudeRate, 0, 17, true,
     10.588235294117647, 0.7892004626469845},
    {"no person-years in 25-29: cumulative", kZeroGroup, RateKind::CumulativeRate, 0, 14, true, 0.7,
     0.059160797830996155},
    {"reversed range", kRising, RateKind::CrudeRate, 5, 4, false, -1, -1},
    {"range past 85+", kRising, RateKind::AsrWorld, 0, 18, false, -1, -1},
};

TEST_F(RatesTest, EveryKindWithItsStandardError) {
    for (const auto& c : kRateCases) {
        load(c.population);
        const RateResult result = store.computeRate(c.kind, c.from, c.to);
        EXPECT_EQ(result.ok, c.ok) << c.what;
        EXPECT_NEAR(result.value, c.value, 1e-9 * std::max(1.0, std::abs(c.value))) << c.what;
        EXPECT_NEAR(result.se, c.se, 1e-9) << c.what;
    }
}

TEST_F(RatesTest, OperationsReturnZeroOrOneAndMinusOne) {
    load(kTop75);
    EXPECT_EQ(store.asr(0, 15, StandardCode::World), 1);
    EXPECT_EQ(store.asrResult(), -1.0);
    EXPECT_EQ(store.asrSe(), -1.0);
    EXPECT_EQ(store.cumulativeRisk(0, 15), 1);
    EXPECT_EQ(store.cumulativeRiskResult(), -1.0);
    EXPECT_EQ(store.cumulativeRiskSe(), -1.0);
    EXPECT_EQ(store.asr(0, 14, StandardCode::CumulativeWidths), 1); // codes 3 and 4 have no weights
    EXPECT_EQ(store.crudeRate(0, 14), 0);
    EXPECT_EQ(store.personYearsSum(), 15 * kPersonYears);
    EXPECT_EQ(store.numberOfCases(0, 18), 0);
    EXPECT_EQ(store.numberOfCasesResult(), 171.0);
    EXPECT_EQ(store.numberOfCases(0, 19), 1);
    EXPECT_EQ(store.numberOfCasesResult(), -1.0);
}

TEST_F(RatesTest, TopFoldingMovesCasesAndWeightsIntoTheOpenClass) {
    load(kTop75);
    ASSERT_EQ(store.asr(0, 17, StandardCode::World), 0);
    EXPECT_EQ(store.cases()[15], 16.0 + 17.0 + 18.0);
    EXPECT_EQ(store.cases()[16], 0.0);
    EXPECT_DOUBLE_EQ(store.weights()[15], 0.02);
    EXPECT_EQ(store.weights()[17], 0.0);
    EXPECT_DOUBLE_EQ(store.ageSpecificRates()[15], 51.0);
    // Folding twice is harmless, and a second standard rewrites the weights.
    ASSERT_EQ(store.asr(0, 17, StandardCode::World), 0);
    EXPECT_DOUBLE_EQ(store.asrResult(), 7.16);
    ASSERT_EQ(store.asr(0, 17, StandardCode::European), 0);
    EXPECT_DOUBLE_EQ(store.weights()[15], 0.04);
}

// A figure on the series as loaded does not see the folding of an earlier figure: the cases of
// 80-84 stay in their own group, and the series is left as it was loaded.
TEST_F(RatesTest, FiguresOnTheLoadedSeriesIgnoreEarlierFolding) {
    load(kTop75);
    const Series loaded = store.cases();
    ASSERT_TRUE(store.computeRateOnLoaded(RateKind::CrudeRate, 0, 17).ok);
    EXPECT_EQ(store.cases(), loaded);
    const RateResult cases8084 = store.computeRateOnLoaded(RateKind::NumberOfCases, 16, 16);
    EXPECT_TRUE(cases8084.ok);
    EXPECT_EQ(cases8084.value, 17.0);
    // The folding form, by contrast, has emptied the group.
    ASSERT_TRUE(store.computeRate(RateKind::CrudeRate, 0, 17).ok);
    EXPECT_EQ(store.computeRate(RateKind::NumberOfCases, 16, 16).value, 0.0);
}

// The figures of one series share work between them; none may come out different for what
// was computed or loaded before it. Each figure of a store used for everything, in an order
// that mixes series, ranges to the open top and typed-in curves, must equal the figure of a
// store that computes nothing else, to the last bit.
TEST_F(RatesTest, AFigureDoesNotDependOnWhatWasComputedBefore) {
    const auto alone = [](int population, RateKind kind, int from, int to) {
        CIncidenceStore fresh;
        EXPECT_TRUE(fresh.open(dir->str()));
        EXPECT_TRUE(fresh.load(population, 0, Sex::Male));
        return fresh.computeRateOnLoaded(kind, from, to);
    };
    const int ranges[][2] = {{0, 17}, {0, 14}, {3, 17}, {16, 16}, {15, 17}};
    for (int round = 0; round < 2; ++round) {
        for (const int population : {kTop75, kRising, kWithUnknown, kZeroGroup, kTop70}) {
            load(population);
            for (int kind = kRateKindCount - 1; kind >= 0; --kind) {
                for (const auto& range : ranges) {
                    const auto rateKind = static_cast<RateKind>(kind);
                    const RateResult shared =
                        store.computeRateOnLoaded(rateKind, range[0], range[1]);
                    const RateResult single = alone(population, rateKind, range[0], range[1]);
                    EXPECT_EQ(shared.ok, single.ok);
                    EXPECT_EQ(shared.value, single.value) << population << " kind " << kind;
                    EXPECT_EQ(shared.se, single.se) << population << " kind " << kind;
                }
            }
        }
        // A curve typed in over the same person-years replaces the series in full.
        AgeArray cases{};
        AgeArray personYears{};
        cases.fill(round == 0 ? 50.0 : 5.0);
        personYears.fill(kPersonYears);
        store.setUserSeries(cases, personYears);
        EXPECT_DOUBLE_EQ(store.computeRate(RateKind::CrudeRate, 0, 14).value,
                         round == 0 ? 50.0 : 5.0);
    }
}

TEST_F(RatesTest, StandardCodesFillTheirTables) {
    store.setStandard(StandardCode::Third);
    EXPECT_DOUBLE_EQ(store.weights()[0], 0.088);
    double sum = 0.0;
    for (double w : store.weights()) {
        sum += w;
    }
    EXPECT_NEAR(sum, 1.0, 1e-12);
    store.setStandard(StandardCode::CumulativeWidthsToo);
    EXPECT_EQ(store.cumulativeWidths()[17], 5.0);
    store.setStandard(static_cast<StandardCode>(7)); // unknown codes leave both tables
    EXPECT_DOUBLE_EQ(store.weights()[0], 0.088);
    EXPECT_EQ(store.cumulativeWidths()[0], 5.0);
}

} // namespace
} // namespace orvelan

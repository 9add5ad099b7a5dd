#include "core/data/Series.h"
#include "core/rates/SeriesRates.h"
#include "core/rates/StandardWeights.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

// The rates as pure functions of Series values: no files.
namespace orvelan {
namespace {

// Series with 100,000 person-years in each age group up to their top.
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

AgeValues rising() {
    AgeValues cases{};
    for (std::size_t i = 0; i < kKnownAgeGroupCount; ++i) {
        cases[i] = static_cast<double>(i + 1);
    }
    return cases;
}

/// A series as the loader gives it: flat person-years up to top, the factor from the cases.
Series seriesOf(int top, const AgeValues& cases, int emptyGroup = -1) {
    Series series;
    for (int i = 0; i <= top; ++i) {
        series.personYears[static_cast<std::size_t>(i)] = i == emptyGroup ? 0.0 : kPersonYears;
    }
    series.lastAgeGroup = top;
    series.cases = cases;
    series.unknownAgeFactor = unknownAgeFactorOf(cases);
    return series;
}

Series fixture(int which) {
    AgeValues cases{};
    switch (which) {
    case kTop75:
        return seriesOf(15, rising());
    case kTop70:
        return seriesOf(14, rising());
    case kUnknownOnly:
        cases[kUnknownAgeGroup] = 10.0;
        return seriesOf(17, cases);
    case kWithUnknown:
        cases = rising();
        cases[kUnknownAgeGroup] = 42.75;
        return seriesOf(17, cases);
    case kZeroGroup:
        cases.fill(10.0);
        cases[kUnknownAgeGroup] = 0.0;
        return seriesOf(17, cases, 5);
    case kTenPercent:
        cases[0] = 2000.0;
        return seriesOf(17, cases);
    default:
        return seriesOf(17, rising());
    }
}

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

TEST(SeriesRates, EveryKindWithItsStandardError) {
    for (const auto& c : kRateCases) {
        const Series series = fixture(c.population);
        const RateResult result = computeRate(series, c.kind, c.from, c.to);
        EXPECT_EQ(result.ok, c.ok) << c.what;
        EXPECT_NEAR(result.value, c.value, 1e-9 * std::max(1.0, std::abs(c.value))) << c.what;
        EXPECT_NEAR(result.se, c.se, 1e-9) << c.what;
    }
}

// The six at once are each figure alone, to the bit, whatever the range and the weights.
TEST(SeriesRates, AllSixAtOnceAreEachFigureAlone) {
    const AgeArray own = kThirdStandardWeights;
    for (int which = kRising; which <= kTenPercent; ++which) {
        const Series series = fixture(which);
        for (const auto& [from, to] : {std::pair{0, 17}, {0, 14}, {3, 17}, {16, 16}, {15, 17}}) {
            const SeriesFigures all = computeRates(series, from, to, &own, nullptr);
            for (int kind = 0; kind < kRateKindCount; ++kind) {
                const auto rateKind = static_cast<RateKind>(kind);
                const RateResult alone = computeRate(
                    series, rateKind, from, to, rateKind == RateKind::AsrWorld ? &own : nullptr);
                const RateResult& shared = all[static_cast<std::size_t>(kind)];
                EXPECT_EQ(shared.ok, alone.ok) << which << " kind " << kind;
                EXPECT_EQ(shared.value, alone.value) << which << " kind " << kind;
                EXPECT_EQ(shared.se, alone.se) << which << " kind " << kind;
            }
        }
    }
}

TEST(SeriesRates, DeclinedFiguresAreMinusOneAndRawFiguresAreNotFolded) {
    const Series series = fixture(kTop75);
    for (const RateResult& declined :
         {asr(series, 0, 15, kWorldWeights), cumulativeRisk(series, 0, 15),
          numberOfCases(series, 0, 19), crudeRate(series, 16, 17)}) {
        EXPECT_FALSE(declined.ok);
        EXPECT_EQ(declined.value, -1.0);
        EXPECT_EQ(declined.se, -1.0);
    }
    EXPECT_EQ(crudePersonYears(series, 0, 14), 15 * kPersonYears);
    EXPECT_EQ(crudePersonYears(series, 0, 17), 16 * kPersonYears);
    EXPECT_EQ(numberOfCases(series, 0, 18).value, 171.0);
    // The count of 80-84 is its own, whatever a range to the open top folds.
    EXPECT_EQ(numberOfCases(series, 16, 16).value, 17.0);
}

TEST(SeriesRates, TheOpenTopTakesTheCasesAndWeightsAboveIt) {
    const Series loaded = fixture(kTop75);
    const Series folded = foldedAtTop(loaded);
    EXPECT_EQ(folded.cases[15], 16.0 + 17.0 + 18.0);
    EXPECT_EQ(folded.cases[16], 0.0);
    EXPECT_EQ(folded.cases[kUnknownAgeGroup], loaded.cases[kUnknownAgeGroup]);
    EXPECT_EQ(foldedAtTop(folded).cases, folded.cases);
    EXPECT_DOUBLE_EQ(ageSpecificRates(loaded)[15], 51.0);
    EXPECT_EQ(ageSpecificRates(loaded)[16], 0.0);
    // The ASR to the open top weighs 75+ with 0.02 (0.01 + 0.005 + 0.005): World 7.16.
    AgeArray weights = kWorldWeights;
    foldIntoOpenClass(weights, 15);
    EXPECT_DOUBLE_EQ(weights[15], 0.02);
    EXPECT_DOUBLE_EQ(asr(loaded, 0, 17, kWorldWeights).value, 7.16);
    // Figures leave their series as it was: the same figure twice is the same to the bit.
    EXPECT_EQ(loaded.cases, fixture(kTop75).cases);
    EXPECT_EQ(asr(loaded, 0, 17, kEuropeanWeights).value,
              asr(loaded, 0, 17, kEuropeanWeights).value);
}

// A curve typed in by the user: open at its highest group with person-years, no unknown ages.
TEST(SeriesRates, TypedInCurve) {
    AgeArray cases{};
    AgeArray personYears{};
    cases.fill(50.0);
    personYears.fill(kPersonYears);
    personYears[16] = 0.0;
    personYears[17] = 0.0;
    const Series typed = userSeries(cases, personYears);
    EXPECT_EQ(typed.lastAgeGroup, 15);
    EXPECT_EQ(typed.unknownAgeFactor, 1.0);
    EXPECT_DOUBLE_EQ(crudeRate(typed, 0, 14).value, 50.0);
    // 85+ and 80-84 fold into 75+: 150 cases over its 100,000 person-years.
    EXPECT_DOUBLE_EQ(ageSpecificRates(typed)[15], 150.0);
    EXPECT_EQ(userSeries(AgeArray{}, AgeArray{}).lastAgeGroup, 0);
}

TEST(SeriesRates, StandardTablesSumToOne) {
    for (const StandardCode code :
         {StandardCode::World, StandardCode::European, StandardCode::Third}) {
        double sum = 0.0;
        for (double w : *standardWeights(code)) {
            sum += w;
        }
        EXPECT_NEAR(sum, 1.0, 1e-12);
    }
    EXPECT_EQ(standardWeights(StandardCode::CumulativeWidths), nullptr);
    EXPECT_EQ(&asrWeightsOf(RateKind::AsrEuropean, nullptr), &kEuropeanWeights);
}

} // namespace
} // namespace orvelan

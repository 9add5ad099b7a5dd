#include "ComparisonCounts.h"
#include "KnownCodes.h"
#include "OpenStore.h"
#include "TextLines.h"
#include "core/data/CCancerDictionary.h"
#include "core/data/CRegistryDictionary.h"
#include "core/rates/ComparisonLayouts.h"
#include "core/rates/ComparisonTexts.h"
#include "core/rates/SeveralCurveComparison.h"
#include "core/rates/TwoCurveComparison.h"
#include "core/rates/UserCurve.h"

#include <gtest/gtest.h>
#include <vector>

namespace orvelan::test {
namespace {

constexpr int kFemaleOnlyCancer = 116;

// Population 0 is the reference (males) and, in its females, the comparison; population 1 the
// comparison; population 2 the comparison with its oldest class at 75+. The reference's 6 cases
// of unknown age give it the unknown-age factor 616 / 610.
struct ComparisonStoreTest : ::testing::Test, test::OpenStore {
    void SetUp() override {
        FixtureData data;
        const auto add = [&data](int population, int sex, const AgeValues& personYears,
                                 const AgeValues& cases) {
            data.setPopulation(population, sex, PopulationFixture{1993, 1997, personYears});
            data.setCases(population, sex, kAllSites, CasesFixture{cases});
            data.setCases(population, sex, kFemaleOnlyCancer, CasesFixture{cases});
        };
        add(0, 0, kRefPersonYears, kRefCases);
        add(0, 1, kCompPersonYears, kCompCases);
        add(1, 0, kCompPersonYears, kCompCases);
        add(2, 0, test::compPersonYearsTo75(), kCompCases);
        ASSERT_TRUE(open(data));
    }

    CurvePair request(int compPopulation, int ageLow, int ageHigh) const {
        CurvePair pair;
        pair.refPopulation = 0;
        pair.compPopulation = compPopulation;
        pair.refCancer = pair.compCancer = kAllSites;
        pair.ageLow = ageLow;
        pair.ageHigh = ageHigh;
        return pair;
    }

    /// The lines of the tab-delimited result of a run.
    static std::vector<std::string> tabLines(const CurvePair& pair, const ComparisonRun& run) {
        return linesOf(comparisonText(pair, run.texts, ComparisonLayout::TabDelimited));
    }
};

// Expected figures computed independently to 40 digits from the same counts.
TEST_F(ComparisonStoreTest, ComparesTwoLoadedCurvesOverAllAges) {
    CurvePair pair = request(1, 0, 17);
    const ComparisonRun run = runComparison(pair, store, nullptr);
    ASSERT_EQ(run.last, 17);
    EXPECT_NEAR(pair.asrRef, 146.42958769163805, 1e-9);
    EXPECT_NEAR(pair.seRef, 4.707949136990746, 1e-11);
    EXPECT_NEAR(pair.asrComp, 199.51868375452338, 1e-9);
    EXPECT_NEAR(pair.rrMH, 1.3568936396257213, 1e-13);
    EXPECT_NEAR(pair.chi2MHC, 40.986350272923531, 1e-10);
    EXPECT_EQ(pair.refCases[17], 77.0); // copied before the rates engine folds anything
    EXPECT_EQ(run.texts.comparison, " France, La Reunion: All sites-Male");
}

TEST_F(ComparisonStoreTest, ComparesOverAClosedRange) {
    CurvePair pair = request(1, 4, 12);
    const ComparisonRun run = runComparison(pair, store, nullptr);
    ASSERT_EQ(run.last, 12);
    EXPECT_EQ(run.texts.ageRange, "20-64");
    const std::vector<std::string> lines = tabLines(pair, run);
    ASSERT_EQ(lines.size(), 19u);
    EXPECT_EQ(lines[6], "Comparison:\t186.01\t(10.196)");
    EXPECT_EQ(lines[11], "Mantel & Haenszel\t1.4417\t0.3658\t0.0738");
    EXPECT_EQ(lines[17], "Heterogeneity test\t0.999868\t0.4983\t8");
}

TEST_F(ComparisonStoreTest, CutsAtTheComparisonsOpenClassAndWarns) {
    CurvePair pair = request(2, 0, 17);
    const ComparisonRun run = runComparison(pair, store, nullptr);
    ASSERT_EQ(run.last, 15);
    EXPECT_EQ(pair.ageHigh, 15);
    EXPECT_EQ(run.texts.ageRange, " 0-75+ Warning, check population figures");
    EXPECT_EQ(pair.refCases[15], 138.0 + 101.0 + 77.0);
    EXPECT_EQ(pair.compCases[15], 95.0 + 70.0 + 44.0);
    const std::vector<std::string> lines = tabLines(pair, run);
    ASSERT_EQ(lines.size(), 19u);
    EXPECT_EQ(lines[2], "Age range:  0-75+ Warning, check population figures");
    EXPECT_EQ(lines[6], "Comparison:\t199.25\t(7.345)");
    EXPECT_EQ(lines[11], "Mantel & Haenszel\t1.3552\t0.3040\t0.0478");
    EXPECT_EQ(lines[17], "Heterogeneity test\t0.994693\t4.6507\t15");
    EXPECT_EQ(lines[18], "Trend test\t0.377553\t0.7787\t1");
}

TEST_F(ComparisonStoreTest, TakesTheTypedInCurveWithItsOwnOpenClass) {
    UserCurve curve;
    curve.title = "Typed curve";
    for (std::size_t j = 0; j <= 14; ++j) {
        curve.personYears[j] = kCompPersonYears[j];
        curve.cases[j] = kCompCases[j];
    }
    curve.cases[14] = 112 + 95 + 70 + 44; // 70 and over
    CurvePair pair = request(-1, 0, 17);
    pair.userComparison = 2;
    const ComparisonRun run = runComparison(pair, store, &curve);
    ASSERT_EQ(run.last, 14);
    EXPECT_EQ(run.texts.comparison, "Typed curve");
    EXPECT_EQ(run.texts.ageRange, " 0-70+ Warning, check population figures");
    const std::vector<std::string> lines = tabLines(pair, run);
    ASSERT_EQ(lines.size(), 19u);
    EXPECT_EQ(lines[1], "Comparison: Typed curve");
    EXPECT_EQ(lines[6], "Comparison:\t302.58\t(11.418)");
    EXPECT_EQ(lines[12], "Maximum likelihood\t1.9810\t0.6836\t0.0491");
    EXPECT_EQ(lines[18], "Trend test\t0.000000\t32.0406\t1");

    CurvePair withoutCurve = request(-1, 0, 17);
    withoutCurve.userComparison = 2;
    EXPECT_FALSE(runComparison(withoutCurve, store, nullptr).ok());
}

TEST_F(ComparisonStoreTest, FailuresLeaveNoDataAvailable) {
    struct Case {
        int refPopulation, ageLow, ageHigh;
        const char* why;
    };
    const Case cases[] = {
        {0, 0, 1, "two age groups"},
        {0, 3, 16, "80-84 is the comparison's open class 75+"},
        {7, 0, 17, "the reference has no cases: its ASR is 0"},
    };
    for (const Case& c : cases) {
        CurvePair pair = request(2, c.ageLow, c.ageHigh);
        pair.refPopulation = c.refPopulation;
        const ComparisonRun run = runComparison(pair, store, nullptr);
        EXPECT_FALSE(run.ok()) << c.why;
        EXPECT_EQ(run.texts.ageRange, "No data available!") << c.why;
        EXPECT_EQ(pair.ageHigh, c.ageHigh) << c.why;
        EXPECT_EQ(pair.rrMH, -1.0) << c.why;
    }
}

TEST_F(ComparisonStoreTest, AComparisonWithoutDataHasNoRatio) {
    CurvePair pair = request(7, 0, 17);
    const ComparisonRun run = runComparison(pair, store, nullptr);
    ASSERT_TRUE(run.ok());
    EXPECT_EQ(pair.asrComp, 0.0);
    EXPECT_EQ(pair.rrMH, -1.0); // no comparison person-years anywhere: den = 0
    EXPECT_EQ(pair.rrML, -1.0);
    EXPECT_EQ(pair.dfMHC, -1);
    EXPECT_EQ(resultCellText(pair, ResultList::Asr, 2, 2), "  0.000");
}

TEST_F(ComparisonStoreTest, BothSexesAddTheTwoLoads) {
    CurvePair pair = request(1, 0, 17);
    pair.refSex = 2;
    const ComparisonRun run = runComparison(pair, store, nullptr);
    ASSERT_TRUE(run.ok());
    EXPECT_EQ(run.texts.reference, " Algeria, Algiers: All sites-Both sexes");
    EXPECT_EQ(pair.refCases[9], 45.0 + 40.0);
    EXPECT_EQ(pair.refPersonYears[0], 52000.0 + 30000.0);
}

TEST_F(ComparisonStoreTest, LabelsLeaveOutTheSexOfOneSexCancers) {
    EXPECT_EQ(curveLabel(store, 0, kFemaleOnlyCancer, Sex::Female, 17),
              " Algeria, Algiers: " + CCancerDictionary::label(kFemaleOnlyCancer));
    EXPECT_EQ(curveLabel(store, 1, kAllSites, Sex::Both, 3),
              " France, La Reunion: All sites-Children");
    EXPECT_EQ(curveLabel(store, 1, kAllSites, Sex::Female, 4),
              " France, La Reunion: All sites-Female");
    ASSERT_TRUE(cancerGroups.append("Female organs", {kFemaleOnlyCancer}));
    ASSERT_TRUE(cancerGroups.append("Mixed", {kAllSites, kFemaleOnlyCancer}));
    ASSERT_TRUE(registryGroups.append("Two islands  ", {0, 1}));
    EXPECT_EQ(curveLabel(store, 272, 252, Sex::Female, 17), "Two islands: Female organs");
    EXPECT_EQ(curveLabel(store, 272, 253, Sex::Female, 17), "Two islands: Mixed-Female");
}

TEST_F(ComparisonStoreTest, SirOfATopAt75IsSummedTo75ForBothCurves) {
    const SirRequest request{kAllSites, 0, Sex::Male, 0, 17};
    const SirRow row = ComputeSIR(store, request, 2);
    double expected = 0.0;
    for (std::size_t j = 0; j < 15; ++j) {
        expected += kCompPersonYears[j] * kRefCases[j] / kRefPersonYears[j];
    }
    expected += (5500.0 + 3500 + 2000) * (138.0 + 101 + 77) / (10000.0 + 6500 + 4000);
    EXPECT_DOUBLE_EQ(row.observed, 765.0);
    EXPECT_NEAR(row.expected, expected, 1e-10);
    EXPECT_FALSE(ComputeSIR(store, {kAllSites, 0, Sex::Male, 3, 15}, 2).available());
    EXPECT_TRUE(ComputeSIR(store, {kAllSites, 0, Sex::Male, 3, 14}, 2).available());
}

TEST_F(ComparisonStoreTest, SeveralTitleNamesReferenceCancerSexAndAges) {
    struct Case {
        SirRequest request;
        std::string title;
    };
    const Case cases[] = {
        {{kAllSites, 0, Sex::Male, 0, 12}, " Algeria, Algiers: All sites-Male (age  0-64)"},
        {{kAllSites, 0, Sex::Male, 17, 17}, " Algeria, Algiers: All sites-Male (age 85+)"},
        {{kAllSites, 1, Sex::Both, 0, 3}, " France, La Reunion: All sites-Children (age  0-19)"},
        {{kFemaleOnlyCancer, 0, Sex::Female, 3, 17},
         " Algeria, Algiers: " + CCancerDictionary::label(kFemaleOnlyCancer) + " (age 15-85+)"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(severalTitle(store, c.request), c.title);
    }
}

TEST(SeveralPopulationList, TakesPopulationsOfDictionaryRowsAndUserGroups) {
    SelectionList selection = test::selectPopulations({2, 0, 273});
    selection[0] = 0; // the caption row stands for no population
    const bool inOrder = test::rowOf(0) < test::rowOf(2);
    const std::vector<int> expected = {inOrder ? 0 : 2, inOrder ? 2 : 0, 273};
    EXPECT_EQ(CRegistryDictionary::populationNumber(0), CRegistryDictionary::kNoPopulation);
    EXPECT_EQ(severalPopulationList(selection), expected);
}

} // namespace
} // namespace orvelan::test

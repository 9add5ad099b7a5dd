#include "core/analysis/StatsWizardTexts.h"

#include "FixtureData.h"
#include "KnownCodes.h"
#include "TempDir.h"
#include "core/data/CIncidenceStore.h"

#include <gtest/gtest.h>

namespace orvelan {
namespace {

using orvelan::test::kChangle;
using orvelan::test::kStomach;

class StatsWizardTexts : public ::testing::Test {
  protected:
    void SetUp() override {
        test::FixtureData data;
        test::PopulationFixture full;
        full.personYears = test::FixtureData::flatPersonYears(1000.0);
        test::PopulationFixture shortTop;
        shortTop.personYears = test::FixtureData::flatPersonYears(1000.0, 15);
        data.setPopulation(0, 0, full);
        data.setPopulation(kChangle, 0, shortTop);
        data.write(m_dir.str());
        ASSERT_TRUE(m_store.open(m_dir.str()));
    }

    test::TempDir m_dir;
    CIncidenceStore m_store;
};

TEST_F(StatsWizardTexts, DescribesTheReferenceInFourLines) {
    struct Case {
        int sex, ageLow, ageHigh;
        const char* tail;
    };
    const Case cases[] = {
        {0, 0, 17, "Male\r\n(All ages)"},
        {1, 17, 17, "Female\r\nage (85+)"},
        {0, 2, 14, "Male\r\nage (10-74)"},
        {1, 0, 3, "Girls\r\nage ( 0-19)"}, // children's forms up to 15-19
        {0, 1, 4, "Male\r\nage ( 5-24)"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(
            referenceDescription(m_store, 0, kStomach, *sexFromIndex(c.sex), c.ageLow, c.ageHigh),
            std::string(" Algeria, Algiers\r\nStomach\r\n") + c.tail)
            << c.ageLow << "-" << c.ageHigh;
    }
}

TEST_F(StatsWizardTexts, ClosedRangeMustEndBelowTheOpenTopClass) {
    struct Case {
        int population, ageHigh;
        bool refused;
    };
    const Case cases[] = {
        {kChangle, 16, true},  // 80-84 lies inside 75+
        {kChangle, 15, true},  // 75-79 is the open class itself
        {kChangle, 14, false}, //
        {kChangle, 17, false}, // 85+ is cut at 75+ by the comparison
        {0, 16, false},
    };
    for (const Case& c : cases) {
        const auto message =
            checkPopulationRange(m_store, c.population, kStomach, Sex::Male, c.ageHigh);
        EXPECT_EQ(message.has_value(), c.refused) << c.population << " to " << c.ageHigh;
        if (message) {
            EXPECT_EQ(*message, "Selected population and age range are not compatible.\r\n"
                                "Check population figures.");
        }
    }
}

TEST(TypedCurve, FieldsRatesAndTotal) {
    EXPECT_EQ(typedNumber("12"), 12.0);
    EXPECT_EQ(typedNumber("12abc"), 12.0);
    EXPECT_EQ(typedNumber("abc"), 0.0);
    EXPECT_EQ(typedNumber(""), 0.0);
    EXPECT_EQ(typedNumber(" 2.5e3"), 2500.0);

    EXPECT_EQ(typedRowRate(7.0, 30000.0), 7.0 * 100000.0 / 30000.0);
    EXPECT_EQ(typedRowRate(0.0, 5000.0), 0.0);
    EXPECT_FALSE(typedRowRate(7.0, 0.0).has_value());

    AgeArray cases{};
    AgeArray personYears{};
    EXPECT_EQ(typedCurveTotal(cases, personYears), "0/\r\n0\r\n0.00");
    cases[0] = 12.0;
    cases[5] = 3.0; // cases without person-years still count
    personYears[0] = 40000.0;
    personYears[1] = 20000.0;
    EXPECT_EQ(typedCurveTotal(cases, personYears), "15/\r\n60000\r\n25.00");
}

} // namespace
} // namespace orvelan

#include "CliSupport.h"

#include <cmath>

namespace orvelan::test {
namespace {

// Population 0: 1,000 person-years in every group 0-17 for each sex; all sites (cancer 0) has
// one case per group in males and two in females.
class CliOnFixture : public CliTest {
  protected:
    void SetUp() override {
        FixtureData data;
        addFlatPopulation(data, 0, 1000.0, 17, oneMaleTwoFemale);
        data.write(m_dir.str());
    }
};

TEST_F(CliTest, DictionariesPrintWithoutDataFiles) {
    const auto rows = json({"dict", "registries", "--json"});
    ASSERT_EQ(rows.size(), 272u);
    EXPECT_EQ(rows[264]["label"], " New Zealand");
    EXPECT_TRUE(rows[0]["population"].is_null());

    const auto cancerRows = json({"dict", "cancers", "--json"});
    ASSERT_EQ(cancerRows.size(), 252u);
    EXPECT_EQ(cancerRows[5]["label"], "Tongue, base of");
    EXPECT_EQ(cancerRows[117]["males"], false);
    EXPECT_EQ(cancerRows[19]["standard_row"], 7);

    EXPECT_NE(run({"dict", "cancers"}).out.find("Lymphoid leukaemia acute"), std::string::npos);
}

TEST_F(CliOnFixture, SeriesGivesTheLoadedRecord) {
    const auto series =
        json({"series", "--population", "0", "--cancer", "0", "--sex", "1", "--json"});
    EXPECT_EQ(series["cases"].size(), 19u);
    EXPECT_EQ(series["cases"][0], 2.0);
    EXPECT_EQ(series["cases"][18], 0.0);
    EXPECT_EQ(series["person_years"][17], 1000.0);
    EXPECT_EQ(series["last_age_group"], 17);
    EXPECT_EQ(series["unknown_age_factor"], 1.0);
    EXPECT_EQ(series["first_year"], 1990);
}

TEST_F(CliOnFixture, RatesOfBothSexesAddTheTwoLoads) {
    const auto rates = json({"rates", "--population", "0", "--cancer", "0", "--sex", "both",
                             "--from", "0", "--to", "17", "--json"})["rates"];
    // The sum of the sexes is StoreTest.BothSexesAddTheTwoSeries, the declined figures
    // SeriesRates.DeclinedFiguresAreMinusOneAndRawFiguresAreNotFolded: here their JSON.
    ASSERT_EQ(rates.size(), 6u);
    EXPECT_NEAR(rates[0]["value"].get<double>(), 150.0, 1e-9); // 54 cases over 36,000
    EXPECT_EQ(rates[1]["label"], "ASR (World)");
    EXPECT_TRUE(rates[3]["value"].is_null()); // no cumulative figure to the open top
    EXPECT_TRUE(rates[5]["se"].is_null());

    const auto table = ok({"rates", "--population", "0", "--cancer", "0", "--sex", "0"});
    EXPECT_NE(table.out.find("Cumulative rate           N.A."), std::string::npos) << table.out;
}

// Without data files every command that needs them names the file and exits with status 1.
TEST_F(CliTest, MissingDataFilesAreNamed) {
    for (const Args& args :
         {Args{"rates", "--population", "0", "--cancer", "0"}, Args{"table", "--population", "0"},
          Args{"sir", "--ref", "0,0,0", "--populations", "1"}}) {
        expectExit(args, 1, "ORVELAN.DAT");
    }
}

} // namespace
} // namespace orvelan::test

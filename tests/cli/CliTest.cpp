#include "CliSupport.h"

#include <cmath>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace orvelan::test {
namespace {

// Population 0: 1,000 person-years in every group 0-17 for each sex; all sites (cancer 0) has
// one case per group in males and two in females.
class CliOnFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        FixtureData data;
        addFlatPopulation(data, 0, 1000.0, 17,
                          [](int sex, std::size_t i) { return i < 18 ? sex + 1.0 : 0.0; });
        data.write(m_dir.str());
    }

    ProcessResult run(const std::vector<std::string>& args) const { return runCli(m_dir, args); }

    TempDir m_dir;
};

TEST(CliDictionaries, PrintWithoutDataFiles) {
    TempDir empty;
    const auto registries = runCli(empty, {"dict", "registries", "--json"});
    ASSERT_EQ(registries.exitCode, 0) << registries.err;
    const auto rows = nlohmann::json::parse(registries.out);
    ASSERT_EQ(rows.size(), 272u);
    EXPECT_EQ(rows[264]["label"], " New Zealand");
    EXPECT_TRUE(rows[0]["population"].is_null());

    const auto cancers = runCli(empty, {"dict", "cancers", "--json"});
    ASSERT_EQ(cancers.exitCode, 0) << cancers.err;
    const auto cancerRows = nlohmann::json::parse(cancers.out);
    ASSERT_EQ(cancerRows.size(), 252u);
    EXPECT_EQ(cancerRows[5]["label"], "Tongue, base of");
    EXPECT_EQ(cancerRows[117]["males"], false);
    EXPECT_EQ(cancerRows[19]["standard_row"], 7);

    const auto table = runCli(empty, {"dict", "cancers"});
    EXPECT_NE(table.out.find("Lymphoid leukaemia acute"), std::string::npos);
}

TEST_F(CliOnFixture, SeriesGivesTheLoadedRecord) {
    const auto result =
        run({"series", "--population", "0", "--cancer", "0", "--sex", "1", "--json"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const auto json = nlohmann::json::parse(result.out);
    EXPECT_EQ(json["cases"].size(), 19u);
    EXPECT_EQ(json["cases"][0], 2.0);
    EXPECT_EQ(json["cases"][18], 0.0);
    EXPECT_EQ(json["person_years"][17], 1000.0);
    EXPECT_EQ(json["last_age_group"], 17);
    EXPECT_EQ(json["unknown_age_factor"], 1.0);
    EXPECT_EQ(json["first_year"], 1990);
}

TEST_F(CliOnFixture, RatesOfBothSexesAddTheTwoLoads) {
    const auto result = run({"rates", "--population", "0", "--cancer", "0", "--sex", "both",
                             "--from", "0", "--to", "17", "--json"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const auto json = nlohmann::json::parse(result.out);
    const auto& rates = json["rates"];
    ASSERT_EQ(rates.size(), 6u);
    // 54 cases over 36,000 person-years, every age-specific rate 150 per 100,000.
    EXPECT_NEAR(rates[0]["value"].get<double>(), 150.0, 1e-9);
    EXPECT_NEAR(rates[0]["se"].get<double>(), 150.0 / std::sqrt(54.0), 1e-9);
    EXPECT_NEAR(rates[1]["value"].get<double>(), 150.0, 1e-9);
    EXPECT_EQ(rates[1]["label"], "ASR (World)");
    // Cumulative figures need a closed range: the engine declines over 0-17.
    EXPECT_TRUE(rates[3]["value"].is_null());
    EXPECT_TRUE(rates[4]["upper"].is_null());
    EXPECT_EQ(rates[5]["value"], 54.0);
    EXPECT_TRUE(rates[5]["se"].is_null());

    const auto table = run({"rates", "--population", "0", "--cancer", "0", "--sex", "0"});
    ASSERT_EQ(table.exitCode, 0) << table.err;
    EXPECT_NE(table.out.find("Cumulative rate           N.A."), std::string::npos) << table.out;
}

TEST(CliMissingData, NamesTheFileAndExitsWithStatusOne) {
    TempDir empty;
    const auto result = runCli(empty, {"rates", "--population", "0", "--cancer", "0"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("ORVELAN.DAT"), std::string::npos) << result.err;
}

} // namespace
} // namespace orvelan::test

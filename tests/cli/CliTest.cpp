#include "FixtureData.h"
#include "RunProcess.h"
#include "TempDir.h"

#include <cmath>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace orvelan::test {
namespace {

ProcessResult cli(std::vector<std::string> args) {
    args.insert(args.begin(), ORVELAN_CLI_PATH);
    return runProcess(args);
}

// Population 0: 1,000 person-years in every group 0-17 for each sex; all sites (cancer 0) has
// one case per group in males and two in females.
class CliOnFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        FixtureData data;
        for (int sex = 0; sex < 2; ++sex) {
            data.setPopulation(0, sex, {1990, 1994, FixtureData::flatPersonYears(1000.0), 'g', ' '});
            CasesFixture cases;
            for (std::size_t i = 0; i < 18; ++i) {
                cases.cases[i] = sex + 1.0;
            }
            data.setCases(0, sex, 0, cases);
        }
        data.write(m_dir.str());
    }

    ProcessResult run(std::vector<std::string> args) {
        args.insert(args.begin(), {"--data-dir", m_dir.str()});
        return cli(args);
    }

    TempDir m_dir;
};

TEST(CliDictionaries, PrintWithoutDataFiles) {
    TempDir empty;
    const auto registries = cli({"--data-dir", empty.str(), "dict", "registries", "--json"});
    ASSERT_EQ(registries.exitCode, 0) << registries.err;
    const auto rows = nlohmann::json::parse(registries.out);
    ASSERT_EQ(rows.size(), 272u);
    EXPECT_EQ(rows[264]["label"], " New Zealand");
    EXPECT_TRUE(rows[0]["population"].is_null());

    const auto cancers = cli({"--data-dir", empty.str(), "dict", "cancers", "--json"});
    ASSERT_EQ(cancers.exitCode, 0) << cancers.err;
    const auto cancerRows = nlohmann::json::parse(cancers.out);
    ASSERT_EQ(cancerRows.size(), 252u);
    EXPECT_EQ(cancerRows[5]["label"], "Tongue, base of");
    EXPECT_EQ(cancerRows[117]["males"], false);
    EXPECT_EQ(cancerRows[19]["standard_row"], 7);

    const auto table = cli({"--data-dir", empty.str(), "dict", "cancers"});
    EXPECT_NE(table.out.find("Lymphoid leukaemia acute"), std::string::npos);
}

TEST_F(CliOnFixture, SeriesGivesTheLoadedRecord) {
    const auto result = run({"series", "--population", "0", "--cancer", "0", "--sex", "1", "--json"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const auto json = nlohmann::json::parse(result.out);
    EXPECT_EQ(json["cases"].size(), 19u);
    EXPECT_EQ(json["cases"][0], 2.0);
    EXPECT_EQ(json["cases"][18], 0.0);
    EXPECT_EQ(json["person_years"][17], 1000.0);
    EXPECT_EQ(json["last_age_group"], 17);
    EXPECT_EQ(json["unknown_age_factor"], 1.0);
    EXPECT_EQ(json["first_year"], 1990);
    EXPECT_EQ(json["last_year"], 1994);
    for (const char* key : {"population", "cancer", "sex", "verification"}) {
        EXPECT_TRUE(json.contains(key)) << key;
    }
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

TEST_F(CliOnFixture, CumulativeRateOverAClosedRange) {
    const auto result = run({"rates", "--population", "0", "--cancer", "0", "--sex", "0",
                             "--from", "0", "--to", "14", "--json"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const auto rates = nlohmann::json::parse(result.out)["rates"];
    // 15 groups of 5 years at 100 per 100,000: 7.5 percent.
    EXPECT_NEAR(rates[3]["value"].get<double>(), 7.5, 1e-9);
    EXPECT_NEAR(rates[4]["value"].get<double>(), 100.0 * (1.0 - std::exp(-0.075)), 1e-9);
}

TEST_F(CliOnFixture, BadArgumentsExitWithStatusTwo) {
    const std::vector<std::vector<std::string>> cases = {
        {"rates", "--population", "300", "--cancer", "0"},
        {"rates", "--population", "0", "--cancer", "0", "--sex", "3"},
        {"rates", "--population", "0", "--cancer", "0", "--from", "12", "--to", "4"},
        {"series", "--population", "0", "--cancer", "252", "--sex", "0"},
        {"series", "--population", "0", "--cancer", "0", "--sex", "both"},
        {"nonsense"},
    };
    for (const auto& args : cases) {
        const auto result = run(args);
        EXPECT_EQ(result.exitCode, 2) << args[0] << ' ' << result.err;
        EXPECT_FALSE(result.err.empty());
        EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << "one line: " << result.err;
    }
}

TEST(CliMissingData, NamesTheFileAndExitsWithStatusOne) {
    TempDir empty;
    const auto result = cli({"--data-dir", empty.str(), "rates", "--population", "0",
                             "--cancer", "0"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("ORVELAN.DAT"), std::string::npos) << result.err;
}

} // namespace
} // namespace orvelan::test

#include "FixtureData.h"
#include "RunProcess.h"
#include "TempDir.h"
#include "core/data/CIncidenceStore.h"
#include "core/reports/CStandardTableBuilder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace orvelan::test {
namespace {

/// Population 0 to 85+ with all sites and stomach cases in males and females and prostate cases
/// in males; population 1 to 70+ with no person-years at 15-19.
class TableCommand : public ::testing::Test {
  protected:
    void SetUp() override {
        FixtureData data;
        for (int sex = 0; sex < 2; ++sex) {
            data.setPopulation(0, sex,
                               {1990, 1994, FixtureData::flatPersonYears(1000.0), 'g', ' '});
            PopulationFixture short70{1995, 1995, FixtureData::flatPersonYears(500.0, 14), 'g',
                                      '*'};
            short70.personYears[3] = 0.0;
            data.setPopulation(1, sex, short70);
            CasesFixture all;
            for (std::size_t i = 0; i < 19; ++i) {
                all.cases[i] = sex + 1.0;
            }
            data.setCases(0, sex, 0, all);
            data.setCases(0, sex, 1, all);
            data.setCases(1, sex, 0, all);
            CasesFixture stomach;
            stomach.cases[12] = 3.0;
            data.setCases(0, sex, 34, stomach);
        }
        CasesFixture prostate;
        prostate.cases[14] = 4.0;
        data.setCases(0, 0, 153, prostate);
        data.write(m_dir.str());
        ASSERT_TRUE(m_store.open(m_dir.str()));
    }

    ProcessResult run(std::vector<std::string> args) {
        args.insert(args.begin(), {test::cliPath(), "--data-dir", m_dir.str(), "table"});
        return runProcess(args);
    }

    /// The table as the core builds it, for comparison with what the command prints.
    std::string expected(int population, StandardLayout layout, int sex, const std::string& title) {
        CStandardTableBuilder builder(title, population, layout, *sexFromIndex(sex));
        EXPECT_TRUE(builder.build(m_store));
        return builder.prnText();
    }

    TempDir m_dir;
    CIncidenceStore m_store;
};

const std::string kAlgiers = " Algeria, Algiers (1990-1994)";

TEST_F(TableCommand, PrintsOrSavesTheTablesTheCoreBuilds) {
    const auto summary = run({"--population", "0"});
    ASSERT_EQ(summary.exitCode, 0) << summary.err;
    EXPECT_EQ(summary.out, expected(0, StandardLayout::Summary, 0, kAlgiers));
    EXPECT_EQ(summary.out.substr(0, kAlgiers.size() + 1), kAlgiers + "\n");

    // Both sexes: males first, a blank line between.
    const auto both = run({"--population", "1", "--age-specific", "--title", "Short"});
    ASSERT_EQ(both.exitCode, 0) << both.err;
    EXPECT_EQ(both.out, expected(1, StandardLayout::AgeSpecific, 0, "Short") + "\n" +
                            expected(1, StandardLayout::AgeSpecific, 1, "Short"));

    const auto one = run({"--population", "0", "--out", m_dir.file("main.PRN")});
    ASSERT_EQ(one.exitCode, 0) << one.err;
    EXPECT_EQ(one.out, "");
    EXPECT_EQ(m_dir.read("main.PRN"), summary.out);
    const auto two = run({"--population", "0", "--age-specific", "--out", m_dir.file("age.prn")});
    ASSERT_EQ(two.exitCode, 0) << two.err;
    EXPECT_EQ(m_dir.read("age-male.prn"), expected(0, StandardLayout::AgeSpecific, 0, kAlgiers));
    EXPECT_EQ(m_dir.read("age-female.prn"), expected(0, StandardLayout::AgeSpecific, 1, kAlgiers));
}

TEST_F(TableCommand, RefusesBadArgumentsAndMissingData) {
    struct Case {
        std::vector<std::string> args;
        int exitCode;
    };
    const Case cases[] = {
        {{"--population", "0", "--out", "table.txt"}, 2},
        {{"--population", "0", "--sex", "m"}, 2},
        {{"--population", "0", "--age-specific", "--sex", "both"}, 2},
        {{"--population", "229"}, 2},
        {{"--population", "272"}, 2}, // no registry groups defined
        {{}, 2},
    };
    for (const Case& c : cases) {
        const auto result = run(c.args);
        EXPECT_EQ(result.exitCode, c.exitCode) << result.err;
        EXPECT_EQ(result.out, "");
        EXPECT_FALSE(result.err.empty());
    }
    EXPECT_FALSE(std::filesystem::exists("table.txt"));

    TempDir empty;
    const auto missing =
        runProcess({test::cliPath(), "--data-dir", empty.str(), "table", "--population", "0"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("ORVELAN"), std::string::npos) << missing.err;
}

TEST_F(TableCommand, JsonGivesFiguresRowsAndText) {
    const auto summary = run({"--population", "0", "--json"});
    ASSERT_EQ(summary.exitCode, 0) << summary.err;
    const auto json = nlohmann::json::parse(summary.out);
    EXPECT_EQ(json["title"], kAlgiers);
    EXPECT_EQ(json["layout"], "summary");
    EXPECT_EQ(json["last_age_group"], 17);
    ASSERT_EQ(json["tables"].size(), 1u);
    const auto& rows = json["tables"][0]["rows"];
    ASSERT_EQ(rows.size(), 61u);
    EXPECT_EQ(rows[38]["site"], "Prostate");
    EXPECT_EQ(rows[38]["male"]["cases"], 4.0);
    EXPECT_TRUE(rows[38]["female"].is_null());
    EXPECT_TRUE(rows[59]["male"]["frequency"].is_null());
    EXPECT_EQ(rows[59]["female"]["cases"], 38.0);
    EXPECT_EQ(json["tables"][0]["text"], expected(0, StandardLayout::Summary, 0, kAlgiers));

    const auto age = run({"--population", "1", "--age-specific", "--sex", "0", "--json"});
    ASSERT_EQ(age.exitCode, 0) << age.err;
    const auto ageJson = nlohmann::json::parse(age.out);
    EXPECT_EQ(ageJson["title"], "*France, La Reunion (1995)");
    const auto& table = ageJson["tables"][0];
    EXPECT_EQ(table["sexes"], nlohmann::json::array({0}));
    EXPECT_EQ(table["rows"].size(), 53u) << "female-only rows left out";
    const auto& allSites = table["rows"][51];
    EXPECT_EQ(allSites["site"], "All sites");
    ASSERT_EQ(allSites["male"]["rates"].size(), 15u);
    EXPECT_TRUE(allSites["male"]["rates"][3].is_null()) << "no person-years at 15-19";
    EXPECT_EQ(allSites["male"]["rates"][0], 200.0);
    EXPECT_TRUE(allSites["male"]["cumulative_0_74"].is_null());
}

} // namespace
} // namespace orvelan::test

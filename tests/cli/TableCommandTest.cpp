#include "CliSupport.h"
#include "core/data/CIncidenceStore.h"
#include "core/reports/CStandardTableBuilder.h"

#include <filesystem>

namespace orvelan::test {
namespace {

/// Population 0 to 85+ with all sites and stomach cases in males and females and prostate cases
/// in males; population 1 to 70+ with no person-years at 15-19.
class TableCommand : public CliTest {
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

    ProcessResult table(const Args& args) const { return run(joined({"table"}, args)); }

    /// The table as the core builds it, for comparison with what the command prints.
    std::string expected(int population, StandardLayout layout, int sex, const std::string& title) {
        CStandardTableBuilder builder(title, population, layout, *sexFromIndex(sex));
        EXPECT_TRUE(builder.build(m_store));
        return builder.prnText();
    }

    CIncidenceStore m_store;
};

const std::string kAlgiers = " Algeria, Algiers (1990-1994)";

TEST_F(TableCommand, PrintsOrSavesTheTablesTheCoreBuilds) {
    const auto summary = ok({"table", "--population", "0"});
    EXPECT_EQ(summary.out, expected(0, StandardLayout::Summary, 0, kAlgiers));
    EXPECT_EQ(summary.out.substr(0, kAlgiers.size() + 1), kAlgiers + "\n");

    // Both sexes: males first, a blank line between.
    const auto both = ok({"table", "--population", "1", "--age-specific", "--title", "Short"});
    EXPECT_EQ(both.out, expected(1, StandardLayout::AgeSpecific, 0, "Short") + "\n" +
                            expected(1, StandardLayout::AgeSpecific, 1, "Short"));

    const auto one = ok({"table", "--population", "0", "--out", m_dir.file("main.PRN")});
    EXPECT_EQ(one.out, "");
    EXPECT_EQ(m_dir.read("main.PRN"), summary.out);
    ok({"table", "--population", "0", "--age-specific", "--out", m_dir.file("age.prn")});
    EXPECT_EQ(m_dir.read("age-male.prn"), expected(0, StandardLayout::AgeSpecific, 0, kAlgiers));
    EXPECT_EQ(m_dir.read("age-female.prn"), expected(0, StandardLayout::AgeSpecific, 1, kAlgiers));
}

TEST_F(TableCommand, RefusesBadArguments) {
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
        const auto result = table(c.args);
        EXPECT_EQ(result.exitCode, c.exitCode) << result.err;
        EXPECT_EQ(result.out, "");
        EXPECT_FALSE(result.err.empty());
    }
    EXPECT_FALSE(std::filesystem::exists("table.txt"));
}

TEST_F(TableCommand, JsonGivesFiguresRowsAndText) {
    const auto summary = json({"table", "--population", "0", "--json"});
    EXPECT_EQ(summary["title"], kAlgiers);
    EXPECT_EQ(summary["layout"], "summary");
    EXPECT_EQ(summary["last_age_group"], 17);
    ASSERT_EQ(summary["tables"].size(), 1u);
    const auto& rows = summary["tables"][0]["rows"];
    ASSERT_EQ(rows.size(), 61u);
    EXPECT_EQ(rows[38]["site"], "Prostate");
    EXPECT_EQ(rows[38]["male"]["cases"], 4.0);
    EXPECT_TRUE(rows[38]["female"].is_null());
    EXPECT_TRUE(rows[59]["male"]["frequency"].is_null());
    EXPECT_EQ(rows[59]["female"]["cases"], 38.0);
    EXPECT_EQ(summary["tables"][0]["text"], expected(0, StandardLayout::Summary, 0, kAlgiers));

    const auto age = json({"table", "--population", "1", "--age-specific", "--sex", "0", "--json"});
    EXPECT_EQ(age["title"], "*France, La Reunion (1995)");
    const auto& table = age["tables"][0];
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

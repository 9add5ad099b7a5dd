#include "CliSupport.h"
#include "TextLines.h"
#include "core/data/CIncidenceStore.h"
#include "core/data/CRegistryDictionary.h"
#include "core/reports/CReportTemplate.h"
#include "core/reports/CSummaryRatesTable.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace orvelan::test {
namespace {

// Population 0 (Algiers) and 12 (Villa Clara): 1,000 person-years in every group for each sex;
// all sites (cancer 0) has one case per group in males and two in females.
class ReportExportCli : public ::testing::Test {
  protected:
    void SetUp() override {
        FixtureData data;
        for (const int population : {0, 12}) {
            addFlatPopulation(data, population, 1000.0, 17,
                              [](int sex, std::size_t i) { return i < 18 ? sex + 1.0 : 0.0; });
        }
        data.write(m_dir.str());
    }

    ProcessResult run(const std::vector<std::string>& args) const { return runCli(m_dir, args); }

    /// A summary-rates template: all sites fixed, rows Algiers and Villa Clara, both sexes.
    std::string writeSummaryTemplate(int kind = 0) {
        ReportChoices choices;
        choices.block = ReportBlock::fromArray({kind, 1, 1, 0, 0, 0, 17, 1, 2, 1, 2});
        for (const int population : {0, 12}) {
            const int row = *CRegistryDictionary::rowOfPopulation(population);
            choices.registries[static_cast<std::size_t>(row)] = row;
        }
        choices.cancers[0] = 0;
        const auto path = m_dir.file("summary.RPT");
        EXPECT_TRUE(CReportTemplate::write(path, choices, 0, 0));
        return path;
    }

    TempDir m_dir;
};

TEST_F(ReportExportCli, ExportWritesDataAndLogFiles) {
    const auto result = run({"export", "--populations", "12,0", "--cancers", "0-1", "--sexes", "f",
                             "--format", "csv", "--out", m_dir.file("raw")});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const auto data = linesOf(m_dir.read("raw.csv"));
    ASSERT_EQ(data.size(), 2u * 2u * 19u);
    EXPECT_EQ(data[0], "1,2,1,1,2,1000");   // Algiers first: dictionary order
    EXPECT_EQ(data[18], "1,2,1,19,0,0");    // unknown age
    EXPECT_EQ(data[19], "1,2,2,1,0,1000");  // cancer 1, no cases
    EXPECT_EQ(data[38], "13,2,1,1,2,1000"); // Villa Clara
    const auto log = linesOf(m_dir.read("raw.log"));
    ASSERT_EQ(log.size(), 16u);
    EXPECT_EQ(log[1], m_dir.file("raw.csv") + " file format:");
    EXPECT_EQ(log[10], "1,\"Algiers\"");
    EXPECT_EQ(log[11], "13,\"Villa Clara\"");
    EXPECT_EQ(log[15], "2,\"C00-97 but C44 All sites but skin\"");
}

TEST_F(ReportExportCli, ReportGivesTheSameCellsAsTheTableItRuns) {
    const auto path = writeSummaryTemplate();
    const auto result = run({"report", "--template", path, "--json"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const auto json = nlohmann::json::parse(result.out);
    ASSERT_EQ(json.size(), 2u);

    CIncidenceStore store;
    ASSERT_TRUE(store.open(m_dir.str()));
    ReportChoices choices;
    ASSERT_TRUE(CReportTemplate::read(path, choices, 0, 0));
    for (int sex = 0; sex < 2; ++sex) {
        CSummaryRatesTable table(
            SummaryRatesSettings::fromBlock(choices.block, *sexFromIndex(sex)));
        table.build(store, choices.registries, choices.cancers);
        const auto& entry = json[static_cast<std::size_t>(sex)];
        EXPECT_EQ(entry["title"], table.title());
        EXPECT_EQ(entry["cells"], nlohmann::json(table.grid().rows()));
        EXPECT_EQ(entry["cells"].size(), 3u); // header row and two registries
    }

    const auto females = run({"report", "--template", path, "--sex", "f", "--json"});
    ASSERT_EQ(females.exitCode, 0) << females.err;
    EXPECT_EQ(nlohmann::json::parse(females.out), nlohmann::json::array({json[1]}));
}

TEST_F(ReportExportCli, ReportSavesOneFilePerSex) {
    const auto path = writeSummaryTemplate();
    const auto text = run({"report", "--template", path});
    ASSERT_EQ(text.exitCode, 0) << text.err;

    const auto saved = run({"report", "--template", path, "--out", m_dir.file("rates.prn")});
    ASSERT_EQ(saved.exitCode, 0) << saved.err;
    const auto male = m_dir.read("rates-male.prn");
    const auto female = m_dir.read("rates-female.prn");
    ASSERT_FALSE(male.empty());
    EXPECT_EQ(text.out, male + "\n" + female);

    const auto one =
        run({"report", "--template", path, "--sex", "m", "--out", m_dir.file("males.txt")});
    ASSERT_EQ(one.exitCode, 0) << one.err;
    EXPECT_EQ(linesOf(m_dir.read("males.txt")).size(), 3u);
}

TEST_F(ReportExportCli, ReportRefusesTemplatesItCannotRun) {
    EXPECT_EQ(run({"report", "--template", writeSummaryTemplate(4)}).exitCode, 2);
    m_dir.write("cut.RPT", std::string(100, '\0'));
    const auto cut = run({"report", "--template", m_dir.file("cut.RPT")});
    EXPECT_EQ(cut.exitCode, 1);
    EXPECT_NE(cut.err.find("cut.RPT"), std::string::npos) << cut.err;
    EXPECT_EQ(run({"report", "--template", m_dir.file("cut.txt")}).exitCode, 2);
}

} // namespace
} // namespace orvelan::test

#include "FixtureData.h"
#include "RunProcess.h"
#include "TempDir.h"
#include "core/data/CIncidenceStore.h"
#include "core/data/CRegistryDictionary.h"
#include "core/graphs/CGraphTemplate.h"
#include "core/reports/CReportTemplate.h"
#include "core/reports/CSummaryRatesTable.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sstream>

namespace orvelan::test {
namespace {

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        result.push_back(line);
    }
    return result;
}

// Population 0 (Algiers) and 12 (Villa Clara): 1,000 person-years in every group for each sex;
// all sites (cancer 0) has one case per group in males and two in females.
class ReportExportCli : public ::testing::Test {
  protected:
    void SetUp() override {
        FixtureData data;
        for (const int population : {0, 12}) {
            for (int sex = 0; sex < 2; ++sex) {
                data.setPopulation(population, sex,
                                   {1990, 1994, FixtureData::flatPersonYears(1000.0), 'g', ' '});
                CasesFixture cases;
                for (std::size_t i = 0; i < 18; ++i) {
                    cases.cases[i] = sex + 1.0;
                }
                data.setCases(population, sex, 0, cases);
            }
        }
        data.write(m_dir.str());
    }

    ProcessResult run(std::vector<std::string> args) {
        args.insert(args.begin(), {ORVELAN_CLI_PATH, "--data-dir", m_dir.str()});
        return runProcess(args);
    }

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
        EXPECT_FALSE(CReportTemplate::write(path, choices, 0, 0));
        return path;
    }

    TempDir m_dir;
};

TEST_F(ReportExportCli, ExportWritesDataAndLogFiles) {
    const auto result = run({"export", "--populations", "12,0", "--cancers", "0-1", "--sexes", "f",
                             "--format", "csv", "--out", m_dir.file("raw")});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const auto data = lines(m_dir.read("raw.csv"));
    ASSERT_EQ(data.size(), 2u * 2u * 19u);
    EXPECT_EQ(data[0], "1,2,1,1,2,1000");   // Algiers first: dictionary order
    EXPECT_EQ(data[18], "1,2,1,19,0,0");    // unknown age
    EXPECT_EQ(data[19], "1,2,2,1,0,1000");  // cancer 1, no cases
    EXPECT_EQ(data[38], "13,2,1,1,2,1000"); // Villa Clara
    const auto log = lines(m_dir.read("raw.log"));
    ASSERT_EQ(log.size(), 16u);
    EXPECT_EQ(log[1], m_dir.file("raw.csv") + " file format:");
    EXPECT_EQ(log[10], "1,\"Algiers\"");
    EXPECT_EQ(log[11], "13,\"Villa Clara\"");
    EXPECT_EQ(log[15], "2,\"C00-97 but C44 All sites but skin\"");
}

TEST_F(ReportExportCli, ExportRefusesBadArgumentsAndMissingFolders) {
    struct Case {
        std::vector<std::string> args;
        int exitCode;
        std::string message;
    };
    const std::vector<Case> cases = {
        {{"--format", "xls"}, 2, "xls"},
        {{"--populations", "229"}, 2, "229"},
        {{"--cancers", "117", "--sexes", "m"}, 2, "Invalid sex/site combination"},
        {{"--out", m_dir.file("no/such/raw")}, 1, "no/such"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = {"export",   "--populations", "0",     "--cancers",    "0",
                                         "--format", "prn",           "--out", m_dir.file("x")};
        for (std::size_t i = 0; i + 1 < c.args.size(); i += 2) {
            auto it = std::find(args.begin(), args.end(), c.args[i]);
            if (it == args.end()) {
                args.push_back(c.args[i]);
                args.push_back(c.args[i + 1]);
            } else {
                *(it + 1) = c.args[i + 1];
            }
        }
        const auto result = run(args);
        EXPECT_EQ(result.exitCode, c.exitCode) << c.message << ": " << result.err;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    }
    EXPECT_FALSE(std::filesystem::exists(m_dir.file("x.prn")));
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
    ASSERT_FALSE(CReportTemplate::read(path, choices, 0, 0));
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
    EXPECT_EQ(lines(m_dir.read("males.txt")).size(), 3u);
}

TEST_F(ReportExportCli, ReportRefusesTemplatesItCannotRun) {
    EXPECT_EQ(run({"report", "--template", writeSummaryTemplate(4)}).exitCode, 2);
    m_dir.write("cut.RPT", std::string(100, '\0'));
    const auto cut = run({"report", "--template", m_dir.file("cut.RPT")});
    EXPECT_EQ(cut.exitCode, 1);
    EXPECT_NE(cut.err.find("cut.RPT"), std::string::npos) << cut.err;
    EXPECT_EQ(run({"report", "--template", m_dir.file("cut.txt")}).exitCode, 2);
}

TEST_F(ReportExportCli, TemplateShowDecodesBothKinds) {
    const auto report = run({"template", "show", writeSummaryTemplate(), "--json"});
    ASSERT_EQ(report.exitCode, 0) << report.err;
    const auto rpt = nlohmann::json::parse(report.out);
    EXPECT_EQ(rpt["type"], "Summary rate");
    EXPECT_EQ(rpt["block"]["female"], 2);
    EXPECT_EQ(rpt["block"]["age_to"], 17);
    EXPECT_EQ(rpt["cancers"], nlohmann::json::array({0}));
    EXPECT_EQ(rpt["registries"].size(), 2u);

    GraphSettings graph;
    graph.kind = 2;
    graph.title = "Pie of Algiers";
    graph.cancers[34] = 34;
    ASSERT_FALSE(CGraphTemplate::write(m_dir.file("pie.gph"), graph, 0, 0));
    const auto shown = run({"template", "show", m_dir.file("pie.gph")});
    ASSERT_EQ(shown.exitCode, 0) << shown.err;
    EXPECT_NE(shown.out.find("(Pie chart)"), std::string::npos) << shown.out;
    EXPECT_NE(shown.out.find("Title: Pie of Algiers\n"), std::string::npos) << shown.out;
    EXPECT_NE(shown.out.find("34  Stomach\n"), std::string::npos) << shown.out;

    EXPECT_EQ(run({"template", "show", m_dir.file("pie.png")}).exitCode, 2);
    EXPECT_EQ(run({"template", "show", m_dir.file("missing.GPH")}).exitCode, 1);
}

} // namespace
} // namespace orvelan::test

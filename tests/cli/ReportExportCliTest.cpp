#include "CliSupport.h"
#include "TextLines.h"
#include "core/data/CIncidenceStore.h"
#include "core/reports/CAgeSpecificRatesTable.h"
#include "core/reports/CReportTable.h"
#include "core/reports/CReportTemplate.h"
#include "core/reports/CSummaryRatesTable.h"
#include "core/reports/NumberTable.h"

namespace orvelan::test {
namespace {

// Population 0 (Algiers) and 12 (Villa Clara): 1,000 person-years in every group for each sex;
// all sites (cancer 0) has one case per group in males and two in females.
class ReportExportCli : public CliTest {
  protected:
    void SetUp() override {
        FixtureData data;
        for (const int population : {0, 12}) {
            addFlatPopulation(data, population, 1000.0, 17, oneMaleTwoFemale);
        }
        data.write(m_dir.str());
    }

    /// A summary-rates template: all sites fixed, rows Algiers and Villa Clara, both sexes.
    std::string writeSummaryTemplate(int kind = 0) {
        return writeReportTemplate(m_dir.file("summary.RPT"), {kind, 1, 1, 0, 0, 0, 17, 1, 2, 1, 2},
                                   {0, 12});
    }
};

// The lines of each format and the log's text are CRawDataExporterTest's; here the options
// reach the exporter: its items in dictionary order, the sex and the format chosen.
TEST_F(ReportExportCli, ExportWritesDataAndLogFiles) {
    ok({"export", "--populations", "12,0", "--cancers", "0-1", "--sexes", "f", "--format", "csv",
        "--out", m_dir.file("raw")});
    const auto data = linesOf(m_dir.read("raw.csv"));
    ASSERT_EQ(data.size(), 2u * 2u * 19u);
    EXPECT_EQ(data[0], "1,2,1,1,2,1000");   // Algiers first: dictionary order
    EXPECT_EQ(data[38], "13,2,1,1,2,1000"); // Villa Clara
    const auto log = linesOf(m_dir.read("raw.log"));
    ASSERT_EQ(log.size(), 16u);
    EXPECT_EQ(log[11], "13,\"Villa Clara\"");
}

TEST_F(ReportExportCli, ReportGivesTheSameCellsAsTheTableItRuns) {
    const auto path = writeSummaryTemplate();
    const auto tables = json({"report", "--template", path, "--json"});
    ASSERT_EQ(tables.size(), 2u);

    CIncidenceStore store;
    ASSERT_TRUE(store.open(m_dir.str()));
    ReportChoices choices;
    ASSERT_TRUE(CReportTemplate::read(path, choices, 0, 0));
    for (int sex = 0; sex < 2; ++sex) {
        CSummaryRatesTable table(
            SummaryRatesSettings::fromBlock(choices.block, *sexFromIndex(sex)));
        table.build(store, choices.registries, choices.cancers);
        const auto& entry = tables[static_cast<std::size_t>(sex)];
        EXPECT_EQ(entry["title"], table.title());
        EXPECT_EQ(entry["cells"], nlohmann::json(table.grid().rows()));
        EXPECT_EQ(entry["cells"].size(), 3u); // header row and two registries
    }

    EXPECT_EQ(json({"report", "--template", path, "--sex", "f", "--json"}),
              nlohmann::json::array({tables[1]}));
}

/// The fields of a CSV line after the first skip, empty ones left out.
std::vector<std::string> filledFields(const std::string& line, std::size_t skip) {
    std::vector<std::string> filled;
    for (const auto& field : csvFields(line)) {
        if (skip > 0) {
            --skip;
        } else if (!field.empty()) {
            filled.push_back(field);
        }
    }
    return filled;
}

// The desktop program's spreadsheet tables carry the figures `report --format csv` writes, for
// every kind of report: the same values and limits, row for row.
TEST_F(ReportExportCli, NumberTablesHoldTheFiguresOfTheCsvReport) {
    CIncidenceStore store;
    ASSERT_TRUE(store.open(m_dir.str()));
    for (const int kind : {0, 1, 2}) {
        const auto path = writeSummaryTemplate(kind);
        const auto csv = ok({"report", "--template", path, "--sex", "m", "--format", "csv"});
        ReportChoices choices;
        ASSERT_TRUE(CReportTemplate::read(path, choices, 0, 0));
        CTextGrid grid;
        const auto numbers = [&](auto&& table) {
            table.build(store, choices.registries, choices.cancers);
            grid = table.grid();
            return numberTableText(grid, gridNumbers(store, table), ',');
        };
        choices.block.female = 0; // males alone, as --sex m
        const std::string wide =
            kind == 0   ? numbers(CSummaryRatesTable(
                              SummaryRatesSettings::fromBlock(choices.block, Sex::Male)))
            : kind == 1 ? numbers(CAgeSpecificRatesTable(
                              AgeSpecificRatesSettings::fromBlock(choices.block, Sex::Male)))
                        : numbers(CReportTable(ReportSettings::fromBlock(choices.block)));
        const auto longLines = linesOf(csv.out);
        const auto wideLines = linesOf(wide);
        ASSERT_GE(wideLines.size(), 2u) << kind;
        std::vector<std::vector<std::string>> expected(wideLines.size() - 1);
        for (std::size_t i = 1; i < longLines.size(); ++i) {
            // table,sex,row,column,row_label,column_label,value,lower,upper
            const auto fields = filledFields(longLines[i], 2);
            const auto row = std::stoul(fields[0]);
            ASSERT_LE(row, expected.size()) << longLines[i];
            // Where the view shows a dash (no cases), the spreadsheet cell stays empty.
            const std::string cell = grid.text(static_cast<int>(row), std::stoi(fields[1]));
            if (cell.find_first_not_of(" -") == std::string::npos) {
                continue;
            }
            for (auto& field : filledFields(longLines[i], 6)) {
                expected[row - 1].push_back(field);
            }
        }
        for (std::size_t r = 1; r < wideLines.size(); ++r) {
            EXPECT_EQ(filledFields(wideLines[r], 1), expected[r - 1])
                << kind << ": " << wideLines[r];
        }
    }
}

TEST_F(ReportExportCli, ReportSavesOneFilePerSex) {
    const auto path = writeSummaryTemplate();
    const auto text = ok({"report", "--template", path});

    ok({"report", "--template", path, "--out", m_dir.file("rates.prn")});
    const auto male = m_dir.read("rates-male.prn");
    const auto female = m_dir.read("rates-female.prn");
    ASSERT_FALSE(male.empty());
    EXPECT_EQ(text.out, male + "\n" + female);

    ok({"report", "--template", path, "--sex", "m", "--out", m_dir.file("males.txt")});
    EXPECT_EQ(linesOf(m_dir.read("males.txt")).size(), 3u);
}

TEST_F(ReportExportCli, ReportLeavesOutAndTellsSlotsNamingNoGroup) {
    ReportChoices choices;
    choices.block = ReportBlock::fromArray({2, 0, 1, 0, 0, 0, 17, 1, 2, 1, 1});
    choices.registries = selectPopulations({0, 12});
    choices.registries[static_cast<std::size_t>(rowOf(5))] = 300;
    choices.cancers[0] = 0;
    const auto path = m_dir.file("damaged.RPT");
    ASSERT_TRUE(CReportTemplate::write(path, choices, 0, 0));

    const auto result = ok({"report", "--template", path, "--json"});
    const auto cells = nlohmann::json::parse(result.out).at(0).at("cells");
    EXPECT_EQ(cells.at(0).size(), 3u); // the corner, Algiers and Villa Clara
    EXPECT_EQ(result.err, "orvelan-cli: warning: template '" + path +
                              "': Left out: 300 (no such registry group)\n");
    const auto shown = run({"template", "show", path});
    EXPECT_NE(shown.out.find("  300  (no such registry group)\n"), std::string::npos) << shown.out;
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

#include "core/export/CRawDataExporter.h"

#include "FixtureData.h"
#include "TempDir.h"
#include "TextLines.h"
#include "core/data/CIncidenceStore.h"
#include "core/data/CUserGroupDictionary.h"

#include <gtest/gtest.h>

namespace orvelan {
namespace {

using orvelan::test::groupLine;
using orvelan::test::linesOf;

using Numbered = std::vector<std::pair<int, std::string>>;

Numbered numbered(const std::vector<ExportItem>& items) {
    Numbered result;
    for (const ExportItem& item : items) {
        result.emplace_back(item.number, item.name);
    }
    return result;
}

std::string padded(const std::string& text, std::size_t width) {
    return text + std::string(width - text.size(), ' ');
}

TEST(CRawDataExporter, DataLinesInEachFormatCountFromOne) {
    struct Case {
        int format, population, sex, cancer, age;
        double cases, personYears;
        std::string line;
    };
    const std::vector<Case> cases = {
        {0, 12, 0, 0, 0, 5, 12345.4, " 13 1   1  1       5     12345\n"},
        {1, 12, 0, 0, 0, 5, 12345.4, "13\t1\t1\t1\t5\t12345\n"},
        {2, 12, 0, 0, 0, 5, 12345.4, "13,1,1,1,5,12345\n"},
        {0, 272, 1, 252, 18, 0.6, 0, "273 2 253 19       1         0\n"},
        {1, 272, 1, 252, 18, 0.6, 0, "273\t2\t253\t19\t1\t0\n"},
        {2, 228, 1, 251, 17, 1234567, 98765432, "229,2,252,18,1234567,98765432\n"},
        {0, 228, 1, 251, 17, 123456789, 1e10, "229 2 252 1812345678910000000000\n"},
        // Counts no integer writer takes: printf's own text, in place in the line.
        {2, 0, 0, 0, 0, -0.0, 1e20, "1,1,1,1,-0,100000000000000000000\n"},
        {0, 0, 0, 0, 0, 2.5, -3.5, "  1 1   1  1       2        -4\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CRawDataExporter::dataLine(c.format, c.population, *sexFromIndex(c.sex), c.cancer,
                                             c.age, c.cases, c.personYears),
                  c.line);
    }
}

TEST(CRawDataExporter, LogEntriesInEachFormat) {
    const ExportItem item{30, "California, Los Angeles"};
    EXPECT_EQ(CRawDataExporter::logEntry(0, item), " 31 " + padded(item.name, 80) + "\n");
    EXPECT_EQ(CRawDataExporter::logEntry(1, item), "31\tCalifornia, Los Angeles\n");
    EXPECT_EQ(CRawDataExporter::logEntry(2, item), "31,\"California, Los Angeles\"\n");
    EXPECT_EQ(CRawDataExporter::logEntry(0, {272, "Nordic"}), "273 " + padded("Nordic", 80) + "\n");
}

TEST(CRawDataExporter, PathSummaryNamesBothFiles) {
    EXPECT_EQ(CRawDataExporter::pathSummary("/data/work/", "lung", 1),
              "Data file:\t\t/data/work/lung.txt\r\nLog file:\t\t/data/work/lung.log");
    EXPECT_EQ(CRawDataExporter::pathSummary("/data/work", "lung", 2),
              "Data file:\t\t/data/work/lung.csv\r\nLog file:\t\t/data/work/lung.log");
}

TEST(CRawDataExporter, SelectedItemsInSelectionOrderWithTheirLogNames) {
    test::TempDir dir;
    dir.write("POPuser.dic", groupLine("Nordic", "012040"));
    dir.write("ICDuser.dic", groupLine("Female sites", "117118"));
    CUserGroupDictionary registryGroups(GroupKind::Registry);
    EXPECT_TRUE(registryGroups.load(dir.file("POPuser.dic")).ok());
    CUserGroupDictionary cancerGroups(GroupKind::Cancer);
    EXPECT_TRUE(cancerGroups.load(dir.file("ICDuser.dic")).ok());

    ExportSettings settings;
    for (const int slot : {272, 47, 5, 2, 0, 273}) { // row 0 is a heading, 273 no group
        settings.populationSelection[static_cast<std::size_t>(slot)] = slot;
    }
    for (const int slot : {252, 23, 5, 0}) {
        settings.cancerSelection[static_cast<std::size_t>(slot)] = slot;
    }
    EXPECT_EQ(
        numbered(CRawDataExporter::populations(settings, &registryGroups)),
        (Numbered{
            {0, "Algiers"}, {2, "The Gambia"}, {30, "California, Los Angeles"}, {272, "Nordic"}}));
    EXPECT_EQ(numbered(CRawDataExporter::cancers(settings, &cancerGroups)),
              (Numbered{{0, "C00-97     All sites"},
                        {5, "C01        Base of"},
                        {23, "Squamous cell carcinoma"},
                        {252, "Female sites"}}));
}

TEST(CRawDataExporter, SexesNeedACancerThatOccursInThem) {
    struct Case {
        bool male, female;
        std::vector<int> cancers;
        bool refused;
    };
    const std::vector<Case> cases = {
        {true, false, {117}, true},      // vulva for males
        {true, true, {117}, true},       // males ticked, no cancer of theirs
        {false, true, {117}, false},     //
        {false, true, {153}, true},      // prostate for females
        {true, true, {117, 153}, false}, // each sex has one
        {true, false, {252}, true},      // a female-only group
        {false, true, {252, 0}, false},  //
    };
    test::TempDir dir;
    dir.write("ICDuser.dic", groupLine("Female sites", "117118"));
    CUserGroupDictionary cancerGroups(GroupKind::Cancer);
    EXPECT_TRUE(cancerGroups.load(dir.file("ICDuser.dic")).ok());
    for (std::size_t i = 0; i < cases.size(); ++i) {
        ExportSettings settings;
        settings.male = cases[i].male;
        settings.female = cases[i].female;
        for (const int cancer : cases[i].cancers) {
            settings.cancerSelection[static_cast<std::size_t>(cancer)] = cancer;
        }
        const auto problem = CRawDataExporter::sexSiteProblem(settings, &cancerGroups);
        EXPECT_EQ(problem.has_value(), cases[i].refused) << "case " << i;
        if (problem) {
            EXPECT_EQ(*problem, "Invalid sex/site combination");
        }
    }
}

class ExportRun : public ::testing::Test {
  protected:
    void SetUp() override {
        test::FixtureData data;
        test::PopulationFixture population;
        population.personYears = test::FixtureData::flatPersonYears(1000.5);
        data.setPopulation(12, 0, population);
        data.setPopulation(12, 1, population);
        test::CasesFixture cases;
        for (int age = 0; age < kAgeGroupCount; ++age) {
            cases.cases[static_cast<std::size_t>(age)] = age;
        }
        data.setCases(12, 0, 0, cases);
        data.write(m_dir.str());
        ASSERT_TRUE(m_store.open(m_dir.str()));

        m_settings.male = true;
        m_settings.female = true;
        m_settings.populationSelection = test::selectPopulations({12}); // Villa Clara
        m_settings.cancerSelection[0] = 0;
    }

    test::TempDir m_dir;
    CIncidenceStore m_store;
    ExportSettings m_settings;
};

TEST_F(ExportRun, FormattedFileHoldsNineteenLinesPerSexAndCancer) {
    CRawDataExporter::setPaths(m_settings, m_dir.str(), "out");
    EXPECT_EQ(m_settings.dataPath, m_dir.file("out.prn"));
    EXPECT_EQ(m_settings.logPath, m_dir.file("out.log"));
    ASSERT_TRUE(CRawDataExporter::run(m_store, m_settings).ok());

    const auto data = linesOf(m_dir.read("out.prn"));
    ASSERT_EQ(data.size(), 38u);
    EXPECT_EQ(data[0], " 13 1   1  1       0      1000"); // 1000.5 rounds to even
    EXPECT_EQ(data[5], " 13 1   1  6       5      1000");
    EXPECT_EQ(data[17], " 13 1   1 18      17      1000");
    EXPECT_EQ(data[18], " 13 1   1 19      18         0");
    EXPECT_EQ(data[19], " 13 2   1  1       0      1000");
    EXPECT_EQ(data[37], " 13 2   1 19       0         0");
}

TEST_F(ExportRun, LogDescribesTheFileAndTheChosenItems) {
    m_settings.format = 2;
    CRawDataExporter::setPaths(m_settings, m_dir.str() + "/", "raw");
    ASSERT_TRUE(CRawDataExporter::run(m_store, m_settings).ok());
    EXPECT_EQ(linesOf(m_dir.read("raw.csv")).front(), "13,1,1,1,0,1000");

    const std::vector<std::string> expected = {
        "ORVELAN",
        m_dir.file("raw.csv") + " file format:",
        "First column is population number (see population dictionary)",
        "Second column is sex (1 Male/2 Female)",
        "Third column is cancer number (see cancer dictionary)",
        "Fourth column is age (1-19: 0-4,5-9,..,85+,unknown age)",
        "Fifth column is number of cancer cases by age",
        "Sixth column is person-years at risk by age",
        "",
        "Population dictionary:",
        "13,\"Villa Clara\"",
        "",
        "Cancer dictionary:",
        "1,\"C00-97     All sites\"",
    };
    EXPECT_EQ(linesOf(m_dir.read("raw.log")), expected);
}

TEST_F(ExportRun, UnwritableDataFileIsReportedAndTheOldLogIsKept) {
    m_settings.dataPath = m_dir.file("missing/out.prn");
    m_settings.logPath = m_dir.file("out.log");
    m_dir.write("out.log", "old log\n");
    const auto outcome = CRawDataExporter::run(m_store, m_settings);
    ASSERT_FALSE(outcome.data.ok());
    EXPECT_EQ(outcome.data.file, m_dir.file("missing/out.prn"));
    EXPECT_TRUE(outcome.log.ok());
    EXPECT_EQ(m_dir.read("out.log"), "old log\n");
}

TEST_F(ExportRun, FailedLoadWritesNeitherFile) {
    CIncidenceStore closed; // no data files open: every load fails
    CRawDataExporter::setPaths(m_settings, m_dir.str(), "none");
    const auto outcome = CRawDataExporter::run(closed, m_settings);
    ASSERT_FALSE(outcome.data.ok());
    EXPECT_FALSE(std::filesystem::exists(m_dir.file("none.prn")));
    EXPECT_FALSE(std::filesystem::exists(m_dir.file("none.log")));
}

TEST_F(ExportRun, ProgressCountsBlocksAndAStopLeavesTheOldFileAsItWas) {
    CRawDataExporter::setPaths(m_settings, m_dir.str(), "stop");
    m_dir.write("stop.prn", "earlier export\n");
    const auto populations = CRawDataExporter::populations(m_settings, nullptr);
    const auto cancers = CRawDataExporter::cancers(m_settings, nullptr);

    std::vector<std::pair<std::size_t, std::size_t>> calls;
    const auto stopAtSecond = [&calls](std::size_t written, std::size_t total) {
        calls.emplace_back(written, total);
        return calls.size() < 2;
    };
    const IoResult stopped =
        CRawDataExporter::writeData(m_store, m_settings, populations, cancers, stopAtSecond);
    ASSERT_FALSE(stopped.ok());
    EXPECT_EQ(stopped.reason, "export cancelled");
    const std::vector<std::pair<std::size_t, std::size_t>> expected = {{19, 38}, {38, 38}};
    EXPECT_EQ(calls, expected);
    EXPECT_EQ(m_dir.read("stop.prn"), "earlier export\n");
    EXPECT_EQ(m_dir.names().size(), 3u); // the two data files and stop.prn: no temporary left

    calls.clear();
    const auto always = [&calls](std::size_t written, std::size_t total) {
        calls.emplace_back(written, total);
        return true;
    };
    EXPECT_TRUE(CRawDataExporter::writeData(m_store, m_settings, populations, cancers, always));
    EXPECT_EQ(calls.size(), 2u);
    EXPECT_EQ(linesOf(m_dir.read("stop.prn")).size(), 38u);
}

TEST(CRawDataExporter, ProbeNeverTouchesAnExistingFile) {
    test::TempDir dir;
    dir.write("kept.prn", "old");
    std::filesystem::create_directory(dir.file("locked"));
    std::filesystem::permissions(dir.file("locked"), std::filesystem::perms::owner_read |
                                                         std::filesystem::perms::owner_exec);
    dir.write("readonly.log", "old");
    std::filesystem::permissions(dir.file("readonly.log"), std::filesystem::perms::owner_read);
    std::FILE* bypass = std::fopen(dir.file("readonly.log").c_str(), "r+");
    const bool root = bypass != nullptr;
    if (bypass != nullptr) {
        std::fclose(bypass);
    }

    EXPECT_EQ(CRawDataExporter::probeTarget(dir.file("kept.prn")), ExportTarget::Existing);
    EXPECT_EQ(dir.read("kept.prn"), "old");
    EXPECT_EQ(CRawDataExporter::probeTarget(dir.file("new.prn")), ExportTarget::Creatable);
    EXPECT_FALSE(std::filesystem::exists(dir.file("new.prn")));
    EXPECT_EQ(CRawDataExporter::probeTarget(dir.file("no/such/folder/x.prn")),
              ExportTarget::NotAccessible);
    EXPECT_EQ(CRawDataExporter::probeTarget(dir.file("locked")), ExportTarget::NotAccessible);
    EXPECT_EQ(CRawDataExporter::probeTarget("/proc/orvelan-probe.prn"),
              ExportTarget::NotAccessible); // read-only even for the superuser
    // Permissions do not bind the superuser.
    if (!root) {
        EXPECT_EQ(CRawDataExporter::probeTarget(dir.file("locked/x.prn")),
                  ExportTarget::NotAccessible);
        EXPECT_EQ(CRawDataExporter::probeTarget(dir.file("readonly.log")),
                  ExportTarget::NotAccessible);
    }
    EXPECT_EQ(dir.read("readonly.log"), "old");
    std::filesystem::permissions(dir.file("locked"), std::filesystem::perms::owner_all);
}

} // namespace
} // namespace orvelan

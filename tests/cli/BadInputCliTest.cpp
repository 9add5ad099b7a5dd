// orvelan-cli against bad arguments, foreign bytes in texts, hostile files and failing outputs:
// exit 1 or 2 with a message, never an abort, never a wrong figure with exit 0.
#include "CliSupport.h"
#include "FullDisk.h"
#include "TextLines.h"
#include "core/analysis/AnalysisFile.h"
#include "core/data/CRegistryDictionary.h"
#include "core/graphs/CGraphTemplate.h"
#include "core/reports/CReportTemplate.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace orvelan::test {
namespace {

namespace fs = std::filesystem;

// Population 0 (marker 0xFF) and 1: 1,000 person-years a group; cancer 0 one case a group.
class BadInputCli : public CliTest {
  protected:
    void SetUp() override { fixture().write(m_dir.str()); }

    static FixtureData fixture() {
        FixtureData data;
        for (int population : {0, 1}) {
            addFlatPopulation(
                data, population, 1000.0, 17, [](int, std::size_t i) { return i < 18 ? 1.0 : 0.0; },
                population == 0 ? '\xff' : ' ');
        }
        return data;
    }
};

TEST_F(BadInputCli, NumbersAreWholeDecimalNumbers) {
    const std::vector<std::vector<std::string>> commands = {
        {"table", "--population", ""},
        {"table", "--population", "0x10"},
        {"table", "--population", "-2147483648"},
        {"table", "--population", " 1"},
        {"rates", "--population", "0", "--cancer", "0", "--to", ""},
        {"compare", "--ref", "0,0,m", "--comp", "1,0,m", "--to", ""},
        {"export", "--populations", "0x10", "--cancers", "0", "--out", m_dir.file("x")},
        {"export", "--populations", "0,", "--cancers", "0", "--out", m_dir.file("x")},
    };
    for (const auto& command : commands) {
        expectExit(command, 2, "orvelan-cli: ");
    }
}

TEST_F(BadInputCli, WholeNumbersOutOfRangeAreSaidToBe) {
    const std::vector<std::string> rates = {"rates", "--population", "0", "--cancer", "0"};
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {joined(rates, {"--from", "-1"}), "--from: out of range (0-17): '-1'"},
        {joined(rates, {"--to", "99999999999999999999"}),
         "--to: out of range (0-17): '99999999999999999999'"},
        {{"rates", "--population", "-1", "--cancer", "0"},
         "--population: out of range (0-228, or 272 and up): '-1'"},
        {{"graph", "pie", "--population", "0", "--slices", "99999999999"},
         "--slices: out of range (5-11): '99999999999'"},
        {{"rates", "--populations", "5,2147483647", "--cancers", "0"},
         "unknown population 2147483647 (0-228"},
        {{"table", "--population", "-5"}, "unknown population -5 (0-228"},
        {{"export", "--populations", "0", "--cancers", "3-99999999999", "--out", m_dir.file("x")},
         "unknown cancer 99999999999 (0-251"},
        {{"rates", "--populations", "0", "--cancers", "0", "--kinds", "0,-1"},
         "unknown rate kind -1 (0 crude rate"},
    };
    for (const auto& [command, message] : cases) {
        expectExit(command, 2, message);
    }
}

TEST_F(BadInputCli, HugeRangesAreRefusedBeforeTheyAreExpanded) {
    // Every list option: expanded first, each of these took seconds and gigabytes.
    const std::string huge = "0-999999999";
    const std::string out = m_dir.file("x");
    std::vector<std::vector<std::string>> commands = {
        {"rates", "--populations", "0", "--cancers", "0", "--kinds", huge},
        {"table", "--population", huge},
        {"sir", "--ref", "0,0,m", "--populations", huge},
        {"compare", "--ref", huge + ",0,m", "--comp", "1,0,m"},
        {"graph", "bars", "--type", "cancer", "--cancer", "0", "--populations", huge},
        {"graph", "bars", "--type", "registry", "--population", "0", "--cancers", huge},
    };
    for (const bool populations : {true, false}) {
        const std::string p = populations ? huge : "0";
        const std::string c = populations ? "0" : huge;
        commands.push_back({"rates", "--populations", p, "--cancers", c});
        commands.push_back({"export", "--populations", p, "--cancers", c, "--out", out});
        commands.push_back({"report", "--kind", "summary", "--populations", p, "--cancers", c});
        commands.push_back({"graph", "curves", "--populations", p, "--cancers", c});
        commands.push_back({"template", "make", "--out", out + ".RPT", "--kind", "summary",
                            "--populations", p, "--cancers", c});
        commands.push_back({"template", "make", "--out", out + ".GPH", "curves", "--populations", p,
                            "--cancers", c});
    }
    const auto start = std::chrono::steady_clock::now();
    for (const auto& command : commands) {
        expectExit(command, 2, "999999999");
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    EXPECT_FALSE(fs::exists(out + ".RPT") || fs::exists(out + ".GPH"));
}

TEST_F(BadInputCli, JsonTakesTheFilesSingleByteTextsAsLatin1) {
    EXPECT_EQ(json({"table", "--population", "0", "--json"})["title"].get<std::string>().rfind(
                  "\xc3\xbf", 0),
              0u);
    EXPECT_EQ(json({"table", "--population", "1", "--title", "Caf\xe9 \xff", "--json"})["title"],
              "Caf\xc3\xa9 \xc3\xbf");
    EXPECT_EQ(json({"table", "--population", "1", "--title", "R\xc3\xa9union", "--json"})["title"],
              "R\xc3\xa9union");

    m_dir.write("POPuser.dic", groupLine("R\xe9union", "000001"));
    EXPECT_NE(ok({"dict", "registries", "--json"}).out.find("R\xc3\xa9union"), std::string::npos);

    GraphSettings graph;
    graph.title = "Incidence \xe0 la R\xe9union";
    ASSERT_TRUE(CGraphTemplate::write(m_dir.file("g.GPH"), graph, 0, 0));
    EXPECT_EQ(json({"template", "show", m_dir.file("g.GPH"), "--json"})["title"],
              "Incidence \xc3\xa0 la R\xc3\xa9union");
}

TEST_F(BadInputCli, GraphJsonTakesTheFilesSingleByteTextsAsLatin1) {
    FixtureData data = fixture();
    CasesFixture site; // a site for the pie
    site.cases.fill(1.0);
    data.setCases(1, 0, 34, site);
    data.write(m_dir.str());
    m_dir.write("POPuser.dic", groupLine("R\xe9union", "000001"));
    GraphSettings curves;
    curves.title = "Incidence \xe0 la R\xe9union";
    curves.registries = selectPopulations({1});
    curves.cancers[0] = 0;
    ASSERT_TRUE(CGraphTemplate::write(m_dir.file("g.GPH"), curves, 1, 0));
    const std::string title = "Caf\xe9";
    // Population 0 carries the marker byte 0xFF, group 272 a Latin-1 name.
    const std::vector<std::vector<std::string>> commands = {
        {"graph", "curves", "--populations", "0,272", "--cancers", "0"},
        {"graph", "bars", "--type", "cancer", "--cancer", "0", "--populations", "0,272"},
        {"graph", "bars", "--type", "registry", "--population", "272", "--cancers", "0"},
        {"graph", "pie", "--population", "272"},
        {"graph", "pyramid", "--population", "272"},
        {"graph", "pyramid", "--population", "0"},
        {"graph", "template", m_dir.file("g.GPH")},
    };
    for (const auto& command : commands) {
        const Args args = joined({"--json"}, command);
        const auto model = json(args); // parses: the default title's Latin-1 name is UTF-8
        EXPECT_EQ(json(joined(args, {"--title", title}))["title"], "Caf\xc3\xa9") << command[1];
        if (command[1] == "template") {
            EXPECT_EQ(model["title"], "Incidence \xc3\xa0 la R\xc3\xa9union");
        }
    }
    const ProcessResult bars = run(
        {"--json", "graph", "bars", "--type", "cancer", "--cancer", "0", "--populations", "272"});
    EXPECT_NE(bars.out.find("R\xc3\xa9union"), std::string::npos) << bars.out;

    EXPECT_EQ(json({"--json", "template", "make", "--out", m_dir.file("\xe9.GPH"), "curves",
                    "--populations", "272", "--cancers", "0"})["file"],
              m_dir.file("\xc3\xa9.GPH"));

    // A title typed at a terminal (UTF-8) is kept as the desktop program reads it: Latin-1.
    ok({"template", "make", "--out", m_dir.file("t.GPH"), "curves", "--title", "Caf\xc3\xa9",
        "--populations", "272", "--cancers", "0"});
    GraphSettings made2;
    ASSERT_TRUE(CGraphTemplate::read(m_dir.file("t.GPH"), made2, 1, 0));
    EXPECT_EQ(made2.title, "Caf\xe9");
    // Given before the kind, the title is kept all the same.
    ok({"template", "make", "--out", m_dir.file("before.GPH"), "--title", "Before", "curves",
        "--populations", "272", "--cancers", "0"});
    ASSERT_TRUE(CGraphTemplate::read(m_dir.file("before.GPH"), made2, 1, 0));
    EXPECT_EQ(made2.title, "Before");
    expectExit({"--json", "graph", "pie", "--population", "272", "--title", "10 \xe2\x82\xac"}, 2,
               "only Latin-1 text");
}

TEST_F(BadInputCli, OutputThatCannotBeWrittenIsAFailureWithTheReason) {
    const std::vector<std::vector<std::string>> commands = {
        {"--help"},
        {"dict", "cancers"},
        {"dict", "registries", "--json"},
        {"rates", "--population", "1", "--cancer", "0"},
        {"rates", "--populations", "0-1", "--cancers", "0"},
        {"rates", "--population", "1", "--cancer", "0", "--json"},
        {"compare", "--ref", "0,0,m", "--comp", "1,0,m"},
        {"sir", "--ref", "0,0,m", "--populations", "0-1"},
        {"table", "--population", "0-1"},
        {"report", "--kind", "summary", "--populations", "0-1", "--cancers", "0"},
        {"graph", "curves", "--populations", "1", "--cancers", "0", "--json"},
        {"graph", "pyramid", "--population", "1"},
        {"template", "make", "--out", m_dir.file("made.RPT"), "--kind", "summary", "--populations",
         "1", "--cancers", "0"},
    };
    for (const auto& command : commands) {
        const ProcessResult result = run(command, "/dev/full");
        EXPECT_EQ(result.exitCode, 1) << command[0] << ": " << result.err;
        EXPECT_NE(result.err.find("orvelan-cli: cannot write standard output: No space left on "
                                  "device\n"),
                  std::string::npos)
            << command[0] << ": " << result.err;
    }

    // A redirected stream on a full disk stops at the first chunk it cannot write.
    const std::string csv = m_dir.file("rates.csv");
    {
        const FullDisk full(100);
        const ProcessResult result =
            run({"rates", "--populations", "0-1", "--cancers", "0", "--sexes", "m,f,both"}, csv);
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_NE(result.err.find("cannot write standard output: File too large"),
                  std::string::npos)
            << result.err;
    }
    EXPECT_EQ(fs::file_size(csv), 100u);
}

TEST_F(BadInputCli, DataFileLongerThanItsLayoutIsAWarningOnStandardError) {
    const std::string path = m_dir.file("ORVELAN.POP");
    const auto size = fs::file_size(path);
    fs::resize_file(path, size + 2);
    expectExit({"rates", "--population", "0", "--cancer", "0"}, 0,
               "warning: " + path + ": file is longer than its layout");
}

TEST_F(BadInputCli, RegistryGroupWithAMemberThatIsNoPopulationIsNamed) {
    m_dir.write("POPuser.dic", groupLine("Broken", "000250"));
    expectExit({"rates", "--population", "272", "--cancer", "0"}, 1,
               m_dir.file("POPuser.dic") +
                   ": group 272 (Broken) has member 250, which is not a population (0-228)");
}

TEST_F(BadInputCli, CancerGroupWithAMemberThatIsNoCancerIsNamed) {
    for (const std::string member : {"999", "252", "300"}) {
        m_dir.write("ICDuser.dic", groupLine("Broken", "000" + member));
        expectExit({"rates", "--population", "1", "--cancer", "252"}, 1,
                   m_dir.file("ICDuser.dic") + ": group 252 (Broken) has member " + member +
                       ", which is not a cancer (0-251)");
    }
}

// A group of no members has no rates: N.A. in a table, a named failure for one series.
TEST_F(BadInputCli, GroupWithoutMembersIsNotAvailable) {
    m_dir.write("ICDuser.dic", groupLine("Nothing", ""));
    m_dir.write("POPuser.dic", groupLine("Nowhere", ""));
    expectExit({"rates", "--population", "1", "--cancer", "252"}, 1,
               m_dir.file("ICDuser.dic") + ": group 252 (Nothing) has no members");
    expectExit({"rates", "--population", "272", "--cancer", "0"}, 1,
               "group 272 (Nowhere) has no members");
    const ProcessResult table = ok({"report", "--kind", "summary", "--populations", "1",
                                    "--cancers", "0,252", "--sexes", "m"});
    const std::string last = linesOf(table.out).back();
    EXPECT_EQ(last.rfind("Nothing", 0), 0u) << table.out;
    EXPECT_NE(last.find("N.A."), std::string::npos) << table.out;
    EXPECT_EQ(last.find_first_of("0123456789"), std::string::npos) << table.out;
}

TEST_F(BadInputCli, ExportIntoAFolderThatCannotBeUsedIsReported) {
    fs::create_symlink(m_dir.file("loop"), m_dir.file("loop"));
    const std::string tooLong = m_dir.file(std::string(300, 'd'));
    for (const std::string& folder : {m_dir.file("loop"), tooLong}) {
        expectExit({"export", "--populations", "0", "--cancers", "0", "--out", folder + "/raw"}, 1,
                   "orvelan-cli: output folder");
    }
}

// A new release copied over ORVELAN.DAT while an export reads it: exit 1 naming the file, no
// output and no temporary (the process used to die of a bus error and leave both temporaries).
TEST_F(BadInputCli, ExportOfADataFileCutShortWhileInUseFails) {
    fs::create_directory(m_dir.file("out"));
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::freopen(m_dir.file("err.txt").c_str(), "w", stderr);
        std::freopen("/dev/null", "w", stdout);
        const std::string data = m_dir.str();
        const std::string out = m_dir.file("out/all");
        ::execl(test::cliPath(), test::cliPath(), "--data-dir", data.c_str(), "export",
                "--populations", "0-228", "--cancers", "0-251", "--out", out.c_str(),
                static_cast<char*>(nullptr));
        ::_exit(127);
    }
    const auto writing = [&] {
        for (const auto& entry : fs::directory_iterator(m_dir.file("out"))) {
            if (entry.path().filename().string().find(".tmp-") != std::string::npos) {
                return true;
            }
        }
        return false;
    };
    const auto start = std::chrono::steady_clock::now();
    while (!writing() && std::chrono::steady_clock::now() - start < std::chrono::seconds(10)) {
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    fs::resize_file(m_dir.file("ORVELAN.DAT"), 100000);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_NE(m_dir.read("err.txt").find("(ORVELAN.DAT was cut short on disk while in use: "
                                         "start again once the new data files are in place)"),
              std::string::npos)
        << m_dir.read("err.txt");
    EXPECT_TRUE(fs::is_empty(m_dir.file("out")));
}

TEST_F(BadInputCli, OutputsThatBelongTogetherAreReplacedTogether) {
    // The data file's name is taken by a folder: the export fails and the old log stays.
    m_dir.write("raw.log", "old log\n");
    fs::create_directory(m_dir.file("raw.prn"));
    const ProcessResult exported =
        run({"export", "--populations", "0", "--cancers", "0", "--out", m_dir.file("raw")});
    EXPECT_EQ(exported.exitCode, 1);
    EXPECT_EQ(m_dir.read("raw.log"), "old log\n");

    // The female table cannot be written: the male table is not replaced either.
    m_dir.write("t-male.prn", "old male\n");
    fs::create_directory(m_dir.file("t-female.prn"));
    const ProcessResult pair =
        run({"table", "--population", "0", "--age-specific", "--out", m_dir.file("t.prn")});
    EXPECT_EQ(pair.exitCode, 1);
    EXPECT_EQ(m_dir.read("t-male.prn"), "old male\n");
}

TEST_F(BadInputCli, TemplateShowListsTheRegistriesAReportRuns) {
    ReportChoices choices;
    choices.block = ReportBlock::fromArray({0, 1, 1, 0, 0, 0, 17, 1, 2, 1, 2});
    // A damaged slot: the slot of population 0 holds the row of population 1.
    choices.registries[static_cast<std::size_t>(rowOf(0))] = rowOf(1);
    choices.cancers[0] = 0;
    ASSERT_TRUE(CReportTemplate::write(m_dir.file("d.RPT"), choices, 0, 0));

    EXPECT_EQ(json({"template", "show", m_dir.file("d.RPT"), "--json"})["registries"],
              nlohmann::json::array({1}));
    const ProcessResult report = ok({"report", "--template", m_dir.file("d.RPT")});
    EXPECT_NE(report.out.find(std::string(CRegistryDictionary::caption(rowOf(1)))),
              std::string::npos)
        << report.out;
}

// sta make: a spreadsheet's table becomes an analysis file (the name converted to the file's
// Latin-1); a table the typed-in curve page would refuse is refused with exit 2 and the file
// already there is kept.
TEST_F(BadInputCli, StaMakeWritesAnAnalysisFileOrKeepsTheOldOne) {
    std::string table = "Age;Cases;Person-years\r\n";
    for (int group = 0; group < 18; ++group) {
        table += std::to_string(group * 5) + ";" + std::to_string(group) + ";2000,5\r\n";
    }
    m_dir.write("mine.csv", table);
    const std::string sta = m_dir.file("mine.sta");
    const ProcessResult made = ok({"sta", "make", "--from", m_dir.file("mine.csv"), "--out", sta});
    EXPECT_EQ(made.out, "Saved " + sta + " (analysis file)\n");
    const AnalysisFileRead read = readAnalysisFile(sta);
    ASSERT_TRUE(read.curve) << read.result.message;
    EXPECT_EQ(read.curve->title, "mine");
    EXPECT_EQ(read.curve->cases[17], 17.0);
    EXPECT_EQ(read.curve->personYears[17], 2000.0); // the file keeps whole person-years
    EXPECT_EQ(m_dir.read("mine.sta").substr(0, 25), "mine\n0 2000 0.000\n1 2000 ");

    ok({"sta", "make", "--from", m_dir.file("mine.csv"), "--out", sta, "--name",
        "S\xc3\xa3o Paulo"});
    EXPECT_EQ(m_dir.read("mine.sta").substr(0, 10), "S\xe3o Paulo\n");

    // What makes a table unusable is CurveTableTest.RefusesABadTableNamingTheRow.
    std::string negative = table;
    negative.replace(negative.find(";3;"), 3, ";-3;");
    m_dir.write("negative.csv", negative);
    const std::vector<std::pair<std::vector<std::string>, std::string>> refused = {
        {{"--from", m_dir.file("negative.csv")}, "negative.csv: Row 5: \"-3\": numbers must be"},
        {{"--from", m_dir.file("mine.csv"), "--name", "\305\201\303\263d\305\272"},
         "only Latin-1 text"},
        {{"--from", m_dir.file("mine.csv"), "--name", std::string(256, 'x')}, "longer than 255"},
    };
    for (const auto& [args, message] : refused) {
        expectExit(joined({"sta", "make", "--out", sta}, args), 2, message);
        EXPECT_EQ(m_dir.read("mine.sta").substr(0, 10), "S\xe3o Paulo\n");
    }
    const ProcessResult txt =
        run({"sta", "make", "--from", m_dir.file("mine.csv"), "--out", m_dir.file("mine.txt")});
    EXPECT_EQ(txt.exitCode, 2);
    EXPECT_FALSE(fs::exists(m_dir.file("mine.txt")));
    EXPECT_EQ(run({"sta", "make", "--from", m_dir.file("none.csv"), "--out", sta}).exitCode, 1);
}

} // namespace
} // namespace orvelan::test

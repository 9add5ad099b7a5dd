// Every reader against what a hostile user or a failing disk puts in place of its file, and
// every writer against a full disk: a clear failure naming the file, never a hang, never a
// damaged old file, nothing left behind.
#include "FixtureData.h"
#include "FullDisk.h"
#include "TempDir.h"
#include "core/analysis/AnalysisFile.h"
#include "core/data/CIncidenceStore.h"
#include "core/data/CUserGroupDictionary.h"
#include "core/graphs/CGraphTemplate.h"
#include "core/io/CAtomicFile.h"
#include "core/io/CIniFile.h"
#include "core/io/ReadFile.h"
#include "core/io/TextFile.h"
#include "core/reports/CReportTemplate.h"
#include "core/reports/TextDocumentFile.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvelan {
namespace {

namespace fs = std::filesystem;
using test::FullDisk;
using test::TempDir;

/// What a reader said about one path.
using Reader = std::function<IoResult(const std::string& path)>;

std::vector<std::pair<std::string, Reader>> readers() {
    return {
        {"bytes",
         [](const std::string& p) {
             std::string b;
             return readFileBytes(p, b);
         }},
        {"report template",
         [](const std::string& p) {
             ReportChoices c;
             return CReportTemplate::read(p, c, 0, 0);
         }},
        {"graph template",
         [](const std::string& p) {
             GraphSettings s;
             return CGraphTemplate::read(p, s, 0, 0);
         }},
        {"analysis file", [](const std::string& p) { return readAnalysisFile(p).result; }},
        {"settings",
         [](const std::string& p) {
             CIniFile ini;
             return ini.load(p);
         }},
        {"text document",
         [](const std::string& p) {
             std::string t;
             return readTextDocument(p, t);
         }},
        {"user dictionary",
         [](const std::string& p) {
             CUserGroupDictionary groups(GroupKind::Registry);
             const IoResult loaded = groups.load(p);
             EXPECT_EQ(groups.count(), 0) << p; // a failure with no groups
             return loaded;
         }},
    };
}

/// A directory, a FIFO, a symlink loop and a device in place of a file.
std::vector<std::pair<std::string, std::string>> hostilePaths(const TempDir& dir) {
    fs::create_directory(dir.file("folder.RPT"));
    ::mkfifo(dir.file("fifo.RPT").c_str(), 0600);
    fs::create_symlink(dir.file("loop.RPT"), dir.file("loop.RPT"));
    return {{"directory", dir.file("folder.RPT")},
            {"fifo", dir.file("fifo.RPT")},
            {"symlink loop", dir.file("loop.RPT")},
            {"endless device", "/dev/zero"}};
}

TEST(HostileFiles, EveryReaderRefusesWhatIsNotARegularFileAndNamesIt) {
    TempDir dir;
    for (const auto& [kind, path] : hostilePaths(dir)) {
        for (const auto& [name, reader] : readers()) {
            const IoResult read = reader(path); // a FIFO or /dev/zero would hang or exhaust memory
            ASSERT_EQ(read.status, IoStatus::Failed) << name << " read a " << kind;
            EXPECT_EQ(read.file, path) << name << ": " << read.message;
            EXPECT_NE(read.message.find(path), std::string::npos) << name << ": " << read.message;
        }
    }
}

TEST(HostileFiles, DataFilesThatAreNotRegularFilesAreNamed) {
    TempDir dir;
    test::FixtureData().write(dir.str());
    fs::remove(dir.file("ORVELAN.DAT"));
    ::mkfifo(dir.file("ORVELAN.DAT").c_str(), 0600);
    CIncidenceStore store;
    EXPECT_FALSE(store.open(dir.str()));
    ASSERT_EQ(store.problems().size(), 1u);
    EXPECT_NE(store.problems()[0].find("ORVELAN.DAT: cannot be read: not a regular file"),
              std::string::npos)
        << store.problems()[0];
}

// A template of another size is refused naming the file and the size found (or, when larger,
// the size it must have), and loads nothing.
TEST(HostileFiles, TemplatesMustHaveTheirExactSize) {
    TempDir dir;
    ReportChoices choices;
    choices.block.reportKind = 2;
    GraphSettings settings;
    settings.title = "Graph";
    const std::string report = CReportTemplate::encode(choices, 0, 0);
    const std::string graph = CGraphTemplate::encode(settings, 0, 0);
    const auto readReport = [&](const std::string& bytes) {
        dir.write("t.RPT", bytes);
        ReportChoices c;
        const IoResult read = CReportTemplate::read(dir.file("t.RPT"), c, 0, 0);
        EXPECT_TRUE(read.ok() ? c == choices
                              : c == ReportChoices{} && read.file == dir.file("t.RPT") &&
                                    read.message.find(std::to_string(std::min(
                                        bytes.size(), report.size()))) != std::string::npos)
            << read.message;
        return read.ok();
    };
    const auto readGraph = [&](const std::string& bytes) {
        dir.write("t.GPH", bytes);
        GraphSettings s;
        const IoResult read = CGraphTemplate::read(dir.file("t.GPH"), s, 0, 0);
        EXPECT_TRUE(read.ok() ? s == settings
                              : s == GraphSettings{} && read.file == dir.file("t.GPH") &&
                                    read.message.find(std::to_string(
                                        std::min(bytes.size(), graph.size()))) != std::string::npos)
            << read.message;
        return read.ok();
    };
    EXPECT_TRUE(readReport(report));
    EXPECT_TRUE(readGraph(graph));
    for (std::size_t size = 0; size < report.size(); size += 4) {
        EXPECT_FALSE(readReport(report.substr(0, size))) << size;
    }
    for (std::size_t size = 0; size < graph.size(); size += 4) {
        EXPECT_FALSE(readGraph(graph.substr(0, size))) << size;
    }
    EXPECT_FALSE(readReport(report + "x"));
    EXPECT_FALSE(readGraph(graph + "x"));
}

TEST(HostileFiles, AnalysisFileCutAtAnyLineIsRefused) {
    TempDir dir;
    UserCurve curve;
    curve.title = "Typed";
    curve.cases.fill(3.0);
    curve.personYears.fill(1000.0);
    const std::string text = analysisFileText(curve);
    for (std::size_t end = text.find('\n'); end + 1 < text.size(); end = text.find('\n', end + 1)) {
        EXPECT_FALSE(parseAnalysisFile(text.substr(0, end + 1), "a.STA").curve) << end;
    }
    EXPECT_TRUE(parseAnalysisFile(text, "a.STA").curve);
}

struct SizeCase {
    const char* file;
    long delta; // bytes beyond (or, negative, short of) the layout
    bool opens;
    const char* message; // problem or warning
};

TEST(HostileFiles, DataFileSizesAgainstTheirLayout) {
    const std::vector<SizeCase> cases = {
        {"ORVELAN.POP", -86, false, "file is too short"},
        {"ORVELAN.POP", -1, false, "file is too short"},
        {"ORVELAN.POP", 3, true, "file is longer than its layout"},
        {"ORVELAN.POP", 85, true, "file is longer than its layout"},
        {"ORVELAN.POP", 86, false, "file is longer than its layout"},
        {"ORVELAN.DAT", -80, false, "file is too short"},
        {"ORVELAN.DAT", 79, true, "file is longer than its layout"},
        {"ORVELAN.DAT", 80, false, "file is longer than its layout"},
        {"ORVELAN.DAT", 160, false, "file is longer than its layout"},
    };
    for (const SizeCase& c : cases) {
        TempDir dir;
        test::FixtureData().write(dir.str());
        const std::string path = dir.file(c.file);
        const auto size = fs::file_size(path);
        fs::resize_file(path, static_cast<std::uintmax_t>(static_cast<long>(size) + c.delta));
        CIncidenceStore store;
        EXPECT_EQ(store.open(dir.str()), c.opens) << c.file << " " << c.delta;
        const auto& messages = c.opens ? store.warnings() : store.problems();
        ASSERT_EQ(messages.size(), 1u) << c.file << " " << c.delta;
        const std::string sizes = "(expected " + std::to_string(size) + " bytes, found " +
                                  std::to_string(static_cast<long>(size) + c.delta) + ")";
        EXPECT_EQ(messages[0].find(path + ": " + c.message + " " + sizes), 0u) << messages[0];
        EXPECT_EQ(store.isOpen(), c.opens);
    }
}

/// A writer given the path of a file to replace: true when it reports a failure.
using Writer = std::function<bool(const std::string& path)>;

TEST(HostileFiles, WritersOnAFullDiskKeepTheOldFileAndLeaveNothingBehind) {
    UserCurve curve;
    curve.title = "Curve";
    curve.cases.fill(123456.0);
    const std::vector<std::tuple<std::string, std::string, Writer>> writers = {
        {"report template", "t.RPT",
         [](const std::string& p) { return !CReportTemplate::write(p, {}, 0, 0).ok(); }},
        {"graph template", "t.GPH",
         [](const std::string& p) { return !CGraphTemplate::write(p, {}, 0, 0).ok(); }},
        {"analysis file", "c.STA",
         [&curve](const std::string& p) { return !writeAnalysisFile(p, curve).ok(); }},
        {"text table", "t.prn",
         [](const std::string& p) { return !writeFileAtomically(p, std::string(4096, 'x')).ok(); }},
        {"settings", "orvelan.ini",
         [](const std::string& p) {
             CIniFile ini;
             ini.setString("Recent File List", "File1", std::string(200, 'p'));
             const IoResult saved = ini.save(p);
             return !saved.ok() && saved.file == p;
         }},
    };
    for (const auto& [kind, name, write] : writers) {
        TempDir dir;
        const std::string old = "old content\n";
        dir.write(name, old);
        {
            FullDisk full(64);
            EXPECT_TRUE(write(dir.file(name))) << kind << " reported success";
        }
        EXPECT_EQ(dir.read(name), old) << kind;
        EXPECT_EQ(dir.names(), std::vector<std::string>{name}) << kind;
    }
}

TEST(HostileFiles, FilesCommittedTogetherAreAllReplacedOrNoneIs) {
    TempDir dir;
    dir.write("a.prn", "old a\n");
    dir.write("b.prn", "old b\n");
    // c's target is a folder: its rename fails after a's and e's have succeeded; a is put back
    // and e, new, is taken away again.
    fs::create_directories(dir.file("c.prn/inside"));
    const SaveResult failed = writeFilesTogether({{dir.file("a.prn"), "new a\n"},
                                                  {dir.file("e.prn"), "new e\n"},
                                                  {dir.file("c.prn"), "new c\n"}});
    EXPECT_FALSE(failed.ok());
    EXPECT_EQ(failed.file, dir.file("c.prn"));
    EXPECT_NE(failed.message.find("c.prn"), std::string::npos) << failed.message;
    EXPECT_EQ(dir.read("a.prn"), "old a\n");
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"a.prn", "b.prn", "c.prn"}));

    {
        FullDisk full(64);
        EXPECT_FALSE(writeFilesTogether({{dir.file("a.prn"), "new a\n"},
                                         {dir.file("b.prn"), std::string(1000, 'b')}})
                         .ok());
    }
    EXPECT_EQ(dir.read("a.prn"), "old a\n");
    EXPECT_EQ(dir.read("b.prn"), "old b\n");

    const SaveResult saved = writeFilesTogether(
        {{dir.file("a.prn"), "new a\n"}, {dir.file("b.prn"), "new b\n"}, {dir.file("d.prn"), "d"}});
    EXPECT_TRUE(saved.ok()) << saved.message;
    EXPECT_EQ(dir.read("a.prn") + dir.read("b.prn") + dir.read("d.prn"), "new a\nnew b\nd");
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"a.prn", "b.prn", "c.prn", "d.prn"}));
}

TEST(HostileFiles, WritersIntoAReadOnlyFolderFailAndKeepTheOldFile) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "permissions do not bind the superuser";
    }
    TempDir dir;
    dir.write("t.prn", "old\n");
    fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
    const SaveResult result = writeFileAtomically(dir.file("t.prn"), "new\n");
    fs::permissions(dir.path(), fs::perms::owner_all);
    EXPECT_FALSE(result.ok());
    EXPECT_NE(result.message.find(dir.file("t.prn")), std::string::npos) << result.message;
    EXPECT_EQ(dir.read("t.prn"), "old\n");
}

} // namespace
} // namespace orvelan

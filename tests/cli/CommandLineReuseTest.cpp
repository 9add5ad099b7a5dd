// One command line built once and run on many argument lists answers each as a fresh
// orvelan-cli process would: nothing an earlier list gave (an option, --json, an open store)
// is left for a later one.
#include "CCommandLine.h"
#include "CliSupport.h"
#include "RunCli.h"

#include <sstream>

namespace orvelan::test {
namespace {

/// What a run of the command line in this process printed, as a process would leave it.
template <typename Run> ProcessResult outcome(const std::vector<std::string>& args, Run run) {
    std::vector<const char*> argv;
    for (const std::string& arg : args) {
        argv.push_back(arg.c_str());
    }
    std::ostringstream out;
    std::ostringstream err;
    const int status = run(static_cast<int>(argv.size()), argv.data(), out, err);
    return {status, out.str(), err.str()};
}

TEST(CommandLineReuse, EveryRunStartsFromTheDefaults) {
    TempDir dir;
    FixtureData data;
    addFlatPopulation(data, 0, 1000.0, 17, oneMaleTwoFemale);
    data.write(dir.str());
    std::string table;
    for (int row = 0; row < 18; ++row) {
        table += std::to_string(row % 4) + ",1000\n";
    }
    dir.write("curve.csv", table);

    // Each list after one that set an option leaves that option out: a value kept from the
    // earlier list shows in what it prints or writes.
    struct Case {
        std::vector<std::string> args;
        int status;
    };
    const std::string gph = dir.file("kept.GPH");
    const std::string sta = dir.file("kept.STA");
    const std::vector<Case> cases = {
        {{"--json", "rates", "--population", "0", "--cancer", "0", "--from", "3", "--to", "5",
          "--ci", "exact", "--level", "99", "--world", "who2000"},
         0},
        {{"rates", "--population", "0", "--cancer", "0"}, 0},
        {{"rates", "--populations", "0", "--cancers", "0", "--kinds", "1", "--format", "tsv"}, 0},
        {{"rates", "--population", "0", "--cancer", "0", "--sex", "0"}, 0},
        {{"rates", "--population", "0", "--cancer", "0", "--from", "x"}, 2},
        {{"rates", "--population", "0", "--cancer", "0"}, 0},
        {{"table", "--population", "0", "--age-specific", "--sex", "f", "--title", "Kept"}, 0},
        {{"table", "--population", "0"}, 0},
        {{"sir", "--ref", "0,0,m", "--populations", "0", "--tests", "--from", "2"}, 0},
        {{"sir", "--ref", "0,0,m", "--populations", "0"}, 0},
        {{"compare", "--ref", "0,0,m", "--comp", "0,0,f", "--layout", "prn", "--to", "9"}, 0},
        {{"compare", "--ref", "0,0,m", "--comp", "0,0,f"}, 0},
        {{"graph", "curves", "--populations", "0", "--cancers", "0", "--title", "Kept", "--log",
          "--json"},
         0},
        {{"graph", "curves", "--populations", "0", "--cancers", "0", "--json"}, 0},
        {{"template", "make", "--out", gph, "curves", "--populations", "0", "--cancers", "0",
          "--title", "Kept"},
         0},
        {{"template", "make", "--out", gph, "curves", "--populations", "0", "--cancers", "0"}, 0},
        {{"template", "show", gph, "--json"}, 0},
        {{"sta", "make", "--from", dir.file("curve.csv"), "--out", sta, "--name", "Kept"}, 0},
        {{"sta", "make", "--from", dir.file("curve.csv"), "--out", sta}, 0},
        {{"compare", "--ref", "0,0,m", "--comp-file", sta}, 0},
        {{"rates", "--help"}, 0},
        {{"series", "--population", "0", "--cancer", "0", "--sex", "1"}, 0},
    };
    cli::CCommandLine reused;
    for (const Case& c : cases) {
        std::vector<std::string> args = c.args;
        args.insert(args.begin(), {"orvelan-cli", "--data-dir", dir.str()});
        SCOPED_TRACE(testing::PrintToString(c.args));
        const ProcessResult fresh = outcome(args, cli::runCli);
        const std::string freshFiles = dir.read("kept.GPH") + dir.read("kept.STA");
        const ProcessResult again = outcome(
            args, [&reused](int argc, const char* const* argv, std::ostream& out,
                            std::ostream& err) { return reused.run(argc, argv, out, err); });
        EXPECT_EQ(again.exitCode, c.status) << again.err;
        EXPECT_EQ(again.exitCode, fresh.exitCode);
        EXPECT_EQ(again.out, fresh.out);
        EXPECT_EQ(again.err, fresh.err);
        EXPECT_EQ(dir.read("kept.GPH") + dir.read("kept.STA"), freshFiles);
    }
}

} // namespace
} // namespace orvelan::test

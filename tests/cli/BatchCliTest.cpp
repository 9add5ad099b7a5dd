// The list forms of rates, table and report, template make, and their refusals.
#include "CliSupport.h"
#include "TextLines.h"

#include <filesystem>

namespace orvelan::test {
namespace {

// Population 0 has classes up to 85+, population 1 only up to 75+ but cases in every group
// (so its top folds), registry group 272 holds both. Cancer 0 in males has i + 1 cases in
// group i and 2 of unknown age; females twice as many; 1,000 person-years per class.
class BatchCli : public CliTest {
  protected:
    void SetUp() override {
        FixtureData data;
        for (int population = 0; population < 2; ++population) {
            addFlatPopulation(data, population, 1000.0, population == 0 ? 17 : 15,
                              [](int sex, std::size_t i) {
                                  return (sex + 1.0) * (i < 18 ? static_cast<double>(i + 1) : 2.0);
                              });
        }
        data.write(m_dir.str());
        m_dir.write("POPuser.dic", groupLine("Both registries", "000001"));
    }

    nlohmann::json singleRates(int population, int sex, int from, int to) const {
        return json({"rates", "--population", std::to_string(population), "--cancer", "0", "--sex",
                     std::to_string(sex), "--from", std::to_string(from), "--to",
                     std::to_string(to), "--json"})["rates"];
    }
};

TEST_F(BatchCli, ListFormEqualsTheSingleSeriesForm) {
    const std::pair<int, int> ranges[] = {{0, 17}, {3, 14}, {16, 17}};
    for (const auto& [from, to] : ranges) {
        const auto list =
            ok({"rates", "--populations", "0,1,272", "--cancers", "0", "--sexes", "m,f,both",
                "--from", std::to_string(from), "--to", std::to_string(to), "--format", "jsonl"});
        const auto lines = linesOf(list.out);
        ASSERT_EQ(lines.size(), 3u * 3u * 6u);
        for (std::size_t series = 0; series < 9; ++series) {
            const auto first = nlohmann::json::parse(lines[series * 6]);
            const int population = first["population"];
            const int sex = first["sex"];
            const auto single = singleRates(population, sex, from, to);
            for (std::size_t kind = 0; kind < 6; ++kind) {
                const auto row = nlohmann::json::parse(lines[series * 6 + kind]);
                EXPECT_EQ(row["kind"], kind);
                for (const char* key : {"value", "se", "lower", "upper"}) {
                    EXPECT_EQ(row[key], single[kind][key])
                        << "population " << population << " sex " << sex << " kind " << kind << " "
                        << key << " range " << from << "-" << to;
                }
            }
        }
    }
}

TEST_F(BatchCli, CasesOfTheTopGroupDoNotDependOnEarlierFigures) {
    // The group's classes end at 75+, so a crude rate over 85+ alone cannot be computed, but
    // the 85+ cases are still 18 in each member's males.
    const auto result = ok({"rates", "--populations", "272", "--cancers", "0", "--sexes", "m",
                            "--from", "17", "--to", "17"});
    const auto lines = linesOf(result.out);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[1], "272,0,0,0,,,,");
    EXPECT_EQ(lines[6], "272,0,0,5,36,,,");
    const auto single = singleRates(272, 0, 17, 17);
    EXPECT_EQ(single[5]["value"], 36.0);
}

TEST_F(BatchCli, StreamsCarryTheHeaderAndEmptyFields) {
    const auto csv = ok({"rates", "--populations", "1", "--cancers", "0", "--sexes", "m", "--kinds",
                         "5,3", "--format", "csv"});
    // 171 cases in known ages plus 2 of unknown age; no cumulative rate to the open top.
    EXPECT_EQ(csv.out, "population,cancer,sex,kind,value,se,lower,upper\n"
                       "1,0,0,5,173,,,\n"
                       "1,0,0,3,,,,\n");
    const auto tsv = run({"rates", "--populations", "1", "--cancers", "0", "--sexes", "m",
                          "--kinds", "5", "--format", "tsv"});
    EXPECT_EQ(tsv.out, "population\tcancer\tsex\tkind\tvalue\tse\tlower\tupper\n"
                       "1\t0\t0\t5\t173\t\t\t\n");
    const auto jsonl = run({"rates", "--populations", "0", "--cancers", "0", "--sexes", "f",
                            "--kinds", "0", "--format", "jsonl", "--to", "0"});
    const auto row = nlohmann::json::parse(jsonl.out);
    EXPECT_EQ(row["value"], 200.0); // 2 cases over 1,000 person-years
    EXPECT_EQ(row["se"], 200.0 / std::sqrt(2.0));
}

TEST_F(BatchCli, BadArgumentsExitWithAOneLineMessage) {
    TempDir out;
    const std::string missing = out.file("no/such/folder");
    const Args make = {"template", "make", "--out", out.file("r.RPT"), "--kind"};
    const Args rates = {"rates", "--populations", "0", "--cancers", "0"};
    const Args exportTo = {"export", "--out", out.file("x"), "--populations"};
    const struct {
        int exitCode;
        const char* message;
        Args args;
    } cases[] = {
        {2, "rate kind 6", joined(rates, {"--kinds", "6"})},
        {2, "not a whole number", {"rates", "--populations", "", "--cancers", "0"}},
        {2, "invalid sex", joined(rates, {"--sexes", ""})},
        {2, "Invalid age range", joined(rates, {"--from", "9", "--to", "3"})},
        {2, "empty range", {"rates", "--populations", "5-2", "--cancers", "0"}},
        {2, "format", joined(rates, {"--format", "xls"})},
        {2, "not both", {"rates", "--populations", "0", "--cancer", "0"}},
        {2, "--cancers", {"rates", "--populations", "0"}},
        {2, "folder", {"table", "--population", "0,1", "--out", out.file("t.prn")}},
        {1, "does not exist", {"table", "--population", "0,1", "--out", missing}},
        {2, "one population", {"table", "--population", "0,1", "--title", "T"}},
        {2, "unknown report kind", joined(make, {"pie", "--populations", "0", "--cancers", "0"})},
        {2,
         "File format not supported",
         {"template", "make", "--out", out.file("r.txt"), "--kind", "summary"}},
        {2, "no title",
         joined(make, {"summary", "--populations", "0,1", "--cancers", "0", "--title", "T"})},
        {2, "Age range is invalid for cumulative rate/risk",
         joined(make, {"user", "--populations", "0", "--cancers", "0", "--rate-kind", "4"})},
        {1,
         "r.RPT",
         {"template", "make", "--out", missing + "/r.RPT", "--kind", "summary", "--populations",
          "0,1", "--cancers", "0"}},
        {2,
         "format",
         {"report", "--kind", "summary", "--populations", "0,1", "--cancers", "0", "--format",
          "xml"}},
        {2,
         "not compatible",
         {"report", "--kind", "summary", "--populations", "1", "--cancers", "0", "--rows",
          "cancers", "--to", "15"}},
        {2, "--template", {"report", "--populations", "0"}},
        {2, "xls", joined(exportTo, {"0", "--cancers", "0", "--format", "xls"})},
        {2, "229", joined(exportTo, {"229", "--cancers", "0"})},
        {2, "Invalid sex/site combination",
         joined(exportTo, {"0", "--cancers", "117", "--sexes", "m"})},
        {1,
         "no/such",
         {"export", "--populations", "0", "--cancers", "0", "--out", missing + "/raw"}},
        {2, "orvelan-cli: ", {"series", "--population", "0", "--cancer", "252", "--sex", "0"}},
        {2, "orvelan-cli: ", {"series", "--population", "0", "--cancer", "0", "--sex", "both"}},
        {2, "orvelan-cli: ", {"nonsense"}},
    };
    for (const auto& c : cases) {
        const auto result = expectExit(c.args, c.exitCode, c.message);
        EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << "one line: " << result.err;
    }
    EXPECT_TRUE(std::filesystem::is_empty(out.path())) << "nothing is left behind";
}

TEST_F(BatchCli, TablesOfSeveralPopulationsGoIntoAFolder) {
    TempDir out;
    ok({"table", "--population", "0,1,272", "--out", out.str()});
    for (const char* population : {"0", "1", "272"}) {
        const auto single = run({"table", "--population", population});
        EXPECT_EQ(out.read(std::string("table-") + population + ".prn"), single.out) << population;
    }
    ok({"table", "--population", "0-1", "--age-specific", "--out", out.str()});
    const auto females = run({"table", "--population", "1", "--age-specific", "--sex", "f"});
    EXPECT_EQ(out.read("table-1-female.prn"), females.out);
    EXPECT_FALSE(out.read("table-0-male.prn").empty());

    // The tables of a run are saved together: one that cannot be saved (a folder stands in
    // its place) leaves the folder without any table of the run.
    TempDir blocked;
    std::filesystem::create_directories(blocked.file("table-1.prn/inside"));
    const auto failed = run({"table", "--population", "0-2", "--out", blocked.str()});
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_NE(failed.err.find("table-1.prn"), std::string::npos) << failed.err;
    EXPECT_FALSE(std::filesystem::exists(blocked.file("table-0.prn")));
    EXPECT_FALSE(std::filesystem::exists(blocked.file("table-2.prn")));
}

TEST_F(BatchCli, TemplateMadeHeadlessIsShownAndRun) {
    TempDir out;
    const std::string path = out.file("rates.RPT");
    const std::vector<std::string> choices = {
        "--kind", "summary", "--populations", "0,1", "--cancers", "0", "--sexes", "m,f",
        "--from", "0",       "--to",          "14",  "--ci"};
    ok(joined({"template", "make", "--out", path}, choices));
    EXPECT_EQ(std::filesystem::file_size(path), 2612u);

    const auto shown = json({"template", "show", path, "--json"});
    EXPECT_EQ(shown["type"], "Summary rate");
    const nlohmann::json block = {{"report_kind", 0},  {"interval", 1},       {"arrangement", 1},
                                  {"fixed_cancer", 0}, {"fixed_registry", 0}, {"age_from", 0},
                                  {"age_to", 14},      {"rate_kind", 1},      {"sexes", 2},
                                  {"male", 1},         {"female", 2}};
    EXPECT_EQ(shown["block"], block);
    EXPECT_EQ(shown["cancers"], nlohmann::json::array()); // the fixed cancer is in the block
    EXPECT_EQ(shown["registries"].size(), 2u);

    const auto fromFile = ok({"report", "--template", path, "--format", "csv"});
    EXPECT_EQ(fromFile.out, run(joined({"report", "--format", "csv"}, choices)).out);

    // Two tables (males, females) of two registries by six figures, after the header.
    const auto lines = linesOf(fromFile.out);
    ASSERT_EQ(lines.size(), 1u + 2u * 2u * 6u);
    EXPECT_EQ(lines[0], "table,sex,row,column,row_label,column_label,value,lower,upper");
    // The first cell is population 0's male crude rate with its limits, as rates gives them.
    const auto rates = singleRates(0, 0, 0, 14);
    const auto fields = csvFields(lines[1]);
    ASSERT_EQ(fields.size(), 9u) << lines[1];
    EXPECT_EQ(fields[0] + fields[1] + fields[2] + fields[3], "0011");
    EXPECT_EQ(fields[5], "Crude rate");
    EXPECT_EQ(std::stod(fields[6]), rates[0]["value"].get<double>());
    EXPECT_EQ(std::stod(fields[7]), rates[0]["lower"].get<double>());
    EXPECT_EQ(std::stod(fields[8]), rates[0]["upper"].get<double>());
}

TEST_F(BatchCli, GraphTemplateMadeHeadlessDrawsTheSameGraph) {
    TempDir out;
    const std::string path = out.file("curves.GPH");
    const std::vector<std::string> options = {"--populations", "0,1",  "--cancers", "0",
                                              "--sex",         "both", "--title",   "Two"};
    ok(joined({"template", "make", "--out", path, "curves"}, options));
    EXPECT_EQ(std::filesystem::file_size(path), 2864u);
    const auto shown = json({"template", "show", path, "--json"});
    EXPECT_EQ(shown["type"], "Age-specific");
    EXPECT_EQ(shown["title"], "Two");
    const auto text = run({"template", "show", path}).out;
    EXPECT_NE(text.find("(Age-specific)"), std::string::npos) << text;
    EXPECT_NE(text.find("Title: Two\n"), std::string::npos) << text;

    const auto fromTemplate = ok({"graph", "template", path, "--json"});
    EXPECT_EQ(fromTemplate.out, run(joined({"graph", "curves", "--json"}, options)).out);
    EXPECT_EQ(run({"template", "make", "--out", path}).exitCode, 2); // no graph kind
}

} // namespace
} // namespace orvelan::test

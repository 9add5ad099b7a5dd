// --world and --european of rates, report and graph bars, and sir --tests: the figures are the
// core's for the chosen table, outputs name it, and a bad standard file is refused.
#include "CliSupport.h"
#include "core/rates/ConfidenceLimits.h"

namespace orvelan::test {
namespace {

// Populations 0 and 12: 1,000 person-years in every group; all sites has one case per group
// in males (rate 100 in every group, so every ASR is 100 whatever the standard) and, in
// population 12, two.
class StandardCli : public CliTest {
  protected:
    void SetUp() override {
        FixtureData data;
        for (const int population : {0, 12}) {
            addFlatPopulation(data, population, 1000.0, 17, [population](int sex, std::size_t i) {
                // Females: a case in 0-4 only, so that the standard shows in the ASR.
                return i == 18            ? 0.0
                       : sex == 1         ? (i == 0 ? 1.0 : 0.0)
                       : population == 12 ? 2.0
                                          : 1.0;
            });
        }
        data.write(m_dir.str());
    }

    std::string file(const std::string& name, const std::string& text) const {
        m_dir.write(name, text);
        return m_dir.file(name);
    }
};

TEST_F(StandardCli, RatesTakeEachStandardAndNameIt) {
    // Females of population 0: one case in 0-4 over 1,000 person-years, rate 100 there, so the
    // ASR is 100 times the standard's weight of 0-4.
    const std::string own = file("own.std", "name: Flat\n" + std::string(18 * 2, ' ') +
                                                "1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1\n");
    struct Case {
        std::vector<std::string> options;
        double world, european;
        std::string worldLabel, europeanLabel;
    };
    const Case cases[] = {
        {{}, 12.0, 8.0, "ASR (World)", "ASR (European)"},
        {{"--world", "who2000"}, 8.8, 8.0, "ASR (World, WHO 2000)", "ASR (European)"},
        {{"--european", "2013", "--world", "segi"},
         12.0,
         5.0,
         "ASR (World)",
         "ASR (European 2013)"},
        {{"--world", own, "--european", own}, 100.0 / 18, 100.0 / 18, "ASR (Flat)", "ASR (Flat)"},
    };
    for (const Case& c : cases) {
        const auto rates =
            json(joined({"rates", "--population", "0", "--cancer", "0", "--sex", "1", "--json"},
                        c.options))["rates"];
        EXPECT_NEAR(rates[1]["value"].get<double>(), c.world, 1e-9) << c.worldLabel;
        EXPECT_NEAR(rates[2]["value"].get<double>(), c.european, 1e-9) << c.europeanLabel;
        EXPECT_EQ(rates[1]["label"], c.worldLabel);
        EXPECT_EQ(rates[2]["label"], c.europeanLabel);
        EXPECT_EQ(rates[0]["value"].get<double>(), 100.0 / 18); // crude: unaffected
    }

    const auto text =
        run({"rates", "--population", "0", "--cancer", "0", "--sex", "1", "--world", "who2000"});
    EXPECT_NE(text.out.find("\nASR (World, WHO 2000)         8.80"), std::string::npos) << text.out;

    // The list form names the table of each ASR row in a last column, only when asked.
    const auto list = ok({"rates", "--populations", "0", "--cancers", "0", "--sexes", "f",
                          "--kinds", "0-2", "--european", "2013"});
    EXPECT_EQ(list.out, "population,cancer,sex,kind,value,se,lower,upper,standard\n"
                        "0,0,1,0,5.555555555555555,5.555555555555555,-5.333333333333332,"
                        "16.444444444444443,\n"
                        "0,0,1,1,11.999999999999995,11.999999999999995,-11.519999999999994,"
                        "35.51999999999998,segi\n"
                        "0,0,1,2,4.999999999999999,4.999999999999999,-4.8,14.799999999999997,"
                        "2013\n");
    const auto jsonl = ok({"rates", "--populations", "0", "--cancers", "0", "--sexes", "f",
                           "--kinds", "1,5", "--world", own, "--format", "jsonl", "--ci"});
    const auto firstLine = nlohmann::json::parse(jsonl.out.substr(0, jsonl.out.find('\n')));
    EXPECT_EQ(firstLine["standard"], "Flat");
    EXPECT_EQ(firstLine["method"], "normal");
    EXPECT_TRUE(
        nlohmann::json::parse(jsonl.out.substr(jsonl.out.find('\n') + 1))["standard"].is_null());
    // A standard named in the files' Latin-1 comes out as UTF-8 JSON.
    const std::string latin1 = file("latin1.std", "name: Fl\xe2t\n" + std::string(18 * 2, ' ') +
                                                      "1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1\n");
    const auto named = ok({"rates", "--populations", "0", "--cancers", "0", "--sexes", "f",
                           "--kinds", "1", "--world", latin1, "--format", "jsonl"});
    EXPECT_EQ(nlohmann::json::parse(named.out.substr(0, named.out.find('\n')))["standard"],
              "Fl\u00e2t");
}

TEST_F(StandardCli, ReportAndBarsNameTheStandard) {
    const auto table =
        json({"report", "--kind", "user", "--populations", "0,12", "--cancers", "0", "--sexes", "f",
              "--rate-kind", "1", "--world", "who2000", "--json"})[0];
    EXPECT_EQ(table["title"], "ASR (World, WHO 2000) (All ages)");
    EXPECT_EQ(table["cells"][1][1], "     8.80");

    const auto cells = json({"report", "--kind", "summary", "--populations", "0", "--cancers", "0",
                             "--sexes", "f", "--european", "2013", "--json"})[0]["cells"];
    EXPECT_EQ(cells[0][2], "ASR (World)");
    EXPECT_EQ(cells[0][3], "ASR (European 2013)");
    EXPECT_EQ(cells[1][3], "     5.00");

    const auto bars = json({"graph", "bars", "--cancer", "0", "--populations", "0,12", "--sex", "1",
                            "--rate-kind", "2", "--european", "2013", "--json"});
    EXPECT_EQ(bars["title"], "All sites: ASR (European 2013) (per 100,000)-Female (All ages)");
}

TEST_F(StandardCli, ABadStandardFileIsRefusedWithItsMessage) {
    const std::string negative = file("neg.std", "1 1 1 1 1 1 1 1 1\n1 1 1 1 -1 1 1 1 1\n");
    const std::string bad =
        "File '" + negative + "' is not a standard population: line 2: '-1' is negative";
    const std::pair<Args, std::string> refused[] = {
        {{"rates", "--population", "0", "--cancer", "0", "--world", negative}, bad},
        {{"report", "--kind", "summary", "--populations", "0", "--cancers", "0", "--european",
          negative},
         bad},
        {{"graph", "bars", "--cancer", "0", "--populations", "0", "--world", negative}, bad},
        {{"rates", "--populations", "0", "--cancers", "0", "--world", m_dir.file("none.std")},
         "none.std"},
        {{"rates", "--population", "0", "--cancer", "0", "--european", "who2000"}, "who2000"},
    };
    for (const auto& [args, message] : refused) {
        EXPECT_EQ(expectExit(args, 2, message).out, "");
    }
}

TEST_F(StandardCli, SirTestsAddThePValuesAndTheTotal) {
    // Males: O = 36 against E = 18 in population 12, O = E = 18 in population 0. The total's
    // figures are SirTests.TotalOfThreeRowsWorkedByHand; here the command adds them.
    const auto sir = json({"sir", "--ref", "0,0,0", "--populations", "12,0", "--tests", "--json"});
    EXPECT_NEAR(sir["rows"][0]["p"].get<double>(), exactPoissonPValue(36, 18), 1e-12);
    EXPECT_EQ(sir["total"]["sir"], 150.0);
    EXPECT_EQ(sir["total"]["df"], 2);

    const auto text = run({"sir", "--ref", "0,0,0", "--populations", "12,0", "--tests"});
    EXPECT_NE(text.out.find("\t(O-E)\xC2\xB2/E\tp\n"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("\nTotal\t       54\t      36.0\t     150 [113,196]\t      18.0 "
                            "(2 df)\t  0.0001\n"),
              std::string::npos)
        << text.out;
    EXPECT_FALSE(
        json({"sir", "--ref", "0,0,0", "--populations", "12,0", "--json"}).contains("total"));
}

} // namespace
} // namespace orvelan::test

// --ci and --level of rates, sir and report: each figure names the method it got, the limits
// are the core's, and a method that fits none of a command's figures is refused.
#include "CliSupport.h"
#include "core/rates/ConfidenceLimits.h"

namespace orvelan::test {
namespace {

// Populations 0 and 12: 1,000 person-years in every group; all sites has one case per group
// in males (18 over 18,000 person-years: crude rate 100) and two in females.
class IntervalCli : public CliTest {
  protected:
    void SetUp() override {
        FixtureData data;
        for (const int population : {0, 12}) {
            addFlatPopulation(data, population, 1000.0, 17, [population](int sex, std::size_t i) {
                return i == 18 ? 0.0 : population == 12 && sex == 0 ? 2.0 : sex + 1.0;
            });
        }
        data.write(m_dir.str());
    }

    nlohmann::json rates(const std::string& method, const std::string& level) const {
        return json({"rates", "--population", "0", "--cancer", "0", "--sex", "0", "--to", "14",
                     "--ci", method, "--level", level, "--json"})["rates"];
    }

    std::string reportTemplate(int kind, int rateKind) const {
        return writeReportTemplate(m_dir.file("report.RPT"),
                                   {kind, 0, 1, 0, 0, 0, 17, rateKind, 2, 1, 0}, {0});
    }
};

// Which method each figure gets is IntervalMethod.EachFigureGetsAnApplicableMethod.
TEST_F(IntervalCli, RatesNameTheMethodEachFigureGot) {
    const std::array<std::string, 6> used = {"exact",  "tiwari", "tiwari",
                                             "normal", "normal", "exact"}; // by rate kind
    const auto tiwari = rates("tiwari", "90");
    for (std::size_t kind = 0; kind < 6; ++kind) {
        EXPECT_EQ(tiwari[kind]["method"], used[kind]) << "kind " << kind;
        EXPECT_EQ(tiwari[kind]["level"], 90);
    }
    // Fifteen cases over groups 0-14 (15,000 person-years).
    const auto exact = rates("exact", "99");
    const Interval count = exactPoissonLimits(15, 99);
    EXPECT_NEAR(exact[0]["lower"].get<double>(), count.lower * 100000 / 15000, 1e-9);
    EXPECT_NEAR(exact[5]["upper"].get<double>(), count.upper, 1e-9);

    const auto text = run({"rates", "--population", "0", "--cancer", "0", "--sex", "0", "--ci",
                           "tiwari", "--level", "90"});
    EXPECT_NE(text.out.find("90% confidence interval   method\n"), std::string::npos);
    EXPECT_NE(text.out.find("   tiwari\n"), std::string::npos);
}

TEST_F(IntervalCli, SirAndReportTakeTheMethod) {
    // Population 12 has two male cases a group: O = 36, E = 18.
    const auto row = json({"sir", "--ref", "0,0,0", "--populations", "12", "--ci", "exact",
                           "--level", "90", "--json"})["rows"][0];
    EXPECT_NEAR(row["upper"].get<double>(), 100 * exactPoissonLimits(36, 90).upper / 18, 1e-9);
    EXPECT_EQ(row["method"], "exact");

    const auto table =
        json({"report", "--template", reportTemplate(2, 0), "--ci", "exact", "--json"})[0];
    EXPECT_EQ(table["title"], "Crude rate (All ages) [95% CI: Exact Poisson]");
    const Interval count = exactPoissonLimits(18, 95);
    char cell[64];
    std::snprintf(cell, sizeof cell, "%9.2f [%.2f,%.2f]", 100.0, count.lower * 100 / 18,
                  count.upper * 100 / 18);
    EXPECT_EQ(table["cells"][1][1], cell);
}

TEST_F(IntervalCli, AMethodThatFitsNoFigureIsRefused) {
    const std::vector<std::vector<std::string>> refused = {
        {"sir", "--ref", "0,0,0", "--populations", "12", "--ci", "gamma"},
        {"report", "--template", reportTemplate(2, 3), "--ci", "exact"},
        {"report", "--template", reportTemplate(2, 1), "--ci", "exact"},
        {"rates", "--population", "0", "--cancer", "0", "--ci", "wilson"},
        {"rates", "--population", "0", "--cancer", "0", "--level", "80"},
    };
    for (const auto& args : refused) {
        const auto result = run(args);
        EXPECT_EQ(result.exitCode, 2) << args[0] << " " << args.back();
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
        EXPECT_TRUE(result.out.empty());
    }
}

} // namespace
} // namespace orvelan::test

#include "CliSupport.h"
#include "ComparisonCounts.h"
#include "TextLines.h"

namespace orvelan::test {
namespace {

// Males, cancer 0 ("All sites"): population 0 is the reference, population 1 the comparison,
// population 2 the comparison with its oldest class at 75+. Cancer 116 occurs in females only.
class ComparisonCli : public CliTest {
  protected:
    void SetUp() override {
        FixtureData data;
        const auto add = [&data](int population, const AgeValues& personYears,
                                 const AgeValues& cases) {
            data.setPopulation(population, 0, {1993, 1997, personYears, 'g', ' '});
            data.setCases(population, 0, 0, {cases, 100.0f});
            data.setCases(population, 0, 116, {cases, 100.0f});
        };
        add(0, kRefPersonYears, kRefCases);
        add(1, kCompPersonYears, kCompCases);
        add(2, compPersonYearsTo75(), kCompCases);
        data.write(m_dir.str());
    }
};

TEST_F(ComparisonCli, PrintsTheTabDelimitedLayout) {
    const auto result = ok({"compare", "--ref", "0,0,m", "--comp", "1,0,0"});
    const std::vector<std::string> expected = {
        "Reference:  Algeria, Algiers: All sites-Male",
        "Comparison:  France, La Reunion: All sites-Male",
        "Age range:  0-85+",
        "",
        "ASR (World)\t(Standard Error)",
        "Reference:\t146.43\t(4.708)",
        "Comparison:\t199.52\t(7.373)",
        "Ratio:\t1.363",
        "",
        "Relative Risk (RR) Estimates",
        "Method\tRate Ratio (RR)\tlog(RR)\tS.E.(log(RR))",
        "Mantel & Haenszel\t1.3569\t0.3052\t0.0478",
        "Maximum likelihood\t1.3567\t0.3051\t0.0478",
        "",
        "Test of significance of the Relative Risk (RR)",
        "\tPvalue\tChi2\tDegree of freedom",
        "Mantel-Haenszel-Cochran test\t0.000000\t40.9864\t1",
        "Heterogeneity test\t0.998286\t4.7980\t17",
        "Trend test\t0.328042\t0.9566\t1",
    };
    EXPECT_EQ(linesOf(result.out), expected);
    EXPECT_TRUE(result.err.empty()) << result.err;
}

// The figures of the cut range are ComparisonStoreTest.CutsAtTheComparisonsOpenClassAndWarns.
TEST_F(ComparisonCli, LayoutOptionAndJsonOfACutRange) {
    const auto prn =
        ok({"compare", "--ref", "0,0,0", "--comp", "2,0,0", "--from", "0", "--layout", "prn"});
    EXPECT_EQ(linesOf(prn.out).at(6), "Comparison:    199.25 (7.345)");
    const auto cut = json({"--json", "compare", "--ref", "0,0,0", "--comp", "2,0,0"});
    EXPECT_EQ(cut.size(), 35u);
    EXPECT_EQ(cut["ageHigh"], 15); // the effective top after the cut
}

TEST_F(ComparisonCli, TakesTheComparisonCurveFromAnAnalysisFile) {
    std::string sta = "Typed curve\r\n";
    for (std::size_t j = 0; j < 18; ++j) {
        const double cases = j == 14 ? 112 + 95 + 70 + 44 : j < 14 ? kCompCases[j] : 0.0;
        const double personYears = j <= 14 ? kCompPersonYears[j] : 0.0;
        sta += std::to_string(static_cast<int>(cases)) + " " +
               std::to_string(static_cast<int>(personYears)) + " 0.000\r\n";
    }
    m_dir.write("typed.STA", sta);
    const auto result = ok({"compare", "--ref", "0,0,0", "--comp-file", m_dir.file("typed.STA")});
    EXPECT_EQ(result.err, "orvelan-cli: Warning: 74 will be interpreted as 70+\n");
    EXPECT_EQ(linesOf(result.out).at(12), "Maximum likelihood\t1.9810\t0.6836\t0.0491");
}

TEST_F(ComparisonCli, BadArgumentsExitWithStatusTwo) {
    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    const Case cases[] = {
        {{"compare", "--ref", "0,0,0"}, "either with --comp or with --comp-file"},
        {{"compare", "--ref", "0,0,0", "--comp", "1,0,0", "--comp-file", "x.STA"}, "either"},
        {{"compare", "--ref", "0,0", "--comp", "1,0,0"}, "population,cancer,sex"},
        {{"compare", "--ref", "0,0,0", "--comp", "1,0,3"}, "invalid sex"},
        {{"compare", "--ref", "0,0,0", "--comp", "1,0,0", "--layout", "csv"}, "--layout"},
        {{"compare", "--ref", "0,0,0", "--comp", "1,0,0", "--from", "9", "--to", "3"}, "range"},
        {{"sir", "--ref", "0,0,0", "--populations", "1,300"}, "unknown population 300"},
        {{"sir", "--ref", "0,0,0"}, "--populations"},
    };
    for (const Case& c : cases) {
        const auto result = expectExit(c.args, 2, c.message);
        EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << "one line: " << result.err;
        EXPECT_TRUE(result.out.empty());
    }
}

// What makes a typed curve unusable is AnalysisFileTest.ReportsShortAndMalformedFiles and
// UserCurveChecksTest.AsksForPersonYearsWithoutGaps; here one of them reaches exit status 1.
TEST_F(ComparisonCli, MissingOrUnusableDataExitWithStatusOne) {
    m_dir.write("short.STA", "title\n1 2 3\n");
    expectExit({"compare", "--ref", "0,0,0", "--comp-file", m_dir.file("none.STA")}, 1, "none.STA");
    expectExit({"compare", "--ref", "0,0,0", "--comp-file", m_dir.file("short.STA")}, 1,
               "holds only 1 of the 18 age-group lines");
    expectExit({"compare", "--ref", "0,0,0", "--comp", "1,0,0", "--from", "0", "--to", "1"}, 1,
               "No data available!");
}

TEST_F(ComparisonCli, SirPrintsTheGridRows) {
    const auto result = ok({"sir", "--ref", "0,0,m", "--populations", "0-2,7"});
    const std::vector<std::string> expected = {
        " Algeria, Algiers: All sites-Male (All ages)\tObserved\tExpected\tSIR[95% CI]\t"
        "(O-E)\xC2\xB2/E",
        " Algeria, Algiers\t     1020\t    1020.0\t     100 [94,106]\t       0.0",
        " France, La Reunion\t      765\t     563.5\t     136 [126,146]\t      72.1",
        " The Gambia\t      765\t     564.2\t     136 [126,146]\t      71.4",
        " Argentina, Concordia\tN.A.\tN.A.\tN.A.\tN.A.",
    };
    EXPECT_EQ(linesOf(result.out), expected);
}

} // namespace
} // namespace orvelan::test

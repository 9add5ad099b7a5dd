#include "core/rates/ComparisonTexts.h"

#include "TempDir.h"
#include "TextLines.h"
#include "core/rates/ComparisonLayouts.h"

#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>
#include <vector>

namespace orvelan {
namespace {

using orvelan::test::linesOf;

/// A comparison with every result available and numbers away from rounding edges.
CurvePair computedPair() {
    CurvePair p;
    p.asrRef = 12.3456;
    p.seRef = 0.6789;
    p.asrComp = 20.5;
    p.seComp = 1.25;
    p.rrMH = 1.5;
    p.logRrMH = std::log(1.5);
    p.seLogRrMH = 0.1;
    p.rrML = 1.49;
    p.logRrML = std::log(1.49);
    p.seLogRrML = 0.1001;
    p.pMHC = 0.000123;
    p.chi2MHC = 14.5;
    p.dfMHC = 1;
    p.pHeterogeneity = 0.5;
    p.chi2Heterogeneity = 8.3;
    p.dfHeterogeneity = 9;
    p.pTrend = 0.25;
    p.chi2Trend = 1.3234;
    p.dfTrend = 1;
    return p;
}

const ComparisonTexts kTexts = {"Ruritania: Stomach-Male", "Borduria: Stomach-Male", " 0-74"};

struct Cell {
    ResultList list;
    int row;
    int column;
    const char* text;
};

void expectCells(const CurvePair& pair, const std::vector<Cell>& cells) {
    for (const Cell& c : cells) {
        EXPECT_EQ(resultCellText(pair, c.list, c.row, c.column), c.text)
            << "list " << static_cast<int>(c.list) << " row " << c.row << " column " << c.column;
    }
}

TEST(ResultCellText, ShowsEveryAvailableResultInItsColumnFormat) {
    expectCells(computedPair(), {
                                    {ResultList::Asr, 0, 1, "Reference"},
                                    {ResultList::Asr, 0, 2, "  12.35"},
                                    {ResultList::Asr, 0, 3, "  0.679"},
                                    {ResultList::Asr, 1, 2, "  20.50"},
                                    {ResultList::Asr, 1, 3, "  1.250"},
                                    {ResultList::Asr, 2, 1, "Ratio"},
                                    {ResultList::Asr, 2, 2, "  1.661"},
                                    {ResultList::Asr, 2, 3, "   -   "},
                                    {ResultList::RateRatio, 0, 1, "Mantel & Haenszel"},
                                    {ResultList::RateRatio, 0, 2, "  1.5000[  1.2330,  1.8248]"},
                                    {ResultList::RateRatio, 0, 3, "  0.4055"},
                                    {ResultList::RateRatio, 0, 4, "  0.1000"},
                                    {ResultList::RateRatio, 1, 2, "  1.4900[  1.2246,  1.8130]"},
                                    {ResultList::RateRatio, 1, 3, "  0.3988"},
                                    {ResultList::RateRatio, 1, 4, "  0.1001"},
                                    {ResultList::Tests, 0, 1, "Mantel-Haenszel-Cochran test"},
                                    {ResultList::Tests, 0, 2, " 0.000123"},
                                    {ResultList::Tests, 0, 3, " 14.500000"},
                                    {ResultList::Tests, 0, 4, " 1"},
                                    {ResultList::Tests, 1, 2, " 0.500000"},
                                    {ResultList::Tests, 1, 3, "  8.300000"},
                                    {ResultList::Tests, 1, 4, " 9"},
                                    {ResultList::Tests, 2, 3, "  1.323400"},
                                    {ResultList::Asr, 3, 2, ""},
                                    {ResultList::Tests, 0, 5, ""},
                                });
}

TEST(ResultCellText, ShowsDashesForResultsNotAvailable) {
    CurvePair failed;
    failed.resetResults();
    expectCells(failed, {
                            {ResultList::Asr, 0, 2, "    -  "},
                            {ResultList::Asr, 0, 3, "   -   "},
                            {ResultList::Asr, 2, 2, "   -   "},
                            {ResultList::RateRatio, 0, 2, "   -    "},
                            {ResultList::RateRatio, 1, 3, "   -    "},
                            {ResultList::RateRatio, 1, 4, "   -    "},
                            {ResultList::Tests, 0, 2, "  -      "},
                            {ResultList::Tests, 0, 3, "   -      "},
                            {ResultList::Tests, 0, 4, " 0"},
                        });

    // Reference ASR known, comparison failed: no ratio of the two.
    CurvePair half = failed;
    half.asrRef = 10.0;
    half.seRef = 1.0;
    expectCells(half, {{ResultList::Asr, 2, 2, "   -   "}, {ResultList::Asr, 1, 2, "    -  "}});

    // No comparison cases: a ratio of 0 without logarithm or interval, tests not carried out.
    CurvePair none = computedPair();
    none.rrMH = 0.0;
    none.logRrMH = 0.0;
    none.seLogRrMH = -1.0;
    none.rrML = -1.0;
    none.logRrML = 0.0;
    none.seLogRrML = -1.0;
    none.chi2Heterogeneity = none.pHeterogeneity = -1.0;
    none.dfHeterogeneity = -1;
    none.chi2MHC = 0.0;
    expectCells(none, {
                          {ResultList::RateRatio, 0, 2, "  0.0000"},
                          {ResultList::RateRatio, 0, 3, "   -    "},
                          {ResultList::RateRatio, 0, 4, "   -    "},
                          {ResultList::RateRatio, 1, 2, "   -    "},
                          {ResultList::Tests, 0, 3, "   -      "},
                          {ResultList::Tests, 1, 2, "  -      "},
                          {ResultList::Tests, 1, 4, " -"},
                      });
}

TEST(AgeRangeFieldText, NamesTheRangeTheCutOrTheFailure) {
    struct Case {
        int ageLow, ageHigh, last;
        const char* text;
    };
    const Case cases[] = {
        {0, 14, 14, " 0-74"},
        {2, 17, 17, "10-85+"},
        {0, 17, 15, " 0-75+ Warning, check population figures"},
        {0, 17, 14, " 0-70+ Warning, check population figures"},
        {3, 17, 16, "15-80+ Warning, check population figures"},
        {0, 17, 0, "No data available!"},
        {0, 1, 0, "No data available!"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ageRangeFieldText(c.ageLow, c.ageHigh, c.last), c.text) << c.text;
    }
}

TEST(ComparisonText, TabDelimitedLayout) {
    const std::vector<std::string> expected = {
        "Reference: Ruritania: Stomach-Male",
        "Comparison: Borduria: Stomach-Male",
        "Age range:  0-74",
        "",
        "ASR (World)\t(Standard Error)",
        "Reference:\t12.35\t(0.679)",
        "Comparison:\t20.50\t(1.250)",
        "Ratio:\t1.661",
        "",
        "Relative Risk (RR) Estimates",
        "Method\tRate Ratio (RR)\tlog(RR)\tS.E.(log(RR))",
        "Mantel & Haenszel\t1.5000\t0.4055\t0.1000",
        "Maximum likelihood\t1.4900\t0.3988\t0.1001",
        "",
        "Test of significance of the Relative Risk (RR)",
        "\tPvalue\tChi2\tDegree of freedom",
        "Mantel-Haenszel-Cochran test\t0.000123\t14.5000\t1",
        "Heterogeneity test\t0.500000\t8.3000\t9",
        "Trend test\t0.250000\t1.3234\t1",
    };
    const std::string text = comparisonText(computedPair(), kTexts, ComparisonLayout::TabDelimited);
    EXPECT_EQ(linesOf(text), expected);
    EXPECT_EQ(text.back(), '\n');
    EXPECT_EQ(text.find('\r'), std::string::npos);
}

TEST(ComparisonText, FormattedLayout) {
    const std::vector<std::string> expected = {
        "Reference: Ruritania: Stomach-Male",
        "Comparison: Borduria: Stomach-Male",
        "Age range:  0-74",
        "",
        "ASR (World) (Standard Error)",
        "Reference:      12.35 (0.679)",
        "Comparison:     20.50 (1.250)",
        "Ratio:          1.661",
        "",
        "Relative Risk (RR) Estimates",
        "Method             Rate Ratio (RR)        log(RR)  S.E.(log(RR))",
        "Mantel & Haenszel           1.5000         0.4055         0.1000",
        "Maximum likelihood          1.4900         0.3988         0.1001",
        "",
        "Test of significance of the Relative Risk (RR)",
        "                                   Pvalue        Chi2   Degree of freedom",
        "Mantel-Haenszel-Cochran test     0.000123     14.5000                   1",
        "Heterogeneity test               0.500000      8.3000                   9",
        "Trend test                       0.250000      1.3234                   1",
    };
    EXPECT_EQ(linesOf(comparisonText(computedPair(), kTexts, ComparisonLayout::Formatted)),
              expected);
}

TEST(ComparisonText, PrintsResultsNotAvailableAsTheirNumbers) {
    CurvePair p = computedPair();
    p.asrRef = 0.0;
    p.rrML = -1.0;
    p.logRrML = 0.0;
    p.seLogRrML = -1.0;
    p.pHeterogeneity = p.chi2Heterogeneity = -1.0;
    p.dfHeterogeneity = -1;
    const std::vector<std::string> lines =
        linesOf(comparisonText(p, kTexts, ComparisonLayout::TabDelimited));
    ASSERT_EQ(lines.size(), 18u); // no ratio line without a positive reference ASR
    EXPECT_EQ(lines[6], "Comparison:\t20.50\t(1.250)");
    EXPECT_EQ(lines[7], "");
    EXPECT_EQ(lines[11], "Maximum likelihood\t-1.0000\t0.0000\t-1.0000");
    EXPECT_EQ(lines[16], "Heterogeneity test\t-1.000000\t-1.0000\t-1");
}

TEST(ComparisonLayoutForFile, ChoosesByTheLastFourCharactersInAnyCase) {
    EXPECT_EQ(comparisonLayoutForFile("work/result.txt"), ComparisonLayout::TabDelimited);
    EXPECT_EQ(comparisonLayoutForFile("RESULT.TXT"), ComparisonLayout::TabDelimited);
    EXPECT_EQ(comparisonLayoutForFile("result.Prn"), ComparisonLayout::Formatted);
    EXPECT_EQ(comparisonLayoutForFile("result.csv"), std::nullopt);
    EXPECT_EQ(comparisonLayoutForFile("resulttxt"), std::nullopt);
    EXPECT_EQ(comparisonLayoutForFile("txt"), std::nullopt);
}

TEST(SaveComparison, WritesTheChosenLayoutOrNothing) {
    test::TempDir dir;
    const CurvePair pair = computedPair();
    EXPECT_TRUE(saveComparison(dir.file("a.PRN"), pair, kTexts).ok());
    EXPECT_EQ(dir.read("a.PRN"), comparisonText(pair, kTexts, ComparisonLayout::Formatted));
    EXPECT_TRUE(saveComparison(dir.file("b.txt"), pair, kTexts).ok());
    EXPECT_EQ(dir.read("b.txt"), comparisonText(pair, kTexts, ComparisonLayout::TabDelimited));

    const SaveResult unsupported = saveComparison(dir.file("c.xls"), pair, kTexts);
    EXPECT_EQ(unsupported.status, SaveStatus::UnsupportedFormat);
    EXPECT_EQ(unsupported.message, "File format not supported...");
    EXPECT_FALSE(std::filesystem::exists(dir.file("c.xls")));

    const std::string missing = dir.file("no/such/folder/d.txt");
    const SaveResult failed = saveComparison(missing, pair, kTexts);
    EXPECT_EQ(failed.status, SaveStatus::Failed);
    EXPECT_NE(failed.message.find(missing), std::string::npos) << failed.message;
    // Only the two saved files remain: no temporary file is left behind.
    EXPECT_EQ(dir.names().size(), 2u);
}

} // namespace
} // namespace orvelan

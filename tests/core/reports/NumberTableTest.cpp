#include "core/reports/NumberTable.h"

#include "core/rates/SeveralCurveComparison.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace orvelan {
namespace {

/// Two value columns, the first with intervals, three rows as the views show them.
CTextGrid sampleGrid() {
    CTextGrid grid(4, 3);
    grid.setText(0, 0, "Stomach-Male (All ages)");
    grid.setText(0, 1, "ASR (World) [95% CI]");
    grid.setText(0, 2, "Number of cases");
    grid.setText(1, 0, " Denmark, \"North\" (1993-1997)");
    grid.setText(1, 1, "  12.50 (10.0 to 15.0)");
    grid.setText(1, 2, "   25");
    grid.setText(2, 0, " Cura\347ao, Willemstad");
    grid.setText(2, 1, "N.A.");
    grid.setText(2, 2, "-");
    grid.setText(3, 0, " Algeria, Setif");
    grid.setText(3, 1, "   0.33 (0.1 to 1.0)");
    grid.setText(3, 2, "    1");
    grid.setLabelColumnName("Registry name");
    return grid;
}

NumberGrid sampleNumbers() {
    return {{{12.5, 10.0, 15.0}, {25.0, {}, {}}},
            {{{}, {}, {}}, {0.0, {}, {}}},
            {{1.0 / 3.0, 0.1, 1.0}, {1.0, {}, {}}}};
}

TEST(NumberTable, OneColumnPerFigureWithHeadersEmptyCellsAndQuotedLabels) {
    EXPECT_EQ(numberTableText(sampleGrid(), sampleNumbers(), ','),
              "Registry name,ASR (World),ASR (World) lower,ASR (World) upper,Number of cases\n"
              "\"Denmark, \"\"North\"\" (1993-1997)\",12.5,10,15,25\n"
              // a dash and "N.A." are empty; the Latin-1 name arrives as UTF-8
              "\"Cura\303\247ao, Willemstad\",,,,\n"
              "\"Algeria, Setif\",0.3333333333333333,0.1,1,1\n");
}

TEST(NumberTable, TabSeparatedRowsInTheOrderAndSelectionGiven) {
    const std::vector<int> rows = {3, 1};
    EXPECT_EQ(numberTableText(sampleGrid(), sampleNumbers(), '\t', rows),
              "Registry name\tASR (World)\tASR (World) lower\tASR (World) upper\t"
              "Number of cases\n"
              "Algeria, Setif\t0.3333333333333333\t0.1\t1\t1\n"
              // a comma needs no quotes between tabs, a quote does
              "\"Denmark, \"\"North\"\" (1993-1997)\"\t12.5\t10\t15\t25\n");
}

TEST(NumberTable, ColumnsWithoutIntervalsHaveNoLimitColumns) {
    NumberGrid numbers = sampleNumbers();
    for (auto& row : numbers) {
        row[0].lower.reset();
        row[0].upper.reset();
    }
    const std::string text = numberTableText(sampleGrid(), numbers, ',');
    EXPECT_EQ(text.substr(0, text.find('\n')), "Registry name,ASR (World),Number of cases");
    EXPECT_EQ(numberColumnName("  SIR[95% CI] "), "SIR");
    EXPECT_EQ(quotedField("a\nb", '\t'), "\"a\nb\"");
}

TEST(NumberTable, SeveralCurveRowsGiveObservedExpectedSirAndChiSquare) {
    SirRow row;
    row.observed = 30.0;
    row.expected = 20.0;
    row.sir = 150.0;
    row.sirLow = 101.2;
    row.sirHigh = 214.1;
    row.chi2 = 5.0;
    const NumberGrid numbers = gridNumbers(std::vector<SirRow>{row, SirRow{}});
    ASSERT_EQ(numbers.size(), 2u);
    EXPECT_EQ(numbers[0][1].value, 20.0);
    EXPECT_EQ(numbers[0][2].lower, 101.2);
    EXPECT_EQ(numbers[0][3].value, 5.0);
    EXPECT_FALSE(numbers[1][0].value); // not available: every figure missing
}

} // namespace
} // namespace orvelan

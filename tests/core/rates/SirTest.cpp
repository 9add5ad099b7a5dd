#include "core/rates/SeveralCurveComparison.h"

#include <cmath>
#include <gtest/gtest.h>

namespace orvelan {
namespace {

/// The two curves of one row; groups 0-17.
struct Curves {
    AgeArray refPersonYears{};
    AgeArray refCases{};
    int refLast = kTopAgeGroup;
    AgeArray compPersonYears{};
    AgeArray compCases{};
    int compLast = kTopAgeGroup;

    SirRow row(int ageLow, int ageHigh) const {
        return sirFromCurves(refPersonYears, refCases, refLast, compPersonYears, compCases,
                             compLast, ageLow, ageHigh);
    }
};

/// Reference rate 1 per 1000 person-years everywhere; comparison with 500 person-years a group.
Curves flatCurves(double compCasesPerGroup) {
    Curves c;
    c.refPersonYears.fill(1000.0);
    c.refCases.fill(1.0);
    c.compPersonYears.fill(500.0);
    c.compCases.fill(compCasesPerGroup);
    return c;
}

TEST(PoissonLimits, UseTheTableBelowFiftyAndTheSquareRootsFromFifty) {
    struct Case {
        double observed, lower, upper;
    };
    const Case cases[] = {
        {0.0, 0.00, 3.00},
        {1.0, 0.03, 5.57},
        {17.0, 9.90, 27.22},
        {49.0, 36.25, 64.78},
        {49.9, 36.25, 64.78}, // the whole part chooses the row
        {50.0, 37.10110708874367, 65.957599719944},
        {100.0, 81.3604, 121.65815621739695},
    };
    for (const Case& c : cases) {
        const PoissonLimits limits = poissonLimits(c.observed);
        EXPECT_NEAR(limits.lower, c.lower, 1e-9) << c.observed;
        EXPECT_NEAR(limits.upper, c.upper, 1e-9) << c.observed;
    }
}

TEST(SirFromCurves, TheReferenceAgainstItselfGivesOneHundred) {
    Curves c;
    for (std::size_t j = 0; j < c.refCases.size(); ++j) {
        c.refPersonYears[j] = c.compPersonYears[j] = 10000.0 - 400.0 * static_cast<double>(j);
        c.refCases[j] = c.compCases[j] = static_cast<double>(j * j);
    }
    const SirRow row = c.row(0, 17);
    EXPECT_NEAR(row.expected, row.observed, 1e-9);
    EXPECT_NEAR(row.sir, 100.0, 1e-12);
    EXPECT_NEAR(row.chi2, 0.0, 1e-12);
}

TEST(SirFromCurves, CountsObservedAndExpectedWithTheirLimits) {
    struct Case {
        double compCasesPerGroup;
        int ageLow, ageHigh;
        std::array<const char*, 4> cells;
    };
    // E = 0.5 per group of the range.
    const Case cases[] = {
        {0.0, 0, 4, {"        0", "       2.5", "       0 [0,120]", "       2.5"}},
        {7.0, 0, 6, {"       49", "       3.5", "    1400 [1036,1851]", "     591.5"}},
        {5.0, 0, 9, {"       50", "       5.0", "    1000 [742,1319]", "     405.0"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(sirCellTexts(flatCurves(c.compCasesPerGroup).row(c.ageLow, c.ageHigh)),
                  (std::array<std::string, 4>{c.cells[0], c.cells[1], c.cells[2], c.cells[3]}));
    }
    // O = 49 and O = 50 over E = 35: table row 49, then (sqrt(50) - .98)^2, (sqrt(51) + .98)^2.
    Curves c = flatCurves(0.0);
    c.compPersonYears.fill(35000.0 / 18.0);
    c.compCases[3] = 49.0;
    SirRow row = c.row(0, 17);
    EXPECT_NEAR(row.expected, 35.0, 1e-12);
    EXPECT_EQ(sirCellTexts(row)[2], "     140 [104,185]");
    c.compCases[4] = 1.0;
    row = c.row(0, 17);
    EXPECT_NEAR(row.sirLow, 100.0 * 37.10110708874367 / 35.0, 1e-9);
    EXPECT_EQ(sirCellTexts(row)[2], "     143 [106,188]");
}

TEST(SirFromCurves, RowsThatCannotBeComputedAreNotAvailable) {
    Curves noReferenceCases = flatCurves(2.0);
    noReferenceCases.refCases.fill(0.0);
    Curves closedAtComparisonTop = flatCurves(2.0);
    closedAtComparisonTop.compLast = 15;
    Curves closedAtReferenceTop = flatCurves(2.0);
    closedAtReferenceTop.refLast = 14;

    const std::pair<SirRow, const char*> rows[] = {
        {noReferenceCases.row(0, 17), "E = 0"},
        {closedAtComparisonTop.row(0, 15), "75-79 is the comparison's open class 75+"},
        {closedAtReferenceTop.row(3, 14), "70-74 is the reference's open class 70+"},
    };
    for (const auto& [row, why] : rows) {
        EXPECT_FALSE(row.available()) << why;
        EXPECT_EQ(sirCellTexts(row), (std::array<std::string, 4>{"N.A.", "N.A.", "N.A.", "N.A."}))
            << why;
    }
    EXPECT_TRUE(closedAtComparisonTop.row(0, 14).available());
}

TEST(SirFromCurves, AnOpenTopRangeEndsAtTheYoungerOpenClassForBothCurves) {
    Curves c = flatCurves(1.0);
    c.refCases[15] = 2.0; // the reference reaches 85+: 12 cases in 3000 person-years from 75
    c.refCases[16] = 4.0;
    c.refCases[17] = 6.0;
    c.compLast = 15; // the comparison ends at 75+
    c.compPersonYears[16] = c.compPersonYears[17] = 0.0;
    c.compCases[15] = 9.0;
    c.compCases[16] = c.compCases[17] = 0.0;
    const SirRow row = c.row(0, 17);
    EXPECT_DOUBLE_EQ(row.observed, 24.0);
    EXPECT_DOUBLE_EQ(row.expected, 15 * 0.5 + 500.0 * 12.0 / 3000.0);
    EXPECT_DOUBLE_EQ(row.chi2, 14.5 * 14.5 / 9.5);

    // Cases recorded above an open class shared by both curves are counted in it.
    Curves both = c;
    both.refLast = 15;
    both.compCases[16] = 3.0;
    EXPECT_DOUBLE_EQ(both.row(0, 17).observed, 27.0);
}

TEST(SirFromCurves, AgeGroupsWithoutReferencePersonYearsAddNothingExpected) {
    Curves c = flatCurves(1.0);
    c.refPersonYears[2] = 0.0; // cases without person-years would give an infinite rate
    const SirRow row = c.row(0, 4);
    EXPECT_DOUBLE_EQ(row.expected, 2.0);
    EXPECT_DOUBLE_EQ(row.observed, 5.0);
}

} // namespace
} // namespace orvelan

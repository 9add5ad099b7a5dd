#include "core/reports/GridAlgorithms.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace orvelan {
namespace {

using Table = std::vector<std::vector<std::string>>;

// A 4 x 4 grid: corner, headings, row labels and values "r<row>c<column>".
Table sampleTable() {
    Table table = {{"Corner", "H1", "H2", "H3"}};
    for (int row = 1; row < 4; ++row) {
        table.push_back({"Row" + std::to_string(row)});
        for (int column = 1; column < 4; ++column) {
            table.back().push_back(std::string("r") + std::to_string(row) + "c" +
                                   std::to_string(column));
        }
    }
    return table;
}

std::string copyOf(const Table& table, const std::vector<CellPosition>& cells) {
    const auto range = boundingRange(cells);
    if (!range) {
        return {};
    }
    auto text = [&table](int row, int column) {
        return table[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
    };
    auto selected = [&cells](int row, int column) {
        for (const CellPosition& cell : cells) {
            if (cell.row == row && cell.column == column) {
                return true;
            }
        }
        return false;
    };
    return gridCopyText(*range, text, selected);
}

TEST(GridCopyText, CarriesCornerHeadingsAndRowLabels) {
    const Table table = sampleTable();
    struct Case {
        std::vector<CellPosition> cells;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {{{2, 3}}, "Corner\tH3\nRow2\tr2c3"},
        {{{1, 1}, {1, 2}, {2, 1}, {2, 2}}, "Corner\tH1\tH2\nRow1\tr1c1\tr1c2\nRow2\tr2c1\tr2c2"},
        // A diagonal pair: the rectangle between them, the unselected cells empty.
        {{{1, 1}, {3, 3}}, "Corner\tH1\tH2\tH3\nRow1\tr1c1\t\t\nRow2\t\t\t\nRow3\t\t\tr3c3"},
        {{}, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(copyOf(table, c.cells), c.expected);
    }
}

TEST(BoundingRange, IsTheSmallestRectangle) {
    EXPECT_FALSE(boundingRange({}).has_value());
    EXPECT_EQ(*boundingRange({{5, 2}}), (CellRange{5, 2, 5, 2}));
    EXPECT_EQ(*boundingRange({{5, 2}, {1, 7}, {3, 4}}), (CellRange{1, 2, 5, 7}));
}

std::vector<std::string> reordered(const std::vector<std::string>& keys,
                                   const std::vector<int>& order) {
    std::vector<std::string> out;
    for (int i : order) {
        out.push_back(keys[static_cast<std::size_t>(i)]);
    }
    return out;
}

TEST(SortedRowOrder, SortsByBytesAndKeepsTheHeader) {
    struct Case {
        std::vector<std::string> keys;
        bool ascending;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases = {
        // Fixed-width numbers sort numerically; "N.A." comes after every number ascending.
        {{"Header", "     12", "N.A.", "      3", "    100"},
         true,
         {"Header", "      3", "     12", "    100", "N.A."}},
        {{"Header", "     12", "N.A.", "      3", "    100"},
         false,
         {"Header", "N.A.", "    100", "     12", "      3"}},
        // Byte order: upper case before lower case, bytes above 127 after ASCII.
        {{"zz", "b", "B", "\xc3\xa9", "a"}, true, {"zz", "B", "a", "b", "\xc3\xa9"}},
        // A header that would sort elsewhere stays put.
        {{"~", "b", "a"}, true, {"~", "a", "b"}},
        {{"Header", "only"}, true, {"Header", "only"}},
        {{"Header"}, false, {"Header"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(reordered(c.keys, sortedRowOrder(c.keys, 1, c.ascending)), c.expected);
    }
}

TEST(SortedRowOrder, ReproducesTheExchangesOfThePartitionSort) {
    // Equal keys end in the order the exchanges leave, worked by hand: over rows 1-4 with
    // pivot "a" rows 1 and 4 swap, then rows 2 and 3 (equal keys are exchanged too); the
    // half 1-2 swaps once more and the half 3-4 is already in place.
    const std::vector<std::string> keys = {"H", "b", "a", "a", "a"};
    EXPECT_EQ(sortedRowOrder(keys, 1, true), (std::vector<int>{0, 3, 4, 2, 1}));
}

TEST(SortedRowOrder, HandlesLargeAdversarialInput) {
    std::vector<std::string> keys = {"Header"};
    for (int i = 0; i < 20000; ++i) {
        keys.push_back(std::to_string(100000 + (i % 2 == 0 ? i : 20000 - i)));
    }
    const std::vector<std::string> sorted = reordered(keys, sortedRowOrder(keys, 1, true));
    EXPECT_EQ(sorted.front(), "Header");
    EXPECT_TRUE(std::is_sorted(sorted.begin() + 1, sorted.end()));
}

TEST(PageFirstRows, StartsAPageWithTheRowThatOverflows) {
    struct Case {
        std::vector<int> heights;
        int room;
        std::vector<int> expected;
    };
    const std::vector<Case> cases = {
        {{30, 20, 20, 20}, 60, {1}},        // 60 fits exactly
        {{30, 20, 20, 20, 20}, 60, {1, 4}}, // the fourth data row overflows
        {{30, 20, 20, 20, 20, 20, 20, 20}, 40, {1, 3, 5, 7}},
        {{30}, 60, {1}},             // no data rows: one page
        {{30, 100, 20}, 60, {1, 2}}, // a tall first row: no empty page before it
        {{30, 20, 100, 20}, 60, {1, 2, 3}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(pageFirstRows(c.heights, 1, c.room), c.expected);
    }
}

} // namespace
} // namespace orvelan

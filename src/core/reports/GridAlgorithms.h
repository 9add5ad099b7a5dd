#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The text computations behind the grid control: the clipboard text of a selection, the row
// order of a column sort and the split of rows over printed pages. The widget only feeds them
// cell texts and sizes.
namespace orvelan {

/// A rectangle of cells, bounds included, rows and columns counted from 0.
struct CellRange {
    int minRow = 0;
    int minColumn = 0;
    int maxRow = -1;
    int maxColumn = -1;
    bool operator==(const CellRange&) const = default;
};

/// A cell by its position.
struct CellPosition {
    int row = 0;
    int column = 0;
};

/// Smallest rectangle holding every cell given; none when the list is empty.
std::optional<CellRange> boundingRange(const std::vector<CellPosition>& cells);

/// Text of one cell; must be valid for row 0, column 0 and every cell of the range.
using CellTextFn = std::function<std::string(int row, int column)>;
/// Whether a cell of the range is selected.
using CellSelectedFn = std::function<bool(int row, int column)>;

/// Clipboard text of a selection: the corner text and the headings of the range's columns,
/// then one line per row of the range led by its row label, unselected cells left empty.
/// Lines are separated by "\n", with none after the last.
std::string gridCopyText(const CellRange& range, const CellTextFn& text,
                         const CellSelectedFn& selected);

/// Row order after sorting the rows from firstRow on by their keys (one key per row of the
/// whole grid): order[i] is the original index of the row that ends up at position i. Rows
/// before firstRow never move. Keys compare as byte strings; equal keys keep no guaranteed
/// order (the partition exchange sort of the grid is reproduced exactly).
std::vector<int> sortedRowOrder(const std::vector<std::string>& keys, int firstRow, bool ascending);

/// First row of each printed page: rows from firstRow on are accumulated by height and a new
/// page starts with the row that makes the sum exceed room. A row taller than the room gets a
/// page of its own rather than leaving an empty page before it. Always at least one page.
std::vector<int> pageFirstRows(const std::vector<int>& rowHeights, int firstRow, int room);

} // namespace orvelan

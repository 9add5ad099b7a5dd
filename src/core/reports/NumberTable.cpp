#include "core/reports/NumberTable.h"

#include "core/io/TextEncoding.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

namespace orvelan {

namespace {

constexpr std::string_view kIntervalMark = "[95% CI]";
/// What the grid shows where a figure cannot be given.
bool showsNoFigure(std::string_view cell) {
    const std::string_view text = trimmedText(cell);
    return text.empty() || text == "N.A." || text == "-";
}

void appendText(std::string& out, std::string_view text, char separator) {
    out += quotedField(displayUtf8(trimmedText(text)), separator);
}

/// Which value columns carry interval limits: those where any cell has one.
std::vector<bool> columnsWithLimits(const NumberGrid& numbers, std::size_t columns) {
    std::vector<bool> limits(columns, false);
    for (const auto& row : numbers) {
        for (std::size_t c = 0; c < row.size() && c < columns; ++c) {
            if (row[c].lower || row[c].upper) {
                limits[c] = true;
            }
        }
    }
    return limits;
}

} // namespace

std::string numberColumnName(std::string_view heading) {
    std::string_view name = trimmedText(heading);
    if (name.ends_with(kIntervalMark)) {
        name = trimmedText(name.substr(0, name.size() - kIntervalMark.size()));
    }
    return std::string(name);
}

std::string numberTableText(const CTextGrid& grid, const NumberGrid& numbers, char separator,
                            NumberTableRows rows) {
    const auto valueColumns = static_cast<std::size_t>(std::max(grid.columnCount() - 1, 0));
    const std::vector<bool> limits = columnsWithLimits(numbers, valueColumns);
    std::string out;
    const auto& entries = grid.sortEntries();
    appendText(out, entries.empty() ? std::string_view{} : std::string_view(entries.front()),
               separator);
    for (std::size_t c = 0; c < valueColumns; ++c) {
        const std::string name = numberColumnName(grid.text(0, static_cast<int>(c) + 1));
        out += separator;
        appendText(out, name, separator);
        if (limits[c]) {
            out += separator;
            appendText(out, name + " lower", separator);
            out += separator;
            appendText(out, name + " upper", separator);
        }
    }
    out += '\n';

    std::vector<int> allRows;
    if (rows.empty()) {
        allRows.resize(static_cast<std::size_t>(std::max(grid.rowCount() - 1, 0)));
        std::iota(allRows.begin(), allRows.end(), 1);
        rows = allRows;
    }
    for (const int row : rows) {
        if (row < 1 || row >= grid.rowCount()) {
            continue;
        }
        appendText(out, grid.text(row, 0), separator);
        const auto r = static_cast<std::size_t>(row - 1);
        for (std::size_t c = 0; c < valueColumns; ++c) {
            const GridNumber number =
                r < numbers.size() && c < numbers[r].size() ? numbers[r][c] : GridNumber{};
            const bool shown = !showsNoFigure(grid.text(row, static_cast<int>(c) + 1));
            out += separator;
            appendNumberField(out, shown ? number.value : std::nullopt);
            if (limits[c]) {
                out += separator;
                appendNumberField(out, shown ? number.lower : std::nullopt);
                out += separator;
                appendNumberField(out, shown ? number.upper : std::nullopt);
            }
        }
        out += '\n';
    }
    return out;
}

} // namespace orvelan

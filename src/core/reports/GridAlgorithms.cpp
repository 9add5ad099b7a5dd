#include "core/reports/GridAlgorithms.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace orvelan {

std::optional<CellRange> boundingRange(const std::vector<CellPosition>& cells) {
    if (cells.empty()) {
        return std::nullopt;
    }
    CellRange range{cells.front().row, cells.front().column, cells.front().row,
                    cells.front().column};
    for (const CellPosition& cell : cells) {
        range.minRow = std::min(range.minRow, cell.row);
        range.maxRow = std::max(range.maxRow, cell.row);
        range.minColumn = std::min(range.minColumn, cell.column);
        range.maxColumn = std::max(range.maxColumn, cell.column);
    }
    return range;
}

std::string gridCopyText(const CellRange& range, const CellTextFn& text,
                         const CellSelectedFn& selected) {
    std::string out = text(0, 0);
    for (int column = range.minColumn; column <= range.maxColumn; ++column) {
        out += '\t';
        out += text(0, column);
    }
    out += '\n';
    for (int row = range.minRow; row <= range.maxRow; ++row) {
        if (row > range.minRow) {
            out += '\n';
        }
        out += text(row, 0);
        for (int column = range.minColumn; column <= range.maxColumn; ++column) {
            out += '\t';
            if (selected(row, column)) {
                out += text(row, column);
            }
        }
    }
    return out;
}

namespace {

// Partition exchange sort over keys[low..high] that swaps order along with the keys. The
// smaller half is sorted by recursion and the larger by the loop, which keeps the stack
// shallow and yields the same exchanges as sorting both halves recursively.
void quickSort(std::vector<std::string>& keys, std::vector<int>& order, int low, int high,
               bool ascending) {
    while (low < high) {
        const std::string pivot = keys[static_cast<std::size_t>((low + high) / 2)];
        auto key = [&keys](int i) -> const std::string& {
            return keys[static_cast<std::size_t>(i)];
        };
        int lo = low;
        int hi = high;
        while (lo <= hi) {
            while (lo < high && (ascending ? key(lo) < pivot : key(lo) > pivot)) {
                ++lo;
            }
            while (hi > low && (ascending ? key(hi) > pivot : key(hi) < pivot)) {
                --hi;
            }
            if (lo <= hi) {
                std::swap(keys[static_cast<std::size_t>(lo)], keys[static_cast<std::size_t>(hi)]);
                std::swap(order[static_cast<std::size_t>(lo)], order[static_cast<std::size_t>(hi)]);
                ++lo;
                --hi;
            }
        }
        if (hi - low < high - lo) {
            quickSort(keys, order, low, hi, ascending);
            low = lo;
        } else {
            quickSort(keys, order, lo, high, ascending);
            high = hi;
        }
    }
}

} // namespace

std::vector<int> sortedRowOrder(const std::vector<std::string>& keys, int firstRow,
                                bool ascending) {
    std::vector<int> order(keys.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i] = static_cast<int>(i);
    }
    std::vector<std::string> work = keys;
    quickSort(work, order, std::max(firstRow, 0), static_cast<int>(keys.size()) - 1, ascending);
    return order;
}

std::vector<int> pageFirstRows(const std::vector<int>& rowHeights, int firstRow, int room) {
    std::vector<int> firsts{firstRow};
    long long sum = 0;
    for (int row = firstRow; row < static_cast<int>(rowHeights.size()); ++row) {
        const int height = rowHeights[static_cast<std::size_t>(row)];
        sum += height;
        if (sum > room && row > firsts.back()) {
            firsts.push_back(row);
            sum = height;
        }
    }
    return firsts;
}

} // namespace orvelan

#include "core/reports/CTextGrid.h"

#include "core/io/Printf.h"

#include <algorithm>
#include <cassert>

namespace orvelan {

CTextGrid::CTextGrid(int rows, int columns)
    : m_rows(rows), m_columns(columns),
      m_cells(static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns)) {
    assert(rows >= 1 && columns >= 1);
}

std::size_t CTextGrid::index(int row, int column) const {
    assert(row >= 0 && row < m_rows && column >= 0 && column < m_columns);
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(m_columns) +
           static_cast<std::size_t>(column);
}

const std::string& CTextGrid::text(int row, int column) const {
    return m_cells[index(row, column)];
}

void CTextGrid::setText(int row, int column, std::string text) {
    m_cells[index(row, column)] = std::move(text);
}

CellAlignment CTextGrid::alignment(int row, int column) const {
    if (row < fixedRowCount()) {
        return CellAlignment::HeaderWrap;
    }
    return column < fixedColumnCount() ? CellAlignment::LabelLeft : CellAlignment::ValueCentered;
}

std::vector<std::vector<std::string>> CTextGrid::rows() const {
    std::vector<std::vector<std::string>> out;
    out.reserve(static_cast<std::size_t>(m_rows));
    for (int r = 0; r < m_rows; ++r) {
        const auto first = m_cells.begin() + static_cast<std::ptrdiff_t>(index(r, 0));
        out.emplace_back(first, first + m_columns);
    }
    return out;
}

void CTextGrid::setLabelColumnName(const std::string& name) {
    m_sortEntries.clear();
    m_sortEntries.push_back(name);
    for (int c = 1; c < m_columns; ++c) {
        m_sortEntries.push_back(text(0, c));
    }
}

std::string CTextGrid::toTabDelimited() const {
    std::string out;
    for (int r = 0; r < m_rows; ++r) {
        for (int c = 0; c < m_columns; ++c) {
            out += text(r, c);
            out += '\t';
        }
        out += '\n';
    }
    return out;
}

std::string CTextGrid::toFormatted() const {
    std::size_t labelWidth = 0;
    std::size_t valueWidth = 0;
    for (int r = 0; r < m_rows; ++r) {
        labelWidth = std::max(labelWidth, text(r, 0).size());
        for (int c = 1; c < m_columns; ++c) {
            valueWidth = std::max(valueWidth, text(r, c).size());
        }
    }
    const int w0 = static_cast<int>(labelWidth) + 1;
    const int w = static_cast<int>(valueWidth) + 1;
    std::string out;
    for (int r = 0; r < m_rows; ++r) {
        appendFormat(out, "%-*s", w0, text(r, 0).c_str());
        for (int c = 1; c < m_columns; ++c) {
            appendFormat(out, "%*.*s", w, w, text(r, c).c_str());
        }
        out += '\n';
    }
    return out;
}

std::optional<std::string> CTextGrid::fileText(const std::string& path) const {
    if (hasExtension(path, ".TXT")) {
        return toTabDelimited();
    }
    if (hasExtension(path, ".PRN")) {
        return toFormatted();
    }
    return std::nullopt;
}

SaveResult CTextGrid::save(const std::string& path) const {
    if (auto text = fileText(path)) {
        return writeFileAtomically(path, *text);
    }
    return IoResult::refusal(IoStatus::UnsupportedFormat, kUnsupportedFormatMessage);
}

} // namespace orvelan

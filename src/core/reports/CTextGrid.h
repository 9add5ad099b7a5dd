#pragma once

#include "core/io/TextFile.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

// A table of texts as the grid views show it: one fixed header row and one fixed label column,
// value cells elsewhere. The views only display it; the text writers save it.
namespace orvelan {

/// How a cell is laid out by the grid that shows it.
enum class CellAlignment {
    HeaderWrap,    // header row: top-left, wrapped at word breaks
    LabelLeft,     // label column: left, vertically centred, single line, end ellipsis
    ValueCentered, // value cells: centred both ways, end ellipsis
};

class CTextGrid {
  public:
    CTextGrid() = default;
    /// An empty grid of rows x columns texts with one fixed row and one fixed column.
    CTextGrid(int rows, int columns);

    int rowCount() const { return m_rows; }
    int columnCount() const { return m_columns; }
    int fixedRowCount() const { return 1; }
    int fixedColumnCount() const { return 1; }

    const std::string& text(int row, int column) const;
    void setText(int row, int column, std::string text);
    /// Layout of a cell, decided by its place: header row, label column or value.
    CellAlignment alignment(int row, int column) const;
    /// Every row's texts, header row first.
    std::vector<std::vector<std::string>> rows() const;

    /// The text of the top-left cell.
    const std::string& title() const { return text(0, 0); }
    /// The end of the title that a display may wrap onto lines of its own instead of widening
    /// the label column for it (the mark of the interval method); empty when there is none.
    /// It stays part of the title, so every saved or copied text holds it.
    const std::string& titleNote() const { return m_titleNote; }
    void setTitleNote(std::string note) { m_titleNote = std::move(note); }

    /// Entries of the sort dialog: the label column's name, then the headers of columns 1...
    const std::vector<std::string>& sortEntries() const { return m_sortEntries; }
    void setLabelColumnName(const std::string& name);

    /// Tab-delimited text: every cell followed by a tab, each row ending in "\n".
    std::string toTabDelimited() const;
    /// Formatted text: the label column left-aligned one wider than its longest text, the
    /// other columns right-aligned one wider than the longest of their texts.
    std::string toFormatted() const;
    /// Saves by the name's ending: ".txt" tab-delimited, ".prn" formatted; any other ending
    /// writes nothing and reports "File format not supported...".
    SaveResult save(const std::string& path) const;
    /// What save() writes for that name; nullopt for an ending it does not save.
    std::optional<std::string> fileText(const std::string& path) const;

  private:
    std::size_t index(int row, int column) const;

    int m_rows = 0;
    int m_columns = 0;
    std::vector<std::string> m_cells;
    std::vector<std::string> m_sortEntries;
    std::string m_titleNote;
};

} // namespace orvelan

#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <cstddef>

// The cell record of the grid control and the item record that sets several members at once.
namespace orvelan {

/// A row or column number the grid has checked to be >= 0, as an index of its vectors.
inline std::size_t gridIndex(int i) { return static_cast<std::size_t>(i); }

/// Text drawing flags of a cell (the values of the platform's draw-text flags).
namespace GridFormat {
inline constexpr unsigned kLeft = 0x0000;
inline constexpr unsigned kCenter = 0x0001;
inline constexpr unsigned kRight = 0x0002;
inline constexpr unsigned kVCenter = 0x0004;
inline constexpr unsigned kBottom = 0x0008;
inline constexpr unsigned kWordBreak = 0x0010;
inline constexpr unsigned kSingleLine = 0x0020;
inline constexpr unsigned kNoPrefix = 0x0800;
inline constexpr unsigned kEndEllipsis = 0x8000;
} // namespace GridFormat

/// State bits of a cell.
namespace GridState {
inline constexpr unsigned kFocused = 0x01;
inline constexpr unsigned kSelected = 0x02;
inline constexpr unsigned kDropHighlighted = 0x04;
inline constexpr unsigned kReadOnly = 0x08;
} // namespace GridState

/// Which members of a GridItem are set.
namespace GridMask {
inline constexpr unsigned kText = 0x01;
inline constexpr unsigned kImage = 0x02;
inline constexpr unsigned kParam = 0x04;
inline constexpr unsigned kState = 0x08;
inline constexpr unsigned kBackColour = 0x10;
inline constexpr unsigned kTextColour = 0x20;
inline constexpr unsigned kFormat = 0x40;
inline constexpr unsigned kFont = 0x80;
} // namespace GridMask

/// One cell. Invalid colours and an unset font mean "the grid's own".
struct GridCell {
    QString text;
    unsigned format = GridFormat::kCenter | GridFormat::kVCenter | GridFormat::kSingleLine |
                      GridFormat::kNoPrefix | GridFormat::kEndEllipsis;
    unsigned state = 0;
    QColor textColour;
    QColor backColour;
    QFont font;
    bool hasFont = false;
    int image = -1;
    long long param = 0;
};

/// Sets the members named by mask on the cell at row, column in one call.
struct GridItem {
    int row = 0;
    int column = 0;
    unsigned mask = 0;
    QString text;
    unsigned format = 0;
    unsigned state = 0;
    QColor textColour;
    QColor backColour;
    QFont font;
    int image = -1;
    long long param = 0;
};

} // namespace orvelan

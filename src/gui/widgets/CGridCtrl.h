#pragma once

#include "GridCell.h"
#include "core/reports/GridAlgorithms.h"

#include <QAbstractScrollArea>
#include <QColor>
#include <QPoint>
#include <QSet>
#include <QTimer>
#include <vector>

class QMimeData;

// The table window of every grid view: text cells with fixed header rows and columns,
// per-cell formatting, spreadsheet-like selection, copy and drag out as text, sorting by a
// column, column auto-size and title tips over cut-off cells. Printing is done by CGridPrinter.
namespace orvelan {

class CTitleTip;

enum class GridLines { Both, Horizontal, Vertical, None };

class CGridCtrl : public QAbstractScrollArea {
    Q_OBJECT

  public:
    /// Pixels of blank between a cell's edge and its text.
    static constexpr int kMargin = 3;
    /// Pixels auto-size adds to a measured text width.
    static constexpr int kExtentSlack = 2;
    static constexpr int kDefaultColumnWidth = 64;
    /// Milliseconds between drag-scrolling steps while the button is held beyond an edge.
    static constexpr int kDragScrollInterval = 25;

    explicit CGridCtrl(QWidget* parent = nullptr);
    ~CGridCtrl() override;

    // Size of the cell store. Each returns false (and changes nothing) for a negative count.
    int rowCount() const { return static_cast<int>(m_cells.size()); }
    int columnCount() const { return m_columnCount; }
    int fixedRowCount() const { return m_fixedRows; }
    int fixedColumnCount() const { return m_fixedColumns; }
    bool setRowCount(int rows);
    bool setColumnCount(int columns);
    bool setFixedRowCount(int rows);
    bool setFixedColumnCount(int columns);

    // Per-cell access; out-of-range indexes change nothing and report failure.
    bool isValid(int row, int column) const;
    const GridCell* cell(int row, int column) const;
    bool setItem(const GridItem& item);
    bool setItemText(int row, int column, const QString& text);
    QString itemText(int row, int column) const;
    bool setItemFormat(int row, int column, unsigned format);
    bool setItemState(int row, int column, unsigned state);
    /// State bits of a cell; -1 outside the grid.
    int itemState(int row, int column) const;
    bool setItemFont(int row, int column, const QFont& font);
    /// The font a cell is drawn with (its own or the grid's).
    QFont itemFont(int row, int column) const;
    bool setItemBackColour(int row, int column, const QColor& colour);
    bool setItemTextColour(int row, int column, const QColor& colour);
    /// The colours a cell is drawn with when not selected.
    QColor effectiveBackColour(int row, int column) const;
    QColor effectiveTextColour(int row, int column) const;

    // Sizes in pixels; -1 outside the grid.
    int rowHeight(int row) const;
    int columnWidth(int column) const;
    bool setRowHeight(int row, int height);
    bool setColumnWidth(int column, int width);
    int defaultRowHeight() const { return m_defaultRowHeight; }
    void setDefaultRowHeight(int height) { m_defaultRowHeight = height; }
    /// Width needed by a cell's text in its font: a blank either side plus the slack.
    int cellExtent(int row, int column) const;
    /// Width that a text needs in a cell's font, measured as cellExtent measures the cell's own.
    int extentOf(int row, int column, const QString& text) const;
    /// Every column as wide as its widest cell text.
    void autoSizeColumns();
    /// A row as high as the tallest of its cells that wrap at word breaks needs in its column's
    /// width, and never lower than the default row height.
    void fitRowHeight(int row);
    int totalColumnWidth() const;
    int fixedRowsHeight() const;
    /// Rectangle of a cell in viewport coordinates (scrolling applied).
    QRect cellRect(int row, int column) const;
    /// Cell under a viewport point; row or column -1 outside the cells.
    CellPosition cellAt(const QPoint& point) const;

    /// Sorts the non-fixed rows by the texts of one column; false for a bad column.
    bool sortTextItems(int column, bool ascending);

    // Flags.
    bool isEditable() const { return m_editable; }
    void setEditable(bool editable) { m_editable = editable; }
    bool isDragEnabled() const { return m_dragEnabled; }
    void setDragEnabled(bool enabled) { m_dragEnabled = enabled; }
    GridLines gridLines() const { return m_gridLines; }
    void setGridLines(GridLines lines);
    QColor gridLineColour() const { return m_gridLineColour; }

    // Selection.
    std::vector<CellPosition> selectedCells() const;
    int selectedCount() const { return static_cast<int>(m_selected.size()); }
    void clearSelection();
    /// Selects exactly the cells of a range (clamped to the non-fixed cells).
    void selectRange(const CellRange& range);
    CellPosition focusCell() const { return m_focus; }
    void setFocusCell(int row, int column);
    /// Text that Copy puts on the clipboard; empty when nothing is selected.
    QString copyText() const;
    /// The data a drag out of the selection offers.
    QMimeData* createDragData() const;
    CTitleTip* titleTip() const { return m_titleTip; }

    /// The title of the nearest window up the parent chain that has one.
    QString documentTitle() const;
    /// Draws one cell (background, text, fixed-cell edge) into rect.
    void drawCell(QPainter& painter, int row, int column, const QRect& rect, bool printing) const;

    // Menu states of the edit commands.
    bool canCopy() const { return !m_selected.isEmpty(); }
    bool canCut() const { return m_editable && canCopy(); }
    bool canPaste() const;

  public slots:
    void copy();
    void cut();
    void paste();
    void selectAll();

  signals:
    void selectionChanged();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void focusOutEvent(QFocusEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    GridCell* cellPtr(int row, int column);
    void setSelected(int row, int column, bool selected);
    void extendSelectionTo(const CellPosition& cell);
    void moveFocus(int row, int column, bool extend);
    void ensureVisible(int row, int column);
    void updateEdges() const;
    void updateScrollBars();
    void onDragScrollTick();
    void updateTitleTip(const QPoint& point);
    void hideTitleTip();
    void pasteText(const QString& text, const CellPosition& at);
    CellPosition clampToVisible(const CellPosition& cell) const;
    int lastVisibleRow() const;
    int lastVisibleColumn() const;
    int firstVisibleRow() const;
    int firstVisibleColumn() const;

    std::vector<std::vector<GridCell>> m_cells;
    int m_columnCount = 0;
    int m_fixedRows = 0;
    int m_fixedColumns = 0;
    std::vector<int> m_rowHeights;
    std::vector<int> m_columnWidths;
    int m_defaultRowHeight = 0;
    // Top edge of each row and left edge of each column, one past the end too; rebuilt lazily.
    mutable std::vector<int> m_rowEdges;
    mutable std::vector<int> m_columnEdges;
    mutable bool m_edgesDirty = true;

    bool m_editable = true;
    bool m_dragEnabled = false;
    GridLines m_gridLines = GridLines::Both;
    QColor m_gridLineColour{0xC0, 0xC0, 0xC0};
    // Selected cells keyed by column << 16 | row, in step with the selected state bit.
    QSet<quint32> m_selected;
    CellPosition m_focus{-1, -1};
    CellPosition m_anchor{-1, -1};

    QTimer m_dragScrollTimer;
    QPoint m_lastMousePos;
    QPoint m_pressPos;
    bool m_selecting = false;
    bool m_dragPending = false;
    CTitleTip* m_titleTip = nullptr;
    CellPosition m_tipCell{-1, -1};
};

} // namespace orvelan

#include "CGridCtrl.h"

#include "CTitleTip.h"

#include <QApplication>
#include <QClipboard>
#include <QDrag>
#include <QDragEnterEvent>
#include <QFontMetrics>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <optional>

namespace orvelan {

namespace {

quint32 selectionKey(int row, int column) {
    return static_cast<quint32>(column) << 16 | static_cast<quint32>(row);
}

// Widest line of a text in a font, with a blank before and after it and the slack that keeps
// rounded advances from wrapping or cutting a text that was measured to fit.
int textExtent(const QFontMetrics& metrics, const QString& text) {
    const int blanks = 2 * metrics.horizontalAdvance(QLatin1Char(' ')) + CGridCtrl::kExtentSlack;
    if (!text.contains(QLatin1Char('\n'))) {
        return metrics.horizontalAdvance(text) + blanks;
    }
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    return widest + blanks;
}

} // namespace

CGridCtrl::CGridCtrl(QWidget* parent) : QAbstractScrollArea(parent) {
    setObjectName(QStringLiteral("MFCGridCtrl"));
    setFocusPolicy(Qt::StrongFocus);
    setFrameShape(QFrame::StyledPanel);
    viewport()->setMouseTracking(true);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    m_defaultRowHeight = fontMetrics().height() + 4;
    m_dragScrollTimer.setInterval(kDragScrollInterval);
    connect(&m_dragScrollTimer, &QTimer::timeout, this, &CGridCtrl::onDragScrollTick);
    m_titleTip = new CTitleTip(this);
    m_titleTip->hide();
}

CGridCtrl::~CGridCtrl() = default;

bool CGridCtrl::setRowCount(int rows) {
    if (rows < 0) {
        return false;
    }
    const int old = rowCount();
    if (rows < old) {
        for (int row = rows; row < old; ++row) {
            for (int column = 0; column < m_columnCount; ++column) {
                m_selected.remove(selectionKey(row, column));
            }
        }
    }
    m_cells.resize(gridIndex(rows));
    for (int row = old; row < rows; ++row) {
        m_cells[gridIndex(row)].resize(gridIndex(m_columnCount));
    }
    m_rowHeights.resize(gridIndex(rows), m_defaultRowHeight);
    m_fixedRows = std::min(m_fixedRows, rows);
    m_edgesDirty = true;
    updateScrollBars();
    viewport()->update();
    return true;
}

bool CGridCtrl::setColumnCount(int columns) {
    if (columns < 0) {
        return false;
    }
    for (int row = 0; row < rowCount(); ++row) {
        for (int column = columns; column < m_columnCount; ++column) {
            m_selected.remove(selectionKey(row, column));
        }
        m_cells[gridIndex(row)].resize(gridIndex(columns));
    }
    m_columnCount = columns;
    m_columnWidths.resize(gridIndex(columns), kDefaultColumnWidth);
    m_fixedColumns = std::min(m_fixedColumns, columns);
    m_edgesDirty = true;
    updateScrollBars();
    viewport()->update();
    return true;
}

bool CGridCtrl::setFixedRowCount(int rows) {
    if (rows < 0 || (rows > rowCount() && !setRowCount(rows))) {
        return false;
    }
    m_fixedRows = rows;
    m_edgesDirty = true;
    updateScrollBars();
    return true;
}

bool CGridCtrl::setFixedColumnCount(int columns) {
    if (columns < 0 || (columns > m_columnCount && !setColumnCount(columns))) {
        return false;
    }
    m_fixedColumns = columns;
    m_edgesDirty = true;
    updateScrollBars();
    return true;
}

bool CGridCtrl::isValid(int row, int column) const {
    return row >= 0 && row < rowCount() && column >= 0 && column < m_columnCount;
}

const GridCell* CGridCtrl::cell(int row, int column) const {
    return isValid(row, column) ? &m_cells[gridIndex(row)][gridIndex(column)] : nullptr;
}

GridCell* CGridCtrl::cellPtr(int row, int column) {
    return isValid(row, column) ? &m_cells[gridIndex(row)][gridIndex(column)] : nullptr;
}

bool CGridCtrl::setItem(const GridItem& item) {
    GridCell* target = cellPtr(item.row, item.column);
    if (target == nullptr) {
        return false;
    }
    if (item.mask & GridMask::kText) {
        target->text = item.text;
    }
    if (item.mask & GridMask::kImage) {
        target->image = item.image;
    }
    if (item.mask & GridMask::kParam) {
        target->param = item.param;
    }
    if (item.mask & GridMask::kState) {
        setItemState(item.row, item.column, item.state);
    }
    if (item.mask & GridMask::kBackColour) {
        target->backColour = item.backColour;
    }
    if (item.mask & GridMask::kTextColour) {
        target->textColour = item.textColour;
    }
    if (item.mask & GridMask::kFormat) {
        target->format = item.format;
    }
    if (item.mask & GridMask::kFont) {
        target->font = item.font;
        target->hasFont = true;
    }
    viewport()->update();
    return true;
}

bool CGridCtrl::setItemText(int row, int column, const QString& text) {
    GridCell* target = cellPtr(row, column);
    if (target == nullptr) {
        return false;
    }
    target->text = text;
    viewport()->update();
    return true;
}

QString CGridCtrl::itemText(int row, int column) const {
    const GridCell* source = cell(row, column);
    return source != nullptr ? source->text : QString();
}

bool CGridCtrl::setItemFormat(int row, int column, unsigned format) {
    GridCell* target = cellPtr(row, column);
    if (target == nullptr) {
        return false;
    }
    target->format = format;
    viewport()->update();
    return true;
}

bool CGridCtrl::setItemState(int row, int column, unsigned state) {
    GridCell* target = cellPtr(row, column);
    if (target == nullptr) {
        return false;
    }
    target->state = state;
    if (state & GridState::kSelected) {
        m_selected.insert(selectionKey(row, column));
    } else {
        m_selected.remove(selectionKey(row, column));
    }
    viewport()->update();
    return true;
}

int CGridCtrl::itemState(int row, int column) const {
    const GridCell* source = cell(row, column);
    return source != nullptr ? static_cast<int>(source->state) : -1;
}

bool CGridCtrl::setItemFont(int row, int column, const QFont& font) {
    GridCell* target = cellPtr(row, column);
    if (target == nullptr) {
        return false;
    }
    target->font = font;
    target->hasFont = true;
    viewport()->update();
    return true;
}

QFont CGridCtrl::itemFont(int row, int column) const {
    const GridCell* source = cell(row, column);
    return source != nullptr && source->hasFont ? source->font : font();
}

bool CGridCtrl::setItemBackColour(int row, int column, const QColor& colour) {
    GridCell* target = cellPtr(row, column);
    if (target == nullptr) {
        return false;
    }
    target->backColour = colour;
    viewport()->update();
    return true;
}

bool CGridCtrl::setItemTextColour(int row, int column, const QColor& colour) {
    GridCell* target = cellPtr(row, column);
    if (target == nullptr) {
        return false;
    }
    target->textColour = colour;
    viewport()->update();
    return true;
}

QColor CGridCtrl::effectiveBackColour(int row, int column) const {
    if (row < m_fixedRows || column < m_fixedColumns) {
        return palette().color(QPalette::Button);
    }
    const GridCell* source = cell(row, column);
    return source != nullptr && source->backColour.isValid() ? source->backColour
                                                             : palette().color(QPalette::Base);
}

QColor CGridCtrl::effectiveTextColour(int row, int column) const {
    const GridCell* source = cell(row, column);
    if (source != nullptr && source->textColour.isValid()) {
        return source->textColour;
    }
    return palette().color(row < m_fixedRows || column < m_fixedColumns ? QPalette::ButtonText
                                                                        : QPalette::Text);
}

int CGridCtrl::rowHeight(int row) const {
    return row >= 0 && row < rowCount() ? m_rowHeights[gridIndex(row)] : -1;
}

int CGridCtrl::columnWidth(int column) const {
    return column >= 0 && column < m_columnCount ? m_columnWidths[gridIndex(column)] : -1;
}

bool CGridCtrl::setRowHeight(int row, int height) {
    if (row < 0 || row >= rowCount() || height < 0) {
        return false;
    }
    m_rowHeights[gridIndex(row)] = height;
    m_edgesDirty = true;
    updateScrollBars();
    viewport()->update();
    return true;
}

bool CGridCtrl::setColumnWidth(int column, int width) {
    if (column < 0 || column >= m_columnCount || width < 0) {
        return false;
    }
    m_columnWidths[gridIndex(column)] = width;
    m_edgesDirty = true;
    updateScrollBars();
    viewport()->update();
    return true;
}

int CGridCtrl::cellExtent(int row, int column) const {
    if (!isValid(row, column)) {
        return -1;
    }
    return textExtent(QFontMetrics(itemFont(row, column)), itemText(row, column));
}

int CGridCtrl::extentOf(int row, int column, const QString& text) const {
    if (!isValid(row, column)) {
        return -1;
    }
    return textExtent(QFontMetrics(itemFont(row, column)), text);
}

void CGridCtrl::fitRowHeight(int row) {
    if (row < 0 || row >= rowCount()) {
        return;
    }
    int height = m_defaultRowHeight;
    for (int column = 0; column < m_columnCount; ++column) {
        const GridCell& source = m_cells[gridIndex(row)][gridIndex(column)];
        if (!(source.format & GridFormat::kWordBreak) ||
            (source.format & GridFormat::kSingleLine)) {
            continue;
        }
        // The text rectangle of drawCell: the margins beside, 1 pixel above and 2 below.
        const int width = std::max(1, m_columnWidths[gridIndex(column)] - 2 * kMargin);
        const QRect bounds =
            QFontMetrics(itemFont(row, column))
                .boundingRect(QRect(0, 0, width, 1 << 20),
                              Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, source.text);
        height = std::max(height, bounds.height() + 3);
    }
    setRowHeight(row, height);
}

void CGridCtrl::autoSizeColumns() {
    // Most cells share a font: measure with the previous cell's metrics while it matches.
    QFont lastFont = font();
    std::optional<QFontMetrics> metrics;
    for (int column = 0; column < m_columnCount; ++column) {
        int widest = 0;
        for (int row = 0; row < rowCount(); ++row) {
            const QFont cellFont = itemFont(row, column);
            if (!metrics || !(cellFont == lastFont)) {
                lastFont = cellFont;
                metrics.emplace(cellFont);
            }
            widest = std::max(
                widest, textExtent(*metrics, m_cells[gridIndex(row)][gridIndex(column)].text));
        }
        m_columnWidths[gridIndex(column)] = widest;
    }
    m_edgesDirty = true;
    updateScrollBars();
    viewport()->update();
}

void CGridCtrl::updateEdges() const {
    if (!m_edgesDirty) {
        return;
    }
    m_rowEdges.assign(m_rowHeights.size() + 1, 0);
    for (std::size_t i = 0; i < m_rowHeights.size(); ++i) {
        m_rowEdges[i + 1] = m_rowEdges[i] + m_rowHeights[i];
    }
    m_columnEdges.assign(m_columnWidths.size() + 1, 0);
    for (std::size_t i = 0; i < m_columnWidths.size(); ++i) {
        m_columnEdges[i + 1] = m_columnEdges[i] + m_columnWidths[i];
    }
    m_edgesDirty = false;
}

int CGridCtrl::totalColumnWidth() const {
    updateEdges();
    return m_columnEdges.back();
}

int CGridCtrl::fixedRowsHeight() const {
    updateEdges();
    return m_rowEdges[gridIndex(m_fixedRows)];
}

void CGridCtrl::updateScrollBars() {
    updateEdges();
    const int fixedHeight = m_rowEdges[gridIndex(m_fixedRows)];
    const int fixedWidth = m_columnEdges[gridIndex(m_fixedColumns)];
    const QSize area = viewport()->size();
    verticalScrollBar()->setRange(0, std::max(0, m_rowEdges.back() - area.height()));
    verticalScrollBar()->setPageStep(std::max(1, area.height() - fixedHeight));
    verticalScrollBar()->setSingleStep(std::max(1, m_defaultRowHeight));
    horizontalScrollBar()->setRange(0, std::max(0, m_columnEdges.back() - area.width()));
    horizontalScrollBar()->setPageStep(std::max(1, area.width() - fixedWidth));
    horizontalScrollBar()->setSingleStep(kDefaultColumnWidth);
}

void CGridCtrl::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

QRect CGridCtrl::cellRect(int row, int column) const {
    if (!isValid(row, column)) {
        return {};
    }
    updateEdges();
    const int y =
        m_rowEdges[gridIndex(row)] - (row < m_fixedRows ? 0 : verticalScrollBar()->value());
    const int x = m_columnEdges[gridIndex(column)] -
                  (column < m_fixedColumns ? 0 : horizontalScrollBar()->value());
    return {x, y, m_columnWidths[gridIndex(column)], m_rowHeights[gridIndex(row)]};
}

CellPosition CGridCtrl::cellAt(const QPoint& point) const {
    updateEdges();
    auto find = [](const std::vector<int>& edges, int fixed, int scroll, int at) {
        const int fixedExtent = edges[gridIndex(fixed)];
        const int position = at < fixedExtent ? at : at + scroll;
        if (position < 0 || position >= edges.back()) {
            return -1;
        }
        const auto it = std::upper_bound(edges.begin(), edges.end(), position);
        return static_cast<int>(it - edges.begin()) - 1;
    };
    return {find(m_rowEdges, m_fixedRows, verticalScrollBar()->value(), point.y()),
            find(m_columnEdges, m_fixedColumns, horizontalScrollBar()->value(), point.x())};
}

int CGridCtrl::firstVisibleRow() const {
    const int row = cellAt(QPoint(0, fixedRowsHeight())).row;
    return row < 0 ? rowCount() : row;
}

int CGridCtrl::lastVisibleRow() const {
    const int row = cellAt(QPoint(0, viewport()->height() - 1)).row;
    return row < 0 ? rowCount() - 1 : row;
}

int CGridCtrl::firstVisibleColumn() const {
    updateEdges();
    const int column = cellAt(QPoint(m_columnEdges[gridIndex(m_fixedColumns)], 0)).column;
    return column < 0 ? m_columnCount : column;
}

int CGridCtrl::lastVisibleColumn() const {
    const int column = cellAt(QPoint(viewport()->width() - 1, 0)).column;
    return column < 0 ? m_columnCount - 1 : column;
}

bool CGridCtrl::sortTextItems(int column, bool ascending) {
    if (column < 0 || column >= m_columnCount) {
        return false;
    }
    std::vector<std::string> keys;
    keys.reserve(m_cells.size());
    for (const auto& row : m_cells) {
        keys.push_back(row[gridIndex(column)].text.toStdString());
    }
    const std::vector<int> order = sortedRowOrder(keys, m_fixedRows, ascending);
    std::vector<std::vector<GridCell>> sorted;
    sorted.reserve(m_cells.size());
    for (int from : order) {
        sorted.push_back(std::move(m_cells[gridIndex(from)]));
    }
    m_cells = std::move(sorted);
    // The selected bit travelled with its cell; the map follows the new positions.
    m_selected.clear();
    for (int row = 0; row < rowCount(); ++row) {
        for (int c = 0; c < m_columnCount; ++c) {
            if (m_cells[gridIndex(row)][gridIndex(c)].state & GridState::kSelected) {
                m_selected.insert(selectionKey(row, c));
            }
        }
    }
    viewport()->update();
    return true;
}

void CGridCtrl::setGridLines(GridLines lines) {
    m_gridLines = lines;
    viewport()->update();
}

std::vector<CellPosition> CGridCtrl::selectedCells() const {
    std::vector<CellPosition> cells;
    cells.reserve(gridIndex(static_cast<int>(m_selected.size())));
    for (quint32 key : m_selected) {
        cells.push_back({static_cast<int>(key & 0xFFFF), static_cast<int>(key >> 16)});
    }
    return cells;
}

void CGridCtrl::setSelected(int row, int column, bool selected) {
    GridCell* target = cellPtr(row, column);
    if (target == nullptr) {
        return;
    }
    if (selected) {
        target->state |= GridState::kSelected;
        m_selected.insert(selectionKey(row, column));
    } else {
        target->state &= ~GridState::kSelected;
        m_selected.remove(selectionKey(row, column));
    }
}

void CGridCtrl::clearSelection() {
    for (const CellPosition& position : selectedCells()) {
        setSelected(position.row, position.column, false);
    }
    viewport()->update();
    emit selectionChanged();
}

void CGridCtrl::selectRange(const CellRange& range) {
    for (const CellPosition& position : selectedCells()) {
        setSelected(position.row, position.column, false);
    }
    const int rowFrom = std::max(range.minRow, m_fixedRows);
    const int rowTo = std::min(range.maxRow, rowCount() - 1);
    const int columnFrom = std::max(range.minColumn, m_fixedColumns);
    const int columnTo = std::min(range.maxColumn, m_columnCount - 1);
    for (int row = rowFrom; row <= rowTo; ++row) {
        for (int column = columnFrom; column <= columnTo; ++column) {
            setSelected(row, column, true);
        }
    }
    viewport()->update();
    emit selectionChanged();
}

void CGridCtrl::setFocusCell(int row, int column) {
    if (GridCell* old = cellPtr(m_focus.row, m_focus.column)) {
        old->state &= ~GridState::kFocused;
    }
    m_focus = {row, column};
    if (GridCell* now = cellPtr(row, column)) {
        now->state |= GridState::kFocused;
    }
    viewport()->update();
}

void CGridCtrl::selectAll() {
    selectRange({m_fixedRows, m_fixedColumns, rowCount() - 1, m_columnCount - 1});
}

QString CGridCtrl::copyText() const {
    const std::optional<CellRange> range = boundingRange(selectedCells());
    if (!range) {
        return {};
    }
    auto text = [this](int row, int column) { return itemText(row, column).toStdString(); };
    auto selected = [this](int row, int column) {
        return m_selected.contains(selectionKey(row, column));
    };
    return QString::fromStdString(gridCopyText(*range, text, selected));
}

QMimeData* CGridCtrl::createDragData() const {
    auto* mime = new QMimeData;
    mime->setText(copyText());
    return mime;
}

void CGridCtrl::copy() {
    const QString text = copyText();
    if (!text.isEmpty()) {
        QGuiApplication::clipboard()->setText(text);
    }
}

QString CGridCtrl::documentTitle() const {
    for (const QWidget* widget = this; widget != nullptr; widget = widget->parentWidget()) {
        QString title = widget->windowTitle();
        title.remove(QStringLiteral("[*]"));
        if (!title.isEmpty()) {
            return title;
        }
    }
    return {};
}

} // namespace orvelan

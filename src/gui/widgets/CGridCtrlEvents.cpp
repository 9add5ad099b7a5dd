// CGridCtrl's painting, its mouse, keyboard, timer and drop handling, and the editing commands
// (cut, paste) that only an editable grid obeys; the cell store, sizes, sorting and copy are in
// CGridCtrl.cpp.
#include "CGridCtrl.h"
#include "CTitleTip.h"

#include <QApplication>
#include <QClipboard>
#include <QDrag>
#include <QDragEnterEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

namespace orvelan {

namespace {

Qt::Alignment alignmentOf(unsigned format) {
    Qt::Alignment alignment = Qt::AlignLeft;
    if (format & GridFormat::kCenter) {
        alignment = Qt::AlignHCenter;
    } else if (format & GridFormat::kRight) {
        alignment = Qt::AlignRight;
    }
    if (format & GridFormat::kVCenter) {
        alignment |= Qt::AlignVCenter;
    } else if (format & GridFormat::kBottom) {
        alignment |= Qt::AlignBottom;
    } else {
        alignment |= Qt::AlignTop;
    }
    return alignment;
}

} // namespace

void CGridCtrl::drawCell(QPainter& painter, int row, int column, const QRect& rect,
                         bool printing) const {
    const GridCell* source = cell(row, column);
    if (source == nullptr) {
        return;
    }
    const bool fixed = row < m_fixedRows || column < m_fixedColumns;
    const bool highlighted = !printing && !fixed && (source->state & GridState::kSelected);
    painter.fillRect(rect, highlighted ? palette().color(QPalette::Highlight)
                                       : effectiveBackColour(row, column));

    QFont cellFont = itemFont(row, column);
    if (printing && cellFont.pixelSize() <= 0) {
        // Printed cells keep their screen size in grid units: points become screen pixels.
        cellFont.setPixelSize(qRound(cellFont.pointSizeF() * logicalDpiY() / 72.0));
    }
    painter.setFont(cellFont);
    painter.setPen(highlighted ? palette().color(QPalette::HighlightedText)
                               : effectiveTextColour(row, column));
    const QRect textRect = rect.adjusted(kMargin, 1, -kMargin, -2);
    const bool wraps =
        (source->format & GridFormat::kWordBreak) && !(source->format & GridFormat::kSingleLine);
    QString text = source->text;
    if ((source->format & GridFormat::kEndEllipsis) && !wraps) {
        text = painter.fontMetrics().elidedText(text, Qt::ElideRight, textRect.width());
    }
    const int flags = static_cast<int>(alignmentOf(source->format)) |
                      (wraps ? static_cast<int>(Qt::TextWordWrap) : 0);
    painter.drawText(textRect, flags, text);

    if (fixed) {
        painter.setPen(palette().color(QPalette::Light));
        painter.drawLine(rect.topLeft(), rect.topRight());
        painter.drawLine(rect.topLeft(), rect.bottomLeft());
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawLine(rect.bottomLeft(), rect.bottomRight());
        painter.drawLine(rect.topRight(), rect.bottomRight());
        return;
    }
    painter.setPen(m_gridLineColour);
    if (m_gridLines == GridLines::Both || m_gridLines == GridLines::Horizontal) {
        painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    }
    if (m_gridLines == GridLines::Both || m_gridLines == GridLines::Vertical) {
        painter.drawLine(rect.topRight(), rect.bottomRight());
    }
}

void CGridCtrl::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    painter.fillRect(event->rect(), palette().color(QPalette::Window));
    if (rowCount() == 0 || m_columnCount == 0) {
        return;
    }
    updateEdges();
    const int fixedHeight = m_rowEdges[gridIndex(m_fixedRows)];
    const int fixedWidth = m_columnEdges[gridIndex(m_fixedColumns)];
    const QRect area = viewport()->rect();
    struct Block {
        int rowFrom, rowTo, columnFrom, columnTo;
        QRect clip;
    };
    // Scrolled cells first, then the fixed bands over them.
    const Block blocks[] = {
        {firstVisibleRow(), lastVisibleRow(), firstVisibleColumn(), lastVisibleColumn(),
         area.adjusted(fixedWidth, fixedHeight, 0, 0)},
        {0, m_fixedRows - 1, firstVisibleColumn(), lastVisibleColumn(),
         area.adjusted(fixedWidth, 0, 0, 0)},
        {firstVisibleRow(), lastVisibleRow(), 0, m_fixedColumns - 1,
         area.adjusted(0, fixedHeight, 0, 0)},
        {0, m_fixedRows - 1, 0, m_fixedColumns - 1, area},
    };
    for (const Block& block : blocks) {
        painter.setClipRect(block.clip.intersected(event->rect()));
        for (int row = block.rowFrom; row <= block.rowTo; ++row) {
            for (int column = block.columnFrom; column <= block.columnTo; ++column) {
                const QRect rect = cellRect(row, column);
                if (rect.intersects(event->rect())) {
                    drawCell(painter, row, column, rect, false);
                }
            }
        }
    }
    painter.setClipRect(area.adjusted(fixedWidth, fixedHeight, 0, 0));
    if (isValid(m_focus.row, m_focus.column) && hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Text), 1, Qt::DotLine));
        painter.drawRect(cellRect(m_focus.row, m_focus.column).adjusted(0, 0, -1, -1));
    }
}

CellPosition CGridCtrl::clampToVisible(const CellPosition& at) const {
    const QPoint corner(m_columnEdges[gridIndex(m_fixedColumns)], fixedRowsHeight());
    int row = at.row;
    int column = at.column;
    if (row < 0 || row < m_fixedRows) {
        row = m_lastMousePos.y() < corner.y() ? firstVisibleRow() : lastVisibleRow();
    }
    if (column < 0 || column < m_fixedColumns) {
        column = m_lastMousePos.x() < corner.x() ? firstVisibleColumn() : lastVisibleColumn();
    }
    row = std::clamp(row, std::min(firstVisibleRow(), rowCount() - 1), lastVisibleRow());
    column =
        std::clamp(column, std::min(firstVisibleColumn(), m_columnCount - 1), lastVisibleColumn());
    return {row, column};
}

void CGridCtrl::extendSelectionTo(const CellPosition& at) {
    if (!isValid(m_anchor.row, m_anchor.column) || !isValid(at.row, at.column)) {
        return;
    }
    selectRange({std::min(m_anchor.row, at.row), std::min(m_anchor.column, at.column),
                 std::max(m_anchor.row, at.row), std::max(m_anchor.column, at.column)});
    setFocusCell(at.row, at.column);
}

void CGridCtrl::mousePressEvent(QMouseEvent* event) {
    hideTitleTip();
    setFocus(Qt::MouseFocusReason);
    if (event->button() != Qt::LeftButton) {
        return;
    }
    m_lastMousePos = event->position().toPoint();
    const CellPosition at = cellAt(m_lastMousePos);
    if (at.row < 0 || at.column < 0 || rowCount() <= m_fixedRows ||
        m_columnCount <= m_fixedColumns) {
        return;
    }
    const int lastRow = rowCount() - 1;
    const int lastColumn = m_columnCount - 1;
    if (at.row < m_fixedRows && at.column < m_fixedColumns) {
        selectAll();
        return;
    }
    if (at.row < m_fixedRows) { // a column heading selects its column
        m_anchor = {m_fixedRows, at.column};
        selectRange({m_fixedRows, at.column, lastRow, at.column});
        setFocusCell(m_fixedRows, at.column);
        return;
    }
    if (at.column < m_fixedColumns) { // a row label selects its row
        m_anchor = {at.row, m_fixedColumns};
        selectRange({at.row, m_fixedColumns, at.row, lastColumn});
        setFocusCell(at.row, m_fixedColumns);
        return;
    }
    const bool selected = (cell(at.row, at.column)->state & GridState::kSelected) != 0;
    if (m_dragEnabled && selected && event->modifiers() == Qt::NoModifier) {
        m_dragPending = true;
        m_pressPos = m_lastMousePos;
        return;
    }
    if (event->modifiers() & Qt::ShiftModifier) {
        extendSelectionTo(at);
    } else if (event->modifiers() & Qt::ControlModifier) {
        setSelected(at.row, at.column, !selected);
        m_anchor = at;
        setFocusCell(at.row, at.column);
        emit selectionChanged();
    } else {
        m_anchor = at;
        selectRange({at.row, at.column, at.row, at.column});
        setFocusCell(at.row, at.column);
    }
    m_selecting = true;
    m_dragScrollTimer.start();
}

void CGridCtrl::mouseMoveEvent(QMouseEvent* event) {
    const QPoint position = event->position().toPoint();
    if (!(event->buttons() & Qt::LeftButton)) {
        updateTitleTip(position);
        return;
    }
    m_lastMousePos = position;
    if (m_dragPending) {
        if ((position - m_pressPos).manhattanLength() >= QApplication::startDragDistance()) {
            m_dragPending = false;
            auto* drag = new QDrag(this);
            drag->setMimeData(createDragData());
            drag->exec(Qt::CopyAction);
        }
        return;
    }
    if (m_selecting) {
        extendSelectionTo(clampToVisible(cellAt(position)));
    }
}

void CGridCtrl::mouseReleaseEvent(QMouseEvent* event) {
    m_dragScrollTimer.stop();
    if (m_dragPending) {
        // A click on a selected cell that did not become a drag selects that cell alone.
        const CellPosition at = cellAt(event->position().toPoint());
        m_anchor = at;
        selectRange({at.row, at.column, at.row, at.column});
        setFocusCell(at.row, at.column);
    }
    m_dragPending = false;
    m_selecting = false;
}

void CGridCtrl::onDragScrollTick() {
    if (!m_selecting) {
        m_dragScrollTimer.stop();
        return;
    }
    updateEdges();
    const QRect area = viewport()->rect();
    const int fixedHeight = m_rowEdges[gridIndex(m_fixedRows)];
    const int fixedWidth = m_columnEdges[gridIndex(m_fixedColumns)];
    const int top = firstVisibleRow();
    const int left = firstVisibleColumn();
    QScrollBar* vertical = verticalScrollBar();
    QScrollBar* horizontal = horizontalScrollBar();
    if (m_lastMousePos.y() > area.bottom() && top + 1 < rowCount()) {
        vertical->setValue(m_rowEdges[gridIndex(top + 1)] - fixedHeight);
    } else if (m_lastMousePos.y() < fixedHeight && top > m_fixedRows) {
        vertical->setValue(m_rowEdges[gridIndex(top - 1)] - fixedHeight);
    }
    if (m_lastMousePos.x() > area.right() && left + 1 < m_columnCount) {
        horizontal->setValue(m_columnEdges[gridIndex(left + 1)] - fixedWidth);
    } else if (m_lastMousePos.x() < fixedWidth && left > m_fixedColumns) {
        horizontal->setValue(m_columnEdges[gridIndex(left - 1)] - fixedWidth);
    }
    extendSelectionTo(clampToVisible(cellAt(m_lastMousePos)));
}

void CGridCtrl::ensureVisible(int row, int column) {
    const QRect rect = cellRect(row, column);
    const QRect area = viewport()->rect();
    const int fixedHeight = fixedRowsHeight();
    const int fixedWidth = m_columnEdges[gridIndex(m_fixedColumns)];
    if (row >= m_fixedRows) {
        if (rect.top() < fixedHeight) {
            verticalScrollBar()->setValue(m_rowEdges[gridIndex(row)] - fixedHeight);
        } else if (rect.bottom() > area.bottom()) {
            verticalScrollBar()->setValue(m_rowEdges[gridIndex(row + 1)] - area.height());
        }
    }
    if (column >= m_fixedColumns) {
        if (rect.left() < fixedWidth) {
            horizontalScrollBar()->setValue(m_columnEdges[gridIndex(column)] - fixedWidth);
        } else if (rect.right() > area.right()) {
            horizontalScrollBar()->setValue(m_columnEdges[gridIndex(column + 1)] - area.width());
        }
    }
}

void CGridCtrl::moveFocus(int row, int column, bool extend) {
    if (rowCount() <= m_fixedRows || m_columnCount <= m_fixedColumns) {
        return;
    }
    const CellPosition at{std::clamp(row, m_fixedRows, rowCount() - 1),
                          std::clamp(column, m_fixedColumns, m_columnCount - 1)};
    if (extend && isValid(m_anchor.row, m_anchor.column)) {
        extendSelectionTo(at);
    } else {
        m_anchor = at;
        selectRange({at.row, at.column, at.row, at.column});
        setFocusCell(at.row, at.column);
    }
    ensureVisible(at.row, at.column);
}

void CGridCtrl::keyPressEvent(QKeyEvent* event) {
    hideTitleTip();
    if (event->matches(QKeySequence::Copy)) {
        copy();
        return;
    }
    if (event->matches(QKeySequence::Cut)) {
        cut();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        paste();
        return;
    }
    if (event->matches(QKeySequence::SelectAll)) {
        selectAll();
        return;
    }
    const bool extend = event->modifiers() & Qt::ShiftModifier;
    const bool control = event->modifiers() & Qt::ControlModifier;
    const CellPosition from =
        isValid(m_focus.row, m_focus.column) ? m_focus : CellPosition{m_fixedRows, m_fixedColumns};
    const int page = std::max(1, lastVisibleRow() - firstVisibleRow());
    switch (event->key()) {
    case Qt::Key_Up:
        moveFocus(from.row - 1, from.column, extend);
        break;
    case Qt::Key_Down:
        moveFocus(from.row + 1, from.column, extend);
        break;
    case Qt::Key_Left:
        moveFocus(from.row, from.column - 1, extend);
        break;
    case Qt::Key_Right:
        moveFocus(from.row, from.column + 1, extend);
        break;
    case Qt::Key_PageUp:
        moveFocus(from.row - page, from.column, extend);
        break;
    case Qt::Key_PageDown:
        moveFocus(from.row + page, from.column, extend);
        break;
    case Qt::Key_Home:
        moveFocus(control ? m_fixedRows : from.row, m_fixedColumns, extend);
        break;
    case Qt::Key_End:
        moveFocus(control ? rowCount() - 1 : from.row, m_columnCount - 1, extend);
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
}

void CGridCtrl::updateTitleTip(const QPoint& point) {
    const CellPosition at = cellAt(point);
    if (!isValid(at.row, at.column)) {
        hideTitleTip();
        return;
    }
    if (m_titleTip->isVisible() && at.row == m_tipCell.row && at.column == m_tipCell.column) {
        return;
    }
    const QRect rect = cellRect(at.row, at.column);
    const QFont cellFont = itemFont(at.row, at.column);
    const QString text = itemText(at.row, at.column);
    const int needed =
        QFontMetrics(cellFont).horizontalAdvance(QLatin1Char(' ') + text + QLatin1Char(' '));
    if (text.isEmpty() || needed <= rect.width()) {
        hideTitleTip();
        return;
    }
    m_tipCell = at;
    m_titleTip->showTip(QRect(viewport()->mapToGlobal(rect.topLeft()), rect.size()), text, cellFont,
                        effectiveTextColour(at.row, at.column),
                        effectiveBackColour(at.row, at.column));
}

void CGridCtrl::hideTitleTip() {
    m_tipCell = {-1, -1};
    if (m_titleTip->isVisible()) {
        m_titleTip->hide();
    }
}

void CGridCtrl::scrollContentsBy(int dx, int dy) {
    hideTitleTip();
    QAbstractScrollArea::scrollContentsBy(dx, dy);
}

void CGridCtrl::leaveEvent(QEvent* event) {
    hideTitleTip();
    QAbstractScrollArea::leaveEvent(event);
}

void CGridCtrl::focusOutEvent(QFocusEvent* event) {
    hideTitleTip();
    QAbstractScrollArea::focusOutEvent(event);
}

void CGridCtrl::cut() {
    if (!m_editable) {
        return;
    }
    copy();
    for (const CellPosition& position : selectedCells()) {
        GridCell* target = cellPtr(position.row, position.column);
        if (!(target->state & GridState::kReadOnly)) {
            target->text.clear();
        }
    }
    viewport()->update();
}

bool CGridCtrl::canPaste() const {
    return m_editable && isValid(m_focus.row, m_focus.column) &&
           !QGuiApplication::clipboard()->text().isEmpty();
}

void CGridCtrl::paste() {
    if (m_editable) {
        pasteText(QGuiApplication::clipboard()->text(), m_focus);
    }
}

void CGridCtrl::pasteText(const QString& text, const CellPosition& at) {
    if (!m_editable || !isValid(at.row, at.column)) {
        return;
    }
    QStringList lines = text.split(QLatin1Char('\n'));
    for (int line = 0; line < lines.size(); ++line) {
        QString content = lines[line];
        if (content.endsWith(QLatin1Char('\r'))) {
            content.chop(1);
        }
        const QStringList fields = content.split(QLatin1Char('\t'));
        for (int field = 0; field < fields.size(); ++field) {
            GridCell* target = cellPtr(at.row + line, at.column + field);
            if (target != nullptr && !(target->state & GridState::kReadOnly)) {
                target->text = fields[field];
            }
        }
    }
    viewport()->update();
}

void CGridCtrl::dragEnterEvent(QDragEnterEvent* event) {
    if (m_editable && event->mimeData()->hasText()) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void CGridCtrl::dragMoveEvent(QDragMoveEvent* event) {
    if (m_editable && event->mimeData()->hasText()) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void CGridCtrl::dropEvent(QDropEvent* event) {
    if (!m_editable || !event->mimeData()->hasText()) {
        event->ignore();
        return;
    }
    pasteText(event->mimeData()->text(), cellAt(event->position().toPoint()));
    event->acceptProposedAction();
}

} // namespace orvelan

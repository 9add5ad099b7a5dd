#include "CGridPrinter.h"

#include "CGridCtrl.h"
#include "core/data/Codes.h"
#include "core/reports/GridAlgorithms.h"

#include <QDateTime>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <cmath>

namespace orvelan {

namespace {
// Header and footer font: 9 points at the screen's 96 pixels per inch, in grid units.
constexpr int kPrinterFontPixels = 12;
// Left margin and the room the margins take across a page, in average character widths.
constexpr int kLeftMarginChars = 4;
constexpr int kWidthMarginChars = 8;
// Character heights a page gives to header and footer together.
constexpr int kHeaderFooterLines = 6;
} // namespace

CGridPrinter::CGridPrinter(const CGridCtrl& grid) : m_grid(grid) {}

int CGridPrinter::beginPrinting(const QSizeF& printableArea) {
    m_font = QFont(QStringLiteral("Times New Roman"));
    m_font.setPixelSize(kPrinterFontPixels);
    m_font.setWeight(QFont::Normal);
    m_boldFont = m_font;
    m_boldFont.setWeight(QFont::Bold);
    const QFontMetricsF metrics(m_font);
    m_averageCharWidth = metrics.horizontalAdvance(QStringLiteral(
                             "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSATUVWXYZ")) /
                         52.0;
    m_charHeight = metrics.height();
    const double width = m_grid.totalColumnWidth() + kWidthMarginChars * m_averageCharWidth;
    m_scale = width > 0.0 ? printableArea.width() / width : 1.0;
    m_pageHeight = printableArea.height() / m_scale;
    const double room = m_pageHeight - kHeaderFooterLines * m_charHeight - m_grid.fixedRowsHeight();
    std::vector<int> heights;
    for (int row = 0; row < m_grid.rowCount(); ++row) {
        heights.push_back(m_grid.rowHeight(row));
    }
    m_pageFirstRows = pageFirstRows(heights, m_grid.fixedRowCount(),
                                    static_cast<int>(std::floor(std::max(room, 0.0))));
    return pageCount();
}

void CGridPrinter::printPage(QPainter& painter, int page) const {
    if (page < 1 || page > pageCount()) {
        return;
    }
    painter.save();
    painter.scale(m_scale, m_scale);
    const double left = kLeftMarginChars * m_averageCharWidth;
    const double total = m_grid.totalColumnWidth();
    const int lineHeight = static_cast<int>(std::ceil(m_charHeight));

    painter.setFont(m_boldFont);
    painter.setPen(Qt::black);
    const QRectF header(left, m_charHeight, total, m_charHeight);
    painter.drawText(header, Qt::AlignLeft | Qt::AlignVCenter, m_grid.documentTitle());
    painter.drawText(
        header, Qt::AlignRight | Qt::AlignVCenter,
        QString::fromUtf8(kProgramName.data(), static_cast<qsizetype>(kProgramName.size())));

    auto drawRow = [&](int row, int y) {
        int x = static_cast<int>(std::lround(left));
        for (int column = 0; column < m_grid.columnCount(); ++column) {
            const QRect rect(x, y, m_grid.columnWidth(column), m_grid.rowHeight(row));
            m_grid.drawCell(painter, row, column, rect, true);
            x += m_grid.columnWidth(column);
        }
        return y + m_grid.rowHeight(row);
    };
    int y = 3 * lineHeight;
    for (int row = 0; row < m_grid.fixedRowCount(); ++row) {
        y = drawRow(row, y);
    }
    const int first = m_pageFirstRows[static_cast<std::size_t>(page - 1)];
    const int end =
        page < pageCount() ? m_pageFirstRows[static_cast<std::size_t>(page)] : m_grid.rowCount();
    for (int row = first; row < end; ++row) {
        y = drawRow(row, y);
    }

    const double footerLine = m_pageHeight - 2.5 * m_charHeight;
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(QPointF(left, footerLine), QPointF(left + total, footerLine));
    painter.setFont(m_boldFont);
    const QRectF footer(left, m_pageHeight - 2 * m_charHeight, total, m_charHeight);
    painter.drawText(footer, Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Page %1 of %2").arg(page).arg(pageCount()));
    painter.drawText(
        footer, Qt::AlignRight | Qt::AlignVCenter,
        QLocale::system().toString(QDateTime::currentDateTime(), QLocale::ShortFormat));
    painter.restore();
}

void CGridPrinter::endPrinting() {
    m_font = QFont();
    m_boldFont = QFont();
}

bool CGridPrinter::print(QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    const int pages = beginPrinting(printer.pageRect(QPrinter::DevicePixel).size());
    const int from = printer.fromPage() > 0 ? printer.fromPage() : 1;
    const int to = printer.toPage() > 0 ? std::min(printer.toPage(), pages) : pages;
    for (int page = from; page <= to; ++page) {
        if (page > from) {
            printer.newPage();
        }
        printPage(painter, page);
    }
    endPrinting();
    return painter.end();
}

} // namespace orvelan

#include "graphics/GraphText.h"

#include "graphics/FontFaces.h"
#include "graphics/GraphStyle.h"

#include <QFontMetrics>
#include <QPainter>

namespace orvelan {

int textWidth(const QPainter& painter, const QString& text) {
    return QFontMetrics(painter.font(), painter.device()).horizontalAdvance(text);
}

int drawTextAt(QPainter& painter, int x, int y, const QString& text, TextAlign align) {
    const QFontMetrics metrics(painter.font(), painter.device());
    const int width = metrics.horizontalAdvance(text);
    int left = x;
    if (align == TextAlign::Centre) {
        left = x - width / 2;
    } else if (align == TextAlign::Right) {
        left = x - width;
    }
    painter.drawText(QPoint(left, y + metrics.ascent()), text);
    return width;
}

int beginGraph(QPainter& painter, QSize size, const GraphStyle& style, const QString& title) {
    painter.fillRect(QRect(QPoint(0, 0), size), style.background);
    painter.setFont(graphFont(style.fontFace, style.titlePixelSize(), true));
    const int height = QFontMetrics(painter.font(), painter.device()).height();
    painter.setPen(style.text);
    drawTextAt(painter, size.width() / 2, height / 2, title, TextAlign::Centre);
    return height;
}

} // namespace orvelan

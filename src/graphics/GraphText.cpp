#include "graphics/GraphText.h"

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

} // namespace orvelan

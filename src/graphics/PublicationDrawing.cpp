#include "graphics/PublicationDrawing.h"

#include "core/graphs/AxisTicks.h"
#include "graphics/GraphStyle.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStringList>
#include <cmath>

namespace orvelan::figure {

QRectF textBox(const QFontMetricsF& metrics, QPointF anchor, TextAlign align, const QString& text) {
    const double width = metrics.horizontalAdvance(text);
    double left = anchor.x();
    if (align == TextAlign::Centre) {
        left -= width / 2.0;
    } else if (align == TextAlign::Right) {
        left -= width;
    }
    return {left, anchor.y(), width, metrics.height()};
}

void drawText(QPainter& painter, const QRectF& box, const QString& text) {
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip,
                     text);
}

QPen linePen(const QColor& ink, double width) {
    QPen pen(ink, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    return pen;
}

QColor colour(std::uint32_t stored) { return GraphStyle::fromColourRef(stored); }

namespace {

/// A title as one line, or broken after the last word that fits and the rest cut short.
QStringList figureTitleLines(const QFontMetricsF& metrics, const QString& title, double width) {
    if (metrics.horizontalAdvance(title) <= width) {
        return {title};
    }
    qsizetype breakAt = -1;
    for (qsizetype at = title.indexOf(QLatin1Char(' ')); at > 0;
         at = title.indexOf(QLatin1Char(' '), at + 1)) {
        if (metrics.horizontalAdvance(title.left(at)) > width) {
            break;
        }
        breakAt = at;
    }
    if (breakAt < 0) {
        return {metrics.elidedText(title, Qt::ElideRight, width)};
    }
    return {title.left(breakAt), metrics.elidedText(title.mid(breakAt + 1), Qt::ElideRight, width)};
}

} // namespace

double begin(QPainter& painter, QSize size, const GraphStyle& style,
             const PublicationMetrics& metrics, const QString& title) {
    painter.fillRect(QRectF(QPointF(0.0, 0.0), QSizeF(size)), style.background);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    double y = metrics.marginPx;
    const QString shown = title.trimmed();
    if (shown.isEmpty()) {
        return y;
    }
    painter.setFont(publicationFont(metrics.headingFontPx, true));
    const QFontMetricsF heading(painter.font(), painter.device());
    painter.setPen(style.text);
    for (const QString& line :
         figureTitleLines(heading, shown, size.width() - 2.0 * metrics.marginPx)) {
        drawText(painter, textBox(heading, QPointF(size.width() / 2.0, y), TextAlign::Centre, line),
                 line);
        y += heading.height();
    }
    return y + heading.height() * 0.5;
}

QString count(double value) {
    QString digits = QString::number(static_cast<long long>(std::llround(value)));
    for (qsizetype at = digits.size() - 3; at > (digits.startsWith(QLatin1Char('-')) ? 1 : 0);
         at -= 3) {
        digits.insert(at, QLatin1Char(','));
    }
    return digits;
}

} // namespace orvelan::figure

#include "gui/widgets/CBanner.h"

#include "core/data/Codes.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPalette>
#include <QWidget>

namespace orvelan {

void CBanner::paint(QPainter& painter, const QWidget& widget, const QString& label) {
    if (!label.isEmpty()) {
        paintHeading(painter, widget, QStringList{label}, widget.palette().color(QPalette::Dark));
    }
    paintName(painter, widget, widget.palette().color(QPalette::Light),
              widget.palette().color(QPalette::Dark));
}

void CBanner::paintHeading(QPainter& painter, const QWidget& widget, const QStringList& lines,
                           const QColor& shadow) {
    painter.save();
    painter.setBackgroundMode(Qt::TransparentMode);
    QFont font = widget.font();
    font.setBold(true);
    painter.setFont(font);
    const int lineHeight = QFontMetrics(font).height();
    const QRect area = widget.rect();
    const int height = lines.size() == 1 ? kTopMargin - 4 : lineHeight;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QRect rect(area.left(), area.top() + 2 + static_cast<int>(i) * lineHeight,
                         area.width(), height);
        painter.setPen(widget.palette().color(QPalette::Light));
        painter.drawText(rect, Qt::AlignHCenter | Qt::AlignVCenter, lines.at(i));
        painter.setPen(shadow);
        painter.drawText(rect.translated(1, 1), Qt::AlignHCenter | Qt::AlignVCenter, lines.at(i));
    }
    painter.restore();
}

void CBanner::paintName(QPainter& painter, const QWidget& widget, const QColor& first,
                        const QColor& second) {
    painter.save();
    painter.setBackgroundMode(Qt::TransparentMode);
    QFont nameFont(QStringLiteral("Tahoma"));
    nameFont.setPixelSize(28);
    nameFont.setBold(true);
    nameFont.setItalic(true);
    painter.setFont(nameFont);
    const QString name =
        QString::fromLatin1(kProgramName.data(), static_cast<qsizetype>(kProgramName.size()));
    const int width = QFontMetrics(nameFont).horizontalAdvance(name);
    const QRect area = widget.rect();
    // Its left edge lies 8/7 of the text width from the right edge.
    const QRect rect(area.right() - width * 8 / 7, area.bottom() - kBottomMargin + 4, width + 4,
                     34);
    const int flags = Qt::AlignLeft | Qt::AlignVCenter;
    painter.setPen(first);
    painter.drawText(rect, flags, name);
    painter.setPen(second);
    painter.drawText(rect.translated(1, 1), flags, name);
    painter.restore();
}

} // namespace orvelan

#include "gui/widgets/CBanner.h"

#include "core/data/Codes.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPalette>
#include <QWidget>

namespace orvelan {

namespace {

/// Text drawn once in the highlight colour and once a pixel lower and to the right in the
/// shadow colour, so that it looks pressed into the page.
void embossed(QPainter& painter, const QWidget& widget, const QRect& rect, int flags,
              const QString& text) {
    painter.setPen(widget.palette().color(QPalette::Light));
    painter.drawText(rect, flags, text);
    painter.setPen(widget.palette().color(QPalette::Dark));
    painter.drawText(rect.translated(1, 1), flags, text);
}

} // namespace

void CBanner::paint(QPainter& painter, const QWidget& widget, const QString& label) {
    painter.save();
    painter.setBackgroundMode(Qt::TransparentMode);
    const QRect area = widget.rect();
    if (!label.isEmpty()) {
        QFont font = widget.font();
        font.setBold(true);
        painter.setFont(font);
        embossed(painter, widget, QRect(area.left(), area.top() + 2, area.width(), kTopMargin - 4),
                 Qt::AlignHCenter | Qt::AlignVCenter, label);
    }
    QFont nameFont(QStringLiteral("Tahoma"));
    nameFont.setPixelSize(28);
    nameFont.setBold(true);
    nameFont.setItalic(true);
    painter.setFont(nameFont);
    const QString name =
        QString::fromLatin1(kProgramName.data(), static_cast<qsizetype>(kProgramName.size()));
    const int width = QFontMetrics(nameFont).horizontalAdvance(name);
    // Its left edge lies 8/7 of the text width from the right edge.
    const int left = area.right() - width * 8 / 7;
    embossed(painter, widget, QRect(left, area.bottom() - kBottomMargin + 4, width + 4, 34),
             Qt::AlignLeft | Qt::AlignVCenter, name);
    painter.restore();
}

} // namespace orvelan

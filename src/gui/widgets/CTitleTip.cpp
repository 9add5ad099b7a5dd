#include "CTitleTip.h"

#include <QFontMetrics>
#include <QPainter>

namespace orvelan {

CTitleTip::CTitleTip(QWidget* parent)
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                          Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus) {
    setObjectName(QStringLiteral("ZTitleTip"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::ArrowCursor);
}

void CTitleTip::showTip(const QRect& globalCellRect, const QString& text, const QFont& font,
                        const QColor& textColour, const QColor& backColour) {
    m_text = text;
    m_textColour = textColour;
    m_backColour = backColour;
    setFont(font);
    const QFontMetrics metrics(font);
    // A blank before and after the text, plus the one-pixel border on each side.
    const int width = metrics.horizontalAdvance(QLatin1Char(' ') + text + QLatin1Char(' ')) + 2;
    const int height = std::max(globalCellRect.height(), metrics.height() + 2);
    setGeometry(globalCellRect.x(), globalCellRect.y(), width, height);
    show();
    update();
}

void CTitleTip::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), m_backColour);
    painter.setPen(m_textColour);
    painter.setFont(font());
    const int blank = QFontMetrics(font()).horizontalAdvance(QLatin1Char(' '));
    painter.drawText(rect().adjusted(1 + blank, 0, -1, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     m_text);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace orvelan

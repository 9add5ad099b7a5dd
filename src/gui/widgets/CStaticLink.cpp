#include "gui/widgets/CStaticLink.h"

#include "gui/widgets/CShell.h"

#include <QFileInfo>
#include <QMouseEvent>

namespace orvelan {

CStaticLink::CStaticLink(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setCursor(Qt::PointingHandCursor);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, QColor(0, 0, 255));
    setPalette(colours);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
}

QString CStaticLink::effectiveTarget() const { return m_target.isEmpty() ? text() : m_target; }

void CStaticLink::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    const QString target = effectiveTarget();
    if (event->button() != Qt::LeftButton || target.isEmpty()) {
        return;
    }
    if (m_handler) {
        m_handler(target);
        return;
    }
    const QUrl url =
        QFileInfo::exists(target) ? QUrl::fromLocalFile(target) : QUrl::fromUserInput(target);
    emit opened(CShell::open(url));
}

} // namespace orvelan

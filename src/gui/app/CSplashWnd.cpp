#include "gui/app/CSplashWnd.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace orvelan {

QPointer<CSplashWnd> CSplashWnd::s_current;

CSplashWnd* CSplashWnd::showSplash() {
    if (s_current) {
        return s_current;
    }
    auto* splash = new CSplashWnd;
    s_current = splash;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        splash->move(screen->geometry().center() - splash->rect().center());
    }
    splash->show();
    splash->raise();
    return splash;
}

CSplashWnd* CSplashWnd::current() { return s_current; }

CSplashWnd::CSplashWnd()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_picture(picture()) {
    setObjectName(QStringLiteral("splashWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(m_picture.size());
    qApp->installEventFilter(this);
    QTimer::singleShot(kDisplayMilliseconds, this, &CSplashWnd::hideSplash);
}

CSplashWnd::~CSplashWnd() { qApp->removeEventFilter(this); }

void CSplashWnd::hideSplash() {
    qApp->removeEventFilter(this);
    close();
}

bool CSplashWnd::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
    case QEvent::MouseButtonPress:
    case QEvent::NonClientAreaMouseButtonPress:
        hideSplash();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void CSplashWnd::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}

QPixmap CSplashWnd::picture() {
    QPixmap pixmap(440, 260);
    pixmap.fill(QColor(0, 64, 128));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // A stylised age-specific curve in the background.
    p.setPen(QPen(QColor(70, 130, 190), 4));
    QPolygon curve;
    for (int i = 0; i < 18; ++i) {
        curve << QPoint(30 + i * 22, 230 - (i * i * i) / 30);
    }
    p.drawPolyline(curve);
    QFont title(QStringLiteral("Tahoma"));
    title.setPixelSize(52);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 40, pixmap.width(), 70), Qt::AlignCenter, QStringLiteral("ORVELAN"));
    QFont subtitle(QStringLiteral("Tahoma"));
    subtitle.setPixelSize(16);
    p.setFont(subtitle);
    p.drawText(QRect(0, 110, pixmap.width(), 30), Qt::AlignCenter,
               QStringLiteral("Cancer incidence in 229 populations"));
    p.drawText(QRect(0, 140, pixmap.width(), 30), Qt::AlignCenter,
               QStringLiteral("Version " ORVELAN_VERSION));
    p.end();
    return pixmap;
}

} // namespace orvelan

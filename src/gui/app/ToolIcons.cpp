#include "gui/app/ToolIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace orvelan {

namespace {

constexpr int kSize = 32; // drawn at twice the toolbar size for sharp scaling

void drawSheet(QPainter& p) {
    p.setPen(QPen(QColor(60, 60, 60), 2));
    p.setBrush(Qt::white);
    p.drawRect(7, 3, 18, 26);
}

void drawGlyph(QPainter& p, const QString& text, const QColor& colour) {
    p.setPen(colour);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(text.size() > 1 ? 15 : 20);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRect(0, 0, kSize, kSize), Qt::AlignCenter, text);
}

// The graph toolbar: colours, scale, age range, lines and pie size.
void drawGraphKey(QPainter& p, const QString& key) {
    if (key == QLatin1String("background")) {
        p.setPen(QPen(QColor(60, 60, 60), 2));
        p.setBrush(QColor(255, 230, 120));
        p.drawRect(4, 4, 24, 24);
    } else if (key == QLatin1String("textcolour")) {
        drawGlyph(p, QStringLiteral("T"), QColor(200, 0, 0));
    } else if (key == QLatin1String("barcolour")) {
        p.setPen(QPen(QColor(30, 30, 30), 1));
        p.setBrush(QColor(0, 0, 220));
        p.drawRect(4, 6, 22, 6);
        p.drawRect(4, 18, 14, 6);
    } else if (key == QLatin1String("logscale")) {
        drawGlyph(p, QStringLiteral("log"), QColor(0, 0, 120));
    } else if (key == QLatin1String("agerange")) {
        drawGlyph(p, QStringLiteral("0-85"), QColor(0, 100, 0));
    } else if (key == QLatin1String("lines")) {
        p.setPen(QPen(QColor(60, 60, 60), 2));
        for (int x : {8, 16, 24}) {
            p.drawLine(x, 4, x, 28);
        }
    } else if (key == QLatin1String("pielarger") || key == QLatin1String("piesmaller")) {
        const int radius = key == QLatin1String("pielarger") ? 13 : 8;
        p.setPen(QPen(QColor(60, 60, 60), 2));
        p.setBrush(QColor(220, 0, 0));
        p.drawPie(QRect(16 - radius, 16 - radius, 2 * radius, 2 * radius), 0, 270 * 16);
    }
}

void drawKey(QPainter& p, const QString& key) {
    if (key == QLatin1String("graph")) {
        p.setPen(QPen(Qt::black, 2));
        p.drawLine(4, 28, 28, 28);
        p.drawLine(4, 4, 4, 28);
        p.setPen(QPen(QColor(0, 0, 200), 3));
        p.drawPolyline(QPolygon({QPoint(6, 24), QPoint(13, 17), QPoint(19, 20), QPoint(27, 7)}));
    } else if (key == QLatin1String("report")) {
        p.setPen(QPen(QColor(60, 60, 60), 2));
        p.setBrush(QColor(255, 255, 220));
        p.drawRect(3, 5, 26, 22);
        for (int y : {12, 19}) {
            p.drawLine(3, y, 29, y);
        }
        p.drawLine(12, 5, 12, 27);
    } else if (key == QLatin1String("analysis")) {
        drawGlyph(p, QStringLiteral("\u03a3"), QColor(150, 0, 0));
    } else if (key == QLatin1String("export")) {
        drawSheet(p);
        p.setPen(QPen(QColor(0, 130, 0), 3));
        p.drawLine(12, 16, 29, 16);
        p.drawLine(23, 10, 29, 16);
        p.drawLine(23, 22, 29, 16);
    } else if (key == QLatin1String("open")) {
        p.setPen(QPen(QColor(120, 90, 0), 2));
        p.setBrush(QColor(250, 210, 90));
        p.drawPolygon(QPolygon({QPoint(3, 8), QPoint(12, 8), QPoint(15, 11), QPoint(29, 11),
                                QPoint(29, 27), QPoint(3, 27)}));
    } else if (key == QLatin1String("save")) {
        p.setPen(QPen(QColor(30, 30, 90), 2));
        p.setBrush(QColor(70, 90, 170));
        p.drawRect(4, 4, 24, 24);
        p.setBrush(Qt::white);
        p.drawRect(9, 4, 14, 9);
    } else if (key == QLatin1String("print") || key == QLatin1String("preview")) {
        p.setPen(QPen(QColor(60, 60, 60), 2));
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(3, 13, 26, 11);
        p.setBrush(Qt::white);
        p.drawRect(8, 4, 16, 9);
        if (key == QLatin1String("preview")) {
            p.setBrush(QColor(220, 240, 255));
            p.drawEllipse(QPoint(18, 19), 7, 7);
            p.drawLine(23, 24, 29, 30);
        }
    } else if (key == QLatin1String("copy")) {
        p.setPen(QPen(QColor(60, 60, 60), 2));
        p.setBrush(Qt::white);
        p.drawRect(4, 4, 15, 19);
        p.drawRect(13, 10, 15, 19);
    } else if (key == QLatin1String("smaller")) {
        drawGlyph(p, QStringLiteral("A-"), Qt::black);
    } else if (key == QLatin1String("larger")) {
        drawGlyph(p, QStringLiteral("A+"), Qt::black);
    } else if (key == QLatin1String("registries")) {
        p.setPen(QPen(QColor(0, 80, 160), 2));
        p.setBrush(QColor(190, 220, 255));
        p.drawEllipse(QPoint(16, 16), 12, 12);
        p.drawEllipse(QPoint(16, 16), 5, 12);
        p.drawLine(4, 16, 28, 16);
    } else if (key == QLatin1String("cancers")) {
        drawSheet(p);
        drawGlyph(p, QStringLiteral("C"), QColor(150, 0, 80));
    } else if (key == QLatin1String("about")) {
        drawGlyph(p, QStringLiteral("?"), QColor(0, 0, 160));
    } else {
        drawGraphKey(p, key);
    }
}

} // namespace

QIcon toolIcon(const QString& key) {
    if (key.isEmpty()) {
        return {};
    }
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    drawKey(painter, key);
    painter.end();
    return QIcon(pixmap);
}

} // namespace orvelan

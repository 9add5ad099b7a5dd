#include "gui/widgets/CStateImages.h"

#include <QPainter>
#include <QPixmap>
#include <array>

namespace orvelan {

namespace {

constexpr int kImageSize = 15;
constexpr int kButtonSize = 20;

void drawTick(QPainter& painter, const QColor& colour) {
    painter.setPen(QPen(colour, 2.0));
    painter.drawLine(QPointF(4, 7.5), QPointF(6.5, 10.5));
    painter.drawLine(QPointF(6.5, 10.5), QPointF(11, 4));
}

QPixmap box(const QColor& frame, const QColor& fill, bool ticked) {
    QPixmap pixmap(kImageSize, kImageSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(frame, 1.0));
    painter.setBrush(fill);
    painter.drawRect(QRectF(1.5, 1.5, 12, 12));
    if (ticked) {
        drawTick(painter, Qt::black);
    }
    return pixmap;
}

QPixmap heading() {
    QPixmap pixmap(kImageSize, kImageSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(128, 128, 128));
    painter.drawRect(QRect(3, 6, 9, 3));
    return pixmap;
}

QPixmap folder() {
    QPixmap pixmap(kImageSize, kImageSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QColor(128, 96, 0));
    painter.setBrush(QColor(240, 200, 80));
    painter.drawRect(QRect(1, 4, 12, 9));
    painter.drawRect(QRect(1, 2, 5, 2));
    return pixmap;
}

QPixmap imageOf(StateImage image) {
    const QColor white(255, 255, 255);
    const QColor groupFill(220, 232, 255);
    const QColor specialFill(255, 236, 210);
    switch (image) {
    case StateImage::Unticked:
        return box(Qt::black, white, false);
    case StateImage::Ticked:
        return box(Qt::black, white, true);
    case StateImage::Heading:
        return heading();
    case StateImage::Folder:
        return folder();
    case StateImage::GroupUnticked:
        return box(QColor(0, 0, 160), groupFill, false);
    case StateImage::GroupTicked:
        return box(QColor(0, 0, 160), groupFill, true);
    case StateImage::SpecialUnticked:
        return box(QColor(176, 88, 0), specialFill, false);
    case StateImage::SpecialTicked:
        return box(QColor(176, 88, 0), specialFill, true);
    case StateImage::None:
        break;
    }
    return {};
}

QPixmap buttonPicture(CStateImages::ButtonPicture picture) {
    QPixmap pixmap(kButtonSize, kButtonSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    using Picture = CStateImages::ButtonPicture;
    const bool tick = picture != Picture::Clear;
    const QColor frame = picture == Picture::Icd10Rubrics ? QColor(0, 96, 0) : Qt::black;
    for (int i = 0; i < 3; ++i) {
        painter.setPen(frame);
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(2.5 + i * 2, 2.5 + i * 5, 7, 5));
        if (tick) {
            painter.setPen(QPen(frame, 1.5));
            painter.drawLine(QPointF(3.5 + i * 2, 5 + i * 5), QPointF(8.5 + i * 2, 4 + i * 5));
        }
    }
    if (picture == Picture::Clear) {
        painter.setPen(QPen(QColor(192, 0, 0), 2.0));
        painter.drawLine(QPointF(12, 10), QPointF(18, 16));
        painter.drawLine(QPointF(18, 10), QPointF(12, 16));
    } else {
        painter.setPen(frame);
        painter.setFont(QFont(QStringLiteral("Arial"), 6, QFont::Bold));
        const QString mark = picture == Picture::SelectAllRegistries ? QStringLiteral("R")
                             : picture == Picture::SelectAllCancers  ? QStringLiteral("C")
                                                                     : QStringLiteral("10");
        painter.drawText(QRect(10, 9, 10, 10), Qt::AlignCenter, mark);
    }
    return pixmap;
}

} // namespace

QIcon CStateImages::icon(StateImage image) {
    static std::array<QIcon, 9> icons;
    const auto index = static_cast<std::size_t>(image);
    if (image != StateImage::None && icons[index].isNull()) {
        icons[index] = QIcon(imageOf(image));
    }
    return icons[index];
}

QIcon CStateImages::buttonIcon(ButtonPicture picture) { return QIcon(buttonPicture(picture)); }

} // namespace orvelan

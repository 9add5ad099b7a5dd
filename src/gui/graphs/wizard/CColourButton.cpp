#include "gui/graphs/wizard/CColourButton.h"

#include <QColorDialog>
#include <QPainter>
#include <QPixmap>

namespace orvelan {

namespace {

CColourButton::Chooser& chooser() {
    static CColourButton::Chooser function;
    return function;
}

} // namespace

CColourButton::CColourButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {
    setIconSize(QSize(28, 14));
    connect(this, &QPushButton::clicked, this, &CColourButton::choose);
}

void CColourButton::bind(std::uint32_t* colour) {
    m_colour = colour;
    showColour();
}

QColor CColourButton::colour() const {
    return m_colour != nullptr ? toQColor(*m_colour) : QColor();
}

QColor CColourButton::toQColor(std::uint32_t value) {
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

std::uint32_t CColourButton::fromQColor(const QColor& colour) {
    return static_cast<std::uint32_t>(colour.red()) |
           (static_cast<std::uint32_t>(colour.green()) << 8) |
           (static_cast<std::uint32_t>(colour.blue()) << 16);
}

void CColourButton::setChooser(Chooser function) { chooser() = std::move(function); }

void CColourButton::choose() {
    if (m_colour == nullptr) {
        return;
    }
    std::optional<QColor> chosen;
    if (chooser()) {
        chosen = chooser()(colour());
    } else {
        const QColor picked = QColorDialog::getColor(colour(), this);
        if (picked.isValid()) {
            chosen = picked;
        }
    }
    if (!chosen || !chosen->isValid()) {
        return;
    }
    *m_colour = fromQColor(*chosen);
    showColour();
}

void CColourButton::showColour() {
    QPixmap swatch(iconSize());
    swatch.fill(colour());
    QPainter painter(&swatch);
    painter.setPen(Qt::gray);
    painter.drawRect(swatch.rect().adjusted(0, 0, -1, -1));
    painter.end();
    setIcon(QIcon(swatch));
}

} // namespace orvelan

#include "gui/graphs/wizard/CColourButton.h"

#include "graphics/GraphStyle.h"
#include "gui/graphs/CColourDialog.h"

#include <QPainter>
#include <QPixmap>

namespace orvelan {

CColourButton::CColourButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {
    setIconSize(QSize(28, 14));
    connect(this, &QPushButton::clicked, this, &CColourButton::choose);
}

void CColourButton::bind(std::uint32_t* colour) {
    m_colour = colour;
    showColour();
}

QColor CColourButton::colour() const {
    return m_colour != nullptr ? GraphStyle::fromColourRef(*m_colour) : QColor();
}

void CColourButton::choose() {
    if (m_colour == nullptr) {
        return;
    }
    const std::optional<QColor> chosen = CColourDialog::choose(this, colour());
    if (!chosen || !chosen->isValid()) {
        return;
    }
    *m_colour = GraphStyle::toColourRef(*chosen);
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

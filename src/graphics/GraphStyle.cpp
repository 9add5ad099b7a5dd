#include "graphics/GraphStyle.h"

#include "core/data/Codes.h"
#include "core/graphs/GraphSettings.h"

#include <algorithm>
#include <cmath>

namespace orvelan {

std::array<QColor, GraphStyle::kCurveCount> GraphStyle::defaultCurveColours() {
    return {QColor(0, 0, 255),   QColor(0, 255, 0),   QColor(255, 0, 0), QColor(255, 255, 0),
            QColor(255, 0, 255), QColor(128, 128, 0), QColor(0, 128, 0), QColor(0, 0, 128),
            QColor(128, 0, 0),   QColor(128, 0, 128)};
}

std::array<Qt::PenStyle, GraphStyle::kCurveCount> GraphStyle::defaultCurveStyles() {
    return {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine, Qt::DashDotDotLine,
            Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine, Qt::DashDotDotLine};
}

std::array<QColor, GraphStyle::kSliceColourCount> GraphStyle::defaultSliceColours() {
    return {QColor(255, 0, 0), QColor(0, 0, 255),     QColor(255, 255, 0),  QColor(0, 255, 255),
            QColor(0, 255, 0), QColor(128, 0, 128),   QColor(0, 0, 128),    QColor(0, 128, 128),
            QColor(0, 128, 0), QColor(128, 128, 128), QColor(255, 255, 255)};
}

QColor GraphStyle::fromColourRef(std::uint32_t colour) {
    return QColor(static_cast<int>(colour & 0xFFu), static_cast<int>((colour >> 8) & 0xFFu),
                  static_cast<int>((colour >> 16) & 0xFFu));
}

std::uint32_t GraphStyle::toColourRef(const QColor& colour) {
    return static_cast<std::uint32_t>(colour.red()) |
           (static_cast<std::uint32_t>(colour.green()) << 8) |
           (static_cast<std::uint32_t>(colour.blue()) << 16);
}

GraphStyle GraphStyle::forAgeCurves(const GraphSettings& settings) {
    GraphStyle style;
    style.background = fromColourRef(settings.ageBackground);
    style.text = fromColourRef(settings.ageText);
    style.lineThickness = settings.lineThickness;
    style.lineSymbol = settings.lineSymbol;
    return style;
}

GraphStyle GraphStyle::forBarChart(const GraphSettings& settings) {
    GraphStyle style;
    style.background = fromColourRef(settings.barBackground);
    style.text = fromColourRef(settings.barText);
    style.barColour = fromColourRef(settings.barIncidence);
    return style;
}

GraphStyle GraphStyle::forPieChart(const GraphSettings& settings) {
    GraphStyle style;
    style.background = fromColourRef(settings.pieBackground);
    style.text = fromColourRef(settings.pieText);
    return style;
}

GraphStyle GraphStyle::forPyramid(const GraphSettings& settings) {
    GraphStyle style;
    style.background = fromColourRef(settings.popBackground);
    style.text = fromColourRef(settings.popText);
    style.fontSizeIndex = 3;
    return style;
}

int GraphStyle::bodyPixelSize() const {
    const int i = std::clamp(fontSizeIndex, 0, kMaxFontSizeIndex);
    return std::max(
        1, static_cast<int>(std::lround(kFontSizes[static_cast<std::size_t>(i)] * printScale)));
}

int GraphStyle::titlePixelSize() const {
    const int i = std::min(std::clamp(fontSizeIndex, 0, kMaxFontSizeIndex) + 1, kMaxFontSizeIndex);
    return std::max(
        1, static_cast<int>(std::lround(kFontSizes[static_cast<std::size_t>(i)] * printScale)));
}

} // namespace orvelan

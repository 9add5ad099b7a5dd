#include "graphics/CBarChartPainter.h"

#include "core/graphs/AxisLabels.h"
#include "core/graphs/BarChartModel.h"
#include "graphics/CoreText.h"
#include "graphics/FontFaces.h"
#include "graphics/GraphStyle.h"
#include "graphics/GraphText.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace orvelan {

int BarChartGeometry::barAt(QPoint position) const {
    for (std::size_t i = 0; i < bars.size(); ++i) {
        if (bars[i].contains(position)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

BarChartGeometry CBarChartPainter::layout(int titleHeight, const QFontMetrics& body, QSize size,
                                          const BarChartModel& model, const GraphStyle& style) {
    BarChartGeometry geometry;
    const int h = body.height();
    const int r = 3 * h / 2; // a bar's height, g the gap below it
    const int g = r / 4;
    const int y0 = 5 * titleHeight / 2;
    const int room = size.height() - 5 * titleHeight;
    const int marks = model.scale.marks();
    if (room < r || model.bars.empty() || marks <= 0) {
        return geometry;
    }
    int fits = room / (r + g);
    // The axis, its values and the caption need 7h/2 below the last row: fewer rows rather
    // than a cut-off caption.
    while (fits > 0 && y0 + fits * (r + g) + 7 * h / 2 > size.height()) {
        --fits;
    }
    const int count = static_cast<int>(model.bars.size());
    geometry.shown =
        style.fixedBarRows >= 0 ? std::min(style.fixedBarRows, count) : std::min(fits, count);
    const int p = (9 * size.width() / 20) / marks;
    geometry.axisLength = marks * p;
    geometry.marks = marks;
    const int x0 = size.width() / 2;
    for (int i = 0; i < geometry.shown; ++i) {
        const Bar& bar = model.bars[static_cast<std::size_t>(i)];
        const int length = static_cast<int>(geometry.axisLength * bar.scaled / model.scale.top) + 1;
        geometry.bars.emplace_back(x0, y0 + i * (r + g) + h, length, r);
    }
    return geometry;
}

BarChartGeometry CBarChartPainter::paint(QPainter& painter, QSize size, const BarChartModel& model,
                                         const GraphStyle& style) {
    if (style.look == GraphLook::Publication) {
        return paintPublication(painter, size, model, style);
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    const int t = beginGraph(painter, size, style, fromCoreText(model.title));

    painter.setFont(graphFont(style.fontFace, style.bodyPixelSize(), false));
    const QFontMetrics body(painter.font(), painter.device());
    const BarChartGeometry geometry = layout(t, body, size, model, style);
    if (geometry.marks == 0) {
        painter.restore();
        return geometry;
    }
    const int h = body.height();
    const int a = body.averageCharWidth();
    const int r = 3 * h / 2;
    const int g = r / 4;
    const int y0 = 5 * t / 2;
    const int x0 = size.width() / 2;
    const int p = geometry.axisLength / geometry.marks;

    painter.setPen(QPen(style.text, 1));
    painter.setBrush(style.barColour);
    for (std::size_t i = 0; i < geometry.bars.size(); ++i) {
        const QRect& rect = geometry.bars[i];
        drawTextAt(painter, x0 - a, rect.y(), fromCoreText(model.bars[i].label), TextAlign::Right);
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
    }
    painter.setBrush(Qt::NoBrush);

    const int y1 = y0 + geometry.shown * (r + g);
    painter.drawLine(x0, y1 + h, x0, y0 + h - 1);
    painter.drawLine(x0, y1 + h, x0 + geometry.axisLength, y1 + h);
    for (int j = 1; j <= geometry.marks; ++j) {
        const int x = x0 + j * p;
        painter.drawLine(x, y1 + h, x, y1 + h + h / 3);
        if (style.lines) {
            painter.drawLine(x, y1 + h + h / 3, x, y0 + h - 1);
        }
        drawTextAt(painter, x, y1 + 3 * h / 2,
                   fromCoreText(stepAxisLabel(j * model.scale.step, model.scale.step)),
                   TextAlign::Centre);
    }
    drawTextAt(painter, x0, y1 + 3 * h / 2, QStringLiteral("0"), TextAlign::Centre);
    drawTextAt(painter, size.width() / 2, y1 + 5 * h / 2, fromCoreText(model.caption),
               TextAlign::Centre);
    painter.restore();
    return geometry;
}

} // namespace orvelan

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

BarChartGeometry CBarChartPainter::paint(QPainter& painter, QSize size, const BarChartModel& model,
                                         const GraphStyle& style) {
    if (style.look == GraphLook::Publication) {
        return paintPublication(painter, size, model, style);
    }
    BarChartGeometry geometry;
    const int W = size.width();
    const int H = size.height();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    const int t = beginGraph(painter, size, style, fromCoreText(model.title));

    painter.setFont(graphFont(style.fontFace, style.bodyPixelSize(), false));
    const QFontMetrics body(painter.font(), painter.device());
    const int h = body.height();
    const int a = body.averageCharWidth();
    const int r = 3 * h / 2;
    const int g = r / 4;
    const int y0 = 5 * t / 2;
    const int room = H - 5 * t;
    const int marks = model.scale.marks();
    if (room < r || model.bars.empty() || marks <= 0) {
        painter.restore();
        return geometry;
    }
    int fits = room / (r + g);
    // The axis, its values and the caption need 7h/2 below the last row: fewer rows rather
    // than a cut-off caption.
    while (fits > 0 && y0 + fits * (r + g) + 7 * h / 2 > H) {
        --fits;
    }
    const int count = static_cast<int>(model.bars.size());
    geometry.shown =
        style.fixedBarRows >= 0 ? std::min(style.fixedBarRows, count) : std::min(fits, count);

    const int p = (9 * W / 20) / marks;
    const int axisLength = marks * p;
    const int x0 = W / 2;
    geometry.axisLength = axisLength;
    geometry.marks = marks;

    painter.setPen(QPen(style.text, 1));
    painter.setBrush(style.barColour);
    for (int i = 0; i < geometry.shown; ++i) {
        const Bar& bar = model.bars[static_cast<std::size_t>(i)];
        const int y = y0 + i * (r + g);
        drawTextAt(painter, x0 - a, y + h, fromCoreText(bar.label), TextAlign::Right);
        const int length = static_cast<int>(axisLength * bar.scaled / model.scale.top) + 1;
        const QRect rect(x0, y + h, length, r);
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
        geometry.bars.push_back(rect);
    }
    painter.setBrush(Qt::NoBrush);

    const int y1 = y0 + geometry.shown * (r + g);
    painter.drawLine(x0, y1 + h, x0, y0 + h - 1);
    painter.drawLine(x0, y1 + h, x0 + axisLength, y1 + h);
    for (int j = 1; j <= marks; ++j) {
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
    drawTextAt(painter, W / 2, y1 + 5 * h / 2, fromCoreText(model.caption), TextAlign::Centre);
    painter.restore();
    return geometry;
}

} // namespace orvelan

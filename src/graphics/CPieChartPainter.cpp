#include "graphics/CPieChartPainter.h"

#include "core/graphs/PieChartModel.h"
#include "graphics/CoreText.h"
#include "graphics/FontFaces.h"
#include "graphics/GraphStyle.h"
#include "graphics/GraphText.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace orvelan {

namespace {

constexpr double kDegreesPerRadian = 57.29577951308232;

QColor sliceColour(const PieChartModel& model, const GraphStyle& style, std::size_t i) {
    if (model.slices[i].isOther()) {
        return style.sliceColours.back();
    }
    return style.sliceColours[std::min(i, style.sliceColours.size() - 2)];
}

} // namespace

int PieChartGeometry::legendAt(QPoint position) const {
    for (std::size_t i = 0; i < legendSquares.size(); ++i) {
        if (legendSquares[i].contains(position)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

PieChartGeometry CPieChartPainter::layout(const QFontMetrics& body, QSize size,
                                          const PieChartModel& model, const GraphStyle& style) {
    PieChartGeometry geometry;
    const int W = size.width();
    const int H = size.height();
    const int l = body.height() + body.leading();
    const int count = static_cast<int>(model.slices.size());
    if (count == 0 || model.sums.size() != model.slices.size() + 1 || model.sums.back() <= 0.0) {
        return geometry;
    }
    // The legend down the left, one square and label every line and a half.
    int legend = 0;
    int y = (H - count * 3 * l / 2) / 2;
    for (const PieSlice& slice : model.slices) {
        geometry.legendSquares.emplace_back(10, y, l, l);
        legend = std::max(legend, body.horizontalAdvance(fromCoreText(slice.label)) + 2 * l + 10);
        y += 3 * l / 2;
    }
    const int r = static_cast<int>(std::min(W - 2 * legend, H - 6 * l) / 3.0 * style.pieScale);
    geometry.radius = std::max(0, r);
    geometry.centre = QPoint(W / 2 + r / 3, H / 2);
    const double last = model.sums.back();
    int previousY = 0;
    for (std::size_t i = 0; i < model.slices.size(); ++i) {
        geometry.sliceAngles.emplace_back(kFullTurn * model.sums[i] / last,
                                          kFullTurn * model.sums[i + 1] / last);
        // A slice's text sits a line outside the pie at its middle; on the same side as the one
        // before and less than a line from it, it moves half a line further out.
        const double middle = kFullTurn * (model.sums[i] + model.slices[i].cases / 2.0) / last;
        const int x = static_cast<int>(std::cos(middle) * (r + l));
        int labelY = static_cast<int>(std::sin(middle) * (r + l));
        if (i > 0 && ((labelY > 0 && previousY > 0) || (labelY < 0 && previousY < 0)) &&
            std::abs(labelY) - std::abs(previousY) < l) {
            labelY += labelY > 0 ? l / 2 : -l / 2;
        }
        previousY = labelY;
        geometry.labelAnchors.emplace_back(x, labelY);
    }
    return geometry;
}

PieChartGeometry CPieChartPainter::paint(QPainter& painter, QSize size, const PieChartModel& model,
                                         const GraphStyle& style) {
    if (style.look == GraphLook::Publication) {
        return paintPublication(painter, size, model, style);
    }
    painter.save();
    const int t = beginGraph(painter, size, style, fromCoreText(model.title));
    drawTextAt(painter, size.width() / 2, 3 * t / 2, fromCoreText(model.totalText()),
               TextAlign::Centre);

    painter.setFont(graphFont(style.fontFace, style.bodyPixelSize(), false));
    const QFontMetrics body(painter.font(), painter.device());
    const int l = body.height() + body.leading();
    const PieChartGeometry geometry = layout(body, size, model, style);
    if (geometry.legendSquares.empty()) {
        painter.restore();
        return geometry;
    }
    for (std::size_t i = 0; i < model.slices.size(); ++i) {
        const QColor colour = sliceColour(model, style, i);
        const QRect& square = geometry.legendSquares[i];
        painter.setPen(QPen(colour, 1));
        painter.setBrush(colour);
        painter.drawRect(square.adjusted(0, 0, -1, -1));
        if (colour == style.background) {
            painter.setPen(QPen(style.text, 1)); // a white square on white needs its outline
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(square.adjusted(0, 0, -1, -1));
        }
        painter.setPen(style.text);
        drawTextAt(painter, 3 * l / 2 + 10, square.y(), fromCoreText(model.slices[i].label),
                   TextAlign::Left);
    }

    const int r = geometry.radius;
    const QPoint centre = geometry.centre;
    const QRectF box(centre.x() - r, centre.y() - r, 2.0 * r, 2.0 * r);
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (std::size_t i = 0; i < model.slices.size() && r > 0; ++i) {
        const auto [from, to] = geometry.sliceAngles[i];
        QPainterPath path;
        path.moveTo(box.center());
        path.arcTo(box, from * kDegreesPerRadian, (to - from) * kDegreesPerRadian);
        path.closeSubpath();
        painter.setPen(QPen(style.text, 1));
        painter.setBrush(sliceColour(model, style, i));
        painter.drawPath(path);
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);

    painter.setPen(style.text);
    for (std::size_t i = 0; i < model.slices.size(); ++i) {
        const QPoint anchor = geometry.labelAnchors[i];
        // y upwards around the centre; the text hangs below its anchor as in the legend.
        drawTextAt(painter, centre.x() + anchor.x(), centre.y() - anchor.y() - l / 2,
                   fromCoreText(model.sliceText(i)),
                   anchor.x() >= 0 ? TextAlign::Left : TextAlign::Right);
    }
    painter.restore();
    return geometry;
}

} // namespace orvelan

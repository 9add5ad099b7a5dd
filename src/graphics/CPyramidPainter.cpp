#include "graphics/CPyramidPainter.h"

#include "core/data/Codes.h"
#include "core/graphs/AxisLabels.h"
#include "core/graphs/PyramidModel.h"
#include "core/io/Printf.h"
#include "graphics/CoreText.h"
#include "graphics/FontFaces.h"
#include "graphics/GraphStyle.h"
#include "graphics/GraphText.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <algorithm>

namespace orvelan {

namespace {

QString figureText(double value) { return fromCoreText(formatText("%.0f", value)); }

struct Layout {
    int W = 0;
    int e = 0;
    int A = 0;
    int h = 0;
};

int barLength(const PyramidModel& model, const Layout& layout, double figure) {
    if (model.scale.top <= 0.0) {
        return 0;
    }
    return static_cast<int>(layout.A * model.percentOf(figure) / model.scale.top);
}

void drawTopRow(QPainter& painter, const PyramidModel& model, const Layout& layout, int y0,
                PyramidGeometry& geometry) {
    const auto last = static_cast<std::size_t>(model.lastAgeGroup);
    const int mid = layout.W / 2;
    const int maleLength = barLength(model, layout, model.male[last]) * 2 / 3;
    const int femaleLength = barLength(model, layout, model.female[last]) * 2 / 3;
    const int base = y0 + layout.h;
    const int apex = y0 + layout.h / 5;
    painter.drawPolygon(
        QPolygon({QPoint(mid - layout.e, base), QPoint(mid - layout.e - maleLength, base),
                  QPoint(mid - layout.e, apex)}));
    painter.drawPolygon(
        QPolygon({QPoint(mid + layout.e, base), QPoint(mid + layout.e + femaleLength, base),
                  QPoint(mid + layout.e, apex)}));
    geometry.maleBars.emplace_back(mid - layout.e - maleLength, apex, maleLength, base - apex);
    geometry.femaleBars.emplace_back(mid + layout.e, apex, femaleLength, base - apex);
    drawTextAt(painter, mid - layout.e - layout.A, y0, figureText(model.male[last]),
               TextAlign::Right);
    drawTextAt(painter, mid + layout.e + layout.A, y0, figureText(model.female[last]),
               TextAlign::Left);
    drawTextAt(painter, mid, y0, fromCoreText(model.ageLabel(model.lastAgeGroup)),
               TextAlign::Centre);
}

} // namespace

PyramidGeometry CPyramidPainter::paint(QPainter& painter, QSize size, const PyramidModel& model,
                                       const GraphStyle& style) {
    if (style.look == GraphLook::Publication) {
        return paintPublication(painter, size, model, style);
    }
    PyramidGeometry geometry;
    const int W = size.width();
    const int H = size.height();
    painter.save();
    const int t = beginGraph(painter, size, style, fromCoreText(model.title));
    drawTextAt(painter, W / 2, H - 2 * t,
               QString::fromLatin1(kProgramName.data(), static_cast<int>(kProgramName.size())),
               TextAlign::Centre);

    painter.setFont(graphFont(style.fontFace, style.bodyPixelSize(), false));
    const QFontMetrics body(painter.font(), painter.device());
    Layout layout;
    layout.W = W;
    layout.h = body.height();
    layout.e = body.size(0, QStringLiteral("85+")).height(); // its height, not its width
    const int marks = model.scale.marks();
    const int p = marks > 0 ? std::max(0, (W / 2 - 7 * layout.e) / marks) : 0;
    layout.A = marks * p;
    const int h = layout.h;
    const int pitch = h + h / 5;
    const int y0 = (H - pitch * model.lastAgeGroup) / 2;
    geometry.columnHalfWidth = layout.e;
    geometry.halfAxis = layout.A;
    geometry.rowPitch = pitch;
    geometry.top = y0;

    const int mid = W / 2;
    painter.setPen(QPen(style.text, 1));
    drawTextAt(painter, W / 4, y0 - 2 * h, QStringLiteral("Male"), TextAlign::Centre);
    drawTextAt(painter, 3 * W / 4, y0 - 2 * h, QStringLiteral("Female"), TextAlign::Centre);
    drawTextAt(painter, mid - layout.e - layout.A, y0 - 2 * h, figureText(model.maleTotal),
               TextAlign::Right);
    drawTextAt(painter, mid + layout.e + layout.A, y0 - 2 * h, figureText(model.femaleTotal),
               TextAlign::Left);

    painter.setBrush(QColor(192, 192, 192));
    drawTopRow(painter, model, layout, y0, geometry);
    int y = y0;
    for (int a = model.lastAgeGroup - 1; a >= 0; --a) {
        y += pitch;
        const auto i = static_cast<std::size_t>(a);
        const int maleLength = barLength(model, layout, model.male[i]);
        const int femaleLength = barLength(model, layout, model.female[i]);
        const QRect maleBar(mid - layout.e - maleLength, y, maleLength, h);
        const QRect femaleBar(mid + layout.e, y, femaleLength, h);
        if (maleLength > 0) {
            painter.drawRect(maleBar.adjusted(0, 0, -1, -1));
        }
        if (femaleLength > 0) {
            painter.drawRect(femaleBar.adjusted(0, 0, -1, -1));
        }
        geometry.maleBars.push_back(maleBar);
        geometry.femaleBars.push_back(femaleBar);
        drawTextAt(painter, mid - layout.e - layout.A, y, figureText(model.male[i]),
                   TextAlign::Right);
        drawTextAt(painter, mid + layout.e + layout.A, y, figureText(model.female[i]),
                   TextAlign::Left);
        drawTextAt(painter, mid, y, fromCoreText(model.ageLabel(a)), TextAlign::Centre);
    }
    painter.setBrush(Qt::NoBrush);

    const int axisY = y + h;
    for (const int side : {-1, 1}) {
        const int edge = mid + side * layout.e;
        painter.drawLine(edge, axisY, edge, y0);
        painter.drawLine(edge, axisY, edge + side * layout.A, axisY);
        for (int j = 0; j <= marks && p > 0; ++j) {
            const int x = edge + side * j * p;
            painter.drawLine(x, axisY, x, axisY + h / 3);
            drawTextAt(painter, x, axisY + h / 3 + 1,
                       fromCoreText(stepAxisLabel(j * model.scale.step, model.scale.step)),
                       TextAlign::Centre);
        }
    }
    const int captionY = axisY + h / 3 + 1 + h;
    drawTextAt(painter, mid, captionY, QStringLiteral("(%)"), TextAlign::Centre);
    if (model.male[kUnknownAgeGroup] != 0.0) {
        drawTextAt(painter, mid, captionY + h, QStringLiteral("Total includes unknown age"),
                   TextAlign::Centre);
    }
    painter.restore();
    return geometry;
}

} // namespace orvelan

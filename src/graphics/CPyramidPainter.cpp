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

/// A figure's bar length: its share of the whole population on the axis of halfAxis pixels.
int barLength(const PyramidModel& model, int halfAxis, double figure) {
    if (model.scale.top <= 0.0) {
        return 0;
    }
    return static_cast<int>(halfAxis * model.percentOf(figure) / model.scale.top);
}

} // namespace

PyramidGeometry CPyramidPainter::layout(const QFontMetrics& body, QSize size,
                                        const PyramidModel& model) {
    PyramidGeometry geometry;
    const int W = size.width();
    const int h = body.height();
    const int e = body.size(0, QStringLiteral("85+")).height(); // its height, not its width
    const int marks = model.scale.marks();
    const int p = marks > 0 ? std::max(0, (W / 2 - 7 * e) / marks) : 0;
    const int A = marks * p;
    const int pitch = h + h / 5;
    const int y0 = (size.height() - pitch * model.lastAgeGroup) / 2;
    geometry.columnHalfWidth = e;
    geometry.halfAxis = A;
    geometry.rowPitch = pitch;
    geometry.top = y0;

    const int mid = W / 2;
    // The open top class is a triangle two thirds as long, rising from its row's foot.
    const auto last = static_cast<std::size_t>(model.lastAgeGroup);
    const int maleTop = barLength(model, A, model.male[last]) * 2 / 3;
    const int femaleTop = barLength(model, A, model.female[last]) * 2 / 3;
    const int apex = y0 + h / 5;
    geometry.maleBars.emplace_back(mid - e - maleTop, apex, maleTop, h - h / 5);
    geometry.femaleBars.emplace_back(mid + e, apex, femaleTop, h - h / 5);
    int y = y0;
    for (int a = model.lastAgeGroup - 1; a >= 0; --a) {
        y += pitch;
        const auto i = static_cast<std::size_t>(a);
        const int maleLength = barLength(model, A, model.male[i]);
        geometry.maleBars.emplace_back(mid - e - maleLength, y, maleLength, h);
        geometry.femaleBars.emplace_back(mid + e, y, barLength(model, A, model.female[i]), h);
    }
    return geometry;
}

PyramidGeometry CPyramidPainter::paint(QPainter& painter, QSize size, const PyramidModel& model,
                                       const GraphStyle& style) {
    if (style.look == GraphLook::Publication) {
        return paintPublication(painter, size, model, style);
    }
    const int W = size.width();
    const int H = size.height();
    painter.save();
    const int t = beginGraph(painter, size, style, fromCoreText(model.title));
    drawTextAt(painter, W / 2, H - 2 * t,
               QString::fromLatin1(kProgramName.data(), static_cast<int>(kProgramName.size())),
               TextAlign::Centre);

    painter.setFont(graphFont(style.fontFace, style.bodyPixelSize(), false));
    const QFontMetrics body(painter.font(), painter.device());
    const PyramidGeometry geometry = layout(body, size, model);
    const int h = body.height();
    const int e = geometry.columnHalfWidth;
    const int A = geometry.halfAxis;
    const int y0 = geometry.top;
    const int marks = model.scale.marks();
    const int p = marks > 0 ? A / marks : 0;
    const int mid = W / 2;
    painter.setPen(QPen(style.text, 1));
    drawTextAt(painter, W / 4, y0 - 2 * h, QStringLiteral("Male"), TextAlign::Centre);
    drawTextAt(painter, 3 * W / 4, y0 - 2 * h, QStringLiteral("Female"), TextAlign::Centre);
    drawTextAt(painter, mid - e - A, y0 - 2 * h, figureText(model.maleTotal), TextAlign::Right);
    drawTextAt(painter, mid + e + A, y0 - 2 * h, figureText(model.femaleTotal), TextAlign::Left);

    painter.setBrush(QColor(192, 192, 192));
    int y = y0;
    for (std::size_t row = 0; row < geometry.maleBars.size(); ++row) {
        const int a = model.lastAgeGroup - static_cast<int>(row);
        const QRect& maleBar = geometry.maleBars[row];
        const QRect& femaleBar = geometry.femaleBars[row];
        if (row == 0) {
            const int base = y0 + h;
            painter.drawPolygon(QPolygon({QPoint(mid - e, base), QPoint(maleBar.left(), base),
                                          QPoint(mid - e, maleBar.top())}));
            painter.drawPolygon(
                QPolygon({QPoint(mid + e, base), QPoint(mid + e + femaleBar.width(), base),
                          QPoint(mid + e, femaleBar.top())}));
        } else {
            y = maleBar.top();
            if (maleBar.width() > 0) {
                painter.drawRect(maleBar.adjusted(0, 0, -1, -1));
            }
            if (femaleBar.width() > 0) {
                painter.drawRect(femaleBar.adjusted(0, 0, -1, -1));
            }
        }
        const auto i = static_cast<std::size_t>(a);
        drawTextAt(painter, mid - e - A, y, figureText(model.male[i]), TextAlign::Right);
        drawTextAt(painter, mid + e + A, y, figureText(model.female[i]), TextAlign::Left);
        drawTextAt(painter, mid, y, fromCoreText(model.ageLabel(a)), TextAlign::Centre);
    }
    painter.setBrush(Qt::NoBrush);

    const int axisY = y + h;
    for (const int side : {-1, 1}) {
        const int edge = mid + side * e;
        painter.drawLine(edge, axisY, edge, y0);
        painter.drawLine(edge, axisY, edge + side * A, axisY);
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

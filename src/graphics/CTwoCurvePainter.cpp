#include "graphics/CTwoCurvePainter.h"

#include "core/data/Codes.h"
#include "core/graphs/AxisLabels.h"
#include "core/graphs/TwoCurveModel.h"
#include "graphics/CoreText.h"
#include "graphics/FontFaces.h"
#include "graphics/GraphText.h"
#include "graphics/ValueAxis.h"

#include <QFontMetrics>
#include <QPainter>
#include <optional>
#include <vector>

namespace orvelan {

namespace {

const QColor kReferenceColour(255, 0, 0);
const QColor kComparisonColour(0, 0, 255);
constexpr int kBottomRoom = 70; // below the plot: age labels and "Age"
constexpr int kAxisRoom = 60;   // left of the plot: value labels

/// Where a curve's rates fall, age by age; a rate the log scale cannot show is left out (the line
/// joins its neighbours).
std::vector<QPoint> curvePoints(const TwoCurveModel& model, const AgeArray& rates,
                                const ValueAxis& axis, int left, int c) {
    std::vector<QPoint> points;
    for (int a = model.ageLow; a <= model.ageHigh; ++a) {
        const double rate = rates[static_cast<std::size_t>(a)];
        if (axis.logarithmic && rate <= 0.0) {
            continue;
        }
        points.emplace_back(left + (a - model.ageLow) * c, axis.y(rate));
    }
    return points;
}

void drawCurve(QPainter& painter, const std::vector<QPoint>& points, const QColor& colour) {
    painter.setPen(QPen(colour, 1));
    for (std::size_t i = 1; i < points.size(); ++i) {
        painter.drawLine(points[i - 1], points[i]);
    }
}

void drawValues(QPainter& painter, const TwoCurveModel& model, int W) {
    const int right = W - 10;
    const int gap = CTwoCurvePainter::kValuesColumnGap;
    int y = CTwoCurvePainter::kValuesTop;
    for (int a = model.ageLow; a <= model.ageHigh; ++a) {
        const auto i = static_cast<std::size_t>(a);
        painter.setPen(Qt::black); // the age group of the line, so that the columns read alone
        drawTextAt(painter, right - 2 * gap, y, fromCoreText(model.ageLabel(a)), TextAlign::Right);
        painter.setPen(kReferenceColour);
        drawTextAt(painter, right, y, fromCoreText(TwoCurveModel::valueText(model.reference[i])),
                   TextAlign::Right);
        painter.setPen(kComparisonColour);
        drawTextAt(painter, right - gap, y,
                   fromCoreText(TwoCurveModel::valueText(model.comparison[i])), TextAlign::Right);
        y += CTwoCurvePainter::kValuesStep;
    }
}

} // namespace

TwoCurveGeometry CTwoCurvePainter::layout(const QFontMetrics& metrics, QSize size,
                                          const TwoCurveModel& model, const TwoCurveStyle& style) {
    TwoCurveGeometry geometry;
    const int W = size.width();
    const int h = metrics.height();
    const int topMargin = 3 * h + 8; // below the two curves' labels
    const int spans = model.ageHigh - model.ageLow;
    int plotWidth = style.values ? 3 * W / 4 : 5 * W / 6;
    const int c = spans > 0 ? (plotWidth - kAxisRoom) / spans : 0;
    plotWidth = c * spans;
    int plotHeight = size.height() - topMargin - kBottomRoom;
    geometry.logScale = model.logScale();
    if (model.largest <= 0.0 || c <= 0 || plotHeight <= 0 || !geometry.logScale) {
        geometry.noData = true;
        return geometry;
    }
    if (style.logarithmic) {
        geometry.valueAxis = logValueAxis(*geometry.logScale, plotHeight);
    } else {
        geometry.linearScale = model.linearScale();
        geometry.valueAxis = linearValueAxis(geometry.linearScale, plotHeight);
    }
    const int left = kAxisRoom + 10;
    geometry.valueAxis.baseline = topMargin + plotHeight;
    geometry.plot = QRect(left, topMargin, plotWidth, plotHeight);
    geometry.columnWidth = c;
    geometry.referencePoints = curvePoints(model, model.reference, geometry.valueAxis, left, c);
    geometry.comparisonPoints = curvePoints(model, model.comparison, geometry.valueAxis, left, c);
    return geometry;
}

TwoCurveGeometry CTwoCurvePainter::paint(QPainter& painter, QSize size, const TwoCurveModel& model,
                                         const TwoCurveStyle& style) {
    if (style.look == GraphLook::Publication) {
        return paintPublication(painter, size, model, style);
    }
    const int W = size.width();
    const int H = size.height();
    painter.save();
    painter.fillRect(QRect(0, 0, W, H), Qt::white);
    painter.setFont(graphFont(style.fontFace, style.fontPixelSize, false));
    const QFontMetrics metrics(painter.font(), painter.device());
    const int h = metrics.height();
    painter.setPen(kReferenceColour);
    drawTextAt(painter, W / 2, 4, fromCoreText(model.referenceLabel), TextAlign::Centre);
    painter.setPen(kComparisonColour);
    drawTextAt(painter, W / 2, 4 + h, fromCoreText(model.comparisonLabel), TextAlign::Centre);
    const TwoCurveGeometry geometry = layout(metrics, size, model, style);
    if (geometry.noData) {
        painter.setPen(Qt::black);
        drawTextAt(painter, W / 2, H / 2, QStringLiteral("No data!"), TextAlign::Centre);
        painter.restore();
        return geometry;
    }
    const ValueAxis& axis = geometry.valueAxis;
    const int left = geometry.plot.left();
    const int topMargin = geometry.plot.top();
    const int plotWidth = geometry.plot.width();
    const int c = geometry.columnWidth;

    const int k = h / 2;
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(left, topMargin, left, axis.baseline);
    painter.drawLine(left, axis.baseline, left + plotWidth, axis.baseline);
    for (int a = model.ageLow; a <= model.ageHigh; ++a) {
        const int x = left + (a - model.ageLow) * c;
        painter.drawLine(x, axis.baseline, x, axis.baseline + k);
        drawTextAt(painter, x, axis.baseline + k, fromCoreText(model.ageLabel(a)),
                   TextAlign::Centre);
    }
    drawTextAt(painter, left + plotWidth / 2, axis.baseline + k + h + 4, QStringLiteral("Age"),
               TextAlign::Centre);

    auto tick = [&](double v, const QString& label, int length) {
        const int y = axis.y(v);
        painter.drawLine(left, y, left - length, y);
        if (!label.isEmpty()) {
            drawTextAt(painter, left - k - 3, y - h / 2, label, TextAlign::Right);
        }
        if (style.grid) {
            painter.setPen(QPen(QColor(160, 160, 160), 1, Qt::DotLine));
            painter.drawLine(left + 1, y, left + plotWidth, y);
            painter.setPen(QPen(Qt::black, 1));
        }
    };
    if (axis.logarithmic) {
        const LogScale& logScale = *geometry.logScale;
        tick(logScale.top, fromCoreText(logTopLabel(logScale.top)), k);
        tick(logScale.bottom, QString(), k);
        for (const LogTick& t : logTicks(logScale)) {
            tick(t.value, fromCoreText(t.label), t.labelled ? k : k - 1);
        }
    } else {
        const LinearScale& linear = geometry.linearScale;
        for (int j = 0; j <= linear.marks(); ++j) {
            const double v = linear.bottom + j * linear.step;
            tick(v, fromCoreText(arithmeticAxisLabel(v)), k);
        }
    }
    drawTextAt(painter, left, topMargin - h - 2, QStringLiteral("Rate (per 100,000)"),
               TextAlign::Left);

    drawCurve(painter, geometry.referencePoints, kReferenceColour);
    drawCurve(painter, geometry.comparisonPoints, kComparisonColour);
    if (style.values) {
        drawValues(painter, model, W);
    }
    painter.restore();
    return geometry;
}

} // namespace orvelan

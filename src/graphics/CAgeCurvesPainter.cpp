#include "graphics/CAgeCurvesPainter.h"

#include "core/graphs/AgeCurvesModel.h"
#include "core/graphs/AxisLabels.h"
#include "graphics/CoreText.h"
#include "graphics/FontFaces.h"
#include "graphics/GraphStyle.h"
#include "graphics/GraphText.h"
#include "graphics/ValueAxis.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace orvelan {

namespace {

constexpr int kHitRadius = 3;
constexpr int kMaxLegendLines = 3;

QStringList legendLines(const std::string& label) {
    QStringList lines = fromCoreText(label).split(QLatin1Char('_'));
    while (lines.size() > kMaxLegendLines) {
        lines.removeLast();
    }
    return lines;
}

/// Legend width L: 2h + 12a + the widest label line.
int legendWidth(const QPainter& painter, const AgeCurvesModel& model, int h, int a) {
    int widest = 0;
    for (const AgeCurve& curve : model.curves) {
        for (const QString& line : legendLines(curve.label)) {
            widest = std::max(widest, textWidth(painter, line));
        }
    }
    return 2 * h + 12 * a + widest;
}

void drawLegend(QPainter& painter, QSize size, const AgeCurvesModel& model, const GraphStyle& style,
                int h, AgeCurvesGeometry& geometry) {
    bool threeLines = false;
    for (const AgeCurve& curve : model.curves) {
        threeLines = threeLines || legendLines(curve.label).size() >= kMaxLegendLines;
    }
    const int spacing = threeLines ? 3 * h : 5 * h / 2;
    const int count = static_cast<int>(model.curves.size());
    const int top = std::max(0, (size.height() - count * spacing) / 2);
    for (int i = 0; i < count; ++i) {
        const QColor colour = style.curveColours[static_cast<std::size_t>(i)];
        const QRect square(h / 2, top + i * spacing, h, h);
        painter.setPen(QPen(colour, 1));
        painter.setBrush(colour);
        painter.drawRect(square.adjusted(0, 0, -1, -1));
        geometry.legendSquares.push_back(square);
        painter.setPen(style.text);
        int y = square.top();
        for (const QString& line : legendLines(model.curves[static_cast<std::size_t>(i)].label)) {
            drawTextAt(painter, square.right() + 1 + h / 2, y, line, TextAlign::Left);
            y += h;
        }
    }
    painter.setBrush(Qt::NoBrush);
}

void drawAgeAxis(QPainter& painter, const AgeCurvesModel& model, int left, int baseline, int c,
                 int k) {
    const int n = model.ageTo - model.ageFrom + 1;
    for (int a = model.ageFrom; a <= model.ageTo; ++a) {
        const int x = left + (a - model.ageFrom) * c;
        painter.drawLine(x, baseline, x, baseline + k);
        drawTextAt(painter, x + c / 2, baseline + k, fromCoreText(model.ageLabel(a)),
                   TextAlign::Centre);
    }
    painter.drawLine(left + n * c, baseline, left + n * c, baseline + k);
    drawTextAt(painter, left + n * c, baseline + k, QStringLiteral("Age"), TextAlign::Left);
}

void drawLinearValueAxis(QPainter& painter, const LinearScale& scale, const GraphStyle& style,
                         int left, int baseline, int plotHeight, int plotWidth, int h, int k) {
    const int marks = scale.marks();
    for (int j = 0; j <= marks; ++j) {
        const int y = baseline - j * (plotHeight / marks);
        painter.drawLine(left, y, left - k, y);
        if (style.lines && j > 0) {
            painter.drawLine(left + 1, y, left + 1 + plotWidth, y);
        }
        const double v = scale.bottom + j * scale.step;
        drawTextAt(painter, left - k - 2, y - h / 2, fromCoreText(arithmeticAxisLabel(v)),
                   TextAlign::Right);
    }
}

void drawLogValueAxis(QPainter& painter, const LogScale& scale, const ValueAxis& axis,
                      const GraphStyle& style, int left, int plotWidth, int h, int k) {
    const int topY = axis.y(scale.top);
    painter.drawLine(left, topY, left - k, topY);
    drawTextAt(painter, left - k - 4, topY - h / 2, fromCoreText(logTopLabel(scale.top)),
               TextAlign::Right);
    if (style.lines) {
        painter.drawLine(left + 1, topY, left + 1 + plotWidth, topY);
    }
    const int bottomY = axis.y(scale.bottom);
    painter.drawLine(left, bottomY, left - k, bottomY);
    for (const LogTick& tick : logTicks(scale)) {
        const int y = axis.y(tick.value);
        painter.drawLine(left, y, left - (tick.labelled ? k : k - 1), y);
        if (tick.labelled) {
            drawTextAt(painter, left - k - 4, y - h / 2, fromCoreText(tick.label),
                       TextAlign::Right);
        }
        if (style.lines) {
            painter.drawLine(left + 1, y, left + 1 + plotWidth, y);
        }
    }
}

void drawCurves(QPainter& painter, const AgeCurvesModel& model, const GraphStyle& style,
                const ValueAxis& axis, int left, int c, int h, AgeCurvesGeometry& geometry) {
    const QString symbol = style.lineSymbol == 1   ? QStringLiteral("+")
                           : style.lineSymbol == 2 ? QStringLiteral("x")
                                                   : QString();
    for (std::size_t i = 0; i < model.curves.size(); ++i) {
        const AgeCurve& curve = model.curves[i];
        const QColor colour = style.curveColours[i % style.curveColours.size()];
        QPen pen(colour, style.lineThickness == 0 ? 1 : 2,
                 style.curveStyles[i % style.curveStyles.size()]);
        painter.setPen(pen);
        AgeCurvesGeometry::CurvePoints points;
        std::optional<QPoint> previous;
        for (int a = model.ageFrom; a <= model.ageTo; ++a) {
            const double rate = curve.rates[static_cast<std::size_t>(a)];
            if (axis.logarithmic && rate <= 0.0) {
                continue; // the line joins the neighbouring non-zero points
            }
            const QPoint point(left + c / 2 + (a - model.ageFrom) * c, axis.y(rate));
            if (previous) {
                painter.drawLine(*previous, point);
            }
            previous = point;
            points[static_cast<std::size_t>(a)] = point;
        }
        if (!symbol.isEmpty()) {
            painter.setPen(colour);
            for (const auto& point : points) {
                if (point) {
                    drawTextAt(painter, point->x(), point->y() - h / 2, symbol, TextAlign::Centre);
                }
            }
        }
        geometry.points.push_back(points);
    }
}

} // namespace

int AgeCurvesGeometry::legendAt(QPoint position) const {
    for (std::size_t i = 0; i < legendSquares.size(); ++i) {
        if (legendSquares[i].contains(position)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::optional<std::pair<int, int>> AgeCurvesGeometry::pointAt(QPoint position) const {
    for (std::size_t i = 0; i < points.size(); ++i) {
        for (std::size_t a = 0; a < points[i].size(); ++a) {
            const auto& point = points[i][a];
            if (point && std::abs(point->x() - position.x()) <= kHitRadius &&
                std::abs(point->y() - position.y()) <= kHitRadius) {
                return std::make_pair(static_cast<int>(i), static_cast<int>(a));
            }
        }
    }
    return std::nullopt;
}

AgeCurvesGeometry CAgeCurvesPainter::paint(QPainter& painter, QSize size,
                                           const AgeCurvesModel& model, const GraphStyle& style) {
    if (style.look == GraphLook::Publication) {
        return paintPublication(painter, size, model, style);
    }
    AgeCurvesGeometry geometry;
    const int W = size.width();
    const int H = size.height();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(style.background);
    painter.drawRect(0, 0, W - 1, H - 1);
    painter.setBrush(Qt::NoBrush);

    painter.setFont(graphFont(style.fontFace, style.titlePixelSize(), true));
    const int t = QFontMetrics(painter.font(), painter.device()).height();
    painter.setPen(style.text);
    drawTextAt(painter, W / 2, t / 2, fromCoreText(model.title), TextAlign::Centre);
    const int m = 3 * t / 2;

    painter.setFont(graphFont(style.fontFace, style.bodyPixelSize(), false));
    const QFontMetrics body(painter.font(), painter.device());
    const int h = body.height();
    const int a = body.averageCharWidth();
    const bool legend = model.curves.size() >= 2;
    const int left = legend ? legendWidth(painter, model, h, a) : 12 * a;

    const double largest = model.largestRate();
    if (largest <= 0.0) {
        drawTextAt(painter, W / 2, H / 2 - h / 2, QStringLiteral("No data!"), TextAlign::Centre);
        geometry.noData = true;
        painter.restore();
        return geometry;
    }
    const int baseline = H - 3 * m / 2;
    int plotHeight = H - 4 * m;
    const int n = model.ageTo - model.ageFrom + 1;
    const int c = n > 0 ? (19 * W / 20 - left) / n : 0;
    if (legend) {
        drawLegend(painter, size, model, style, h, geometry);
    }
    if (plotHeight <= 0 || c <= 0) {
        painter.restore();
        return geometry; // too small for a plot: title and legend only
    }

    std::optional<LogScale> logScale;
    LinearScale linear;
    ValueAxis axis;
    if (style.logarithmic && (logScale = model.logScale())) {
        axis = logValueAxis(*logScale, plotHeight);
    } else {
        linear = model.linearScale();
        axis = linearValueAxis(linear, plotHeight);
    }
    axis.baseline = baseline;
    geometry.plot = QRect(left, baseline - plotHeight, n * c, plotHeight);
    geometry.columnWidth = c;

    const int k = h / 2;
    painter.setPen(QPen(style.text, 1, Qt::SolidLine));
    painter.drawLine(left, baseline - plotHeight, left, baseline);
    painter.drawLine(left, baseline, left + n * c, baseline);
    drawAgeAxis(painter, model, left, baseline, c, k);
    if (axis.logarithmic) {
        drawLogValueAxis(painter, *logScale, axis, style, left, n * c, h, k);
    } else {
        drawLinearValueAxis(painter, linear, style, left, baseline, plotHeight, n * c, h, k);
    }
    drawTextAt(painter, left, baseline - plotHeight - h, QStringLiteral("Rate (per 100,000)"),
               TextAlign::Left);
    drawCurves(painter, model, style, axis, left, c, h, geometry);
    painter.restore();
    return geometry;
}

} // namespace orvelan

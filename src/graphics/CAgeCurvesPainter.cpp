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
int legendWidth(const QFontMetrics& body, const AgeCurvesModel& model) {
    int widest = 0;
    for (const AgeCurve& curve : model.curves) {
        for (const QString& line : legendLines(curve.label)) {
            widest = std::max(widest, body.horizontalAdvance(line));
        }
    }
    return 2 * body.height() + 12 * body.averageCharWidth() + widest;
}

/// The legend squares down the left, two and a half lines apart (three with a three-line label).
std::vector<QRect> legendSquares(QSize size, const AgeCurvesModel& model, int h) {
    bool threeLines = false;
    for (const AgeCurve& curve : model.curves) {
        threeLines = threeLines || legendLines(curve.label).size() >= kMaxLegendLines;
    }
    const int spacing = threeLines ? 3 * h : 5 * h / 2;
    const int count = static_cast<int>(model.curves.size());
    const int top = std::max(0, (size.height() - count * spacing) / 2);
    std::vector<QRect> squares;
    for (int i = 0; i < count; ++i) {
        squares.emplace_back(h / 2, top + i * spacing, h, h);
    }
    return squares;
}

void drawLegend(QPainter& painter, const AgeCurvesModel& model, const GraphStyle& style, int h,
                const AgeCurvesGeometry& geometry) {
    for (std::size_t i = 0; i < geometry.legendSquares.size(); ++i) {
        const QColor colour = style.curveColours[i];
        const QRect& square = geometry.legendSquares[i];
        painter.setPen(QPen(colour, 1));
        painter.setBrush(colour);
        painter.drawRect(square.adjusted(0, 0, -1, -1));
        painter.setPen(style.text);
        int y = square.top();
        for (const QString& line : legendLines(model.curves[i].label)) {
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

/// Where each curve's rates fall: one point per age group, none for a rate the log scale
/// cannot show (the line joins its neighbours).
std::vector<AgeCurvesGeometry::CurvePoints> curvePoints(const AgeCurvesModel& model,
                                                        const ValueAxis& axis, int left, int c) {
    std::vector<AgeCurvesGeometry::CurvePoints> all;
    for (const AgeCurve& curve : model.curves) {
        AgeCurvesGeometry::CurvePoints& points = all.emplace_back();
        for (int a = model.ageFrom; a <= model.ageTo; ++a) {
            const double rate = curve.rates[static_cast<std::size_t>(a)];
            if (axis.logarithmic && rate <= 0.0) {
                continue;
            }
            points[static_cast<std::size_t>(a)] =
                QPoint(left + c / 2 + (a - model.ageFrom) * c, axis.y(rate));
        }
    }
    return all;
}

void drawCurves(QPainter& painter, const GraphStyle& style, int h,
                const AgeCurvesGeometry& geometry) {
    const QString symbol = style.lineSymbol == 1   ? QStringLiteral("+")
                           : style.lineSymbol == 2 ? QStringLiteral("x")
                                                   : QString();
    for (std::size_t i = 0; i < geometry.points.size(); ++i) {
        const QColor colour = style.curveColours[i % style.curveColours.size()];
        QPen pen(colour, style.lineThickness == 0 ? 1 : 2,
                 style.curveStyles[i % style.curveStyles.size()]);
        painter.setPen(pen);
        std::optional<QPoint> previous;
        for (const auto& point : geometry.points[i]) {
            if (!point) {
                continue;
            }
            if (previous) {
                painter.drawLine(*previous, *point);
            }
            previous = point;
        }
        if (!symbol.isEmpty()) {
            painter.setPen(colour);
            for (const auto& point : geometry.points[i]) {
                if (point) {
                    drawTextAt(painter, point->x(), point->y() - h / 2, symbol, TextAlign::Centre);
                }
            }
        }
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

AgeCurvesGeometry CAgeCurvesPainter::layout(int titleHeight, const QFontMetrics& body, QSize size,
                                            const AgeCurvesModel& model, const GraphStyle& style) {
    AgeCurvesGeometry geometry;
    const int W = size.width();
    const int H = size.height();
    const int m = 3 * titleHeight / 2;
    const bool legend = model.curves.size() >= 2;
    const int left = legend ? legendWidth(body, model) : 12 * body.averageCharWidth();
    if (model.largestRate() <= 0.0) {
        geometry.noData = true;
        return geometry;
    }
    const int baseline = H - 3 * m / 2;
    int plotHeight = H - 4 * m;
    const int n = model.ageTo - model.ageFrom + 1;
    const int c = n > 0 ? (19 * W / 20 - left) / n : 0;
    if (legend) {
        geometry.legendSquares = legendSquares(size, model, body.height());
    }
    if (plotHeight <= 0 || c <= 0) {
        return geometry; // too small for a plot: title and legend only
    }
    if (style.logarithmic && (geometry.logScale = model.logScale())) {
        geometry.valueAxis = logValueAxis(*geometry.logScale, plotHeight);
    } else {
        geometry.linearScale = model.linearScale();
        geometry.valueAxis = linearValueAxis(geometry.linearScale, plotHeight);
    }
    geometry.valueAxis.baseline = baseline;
    geometry.plot = QRect(left, baseline - plotHeight, n * c, plotHeight);
    geometry.columnWidth = c;
    geometry.points = curvePoints(model, geometry.valueAxis, left, c);
    return geometry;
}

AgeCurvesGeometry CAgeCurvesPainter::paint(QPainter& painter, QSize size,
                                           const AgeCurvesModel& model, const GraphStyle& style) {
    if (style.look == GraphLook::Publication) {
        return paintPublication(painter, size, model, style);
    }
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

    painter.setFont(graphFont(style.fontFace, style.bodyPixelSize(), false));
    const QFontMetrics body(painter.font(), painter.device());
    const int h = body.height();
    const AgeCurvesGeometry geometry = layout(t, body, size, model, style);
    if (geometry.noData) {
        drawTextAt(painter, W / 2, H / 2 - h / 2, QStringLiteral("No data!"), TextAlign::Centre);
        painter.restore();
        return geometry;
    }
    drawLegend(painter, model, style, h, geometry);
    if (geometry.plot.isNull()) {
        painter.restore();
        return geometry; // too small for a plot: title and legend only
    }
    const QRect& plot = geometry.plot;
    const int left = plot.left();
    const int baseline = geometry.valueAxis.baseline;
    const int plotHeight = baseline - plot.top();
    const int width = plot.width();
    const int k = h / 2;
    painter.setPen(QPen(style.text, 1, Qt::SolidLine));
    painter.drawLine(left, baseline - plotHeight, left, baseline);
    painter.drawLine(left, baseline, left + width, baseline);
    drawAgeAxis(painter, model, left, baseline, geometry.columnWidth, k);
    if (geometry.valueAxis.logarithmic) {
        drawLogValueAxis(painter, *geometry.logScale, geometry.valueAxis, style, left, width, h, k);
    } else {
        drawLinearValueAxis(painter, geometry.linearScale, style, left, baseline, plotHeight, width,
                            h, k);
    }
    drawTextAt(painter, left, baseline - plotHeight - h, QStringLiteral("Rate (per 100,000)"),
               TextAlign::Left);
    drawCurves(painter, style, h, geometry);
    painter.restore();
    return geometry;
}

} // namespace orvelan

#include "core/graphs/PieChartModel.h"
#include "core/graphs/PublicationPalette.h"
#include "core/io/Printf.h"
#include "graphics/CPieChartPainter.h"
#include "graphics/CoreText.h"
#include "graphics/GraphStyle.h"
#include "graphics/PublicationDrawing.h"

#include <QFontMetricsF>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace orvelan {

namespace {

constexpr double kPieTurn = 2.0 * std::numbers::pi;
constexpr double kPieDegrees = 180.0 / std::numbers::pi;
// In label lines: from the pie's edge to its two columns of labels, the radial stub of a
// leader line, and the least distance between two label centres.
constexpr double kPieColumnGap = 1.2;
constexpr double kPieLeaderStub = 0.35;
constexpr double kPieLabelSpacing = 1.05;
constexpr double kPieLabelShare = 0.3;     // of the width, at most, for each column of labels
constexpr double kPieSmallestRadius = 0.2; // of the smaller side of the drawing area

/// A slice label placed around the pie: its side, its one or two lines, wanted and final
/// centre heights.
struct PieLabel {
    std::size_t slice = 0;
    double middle = 0.0; // radians counterclockwise from the positive x axis
    bool right = true;
    QStringList lines;
    double height = 0.0;
    double wantedY = 0.0;
    double y = 0.0;
};

QColor pieSliceColour(const PieChartModel& model, const GraphStyle& style, std::size_t slice) {
    // A colour the user picked in the view replaces the look's own.
    const bool other = model.slices[slice].isOther();
    const std::size_t index =
        other ? style.sliceColours.size() - 1 : std::min(slice, style.sliceColours.size() - 2);
    if (style.sliceColours[index] != GraphStyle::defaultSliceColours()[index]) {
        return style.sliceColours[index];
    }
    if (other) {
        return figure::colour(publicationOtherColour());
    }
    const auto& looks = publicationCurveLooks();
    return figure::colour(looks[slice % looks.size()].colour);
}

QString pieLabelName(const PieChartModel& model, std::size_t slice) {
    return fromCoreText(model.slices[slice].label).trimmed();
}

QString pieLabelPercent(const PieChartModel& model, std::size_t slice) {
    return QLatin1Char(' ') + fromCoreText(formatText("%.1f%%", model.percent(slice)));
}

/// "Breast 24.6%" on one line where it fits the room, else the name broken after a word onto
/// two, cut short only when a word is wider than the room; the percent always stays.
QStringList pieLabelLines(const PieChartModel& model, std::size_t slice,
                          const QFontMetricsF& metrics, double room) {
    const QString percent = pieLabelPercent(model, slice);
    const QString name = pieLabelName(model, slice);
    if (metrics.horizontalAdvance(name + percent) <= room) {
        return {name + percent};
    }
    const QStringList words = name.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QString first;
    qsizetype used = 0;
    while (used < words.size() - 1) {
        const QString longer =
            first.isEmpty() ? words[used] : first + QLatin1Char(' ') + words[used];
        if (metrics.horizontalAdvance(longer) > room) {
            break;
        }
        first = longer;
        ++used;
    }
    const QString rest = words.mid(used).join(QLatin1Char(' '));
    const QString second =
        metrics.elidedText(rest, Qt::ElideRight,
                           std::max(0.0, room - metrics.horizontalAdvance(percent))) +
        percent;
    if (first.isEmpty()) {
        return {second};
    }
    return {first, second};
}

/// Moves the labels of one side apart until no two touch, within low..high where they fit:
/// down from the top first, then back up from the bottom.
void spreadPieLabels(std::vector<PieLabel*>& side, double gap, double low, double high) {
    std::sort(side.begin(), side.end(),
              [](const PieLabel* a, const PieLabel* b) { return a->wantedY < b->wantedY; });
    double previous = low - gap; // the bottom of the label above
    for (PieLabel* label : side) {
        label->y = std::max(label->wantedY, previous + gap + label->height / 2.0);
        previous = label->y + label->height / 2.0;
    }
    double next = high + gap; // the top of the label below
    for (auto it = side.rbegin(); it != side.rend(); ++it) {
        (*it)->y = std::min((*it)->y, next - gap - (*it)->height / 2.0);
        next = (*it)->y - (*it)->height / 2.0;
    }
}

/// Where the labels of one side start (right) or end (left): a column beside the pie.
double pieColumnX(bool right, QPointF centre, double radius, double h) {
    const double offset = radius + kPieColumnGap * h;
    return centre.x() + (right ? offset : -offset);
}

std::vector<PieLabel> placePieLabels(const PieChartModel& model, const QFontMetricsF& metrics,
                                     QPointF centre, double radius, double margin, double width,
                                     double low, double high) {
    std::vector<PieLabel> labels;
    const double h = metrics.height();
    const double ring = radius + kPieLeaderStub * h;
    const double last = model.sums.back();
    for (std::size_t i = 0; i < model.slices.size(); ++i) {
        PieLabel label;
        label.slice = i;
        // Clockwise from twelve o'clock, the largest slice first.
        label.middle =
            std::numbers::pi / 2.0 - kPieTurn * (model.sums[i] + model.sums[i + 1]) / (2.0 * last);
        label.right = std::cos(label.middle) >= -1e-9;
        const double x = pieColumnX(label.right, centre, radius, h);
        label.lines =
            pieLabelLines(model, i, metrics, label.right ? width - margin - x : x - margin);
        label.height = h * static_cast<double>(label.lines.size());
        label.wantedY = centre.y() - ring * std::sin(label.middle);
        labels.push_back(label);
    }
    for (const bool right : {true, false}) {
        std::vector<PieLabel*> side;
        for (PieLabel& label : labels) {
            if (label.right == right) {
                side.push_back(&label);
            }
        }
        spreadPieLabels(side, (kPieLabelSpacing - 1.0) * h, low, high);
    }
    return labels;
}

/// Draws the slices and keeps their angles (counterclockwise, as the classic pie).
void drawPieSlices(QPainter& painter, const PieChartModel& model, const GraphStyle& style,
                   const PublicationMetrics& metrics, QPointF centre, double radius,
                   PieChartGeometry& geometry) {
    const double last = model.sums.back();
    const QRectF box(centre.x() - radius, centre.y() - radius, 2.0 * radius, 2.0 * radius);
    painter.setPen(
        QPen(style.background, metrics.axisLinePx, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    for (std::size_t i = 0; i < model.slices.size(); ++i) {
        const double from = std::numbers::pi / 2.0 - kPieTurn * model.sums[i + 1] / last;
        const double to = std::numbers::pi / 2.0 - kPieTurn * model.sums[i] / last;
        geometry.sliceAngles.emplace_back(from, to);
        QPainterPath path;
        path.moveTo(centre);
        path.arcTo(box, from * kPieDegrees, (to - from) * kPieDegrees);
        path.closeSubpath();
        painter.setBrush(pieSliceColour(model, style, i));
        painter.drawPath(path);
    }
    painter.setBrush(Qt::NoBrush);
}

void drawPieLabels(QPainter& painter, const GraphStyle& style, const PublicationMetrics& metrics,
                   const std::vector<PieLabel>& labels, QPointF centre, double radius,
                   PieChartGeometry& geometry) {
    const QFontMetricsF fm(painter.font(), painter.device());
    const double h = fm.height();
    geometry.labelBoxes.resize(labels.size());
    geometry.legendSquares.resize(labels.size());
    geometry.labelAnchors.resize(labels.size());
    for (const PieLabel& label : labels) {
        const double x = pieColumnX(label.right, centre, radius, h);
        const TextAlign align = label.right ? TextAlign::Left : TextAlign::Right;
        QRectF box;
        for (qsizetype line = 0; line < label.lines.size(); ++line) {
            const double lineTop = label.y - label.height / 2.0 + static_cast<double>(line) * h;
            const QRectF lineBox =
                figure::textBox(fm, QPointF(x, lineTop), align, label.lines[line]);
            painter.setPen(style.text);
            figure::drawText(painter, lineBox, label.lines[line]);
            box = box.isNull() ? lineBox : box.united(lineBox);
        }
        // A leader line where the label does not sit right beside its slice.
        const QPointF direction(std::cos(label.middle), -std::sin(label.middle));
        const QPointF edge = centre + radius * direction;
        const QPointF stub = centre + (radius + kPieLeaderStub * h) * direction;
        const QPointF end(x + (label.right ? -0.2 * h : 0.2 * h), label.y);
        if (QLineF(edge, end).length() > kPieColumnGap * h) {
            painter.setPen(figure::linePen(style.text, metrics.axisLinePx));
            const QPointF leader[] = {edge, stub, end};
            painter.drawPolyline(leader, 3);
        }
        geometry.labelBoxes[label.slice] = box;
        geometry.legendSquares[label.slice] = box.toAlignedRect();
        geometry.labelAnchors[label.slice] =
            QPointF(x - centre.x(), centre.y() - label.y).toPoint();
    }
}

} // namespace

PieChartGeometry CPieChartPainter::paintPublication(QPainter& painter, QSize size,
                                                    const PieChartModel& model,
                                                    const GraphStyle& style) {
    PieChartGeometry geometry;
    painter.save();
    const PublicationMetrics metrics = publicationMetrics(size, style.figureWidthMm);
    double top = figure::begin(painter, size, style, metrics, fromCoreText(model.title));
    if (model.slices.empty() || model.sums.size() != model.slices.size() + 1 ||
        model.sums.back() <= 0.0) {
        painter.restore();
        return geometry;
    }
    painter.setFont(publicationFont(metrics.tickFontPx));
    const QFontMetricsF fm(painter.font(), painter.device());
    const double h = fm.height();
    const QString total = figure::count(model.total) + QStringLiteral(" cases");
    figure::drawText(
        painter, figure::textBox(fm, QPointF(size.width() / 2.0, top), TextAlign::Centre, total),
        total);
    top += 1.5 * h;

    const double areaWidth = size.width() - 2.0 * metrics.marginPx;
    const double areaHeight = size.height() - metrics.marginPx - top;
    double widest = 0.0;
    for (std::size_t i = 0; i < model.slices.size(); ++i) {
        widest = std::max(widest,
                          fm.horizontalAdvance(pieLabelName(model, i) + pieLabelPercent(model, i)));
    }
    widest = std::min(widest, kPieLabelShare * areaWidth);
    const double fitting =
        std::min(areaHeight / 2.0 - h / 2.0, areaWidth / 2.0 - widest - kPieColumnGap * h);
    const double smallest = kPieSmallestRadius * std::min(areaWidth, areaHeight);
    const double radius = std::max({0.0, std::min(fitting, fitting * style.pieScale), smallest});
    const QPointF centre(size.width() / 2.0, top + areaHeight / 2.0);
    geometry.centre = centre.toPoint();
    geometry.radius = static_cast<int>(radius);

    drawPieSlices(painter, model, style, metrics, centre, radius, geometry);
    const std::vector<PieLabel> labels =
        placePieLabels(model, fm, centre, radius, metrics.marginPx, size.width(), top,
                       size.height() - metrics.marginPx);
    drawPieLabels(painter, style, metrics, labels, centre, radius, geometry);
    painter.restore();
    return geometry;
}

} // namespace orvelan

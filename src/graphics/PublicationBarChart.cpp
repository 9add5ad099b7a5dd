#include "core/graphs/BarChartModel.h"
#include "core/graphs/GraphSettings.h"
#include "core/graphs/PublicationPalette.h"
#include "core/io/Printf.h"
#include "graphics/CBarChartPainter.h"
#include "graphics/CoreText.h"
#include "graphics/GraphStyle.h"
#include "graphics/PublicationDrawing.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <string>

namespace orvelan {

namespace {

// Row pitch in label lines: the labels never touch, and a few bars do not turn into blocks.
constexpr double kBarRowMinLines = 1.15;
constexpr double kBarRowMaxLines = 2.6;
constexpr double kBarThickness = 0.7;  // of the row pitch
constexpr double kBarLabelShare = 0.4; // of the width, at most, for the bar labels
constexpr double kBarTickGap = 0.6;    // between tick labels, in lines
constexpr int kBarWantedTicks = 6;

/// Where everything goes, worked out before anything is drawn.
struct BarPlan {
    double lineHeight = 0.0;
    double top = 0.0;   // of the first row
    double pitch = 0.0; // of a row
    int shown = 0;
    double labelRight = 0.0;
    double labelWidth = 0.0;
    double plotLeft = 0.0;
    double plotRight = 0.0;
    TickAxis axis;
    std::vector<QString> notes; // lines under the axis title

    double axisY() const { return top + shown * pitch; }
    double xOf(double value) const {
        const double span = axis.top - axis.bottom;
        return plotLeft +
               (span > 0.0 ? (value - axis.bottom) / span : 0.0) * (plotRight - plotLeft);
    }
};

QString barLabelText(const Bar& bar) { return fromCoreText(bar.label).trimmed(); }

const std::optional<Interval>* barLimitsOf(const BarChartModel& model, int bar) {
    const auto i = static_cast<std::size_t>(bar);
    return i < model.limits.size() && model.limits[i] ? &model.limits[i] : nullptr;
}

QString barWhiskerNote(const BarChartModel& model) {
    if (!model.intervals || std::none_of(model.limits.begin(), model.limits.end(),
                                         [](const auto& limits) { return limits.has_value(); })) {
        return {};
    }
    const RateKind kind = std::clamp(model.rateKind, RateKind::CrudeRate, RateKind::NumberOfCases);
    const IntervalMethod method =
        intervalMethodFor(model.intervals->method, intervalFigureOf(kind));
    return fromCoreText(formatText("Error bars: %d%% confidence intervals, %s",
                                   model.intervals->level,
                                   std::string(intervalMethodTitle(method)).c_str()));
}

/// The rows that fit between the title and the axis block, and the notes under it.
void planBarRows(BarPlan& plan, const BarChartModel& model, const GraphStyle& style, QSize size,
                 const PublicationMetrics& metrics, double titleLine) {
    const int count = static_cast<int>(model.bars.size());
    const double h = plan.lineHeight;
    const QString intervals = barWhiskerNote(model);
    auto roomFor = [&](int notes) {
        const double below = metrics.tickLengthPx + 0.25 * h + h + 0.5 * h + titleLine +
                             notes * 1.3 * h + metrics.marginPx;
        return size.height() - plan.top - below;
    };
    const int baseNotes = intervals.isEmpty() ? 0 : 1;
    const auto fitting = [&](double room) {
        return std::max(0, static_cast<int>(room / (kBarRowMinLines * h)));
    };
    // A printout repeats the rows of the screen, but never more than its labels leave room for.
    double room = roomFor(baseNotes);
    const int wanted = style.fixedBarRows >= 0 ? std::min(style.fixedBarRows, count) : count;
    plan.shown = std::min(wanted, fitting(room));
    if (plan.shown < count) {
        room = roomFor(baseNotes + 1);
        plan.shown = std::min(plan.shown, fitting(room));
    }
    plan.pitch = plan.shown > 0 ? std::min(room / plan.shown, kBarRowMaxLines * h) : 0.0;
    if (plan.shown < count && plan.shown > 0) {
        const char* what = model.type == BarChartType::Cancer ? "registries" : "cancers";
        plan.notes.push_back(
            fromCoreText(formatText("%d of %d %s shown", plan.shown, count, what)));
    }
    if (!intervals.isEmpty()) {
        plan.notes.push_back(intervals);
    }
}

double widestBarTickLabel(const QFontMetricsF& metrics, const TickAxis& axis) {
    double widest = 0.0;
    for (const AxisTick& tick : axis.ticks) {
        widest = std::max(widest, metrics.horizontalAdvance(QString::fromStdString(tick.label)));
    }
    return widest;
}

/// The value axis with as many round ticks as its labels leave room for.
void planBarAxis(BarPlan& plan, const BarChartModel& model, const QFontMetricsF& tickMetrics,
                 double right) {
    double largest = 0.0;
    for (int i = 0; i < plan.shown; ++i) {
        largest = std::max(largest, model.bars[static_cast<std::size_t>(i)].value);
        if (const auto* limits = barLimitsOf(model, i)) {
            largest = std::max(largest, (*limits)->upper);
        }
    }
    for (int wanted = kBarWantedTicks; wanted >= 1; --wanted) {
        plan.axis = roundAxis(0.0, largest, wanted);
        const QString last = QString::fromStdString(plan.axis.ticks.back().label);
        plan.plotRight = right - tickMetrics.horizontalAdvance(last) / 2.0;
        const std::size_t ticks = plan.axis.ticks.size();
        const double spacing =
            ticks > 1 ? (plan.plotRight - plan.plotLeft) / static_cast<double>(ticks - 1)
                      : plan.plotRight - plan.plotLeft;
        if (spacing >= widestBarTickLabel(tickMetrics, plan.axis) + kBarTickGap * plan.lineHeight) {
            return;
        }
    }
}

BarPlan planBarChart(const BarChartModel& model, const GraphStyle& style, QSize size,
                     const PublicationMetrics& metrics, const QFontMetricsF& tickMetrics,
                     const QFontMetricsF& titleMetrics, double top) {
    BarPlan plan;
    plan.lineHeight = tickMetrics.height();
    plan.top = top + 0.5 * plan.lineHeight;
    planBarRows(plan, model, style, size, metrics, titleMetrics.height());
    for (int i = 0; i < plan.shown; ++i) {
        plan.labelWidth = std::max(plan.labelWidth, tickMetrics.horizontalAdvance(barLabelText(
                                                        model.bars[static_cast<std::size_t>(i)])));
    }
    plan.labelWidth = std::min(plan.labelWidth, kBarLabelShare * size.width());
    plan.labelRight = metrics.marginPx + plan.labelWidth;
    plan.plotLeft = plan.labelRight + 0.5 * plan.lineHeight;
    planBarAxis(plan, model, tickMetrics, size.width() - metrics.marginPx);
    return plan;
}

void drawBarWhisker(QPainter& painter, const BarPlan& plan, const Interval& limits, double centre,
                    double thickness) {
    const double from = plan.xOf(std::max(limits.lower, plan.axis.bottom));
    const double to = plan.xOf(std::min(limits.upper, plan.axis.top));
    const double cap = 0.3 * thickness;
    painter.drawLine(QPointF(from, centre), QPointF(to, centre));
    if (limits.lower >= plan.axis.bottom) {
        painter.drawLine(QPointF(from, centre - cap), QPointF(from, centre + cap));
    }
    painter.drawLine(QPointF(to, centre - cap), QPointF(to, centre + cap));
}

void drawBarRows(QPainter& painter, const BarPlan& plan, const BarChartModel& model,
                 const GraphStyle& style, const PublicationMetrics& metrics,
                 const QFontMetricsF& tickMetrics, BarChartGeometry& geometry) {
    const double thickness = kBarThickness * plan.pitch;
    painter.setPen(Qt::NoPen);
    painter.setBrush(figure::colour(publicationBarColour()));
    for (int i = 0; i < plan.shown; ++i) {
        const Bar& bar = model.bars[static_cast<std::size_t>(i)];
        const double centre = plan.top + (i + 0.5) * plan.pitch;
        const QRectF rect(QPointF(plan.plotLeft, centre - thickness / 2.0),
                          QPointF(plan.xOf(bar.value), centre + thickness / 2.0));
        painter.drawRect(rect);
        geometry.bars.push_back(rect.toAlignedRect());
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(figure::linePen(style.text, metrics.dataLinePx));
    for (int i = 0; i < plan.shown; ++i) {
        if (const auto* limits = barLimitsOf(model, i)) {
            drawBarWhisker(painter, plan, **limits, plan.top + (i + 0.5) * plan.pitch, thickness);
        }
    }
    painter.setPen(style.text);
    for (int i = 0; i < plan.shown; ++i) {
        const QString label = tickMetrics.elidedText(
            barLabelText(model.bars[static_cast<std::size_t>(i)]), Qt::ElideRight, plan.labelWidth);
        const double centre = plan.top + (i + 0.5) * plan.pitch;
        const QRectF box =
            figure::textBox(tickMetrics, QPointF(plan.labelRight, centre - plan.lineHeight / 2.0),
                            TextAlign::Right, label);
        figure::drawText(painter, box, label);
        geometry.barLabelBoxes.push_back(box);
    }
}

/// Axis lines, ticks, tick labels, the axis title and the notes; returns nothing but fills
/// the geometry's tick label boxes.
void drawBarAxis(QPainter& painter, const BarPlan& plan, const BarChartModel& model,
                 const GraphStyle& style, const PublicationMetrics& metrics,
                 const QFontMetricsF& tickMetrics, BarChartGeometry& geometry) {
    const double axisY = plan.axisY();
    painter.setPen(figure::linePen(style.text, metrics.axisLinePx));
    painter.drawLine(QPointF(plan.plotLeft, plan.top), QPointF(plan.plotLeft, axisY));
    painter.drawLine(QPointF(plan.plotLeft, axisY), QPointF(plan.plotRight, axisY));
    const double labelTop = axisY + metrics.tickLengthPx + 0.25 * plan.lineHeight;
    for (const AxisTick& tick : plan.axis.ticks) {
        const double x = plan.xOf(tick.value);
        painter.drawLine(QPointF(x, axisY), QPointF(x, axisY + metrics.tickLengthPx));
        const QString label = QString::fromStdString(tick.label);
        const QRectF box =
            figure::textBox(tickMetrics, QPointF(x, labelTop), TextAlign::Centre, label);
        figure::drawText(painter, box, label);
        geometry.tickLabelBoxes.push_back(box);
    }
    painter.setFont(publicationFont(metrics.titleFontPx));
    const QFontMetricsF titleMetrics(painter.font(), painter.device());
    const QString title = fromCoreText(valueAxisTitle(model.rateKind));
    const double titleTop = labelTop + 1.5 * plan.lineHeight;
    figure::drawText(painter,
                     figure::textBox(titleMetrics,
                                     QPointF((plan.plotLeft + plan.plotRight) / 2.0, titleTop),
                                     TextAlign::Centre, title),
                     title);
    painter.setFont(publicationFont(metrics.tickFontPx));
    double y = titleTop + titleMetrics.height() + 0.3 * plan.lineHeight;
    for (const QString& note : plan.notes) {
        figure::drawText(
            painter,
            figure::textBox(tickMetrics, QPointF(metrics.marginPx, y), TextAlign::Left, note),
            note);
        y += 1.3 * plan.lineHeight;
    }
}

} // namespace

BarChartGeometry CBarChartPainter::paintPublication(QPainter& painter, QSize size,
                                                    const BarChartModel& model,
                                                    const GraphStyle& style) {
    BarChartGeometry geometry;
    painter.save();
    const PublicationMetrics metrics = publicationMetrics(size, style.figureWidthMm);
    const double top = figure::begin(painter, size, style, metrics, fromCoreText(model.title));
    painter.setFont(publicationFont(metrics.tickFontPx));
    const QFontMetricsF tickMetrics(painter.font(), painter.device());
    const QFontMetricsF titleMetrics(publicationFont(metrics.titleFontPx), painter.device());
    if (model.bars.empty()) {
        painter.restore();
        return geometry;
    }
    const BarPlan plan = planBarChart(model, style, size, metrics, tickMetrics, titleMetrics, top);
    geometry.shown = plan.shown;
    if (plan.shown == 0) {
        painter.restore();
        return geometry;
    }
    geometry.valueAxis = plan.axis;
    geometry.plot = QRectF(QPointF(plan.plotLeft, plan.top), QPointF(plan.plotRight, plan.axisY()));
    geometry.axisLength = static_cast<int>(plan.plotRight - plan.plotLeft);
    geometry.marks = static_cast<int>(plan.axis.ticks.size()) - 1;
    if (!plan.notes.empty() && plan.shown < static_cast<int>(model.bars.size())) {
        geometry.note = plan.notes.front();
    }

    painter.setPen(figure::linePen(figure::colour(publicationGridColour()), metrics.gridLinePx));
    for (const AxisTick& tick : plan.axis.ticks) {
        if (tick.value > plan.axis.bottom) {
            const double x = plan.xOf(tick.value);
            painter.drawLine(QPointF(x, plan.top), QPointF(x, plan.axisY()));
        }
    }
    drawBarRows(painter, plan, model, style, metrics, tickMetrics, geometry);
    drawBarAxis(painter, plan, model, style, metrics, tickMetrics, geometry);
    painter.restore();
    return geometry;
}

} // namespace orvelan

#include "core/data/Codes.h"
#include "core/graphs/AxisTicks.h"
#include "core/graphs/PublicationPalette.h"
#include "core/graphs/PyramidModel.h"
#include "core/io/Printf.h"
#include "graphics/CPyramidPainter.h"
#include "graphics/CoreText.h"
#include "graphics/GraphStyle.h"
#include "graphics/PublicationDrawing.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStringList>
#include <algorithm>

namespace orvelan {

namespace {

constexpr double kPyramidRowGap = 0.08;     // of a row's pitch, between two bars
constexpr double kPyramidTickGap = 0.8;     // between tick labels, in lines
constexpr double kPyramidDecimalsTop = 5.0; // an axis top up to it labels its ticks "0.5"
constexpr int kPyramidWantedTicks = 5;

/// Where everything goes, worked out before anything is drawn.
struct PyramidPlan {
    double lineHeight = 0.0;
    double headingY = 0.0;
    double top = 0.0;    // of the oldest row
    double bottom = 0.0; // the axis line
    double mid = 0.0;
    double columnHalf = 0.0; // the age labels run from mid - columnHalf to mid + columnHalf
    double halfAxis = 0.0;   // pixels from a column edge to the axis top
    int rows = 0;
    TickAxis axis;

    double pitch() const { return rows > 0 ? (bottom - top) / rows : 0.0; }
    double lengthOf(double percent) const {
        return axis.top > 0.0 ? halfAxis * std::clamp(percent / axis.top, 0.0, 1.0) : 0.0;
    }
};

QString pyramidAgeLabel(const PyramidModel& model, int group) {
    if (group == model.lastAgeGroup) {
        return fromCoreText(model.ageLabel(group)).trimmed();
    }
    QString lower = fromCoreText(lowerLabel(group)).trimmed();
    lower.chop(1); // its "-"
    return lower + QChar(0x2013) + fromCoreText(upperLabel(group)).trimmed();
}

QString pyramidTickText(const TickAxis& axis, double value) {
    return axis.top <= kPyramidDecimalsTop ? fromCoreText(formatText("%.1f", value))
                                           : QString::fromStdString(tickLabel(value));
}

double pyramidLargestPercent(const PyramidModel& model) {
    double largest = 0.0;
    for (int a = 0; a <= model.lastAgeGroup; ++a) {
        const auto i = static_cast<std::size_t>(a);
        largest =
            std::max({largest, model.percentOf(model.male[i]), model.percentOf(model.female[i])});
    }
    return largest;
}

/// The percent axis with as many round ticks as its labels leave room for, and the half axis
/// that leaves room for the outermost label's half.
void planPyramidAxis(PyramidPlan& plan, const PyramidModel& model, const QFontMetricsF& fm,
                     double outerRoom) {
    const double largest = pyramidLargestPercent(model);
    for (int wanted = kPyramidWantedTicks; wanted >= 1; --wanted) {
        plan.axis = roundAxis(0.0, largest, wanted);
        double widest = 0.0;
        for (const AxisTick& tick : plan.axis.ticks) {
            widest = std::max(widest, fm.horizontalAdvance(pyramidTickText(plan.axis, tick.value)));
        }
        const QString last = pyramidTickText(plan.axis, plan.axis.ticks.back().value);
        plan.halfAxis = std::max(0.0, outerRoom - fm.horizontalAdvance(last) / 2.0);
        const double spacing = plan.halfAxis / static_cast<double>(plan.axis.ticks.size() - 1);
        if (spacing >= widest + kPyramidTickGap * plan.lineHeight) {
            return;
        }
    }
}

/// The totals, and on a line of its own the note that they count unknown ages too.
QStringList pyramidCaption(const PyramidModel& model) {
    QStringList lines;
    lines << (model.basis == 1 ? QStringLiteral("Average annual population")
                               : QStringLiteral("Person-years")) +
                 QStringLiteral(": males ") + figure::count(model.maleTotal) +
                 QStringLiteral(", females ") + figure::count(model.femaleTotal);
    if (model.male[kUnknownAgeGroup] != 0.0) {
        lines << QStringLiteral("Totals include unknown age");
    }
    return lines;
}

PyramidPlan planPyramid(const PyramidModel& model, QSize size, const PublicationMetrics& metrics,
                        const QFontMetricsF& fm, const QFontMetricsF& titleMetrics, double top) {
    PyramidPlan plan;
    plan.lineHeight = fm.height();
    plan.rows = std::clamp(model.lastAgeGroup, 0, kTopAgeGroup) + 1;
    plan.headingY = top;
    plan.top = top + 1.6 * titleMetrics.height();
    const double below = metrics.tickLengthPx + 0.25 * plan.lineHeight + plan.lineHeight +
                         0.5 * plan.lineHeight + titleMetrics.height() + 0.6 * plan.lineHeight +
                         static_cast<double>(pyramidCaption(model).size()) * plan.lineHeight +
                         metrics.marginPx;
    plan.bottom = std::max(plan.top, size.height() - below);
    plan.mid = size.width() / 2.0;
    double widest = 0.0;
    for (int a = 0; a < plan.rows; ++a) {
        widest = std::max(widest, fm.horizontalAdvance(pyramidAgeLabel(model, a)));
    }
    plan.columnHalf = widest / 2.0 + 0.6 * plan.lineHeight;
    planPyramidAxis(plan, model, fm, plan.mid - plan.columnHalf - metrics.marginPx);
    return plan;
}

void drawPyramidBars(QPainter& painter, const PyramidPlan& plan, const PyramidModel& model,
                     PyramidGeometry& geometry) {
    const double pitch = plan.pitch();
    const double height = pitch * (1.0 - kPyramidRowGap);
    const auto& looks = publicationCurveLooks();
    painter.setPen(Qt::NoPen);
    for (int a = plan.rows - 1; a >= 0; --a) {
        const auto i = static_cast<std::size_t>(a);
        const double y = plan.top + (plan.rows - 1 - a) * pitch + (pitch - height) / 2.0;
        const double male = plan.lengthOf(model.percentOf(model.male[i]));
        const double female = plan.lengthOf(model.percentOf(model.female[i]));
        const QRectF maleBar(plan.mid - plan.columnHalf - male, y, male, height);
        const QRectF femaleBar(plan.mid + plan.columnHalf, y, female, height);
        painter.setBrush(figure::colour(looks[0].colour));
        painter.drawRect(maleBar);
        painter.setBrush(figure::colour(looks[1].colour));
        painter.drawRect(femaleBar);
        geometry.maleBars.push_back(maleBar.toAlignedRect());
        geometry.femaleBars.push_back(femaleBar.toAlignedRect());
    }
    painter.setBrush(Qt::NoBrush);
}

void drawPyramidAgeColumn(QPainter& painter, const PyramidPlan& plan, const PyramidModel& model,
                          const QFontMetricsF& fm) {
    const double pitch = plan.pitch();
    // Rows too low for every label show every second or fourth, and always the open top class.
    const std::vector<bool> labelled =
        labelledAgeColumns(0, plan.rows - 1, pitch, plan.lineHeight / 1.2);
    for (int a = 0; a < plan.rows; ++a) {
        if (!labelled[static_cast<std::size_t>(a)]) {
            continue;
        }
        const double centre = plan.top + (plan.rows - 1 - a + 0.5) * pitch;
        const QString label = pyramidAgeLabel(model, a);
        figure::drawText(painter,
                         figure::textBox(fm, QPointF(plan.mid, centre - plan.lineHeight / 2.0),
                                         TextAlign::Centre, label),
                         label);
    }
}

void drawPyramidAxes(QPainter& painter, const PyramidPlan& plan, const GraphStyle& style,
                     const PublicationMetrics& metrics, const QFontMetricsF& fm,
                     PyramidGeometry& geometry) {
    const double labelTop = plan.bottom + metrics.tickLengthPx + 0.25 * plan.lineHeight;
    painter.setPen(figure::linePen(style.text, metrics.axisLinePx));
    for (const double side : {-1.0, 1.0}) {
        const double edge = plan.mid + side * plan.columnHalf;
        painter.drawLine(QPointF(edge, plan.top), QPointF(edge, plan.bottom));
        painter.drawLine(QPointF(edge, plan.bottom),
                         QPointF(edge + side * plan.halfAxis, plan.bottom));
        for (const AxisTick& tick : plan.axis.ticks) {
            const double x = edge + side * plan.lengthOf(tick.value);
            painter.drawLine(QPointF(x, plan.bottom),
                             QPointF(x, plan.bottom + metrics.tickLengthPx));
            const QString label = pyramidTickText(plan.axis, tick.value);
            const QRectF box = figure::textBox(fm, QPointF(x, labelTop), TextAlign::Centre, label);
            figure::drawText(painter, box, label);
            geometry.tickLabelBoxes.push_back(box);
        }
    }
}

void drawPyramidGrid(QPainter& painter, const PyramidPlan& plan,
                     const PublicationMetrics& metrics) {
    painter.setPen(figure::linePen(figure::colour(publicationGridColour()), metrics.gridLinePx));
    for (const double side : {-1.0, 1.0}) {
        for (const AxisTick& tick : plan.axis.ticks) {
            if (tick.value > plan.axis.bottom) {
                const double x = plan.mid + side * (plan.columnHalf + plan.lengthOf(tick.value));
                painter.drawLine(QPointF(x, plan.top), QPointF(x, plan.bottom));
            }
        }
    }
}

/// "Males", "Age (years)" and "Females" over the rows; the axis title and the caption under
/// the axes.
void drawPyramidTitles(QPainter& painter, const PyramidPlan& plan, const PyramidModel& model,
                       const PublicationMetrics& metrics, const QFontMetricsF& fm,
                       PyramidGeometry& geometry) {
    painter.setFont(publicationFont(metrics.titleFontPx, true));
    const QFontMetricsF bold(painter.font(), painter.device());
    const double outer = plan.columnHalf + plan.halfAxis / 2.0;
    for (const auto& [x, text] : {std::pair{plan.mid - outer, QStringLiteral("Males")},
                                  std::pair{plan.mid + outer, QStringLiteral("Females")}}) {
        figure::drawText(painter,
                         figure::textBox(bold, QPointF(x, plan.headingY), TextAlign::Centre, text),
                         text);
    }
    painter.setFont(publicationFont(metrics.titleFontPx));
    const QFontMetricsF title(painter.font(), painter.device());
    const QString age = QStringLiteral("Age (years)");
    figure::drawText(
        painter, figure::textBox(title, QPointF(plan.mid, plan.headingY), TextAlign::Centre, age),
        age);
    const double axisTitleTop =
        plan.bottom + metrics.tickLengthPx + 0.25 * plan.lineHeight + 1.5 * plan.lineHeight;
    const QString percent = QStringLiteral("Percent of population");
    figure::drawText(
        painter,
        figure::textBox(title, QPointF(plan.mid, axisTitleTop), TextAlign::Centre, percent),
        percent);
    painter.setFont(publicationFont(metrics.tickFontPx));
    const QStringList caption = pyramidCaption(model);
    geometry.caption = caption.join(QLatin1Char('\n'));
    double y = axisTitleTop + title.height() + 0.6 * plan.lineHeight;
    for (const QString& line : caption) {
        figure::drawText(painter,
                         figure::textBox(fm, QPointF(plan.mid, y), TextAlign::Centre, line), line);
        y += plan.lineHeight;
    }
}

} // namespace

PyramidGeometry CPyramidPainter::paintPublication(QPainter& painter, QSize size,
                                                  const PyramidModel& model,
                                                  const GraphStyle& style) {
    PyramidGeometry geometry;
    painter.save();
    const PublicationMetrics metrics = publicationMetrics(size, style.figureWidthMm);
    const double top = figure::begin(painter, size, style, metrics, fromCoreText(model.title));
    painter.setFont(publicationFont(metrics.tickFontPx));
    const QFontMetricsF fm(painter.font(), painter.device());
    const QFontMetricsF titleMetrics(publicationFont(metrics.titleFontPx), painter.device());
    const PyramidPlan plan = planPyramid(model, size, metrics, fm, titleMetrics, top);
    geometry.columnHalfWidth = static_cast<int>(plan.columnHalf);
    geometry.halfAxis = static_cast<int>(plan.halfAxis);
    geometry.rowPitch = static_cast<int>(plan.pitch());
    geometry.top = static_cast<int>(plan.top);
    geometry.plot = QRectF(QPointF(plan.mid - plan.columnHalf - plan.halfAxis, plan.top),
                           QPointF(plan.mid + plan.columnHalf + plan.halfAxis, plan.bottom));
    geometry.percentAxis = plan.axis;
    for (AxisTick& tick : geometry.percentAxis.ticks) {
        tick.label = toCoreText(pyramidTickText(plan.axis, tick.value));
    }

    drawPyramidGrid(painter, plan, metrics);
    drawPyramidBars(painter, plan, model, geometry);
    painter.setPen(style.text);
    drawPyramidAgeColumn(painter, plan, model, fm);
    drawPyramidAxes(painter, plan, style, metrics, fm, geometry);
    drawPyramidTitles(painter, plan, model, metrics, fm, geometry);
    painter.restore();
    return geometry;
}

} // namespace orvelan

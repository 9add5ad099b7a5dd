#include "graphics/PublicationCurvePlot.h"

#include "graphics/CoreText.h"
#include "graphics/PublicationLook.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

namespace orvelan {

namespace {

// Room between the parts of the figure, in points of the print.
constexpr double kCurvePlotGapPt = 4.0;  // tick labels to axis title, plot to legend
constexpr double kTickLabelGapPt = 2.0;  // a tick to its label
constexpr double kSwatchLengthPt = 18.0; // the line sample of a legend entry
constexpr double kSwatchTextGapPt = 3.0; // the sample to its text
constexpr double kLegendColumnGapPt = 8.0;
constexpr double kSmallestPlotPt = 24.0;    // below this either way only the title is drawn
constexpr double kEntryPitch = 1.2;         // legend lines, in text heights
constexpr double kShortestEntryEm = 8.0;    // text room of a squeezed legend entry, in ems
constexpr double kMinorTickShare = 0.55;    // minor and unlabelled ticks, of the tick length
constexpr double kMarkerOutlineShare = 0.8; // marker outline, of the data line width
// A legend at the right that would take more of the width than this goes below the plot; one
// below takes at most this share of the height, in more and narrower columns if need be.
constexpr double kRightLegendShare = 0.35;
constexpr double kBelowLegendShare = 0.3;
// Squeezed legend columns set their text this much smaller (7 pt beside 8 pt tick labels).
constexpr double kSqueezedLegendText = 0.875;

QColor curvePlotColour(std::uint32_t colour) {
    return QColor(static_cast<int>(colour & 0xFFu), static_cast<int>((colour >> 8) & 0xFFu),
                  static_cast<int>((colour >> 16) & 0xFFu));
}

/// The dash pattern in line widths: dots and gaps long enough to read at 1 pt.
QPen curvePlotPen(const CurveLook& look, double width) {
    QPen pen(curvePlotColour(look.colour), width, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin);
    switch (look.dash) {
    case CurveDash::Solid:
        break;
    case CurveDash::Dash:
        pen.setDashPattern({5.0, 3.0});
        break;
    case CurveDash::Dot:
        pen.setDashPattern({1.2, 2.2});
        break;
    case CurveDash::DashDot:
        pen.setDashPattern({5.0, 2.5, 1.2, 2.5});
        break;
    case CurveDash::LongDash:
        pen.setDashPattern({10.0, 4.0});
        break;
    }
    return pen;
}

/// A marker of width `size` centred on the point; an open one is filled with the background so
/// that the line does not run through it.
void drawCurveMarker(QPainter& painter, QPointF at, const CurveLook& look, double size,
                     double lineWidth) {
    if (look.marker == CurveMarker::None) {
        return;
    }
    const QColor colour = curvePlotColour(look.colour);
    painter.setPen(
        QPen(colour, lineWidth * kMarkerOutlineShare, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.setBrush(look.filledMarker ? colour : QColor(Qt::white));
    const double r = size / 2.0;
    const double x = at.x();
    const double y = at.y();
    switch (look.marker) {
    case CurveMarker::Circle:
        painter.drawEllipse(at, r, r);
        break;
    case CurveMarker::Square:
        painter.drawRect(QRectF(x - 0.85 * r, y - 0.85 * r, 1.7 * r, 1.7 * r));
        break;
    case CurveMarker::Triangle:
    case CurveMarker::InvertedTriangle: {
        // The centroid on the point, so that the line meets the triangle in its middle.
        const double up = look.marker == CurveMarker::Triangle ? 1.0 : -1.0;
        const QPointF corners[] = {
            {x, y - up * 1.2 * r}, {x + r, y + up * 0.6 * r}, {x - r, y + up * 0.6 * r}};
        painter.drawPolygon(corners, 3);
        break;
    }
    case CurveMarker::Diamond: {
        const QPointF corners[] = {{x, y - 1.2 * r}, {x + r, y}, {x, y + 1.2 * r}, {x - r, y}};
        painter.drawPolygon(corners, 4);
        break;
    }
    case CurveMarker::None:
        break;
    }
    painter.setBrush(Qt::NoBrush);
}

struct CurvePlotFonts {
    QFont tick;
    QFont title;
    QFont heading;
    QFont squeezed; // legend text in squeezed columns
    QFontMetricsF tickMetrics;
    QFontMetricsF titleMetrics;
    QFontMetricsF headingMetrics;
    QFontMetricsF squeezedMetrics;

    CurvePlotFonts(const PublicationMetrics& m, QPaintDevice* device)
        : tick(publicationFont(m.tickFontPx)), title(publicationFont(m.titleFontPx)),
          heading(publicationFont(m.headingFontPx, true)),
          squeezed(publicationFont(m.tickFontPx * kSqueezedLegendText)), tickMetrics(tick, device),
          titleMetrics(title, device), headingMetrics(heading, device),
          squeezedMetrics(squeezed, device) {}
};

/// Where everything goes, worked out before anything is drawn.
struct CurvePlotPlan {
    PublicationMetrics metrics;
    double gap = 0.0;       // kCurvePlotGapPt in pixels
    double labelGap = 0.0;  // kTickLabelGapPt in pixels
    double swatch = 0.0;    // kSwatchLengthPt in pixels
    double swatchGap = 0.0; // kSwatchTextGapPt in pixels
    QRectF plot;
    double columnWidth = 0.0;
    TickAxis axis;
    std::vector<bool> labelledColumns;
    std::vector<QString> valueTitleLines; // up the axis; empty: one line above it
    bool legend = false;
    bool legendBelow = false;
    int legendColumns = 1;
    bool legendSqueezed = false; // narrower columns than the labels want, smaller text
    QPointF legendOrigin;        // the first entry's top left
    double entryWidth = 0.0;
    double entryHeight = 0.0;
    std::vector<QString> legendTexts; // trimmed, elided to the entry width
};

bool anyRate(const CurvePlotRequest& request, double& largest, double& smallest) {
    largest = 0.0;
    smallest = 0.0;
    for (const PlotCurve& curve : request.curves) {
        for (int a = request.ageFrom; a <= request.ageTo; ++a) {
            const double rate = curve.rates[static_cast<std::size_t>(a)];
            largest = std::max(largest, rate);
            if (rate > 0.0 && (smallest == 0.0 || rate < smallest)) {
                smallest = rate;
            }
        }
    }
    return largest > 0.0;
}

/// The legend's side and entry size. Entries stand one above the other at the right of the
/// plot when they fit in its height and take at most kRightLegendShare of the width; otherwise
/// (many entries on a short figure, long labels on a narrow one) they go below the axis title
/// in as many columns as the width holds, read row by row. Below, the legend takes at most
/// kBelowLegendShare of the height: more entries are set in narrower columns in smaller text,
/// and labels still too long are shortened in the middle, so that their first and last parts
/// (population, sex) stay.
void planCurveLegend(const CurvePlotRequest& request, const CurvePlotFonts& fonts, QSizeF figure,
                     double plotHeight, CurvePlotPlan& plan) {
    const double margin = plan.metrics.marginPx;
    const double lead = plan.swatch + plan.swatchGap; // before the text of an entry
    double widest = 0.0;
    for (const PlotCurve& curve : request.curves) {
        plan.legendTexts.push_back(curve.label.trimmed());
        widest = std::max(widest, fonts.tickMetrics.horizontalAdvance(plan.legendTexts.back()));
    }
    const auto count = static_cast<int>(request.curves.size());
    plan.entryHeight = std::max(fonts.tickMetrics.height(), plan.metrics.markerPx) * kEntryPitch;
    const double room = figure.width() - 2.0 * margin;
    plan.entryWidth = std::min(lead + widest, room);
    const double rightWidth = 2.0 * plan.gap + plan.entryWidth;
    plan.legendBelow =
        count * plan.entryHeight > plotHeight || rightWidth > kRightLegendShare * figure.width();
    if (plan.legendBelow) {
        const double columnGap = kLegendColumnGapPt * plan.metrics.pixelsPerPoint;
        const auto columnsOf = [&](double width) {
            return std::max(1, static_cast<int>((room + columnGap) / (width + columnGap)));
        };
        const int rows =
            std::max(1, static_cast<int>(kBelowLegendShare * figure.height() / plan.entryHeight));
        const int wanted = (count + rows - 1) / rows;
        const double shortest = lead + kShortestEntryEm * plan.metrics.tickFontPx;
        const int fit = columnsOf(plan.entryWidth);
        const int squeezed = std::min(wanted, columnsOf(shortest));
        plan.legendColumns = std::min(std::max(fit, squeezed), std::max(count, 1));
        plan.legendSqueezed = plan.legendColumns > fit;
        if (plan.legendSqueezed) {
            plan.entryWidth = (room - (plan.legendColumns - 1) * columnGap) / plan.legendColumns;
        }
    }
    const double textRoom = plan.entryWidth - lead;
    const QFontMetricsF& text = plan.legendSqueezed ? fonts.squeezedMetrics : fonts.tickMetrics;
    for (QString& label : plan.legendTexts) {
        label = text.elidedText(label, Qt::ElideMiddle, textRoom);
    }
}

/// The value axis for the plot's height: decades on the log scale, about one round step per
/// 2.5 label heights on the linear one.
TickAxis planValueAxis(const CurvePlotRequest& request, double largest, double smallest,
                       double plotHeight, double labelHeight) {
    if (request.logarithmic) {
        return decadeAxis(smallest, largest);
    }
    const int wanted = std::clamp(static_cast<int>(plotHeight / (2.5 * labelHeight)), 2, 6);
    return roundAxis(0.0, largest, wanted);
}

double widestValueLabel(const TickAxis& axis, const QFontMetricsF& metrics) {
    double widest = 0.0;
    for (const AxisTick& tick : axis.ticks) {
        widest = std::max(widest, metrics.horizontalAdvance(QString::fromStdString(tick.label)));
    }
    return widest;
}

/// The rate axis' title on one line or broken at a blank onto two, each at most `room` long;
/// empty when neither fits.
std::vector<QString> valueTitleLines(const QString& title, const QFontMetricsF& metrics,
                                     double room) {
    if (metrics.horizontalAdvance(title) <= room) {
        return {title};
    }
    std::vector<QString> best;
    double bestWidth = room;
    for (qsizetype at = title.indexOf(QLatin1Char(' ')); at > 0;
         at = title.indexOf(QLatin1Char(' '), at + 1)) {
        const QString first = title.left(at);
        const QString second = title.mid(at + 1);
        const double width =
            std::max(metrics.horizontalAdvance(first), metrics.horizontalAdvance(second));
        if (width <= bestWidth) {
            best = {first, second};
            bestWidth = width;
        }
    }
    return best;
}

/// The column width and the labelled columns; the plot gives up room at its right when the last
/// age label, centred on the last column, would reach past the plot's end.
void planAgeColumns(const CurvePlotRequest& request, const CurvePlotFonts& fonts,
                    CurvePlotPlan& plan) {
    const int columns = request.ageTo - request.ageFrom + 1;
    double widest = 0.0;
    for (const QString& label : request.ageLabels) {
        widest = std::max(widest, fonts.tickMetrics.horizontalAdvance(label));
    }
    const double last = request.ageLabels.empty()
                            ? 0.0
                            : fonts.tickMetrics.horizontalAdvance(request.ageLabels.back());
    const double overhang = last / 2.0 - plan.plot.width() / columns / 2.0;
    plan.plot.setRight(plan.plot.right() - std::max(0.0, overhang));
    plan.columnWidth = plan.plot.width() / columns;
    plan.labelledColumns =
        labelledAgeColumns(request.ageFrom, request.ageTo, plan.columnWidth, widest);
}

CurvePlotPlan planCurvePlot(const CurvePlotRequest& request, const CurvePlotFonts& fonts,
                            QSize size, const PublicationMetrics& metrics, double largest,
                            double smallest) {
    CurvePlotPlan plan;
    plan.metrics = metrics;
    plan.gap = kCurvePlotGapPt * metrics.pixelsPerPoint;
    plan.labelGap = kTickLabelGapPt * metrics.pixelsPerPoint;
    plan.swatch = kSwatchLengthPt * metrics.pixelsPerPoint;
    plan.swatchGap = kSwatchTextGapPt * metrics.pixelsPerPoint;
    const double margin = metrics.marginPx;
    const double tickHeight = fonts.tickMetrics.height();
    const QSizeF figure(size);
    double top = margin;
    if (!request.title.isEmpty()) {
        top += fonts.headingMetrics.height() + plan.gap;
    }
    const double belowPlot = metrics.tickLengthPx + plan.labelGap + tickHeight + plan.gap / 2.0 +
                             fonts.titleMetrics.height();
    double bottom = figure.height() - margin - belowPlot;
    plan.legend = request.legend && !request.curves.empty();
    double right = figure.width() - margin;
    top += tickHeight / 2.0; // the top value label is centred on the plot's top
    if (plan.legend) {
        planCurveLegend(request, fonts, figure, bottom - top, plan);
        const auto count = static_cast<int>(request.curves.size());
        if (plan.legendBelow) {
            const int rows = (count + plan.legendColumns - 1) / plan.legendColumns;
            bottom -= plan.gap + rows * plan.entryHeight;
        } else {
            right -= 2.0 * plan.gap + plan.entryWidth;
        }
    }
    // A plot too short for the title up its axis has it above, where the classic look has it.
    plan.valueTitleLines = valueTitleLines(request.valueTitle, fonts.titleMetrics, bottom - top);
    const double titleHeight = fonts.titleMetrics.height();
    if (plan.valueTitleLines.empty()) {
        top += titleHeight + plan.gap / 2.0;
    }
    plan.axis = planValueAxis(request, largest, smallest, bottom - top, tickHeight);
    const double titleWidth =
        plan.valueTitleLines.empty()
            ? 0.0
            : static_cast<double>(plan.valueTitleLines.size()) * titleHeight + plan.gap;
    const double left = margin + titleWidth + widestValueLabel(plan.axis, fonts.tickMetrics) +
                        plan.labelGap + metrics.tickLengthPx;
    plan.plot = QRectF(QPointF(left, top), QPointF(right, bottom));
    planAgeColumns(request, fonts, plan);
    if (plan.legend && plan.legendBelow) {
        const double columnGap = kLegendColumnGapPt * metrics.pixelsPerPoint;
        const double block =
            plan.legendColumns * (plan.entryWidth + columnGap) - columnGap; // centred below
        plan.legendOrigin = QPointF((figure.width() - block) / 2.0, bottom + belowPlot + plan.gap);
    } else if (plan.legend) {
        plan.legendOrigin = QPointF(figure.width() - margin - plan.entryWidth, top);
    }
    return plan;
}

double valueY(const TickAxis& axis, const QRectF& plot, double value) {
    double share = 0.0;
    if (axis.logarithmic) {
        share = (std::log10(value) - std::log10(axis.bottom)) /
                (std::log10(axis.top) - std::log10(axis.bottom));
    } else {
        share = (value - axis.bottom) / (axis.top - axis.bottom);
    }
    return plot.bottom() - share * plot.height();
}

/// Gridlines at the major ticks, behind everything else.
void drawCurveGrid(QPainter& painter, const CurvePlotPlan& plan) {
    painter.setPen(QPen(curvePlotColour(publicationGridColour()), plan.metrics.gridLinePx,
                        Qt::SolidLine, Qt::FlatCap));
    for (const AxisTick& tick : plan.axis.ticks) {
        if (tick.major) {
            const double y = valueY(plan.axis, plan.plot, tick.value);
            painter.drawLine(QPointF(plan.plot.left(), y), QPointF(plan.plot.right(), y));
        }
    }
}

/// Ticks and labels of the rate axis. A label that would touch one already placed is left out,
/// the decades placed first, so that labels never collide however short the plot.
void drawValueTicks(QPainter& painter, const CurvePlotPlan& plan, const CurvePlotFonts& fonts,
                    PublicationCurveLayout& layout) {
    const QRectF& plot = plan.plot;
    const double tick = plan.metrics.tickLengthPx;
    const double height = fonts.tickMetrics.height();
    std::vector<TickLabelBox> placed;
    for (const bool majors : {true, false}) {
        for (const AxisTick& t : plan.axis.ticks) {
            if (t.major != majors) {
                continue;
            }
            const double y = valueY(plan.axis, plot, t.value);
            const double length = t.major || !t.label.empty() ? tick : tick * kMinorTickShare;
            painter.drawLine(QPointF(plot.left() - length, y), QPointF(plot.left(), y));
            if (t.label.empty()) {
                continue;
            }
            const QString text = QString::fromStdString(t.label);
            const double width = fonts.tickMetrics.horizontalAdvance(text);
            const QRectF box(plot.left() - tick - plan.labelGap - width, y - height / 2.0, width,
                             height);
            const QRectF spaced = box.adjusted(0.0, -plan.labelGap / 2.0, 0.0, plan.labelGap / 2.0);
            const bool free =
                std::none_of(placed.begin(), placed.end(),
                             [&](const TickLabelBox& b) { return b.box.intersects(spaced); });
            if (free) {
                painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, text);
                placed.push_back({text, box});
            }
        }
    }
    std::sort(placed.begin(), placed.end(), [](const TickLabelBox& a, const TickLabelBox& b) {
        return a.box.top() > b.box.top();
    });
    layout.valueLabels = std::move(placed);
}

void drawAgeTicks(QPainter& painter, const CurvePlotRequest& request, const CurvePlotPlan& plan,
                  const CurvePlotFonts& fonts, PublicationCurveLayout& layout) {
    const QRectF& plot = plan.plot;
    const double tick = plan.metrics.tickLengthPx;
    for (int a = request.ageFrom; a <= request.ageTo; ++a) {
        const auto column = static_cast<std::size_t>(a - request.ageFrom);
        const double x = plot.left() + (static_cast<double>(column) + 0.5) * plan.columnWidth;
        const bool labelled = plan.labelledColumns[column];
        const double length = labelled ? tick : tick * kMinorTickShare;
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + length));
        if (!labelled || column >= request.ageLabels.size()) {
            continue;
        }
        const QString& text = request.ageLabels[column];
        const double width = fonts.tickMetrics.horizontalAdvance(text);
        const QRectF box(x - width / 2.0, plot.bottom() + tick + plan.labelGap, width,
                         fonts.tickMetrics.height());
        painter.drawText(box, Qt::AlignCenter, text);
        layout.ageLabels.push_back({text, box});
    }
}

void drawCurveAxes(QPainter& painter, const CurvePlotRequest& request, const CurvePlotPlan& plan,
                   const CurvePlotFonts& fonts, PublicationCurveLayout& layout) {
    const QRectF& plot = plan.plot;
    painter.setPen(
        QPen(Qt::black, plan.metrics.axisLinePx, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    const QPointF axes[] = {plot.topLeft(), plot.bottomLeft(), plot.bottomRight()};
    painter.drawPolyline(axes, 3);
    painter.setPen(QPen(Qt::black, plan.metrics.axisLinePx, Qt::SolidLine, Qt::FlatCap));
    painter.setFont(fonts.tick);
    drawValueTicks(painter, plan, fonts, layout);
    drawAgeTicks(painter, request, plan, fonts, layout);

    painter.setFont(fonts.title);
    const double titleHeight = fonts.titleMetrics.height();
    const double ageTitleTop = plot.bottom() + plan.metrics.tickLengthPx + plan.labelGap +
                               fonts.tickMetrics.height() + plan.gap / 2.0;
    painter.drawText(QRectF(plot.left(), ageTitleTop, plot.width(), titleHeight),
                     Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("Age (years)"));
    if (plan.valueTitleLines.empty()) {
        const double above = plot.top() - fonts.tickMetrics.height() / 2.0 - plan.gap / 2.0;
        painter.drawText(QRectF(plan.metrics.marginPx, above - titleHeight,
                                plot.right() - plan.metrics.marginPx, titleHeight),
                         Qt::AlignLeft | Qt::AlignTop, request.valueTitle);
        return;
    }
    painter.save();
    painter.translate(plan.metrics.marginPx, plot.center().y());
    painter.rotate(-90.0); // reads upwards; the first line is the leftmost
    double line = 0.0;
    for (const QString& text : plan.valueTitleLines) {
        painter.drawText(QRectF(-plot.height() / 2.0, line, plot.height(), titleHeight),
                         Qt::AlignHCenter | Qt::AlignTop, text);
        line += titleHeight;
    }
    painter.restore();
}

void drawCurveLines(QPainter& painter, const CurvePlotRequest& request, const CurvePlotPlan& plan,
                    CurvePlotResult& result) {
    const auto& looks = publicationCurveLooks();
    for (std::size_t i = 0; i < request.curves.size(); ++i) {
        const CurveLook& look = looks[i % looks.size()];
        CurvePlotResult::Points points;
        QPolygonF line;
        for (int a = request.ageFrom; a <= request.ageTo; ++a) {
            const double rate = request.curves[i].rates[static_cast<std::size_t>(a)];
            if (plan.axis.logarithmic && rate <= 0.0) {
                continue; // the line joins the neighbouring non-zero points
            }
            const QPointF point(plan.plot.left() + (a - request.ageFrom + 0.5) * plan.columnWidth,
                                valueY(plan.axis, plan.plot, rate));
            line << point;
            points[static_cast<std::size_t>(a)] = point;
        }
        painter.setPen(curvePlotPen(look, plan.metrics.dataLinePx));
        painter.drawPolyline(line);
        for (const QPointF& point : line) {
            drawCurveMarker(painter, point, look, plan.metrics.markerPx, plan.metrics.dataLinePx);
        }
        result.layout.looks.push_back(look);
        result.points.push_back(points);
    }
}

void drawCurveLegend(QPainter& painter, const CurvePlotPlan& plan, const CurvePlotFonts& fonts,
                     CurvePlotResult& result) {
    const auto& looks = publicationCurveLooks();
    const double columnGap = kLegendColumnGapPt * plan.metrics.pixelsPerPoint;
    painter.setFont(plan.legendSqueezed ? fonts.squeezed : fonts.tick);
    for (std::size_t i = 0; i < plan.legendTexts.size(); ++i) {
        const auto row = static_cast<double>(i / static_cast<std::size_t>(plan.legendColumns));
        const auto column = static_cast<double>(i % static_cast<std::size_t>(plan.legendColumns));
        const QPointF origin = plan.legendOrigin + QPointF(column * (plan.entryWidth + columnGap),
                                                           row * plan.entryHeight);
        const QRectF sample(origin, QSizeF(plan.swatch, plan.entryHeight));
        const CurveLook& look = looks[i % looks.size()];
        painter.setPen(curvePlotPen(look, plan.metrics.dataLinePx));
        painter.drawLine(QPointF(sample.left(), sample.center().y()),
                         QPointF(sample.right(), sample.center().y()));
        drawCurveMarker(painter, sample.center(), look, plan.metrics.markerPx,
                        plan.metrics.dataLinePx);
        const QRectF text(sample.right() + plan.swatchGap, origin.y(),
                          plan.entryWidth - plan.swatch - plan.swatchGap, plan.entryHeight);
        painter.setPen(Qt::black);
        painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, plan.legendTexts[i]);
        result.legendSwatches.push_back(sample);
        result.layout.legendEntries.push_back(sample.united(text));
        result.layout.legendTexts.push_back(plan.legendTexts[i]);
    }
}

} // namespace

QString publicationAgeLabel(std::string_view classicLabel) {
    QString label = fromCoreText(classicLabel).trimmed();
    if (label.endsWith(QLatin1Char('-'))) {
        label.chop(1); // "40-" is the group from 40 to 44
    }
    return label;
}

CurvePlotResult paintPublicationCurves(QPainter& painter, QSize size,
                                       const CurvePlotRequest& request, double widthMm) {
    CurvePlotResult result;
    const PublicationMetrics metrics = publicationMetrics(size, widthMm);
    const CurvePlotFonts fonts(metrics, painter.device());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    painter.setPen(Qt::black);

    double largest = 0.0;
    double smallest = 0.0;
    const bool data = request.ageTo >= request.ageFrom && anyRate(request, largest, smallest);
    const CurvePlotPlan plan =
        data ? planCurvePlot(request, fonts, size, metrics, largest, smallest) : CurvePlotPlan{};
    if (!request.title.isEmpty()) {
        painter.setFont(fonts.heading);
        const QRectF heading(metrics.marginPx, metrics.marginPx,
                             size.width() - 2.0 * metrics.marginPx, fonts.headingMetrics.height());
        painter.drawText(
            heading, Qt::AlignHCenter | Qt::AlignTop,
            fonts.headingMetrics.elidedText(request.title, Qt::ElideRight, heading.width()));
    }
    if (!data) {
        painter.setFont(fonts.title);
        painter.drawText(QRectF(QPointF(0, 0), QSizeF(size)), Qt::AlignCenter,
                         QStringLiteral("No data!"));
        result.noData = true;
        painter.restore();
        return result;
    }
    const double smallestPlot = kSmallestPlotPt * metrics.pixelsPerPoint;
    if (plan.plot.width() < smallestPlot || plan.plot.height() < smallestPlot) {
        painter.restore();
        return result; // too small for a plot: the title only
    }
    result.columnWidth = plan.columnWidth;
    result.layout.plot = plan.plot;
    result.layout.valueAxis = plan.axis;
    result.layout.legendBelow = plan.legend && plan.legendBelow;
    drawCurveGrid(painter, plan);
    drawCurveAxes(painter, request, plan, fonts, result.layout);
    drawCurveLines(painter, request, plan, result);
    if (plan.legend) {
        drawCurveLegend(painter, plan, fonts, result);
    }
    painter.restore();
    return result;
}

} // namespace orvelan

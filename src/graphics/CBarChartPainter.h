#pragma once

#include "core/graphs/AxisTicks.h"

#include <QPoint>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QString>
#include <vector>

class QFontMetrics;
class QPainter;

// Draws the bar chart and reports where its bars landed.
namespace orvelan {

struct BarChartModel;
struct GraphStyle;

struct BarChartGeometry {
    int shown = 0;           // bars that fit the height (the first ones)
    std::vector<QRect> bars; // one per shown bar
    int axisLength = 0;      // pixels from 0 to the axis top
    int marks = 0;

    // The publication look only.
    TickAxis valueAxis;                 // in the rate kind's units, no multiplier
    std::vector<QRectF> tickLabelBoxes; // along the value axis
    std::vector<QRectF> barLabelBoxes;  // one per shown bar
    QRectF plot;                        // the bars' area, gridlines across it
    QString note;                       // "21 of 227 registries shown", empty when all are

    /// The first shown bar whose rectangle holds the position, or -1.
    int barAt(QPoint position) const;
};

class CBarChartPainter {
  public:
    /// Where the classic look puts the bars that fit below a title of titleHeight pixels, for a
    /// body font of these metrics; no marks and no bars when there is nothing to draw.
    static BarChartGeometry layout(int titleHeight, const QFontMetrics& body, QSize size,
                                   const BarChartModel& model, const GraphStyle& style);
    /// Draws the layout (the publication look has its own) and returns it.
    static BarChartGeometry paint(QPainter& painter, QSize size, const BarChartModel& model,
                                  const GraphStyle& style);

  private:
    static BarChartGeometry paintPublication(QPainter& painter, QSize size,
                                             const BarChartModel& model, const GraphStyle& style);
};

} // namespace orvelan

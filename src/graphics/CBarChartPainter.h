#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <vector>

class QPainter;

// Draws the bar chart and reports where its bars landed.
namespace orvelan {

struct BarChartModel;
struct GraphStyle;

struct BarChartGeometry {
    int shown = 0;          // bars that fit the height (the first ones)
    std::vector<QRect> bars; // one per shown bar
    int axisLength = 0;     // pixels from 0 to the axis top
    int marks = 0;

    /// The first shown bar whose rectangle holds the position, or -1.
    int barAt(QPoint position) const;
};

class CBarChartPainter {
  public:
    static BarChartGeometry paint(QPainter& painter, QSize size, const BarChartModel& model,
                                  const GraphStyle& style);
};

} // namespace orvelan

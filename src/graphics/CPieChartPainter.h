#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <vector>

class QPainter;

// Draws the pie chart and reports where its legend and pie landed.
namespace orvelan {

struct PieChartModel;
struct GraphStyle;

struct PieChartGeometry {
    std::vector<QRect> legendSquares; // one per slice
    QPoint centre;
    int radius = 0;
    /// Start and end of each slice, radians counterclockwise from the positive x axis.
    std::vector<std::pair<double, double>> sliceAngles;
    /// Where each slice's text was anchored (x relative to the centre, y upwards).
    std::vector<QPoint> labelAnchors;

    /// The slice whose legend square holds the position, or -1.
    int legendAt(QPoint position) const;
};

class CPieChartPainter {
  public:
    /// 2 pi as the slice angles use it.
    static constexpr double kFullTurn = 6.28318;
    static constexpr double kLarger = 1.15;  // pie scale factor of "Increases the size"
    static constexpr double kSmaller = 0.95; // and of "Decreases the size"

    static PieChartGeometry paint(QPainter& painter, QSize size, const PieChartModel& model,
                                  const GraphStyle& style);
};

} // namespace orvelan

#pragma once

#include <QPoint>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <vector>

class QFontMetrics;
class QPainter;

// Draws the pie chart and reports where its legend and pie landed.
namespace orvelan {

struct PieChartModel;
struct GraphStyle;

struct PieChartGeometry {
    /// One per slice: the legend squares, or in the publication look the slice labels.
    std::vector<QRect> legendSquares;
    QPoint centre;
    int radius = 0;
    /// Start and end of each slice, radians counterclockwise from the positive x axis.
    std::vector<std::pair<double, double>> sliceAngles;
    /// Where each slice's text was anchored (x relative to the centre, y upwards).
    std::vector<QPoint> labelAnchors;
    /// The publication look's slice labels ("Breast 24.6%"), one per slice.
    std::vector<QRectF> labelBoxes;

    /// The slice whose legend square holds the position, or -1.
    int legendAt(QPoint position) const;
};

class CPieChartPainter {
  public:
    /// 2 pi as the slice angles use it.
    static constexpr double kFullTurn = 6.28318;
    static constexpr double kLarger = 1.15;  // pie scale factor of "Increases the size"
    static constexpr double kSmaller = 0.95; // and of "Decreases the size"

    /// Where the classic look puts the legend, the pie, its slices and their texts, for a body
    /// font of these metrics; empty when there is nothing to draw.
    static PieChartGeometry layout(const QFontMetrics& body, QSize size, const PieChartModel& model,
                                   const GraphStyle& style);
    /// Draws the layout (the publication look has its own) and returns it.
    static PieChartGeometry paint(QPainter& painter, QSize size, const PieChartModel& model,
                                  const GraphStyle& style);

  private:
    static PieChartGeometry paintPublication(QPainter& painter, QSize size,
                                             const PieChartModel& model, const GraphStyle& style);
};

} // namespace orvelan

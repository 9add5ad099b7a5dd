#pragma once

#include "core/graphs/AxisTicks.h"

#include <QRect>
#include <QRectF>
#include <QSize>
#include <QString>
#include <vector>

class QFontMetrics;
class QPainter;

// Draws the population pyramid and reports where its bars landed.
namespace orvelan {

struct PyramidModel;
struct GraphStyle;

struct PyramidGeometry {
    int columnHalfWidth = 0; // e: the age labels run from W/2 - e to W/2 + e
    int halfAxis = 0;        // A: pixels from a column edge to the axis top
    int rowPitch = 0;
    int top = 0; // top of the first (oldest) row
    /// Bounding boxes of the bars (triangles on the top row), oldest age group first.
    std::vector<QRect> maleBars;
    std::vector<QRect> femaleBars;

    // The publication look only.
    QRectF plot;                        // the rows' area, both halves and the age column
    TickAxis percentAxis;               // of each half, its labels as drawn
    std::vector<QRectF> tickLabelBoxes; // of both percent axes
    QString caption;                    // the totals under the figure
};

class CPyramidPainter {
  public:
    /// Where the classic look puts the rows, the age column and the bars (the top row's
    /// triangles by their bounding boxes), for a body font of these metrics.
    static PyramidGeometry layout(const QFontMetrics& body, QSize size, const PyramidModel& model);
    /// Draws the layout (the publication look has its own) and returns it.
    static PyramidGeometry paint(QPainter& painter, QSize size, const PyramidModel& model,
                                 const GraphStyle& style);

  private:
    static PyramidGeometry paintPublication(QPainter& painter, QSize size,
                                            const PyramidModel& model, const GraphStyle& style);
};

} // namespace orvelan

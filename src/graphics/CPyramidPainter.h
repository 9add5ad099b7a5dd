#pragma once

#include <QRect>
#include <QSize>

#include <vector>

class QPainter;

// Draws the population pyramid and reports where its bars landed.
namespace orvelan {

struct PyramidModel;
struct GraphStyle;

struct PyramidGeometry {
    int columnHalfWidth = 0; // e: the age labels run from W/2 - e to W/2 + e
    int halfAxis = 0;        // A: pixels from a column edge to the axis top
    int rowPitch = 0;
    int top = 0;             // top of the first (oldest) row
    /// Bounding boxes of the bars (triangles on the top row), oldest age group first.
    std::vector<QRect> maleBars;
    std::vector<QRect> femaleBars;
};

class CPyramidPainter {
  public:
    static PyramidGeometry paint(QPainter& painter, QSize size, const PyramidModel& model,
                                 const GraphStyle& style);
};

} // namespace orvelan

#pragma once

#include "core/data/Codes.h"
#include "graphics/PublicationCurvePlot.h"
#include "graphics/ValueAxis.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>
#include <optional>
#include <vector>

class QFontMetrics;
class QPainter;

// Draws the age-specific curves graph and reports where its curves and legend landed.
namespace orvelan {

struct AgeCurvesModel;
struct GraphStyle;

struct AgeCurvesGeometry {
    /// Drawn point of each curve and age group 0-17; none where nothing was drawn.
    using CurvePoints = std::array<std::optional<QPoint>, kKnownAgeGroupCount>;

    bool noData = false; // "No data!" was drawn instead of the graph
    QRect plot;          // from the top of the value axis to the end of the age axis
    int columnWidth = 0;
    std::vector<QRect> legendSquares; // one per curve with two or more curves
    std::vector<CurvePoints> points;  // one per curve
    // The classic look's value axis and its scale (logScale set on the logarithmic axis).
    ValueAxis valueAxis;
    std::optional<LogScale> logScale;
    LinearScale linearScale;
    PublicationCurveLayout publication; // the publication look only

    /// The curve whose legend square holds the position, or -1.
    int legendAt(QPoint position) const;
    /// The first drawn point (curves in order, then ages) within 3 pixels both ways.
    std::optional<std::pair<int, int>> pointAt(QPoint position) const;
};

class CAgeCurvesPainter {
  public:
    /// Where the classic look puts the legend, the plot, its axes and every curve's points,
    /// below a title of titleHeight pixels, for a body font of these metrics.
    static AgeCurvesGeometry layout(int titleHeight, const QFontMetrics& body, QSize size,
                                    const AgeCurvesModel& model, const GraphStyle& style);
    /// Draws the whole graph in the rectangle (0, 0) - size of the painter (the classic look
    /// draws its layout).
    static AgeCurvesGeometry paint(QPainter& painter, QSize size, const AgeCurvesModel& model,
                                   const GraphStyle& style);

  private:
    static AgeCurvesGeometry paintPublication(QPainter& painter, QSize size,
                                              const AgeCurvesModel& model, const GraphStyle& style);
};

} // namespace orvelan

#pragma once

#include "graphics/GraphStyle.h"
#include "graphics/PublicationCurvePlot.h"
#include "graphics/ValueAxis.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <optional>
#include <vector>

class QFontMetrics;
class QPainter;

// Draws the graph of a two-curve comparison on a logarithmic or arithmetic rate axis: in the
// classic look the reference curve in red and the comparison curve in blue, in the publication
// look the palette's first two curve looks with a legend.
namespace orvelan {

struct TwoCurveModel;

struct TwoCurveStyle {
    bool logarithmic = true; // "Logarithmic" / "Arithmetic"
    bool values = false;     // the two value columns at the right
    bool grid = false;       // lines across the plot at the value marks
    QString fontFace = QStringLiteral("MS Sans Serif");
    int fontPixelSize = 11;
    GraphLook look = GraphLook::Classic;
    double figureWidthMm = 0.0; // as GraphStyle::figureWidthMm
};

struct TwoCurveGeometry {
    QRect plot;
    int columnWidth = 0;
    bool noData = false;
    PublicationCurveLayout publication; // the publication look only
    // The classic look's value axis, its scale (logScale also decides "No data!") and the two
    // curves' points, age by age.
    ValueAxis valueAxis;
    std::optional<LogScale> logScale;
    LinearScale linearScale;
    std::vector<QPoint> referencePoints;
    std::vector<QPoint> comparisonPoints;
};

class CTwoCurvePainter {
  public:
    static constexpr int kValuesTop = 50;  // y of the first value line
    static constexpr int kValuesStep = 13; // pixels between value lines
    static constexpr int kValuesColumnGap = 60;

    /// Where the classic look puts the plot, its value axis and the two curves, for a font of
    /// these metrics; noData when there is no curve to draw.
    static TwoCurveGeometry layout(const QFontMetrics& metrics, QSize size,
                                   const TwoCurveModel& model, const TwoCurveStyle& style);
    /// Draws the layout (the publication look has its own) and returns it.
    static TwoCurveGeometry paint(QPainter& painter, QSize size, const TwoCurveModel& model,
                                  const TwoCurveStyle& style);

  private:
    static TwoCurveGeometry paintPublication(QPainter& painter, QSize size,
                                             const TwoCurveModel& model,
                                             const TwoCurveStyle& style);
};

} // namespace orvelan

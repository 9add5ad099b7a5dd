#pragma once

#include "graphics/GraphStyle.h"
#include "graphics/PublicationCurvePlot.h"

#include <QRect>
#include <QSize>
#include <QString>

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
};

class CTwoCurvePainter {
  public:
    static constexpr int kValuesTop = 50;  // y of the first value line
    static constexpr int kValuesStep = 13; // pixels between value lines
    static constexpr int kValuesColumnGap = 60;

    static TwoCurveGeometry paint(QPainter& painter, QSize size, const TwoCurveModel& model,
                                  const TwoCurveStyle& style);

  private:
    static TwoCurveGeometry paintPublication(QPainter& painter, QSize size,
                                             const TwoCurveModel& model,
                                             const TwoCurveStyle& style);
};

} // namespace orvelan

#include "core/graphs/AgeCurvesModel.h"
#include "graphics/CAgeCurvesPainter.h"
#include "graphics/CoreText.h"
#include "graphics/GraphStyle.h"
#include "graphics/PublicationCurvePlot.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

// The publication look of the age-specific curves: sizes of the printed figure, the palette's
// curve looks in place of the view's colours, pen styles, thickness and symbols, gridlines
// whatever the lines flag, one legend line per curve.
namespace orvelan {

namespace {

/// A model label's "_"-separated parts (population, cancer, sex) on one line: "Lyon, Male".
QString ageCurveLegendText(const std::string& label) {
    QStringList parts;
    for (const QString& part : fromCoreText(label).split(QLatin1Char('_'))) {
        if (!part.trimmed().isEmpty()) {
            parts << part.trimmed();
        }
    }
    return parts.join(QStringLiteral(", "));
}

QPoint roundedPoint(QPointF point) {
    return {static_cast<int>(std::lround(point.x())), static_cast<int>(std::lround(point.y()))};
}

} // namespace

AgeCurvesGeometry CAgeCurvesPainter::paintPublication(QPainter& painter, QSize size,
                                                      const AgeCurvesModel& model,
                                                      const GraphStyle& style) {
    CurvePlotRequest request;
    request.title = fromCoreText(model.title).trimmed();
    request.valueTitle = QStringLiteral("Rate per 100,000 person-years");
    request.ageFrom = std::clamp(model.ageFrom, 0, kTopAgeGroup);
    request.ageTo = std::clamp(model.ageTo, 0, kTopAgeGroup);
    for (int a = request.ageFrom; a <= request.ageTo; ++a) {
        request.ageLabels.push_back(publicationAgeLabel(model.ageLabel(a)));
    }
    const std::size_t count =
        std::min(model.curves.size(), static_cast<std::size_t>(kPublicationCurveCount));
    for (std::size_t i = 0; i < count; ++i) {
        request.curves.push_back(
            {model.curves[i].rates, ageCurveLegendText(model.curves[i].label)});
    }
    request.logarithmic = style.logarithmic;
    request.legend = count >= 2;
    const CurvePlotResult drawn =
        paintPublicationCurves(painter, size, request, style.figureWidthMm);

    AgeCurvesGeometry geometry;
    geometry.noData = drawn.noData;
    geometry.plot = drawn.layout.plot.toRect();
    geometry.columnWidth = static_cast<int>(std::lround(drawn.columnWidth));
    for (const QRectF& swatch : drawn.legendSwatches) {
        geometry.legendSquares.push_back(swatch.toRect());
    }
    for (const CurvePlotResult::Points& points : drawn.points) {
        AgeCurvesGeometry::CurvePoints rounded;
        for (std::size_t a = 0; a < points.size(); ++a) {
            if (points[a]) {
                rounded[a] = roundedPoint(*points[a]);
            }
        }
        geometry.points.push_back(rounded);
    }
    geometry.publication = drawn.layout;
    return geometry;
}

} // namespace orvelan

#include "core/graphs/TwoCurveModel.h"
#include "graphics/CTwoCurvePainter.h"
#include "graphics/CoreText.h"
#include "graphics/PublicationCurvePlot.h"

#include <algorithm>
#include <cmath>

// The publication look of the two-curve comparison: the reference in the palette's first look,
// the comparison in its second, a two-entry legend, gridlines always. The "Values" columns are
// left out: a figure for print carries the curves, and the rates themselves belong in the
// comparison's saved table.
namespace orvelan {

namespace {

QString twoCurveLegendText(const std::string& label, const char* role) {
    const QString text = fromCoreText(label).trimmed();
    return text.isEmpty() ? QString::fromLatin1(role) : text;
}

} // namespace

TwoCurveGeometry CTwoCurvePainter::paintPublication(QPainter& painter, QSize size,
                                                    const TwoCurveModel& model,
                                                    const TwoCurveStyle& style) {
    CurvePlotRequest request;
    request.valueTitle = QStringLiteral("Rate per 100,000 person-years");
    request.ageFrom = std::clamp(model.ageLow, 0, kTopAgeGroup);
    request.ageTo = std::clamp(model.ageHigh, 0, kTopAgeGroup);
    for (int a = request.ageFrom; a <= request.ageTo; ++a) {
        request.ageLabels.push_back(publicationAgeLabel(model.ageLabel(a)));
    }
    request.curves.push_back(
        {model.reference, twoCurveLegendText(model.referenceLabel, "Reference")});
    request.curves.push_back(
        {model.comparison, twoCurveLegendText(model.comparisonLabel, "Comparison")});
    request.logarithmic = style.logarithmic;
    const CurvePlotResult drawn =
        paintPublicationCurves(painter, size, request, style.figureWidthMm);

    TwoCurveGeometry geometry;
    geometry.noData = drawn.noData;
    geometry.plot = drawn.layout.plot.toRect();
    geometry.columnWidth = static_cast<int>(std::lround(drawn.columnWidth));
    geometry.publication = drawn.layout;
    return geometry;
}

} // namespace orvelan

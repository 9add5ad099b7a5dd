#pragma once

#include "core/data/Codes.h"
#include "core/graphs/AxisTicks.h"
#include "core/graphs/PublicationPalette.h"

#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QString>
#include <array>
#include <optional>
#include <string_view>
#include <vector>

class QPainter;

// The publication look of the graphs of rates by age group (the age-specific curves and the
// comparison of two curves): age columns along the bottom, a rate axis at the left, the curves
// in the palette's looks and the legend beside or below the plot. Sizes come from the printed
// figure (publicationMetrics).
namespace orvelan {

/// A tick label as drawn: its text and its box in pixels.
struct TickLabelBox {
    QString text;
    QRectF box;
};

/// What the publication look drew beyond what a view's mouse handling needs: the axes' tick
/// labels, the legend entries and the look of each curve. Empty in the classic look.
struct PublicationCurveLayout {
    QRectF plot; // the data area; the axes run along its left and bottom edges
    TickAxis valueAxis;
    std::vector<TickLabelBox> valueLabels; // bottom to top
    std::vector<TickLabelBox> ageLabels;   // the labelled age columns, left to right
    std::vector<QRectF> legendEntries;     // swatch and text of each entry, in curve order
    std::vector<QString> legendTexts;      // as drawn: trimmed, elided where too long
    bool legendBelow = false;              // below the plot, else at its right
    std::vector<CurveLook> looks;          // one per curve
};

/// One curve to draw: rates per age group (0 where there is none) and its legend text.
struct PlotCurve {
    AgeArray rates{};
    QString label; // one line; leading and trailing blanks are not drawn
};

struct CurvePlotRequest {
    QString title;
    QString valueTitle; // the rate axis' title with its unit
    int ageFrom = 0;
    int ageTo = kTopAgeGroup;
    std::vector<QString> ageLabels; // one per column ageFrom..ageTo (publicationAgeLabel)
    std::vector<PlotCurve> curves;  // at most kPublicationCurveCount; curve i takes look i
    bool logarithmic = false;
    bool legend = true; // false: no legend whatever the number of curves
};

struct CurvePlotResult {
    /// Drawn point of each curve and age group 0-17; none where nothing was drawn.
    using Points = std::array<std::optional<QPointF>, kKnownAgeGroupCount>;

    bool noData = false; // every rate 0: "No data!" in place of the plot
    double columnWidth = 0.0;
    PublicationCurveLayout layout;
    std::vector<QRectF> legendSwatches; // the line-and-marker sample of each entry
    std::vector<Points> points;         // one per curve
};

/// An age group's label on the publication age axis: the group's first age ("0", "40"), the
/// open top class as it stands ("85+").
QString publicationAgeLabel(std::string_view classicLabel);

/// Draws the whole figure in (0, 0) - size: white background, the title in the heading font,
/// the plot, the legend. widthMm is the printed width (0: GraphStyle's page width).
CurvePlotResult paintPublicationCurves(QPainter& painter, QSize size,
                                       const CurvePlotRequest& request, double widthMm);

} // namespace orvelan

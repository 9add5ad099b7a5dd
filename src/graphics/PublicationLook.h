#pragma once

#include <QFont>
#include <QPen>
#include <QSize>

// Sizes of the publication look in pixels of one output: every size is fixed in points of the
// printed figure, so that twice the pixels draw the same figure at twice the resolution.
namespace orvelan {

struct PublicationMetrics {
    double pixelsPerPoint = 1.0;
    double tickFontPx = 0.0;    // tick labels and legend entries
    double titleFontPx = 0.0;   // axis titles
    double headingFontPx = 0.0; // the graph's own title
    double dataLinePx = 0.0;    // curves, whiskers
    double axisLinePx = 0.0;    // axes and ticks
    double gridLinePx = 0.0;
    double tickLengthPx = 0.0;
    double markerPx = 0.0; // marker width
    double marginPx = 0.0; // the figure's outer margin

    friend bool operator==(const PublicationMetrics&, const PublicationMetrics&) = default;
};

/// The metrics of a figure drawn `pixels` large, widthMm wide in print (0: GraphStyle's page
/// width).
PublicationMetrics publicationMetrics(QSize pixels, double widthMm);

/// The installed sans-serif face of the look, at a pixel size.
QFont publicationFont(double pixelSize, bool bold = false);

} // namespace orvelan

#include "graphics/PublicationLook.h"

#include "core/graphs/FigureSize.h"
#include "graphics/GraphStyle.h"

#include <QFontDatabase>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace orvelan {

namespace {

// Sizes in points of the printed figure; at one journal column (85 mm) they are what editors
// ask for: tick labels of 7 pt or more, data lines of 0.75 pt or more.
constexpr double kTickFontPt = 8.0;
constexpr double kTitleFontPt = 9.0;
constexpr double kHeadingFontPt = 10.0;
constexpr double kDataLinePt = 1.0;
constexpr double kAxisLinePt = 0.6;
constexpr double kGridLinePt = 0.4;
constexpr double kTickLengthPt = 3.0;
constexpr double kMarkerPt = 4.0;
constexpr double kMarginPt = 6.0;

QString installedSansFace() {
    const QStringList families = QFontDatabase::families();
    for (const QString& face : {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}) {
        if (families.contains(face)) {
            return face;
        }
    }
    return QStringLiteral("Sans Serif");
}

} // namespace

PublicationMetrics publicationMetrics(QSize pixels, double widthMm) {
    if (!(widthMm > 0.0)) {
        widthMm = GraphStyle::kPageWidthMm;
    }
    const double widthPt = FigureSize::dotsOf(widthMm, FigureSize::kPointsPerInch);
    PublicationMetrics metrics;
    metrics.pixelsPerPoint = std::max(pixels.width(), 1) / widthPt;
    const double scale = metrics.pixelsPerPoint;
    metrics.tickFontPx = kTickFontPt * scale;
    metrics.titleFontPx = kTitleFontPt * scale;
    metrics.headingFontPx = kHeadingFontPt * scale;
    metrics.dataLinePx = kDataLinePt * scale;
    metrics.axisLinePx = kAxisLinePt * scale;
    metrics.gridLinePx = kGridLinePt * scale;
    metrics.tickLengthPx = kTickLengthPt * scale;
    metrics.markerPx = kMarkerPt * scale;
    metrics.marginPx = kMarginPt * scale;
    return metrics;
}

QFont publicationFont(double pixelSize, bool bold) {
    static const QString face = installedSansFace();
    QFont font(face);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

} // namespace orvelan

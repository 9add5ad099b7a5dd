#pragma once

#include "core/graphs/GraphLook.h"

#include <QColor>
#include <QString>
#include <Qt>
#include <array>
#include <cstdint>

// How a graph looks: everything a view may change without computing the graph again.
namespace orvelan {

struct GraphSettings;

struct GraphStyle {
    /// The width a publication figure given only in pixels is drawn as: a full page width.
    static constexpr double kPageWidthMm = 170.0;

    static constexpr int kCurveCount = 10;
    static constexpr int kSliceColourCount = 11; // the last one colours "Other cancers"
    static constexpr int kMaxFontSizeIndex = 14;

    GraphLook look = GraphLook::Classic;
    /// Publication look: the printed width of the figure; 0 draws it kPageWidthMm wide.
    double figureWidthMm = 0.0;

    QString fontFace = QStringLiteral("MS Sans Serif");
    int fontSizeIndex = 4; // 0-14 into kFontSizes; the title uses the next size up
    /// Font heights are multiplied by it when printing (page / client size); 1 on screen.
    double printScale = 1.0;
    QColor background = Qt::white;
    QColor text = Qt::black;

    // Age-specific curves.
    std::array<QColor, kCurveCount> curveColours = defaultCurveColours();
    std::array<Qt::PenStyle, kCurveCount> curveStyles = defaultCurveStyles();
    int lineThickness = 1; // 0 thin (1 pixel), 1 thick (2 pixels)
    int lineSymbol = 0;    // 0 none, 1 "+", 2 "x"
    bool logarithmic = false;
    bool lines = false; // lines across the plot at the value marks

    // Bar chart.
    QColor barColour = QColor(0, 0, 255);
    /// Rows to show regardless of the height (a printout repeats the screen); -1: as many as fit.
    int fixedBarRows = -1;

    // Pie chart.
    double pieScale = 1.0; // x 1.15 larger, x 0.95 smaller, no limits
    std::array<QColor, kSliceColourCount> sliceColours = defaultSliceColours();

    static std::array<QColor, kCurveCount> defaultCurveColours();
    static std::array<Qt::PenStyle, kCurveCount> defaultCurveStyles();
    static std::array<QColor, kSliceColourCount> defaultSliceColours();

    /// A colour stored as red + 256 x green + 65536 x blue.
    static QColor fromColourRef(std::uint32_t colour);
    static std::uint32_t toColourRef(const QColor& colour);

    /// The style each graph kind starts with, colours taken from the settings.
    static GraphStyle forAgeCurves(const GraphSettings& settings);
    static GraphStyle forBarChart(const GraphSettings& settings);
    static GraphStyle forPieChart(const GraphSettings& settings);
    static GraphStyle forPyramid(const GraphSettings& settings);

    /// Pixel heights of the body and title fonts at the current index and print scale.
    int bodyPixelSize() const;
    int titlePixelSize() const;
};

} // namespace orvelan

#pragma once

#include "graphics/GraphText.h"
#include "graphics/PublicationLook.h"

#include <QColor>
#include <QPen>
#include <QRectF>
#include <QSize>
#include <QString>
#include <cstdint>

class QFontMetricsF;
class QPainter;

// Steps the publication bar chart, pie chart and pyramid share. Text is placed as boxes first,
// so that a painter lays its labels out by value before it draws them.
namespace orvelan {
struct GraphStyle;
} // namespace orvelan

namespace orvelan::figure {

/// The box of a one-line text whose top is at anchor.y() and whose left end, centre or right
/// end is at anchor.x().
QRectF textBox(const QFontMetricsF& metrics, QPointF anchor, TextAlign align, const QString& text);

/// Draws a text in the box textBox gave it, in the painter's font and pen.
void drawText(QPainter& painter, const QRectF& box, const QString& text);

/// A pen of the look: solid, flat caps, its width in pixels.
QPen linePen(const QColor& ink, double width);

/// A colour as the palette stores it (red + 256 green + 65536 blue).
QColor colour(std::uint32_t stored);

/// Starts a figure: background, antialiased drawing, and the graph's title centred at the top
/// in the bold heading font, on two lines when it is wider than the figure. Returns the y
/// below the title.
double begin(QPainter& painter, QSize size, const GraphStyle& style,
             const PublicationMetrics& metrics, const QString& title);

/// A whole number in running text: thousands grouped from 1,000 up ("8,446 cases").
QString count(double value);

} // namespace orvelan::figure

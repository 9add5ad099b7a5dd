#pragma once

#include <QSize>
#include <QString>
#include <string>

class QPainter;

// Text placement shared by the painters: a point names the top of the text and its left end,
// centre or right end.
namespace orvelan {

enum class TextAlign { Left, Centre, Right };

/// Draws text with its top at y in the painter's current pen and font; returns its width.
int drawTextAt(QPainter& painter, int x, int y, const QString& text, TextAlign align);

/// Width of a text in the painter's current font.
int textWidth(const QPainter& painter, const QString& text);

struct GraphStyle;

/// Starts a graph: fills the whole picture with the background and centres the title on its
/// first line in the bold title font. Leaves the pen at the text colour and returns the title
/// line's height.
int beginGraph(QPainter& painter, QSize size, const GraphStyle& style, const QString& title);

} // namespace orvelan

#pragma once

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

inline QString qs(const std::string& text) { return QString::fromStdString(text); }

} // namespace orvelan

#pragma once

#include <QFont>
#include <QString>

// The program's font faces ("MS Sans Serif", "Times New Roman", "Arial", "Courier New",
// "Tahoma") resolved to installed metric-compatible faces, for every QPainter the program uses.
namespace orvelan {

/// Idempotent; call once a QGuiApplication exists.
void installFaceSubstitutions();

/// The installed family a face is drawn with ("Liberation Sans" for "MS Sans Serif" where it is
/// installed): what a window, a printer and a raster image draw, and the name a vector image
/// carries, so that an SVG viewer does not pick a face of its own.
QString resolvedFace(const QString& face);

/// A face at a pixel (character cell) height, under its resolved family; bold for titles.
QFont graphFont(const QString& face, int pixelHeight, bool bold);

} // namespace orvelan

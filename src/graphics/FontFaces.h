#pragma once

#include <QFont>
#include <QString>

// The program's font faces ("MS Sans Serif", "Times New Roman", "Arial", "Courier New",
// "Tahoma") resolved to installed metric-compatible faces, for every QPainter the program uses.
namespace orvelan {

/// Idempotent; call once a QGuiApplication exists.
void installFaceSubstitutions();

/// A face at a pixel (character cell) height; bold for titles.
QFont graphFont(const QString& face, int pixelHeight, bool bold);

} // namespace orvelan

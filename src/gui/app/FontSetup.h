#pragma once

// The program's font faces ("MS Sans Serif", "Times New Roman", "Arial", "Courier New",
// "Tahoma") resolve to installed metric-compatible faces.
namespace orvelan {

/// Idempotent; call once a QGuiApplication exists.
void installFontSubstitutions();

} // namespace orvelan

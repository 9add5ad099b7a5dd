#pragma once

#include <QString>
#include <string>
#include <string_view>

// Where text crosses between the core and Qt. The core keeps the data files' single-byte Latin-1
// text: names, labels, titles, table cells and the titles users type for them; Qt holds
// Unicode. Every crossing goes through these functions, so that an accented registry name reads
// the same in a grid, a graph, a window title and a saved file.
namespace orvelan {

/// A core text (Latin-1) for display.
inline QString fromCoreText(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

/// A typed or shown text as the core keeps it: Latin-1, a character beyond it as '?'.
inline std::string toCoreText(const QString& text) {
    const QByteArray bytes = text.toLatin1();
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

/// A core message for display. A message names files by their paths, which are UTF-8 here,
/// beside Latin-1 names from the data: it is read as UTF-8 when the whole of it is valid UTF-8,
/// otherwise as Latin-1.
QString fromCoreMessage(std::string_view message);

} // namespace orvelan

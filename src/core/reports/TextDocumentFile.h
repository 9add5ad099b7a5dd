#pragma once

#include <optional>
#include <string>
#include <string_view>

// Plain-text documents as the text view opens and saves them: the view keeps "\r\n" line ends
// in memory, files carry "\n" (files with "\r\n" are read alike).
namespace orvelan {

/// Reads a whole file, turning every line end into "\r\n"; nullopt on success, else the
/// reason, naming the file.
std::optional<std::string> readTextDocument(const std::string& path, std::string& text);

/// Writes text with every "\r\n" turned into "\n", through a temporary file renamed over the
/// target; nullopt on success, else the reason, naming the file.
std::optional<std::string> writeTextDocument(const std::string& path, std::string_view text);

/// True when the last four characters of a name equal the extension (".PRN"), case ignored.
bool endsWithExtension(std::string_view name, std::string_view extension);

} // namespace orvelan

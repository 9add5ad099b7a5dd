#pragma once

#include <optional>
#include <string>
#include <string_view>

// Plain-text documents as the text view opens them: the view keeps "\r\n" line ends in memory,
// files carry "\n" (files with "\r\n" are read alike).
namespace orvelan {

/// Reads a whole file, turning every line end into "\r\n"; nullopt on success, else the
/// reason, naming the file.
std::optional<std::string> readTextDocument(const std::string& path, std::string& text);

} // namespace orvelan

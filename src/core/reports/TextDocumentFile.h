#pragma once

#include "core/io/IoResult.h"

#include <string>

// Plain-text documents as the text view opens them: the view keeps "\r\n" line ends in memory,
// files carry "\n" (files with "\r\n" are read alike).
namespace orvelan {

/// Reads a whole file, turning every line end into "\r\n"; on failure the file and the reason,
/// with text unchanged.
IoResult readTextDocument(const std::string& path, std::string& text);

} // namespace orvelan

#pragma once

#include "core/io/IoResult.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Saving tables as text files: the kind chosen by the name's ending, and writes that never leave
// a half-written file behind.
namespace orvelan {

/// Saving is one of the file operations: its result is the core's one result type.
using SaveStatus = IoStatus;
using SaveResult = IoResult;

inline constexpr std::string_view kUnsupportedFormatMessage = "File format not supported...";

/// True when the last four characters of path equal extension (".TXT"), letter case ignored.
bool hasExtension(std::string_view path, std::string_view extension);

/// text without the leading and trailing characters of blanks (blanks, tabs, line ends).
std::string_view trimmedText(std::string_view text, std::string_view blanks = " \t\r\n");

/// text as one field of a separated table (RFC 4180): unchanged, or in double quotes with every
/// quote doubled when it holds the separator, a quote, a carriage return or a line feed.
std::string quotedField(std::string_view text, char separator);

/// Writes content byte for byte to a temporary file beside path, then renames it over path.
/// An existing file is left untouched when anything fails.
SaveResult writeFileAtomically(const std::string& path, const std::string& content);

/// Writes files that belong together (path, content): every one is replaced, or after any
/// failure every old file is left untouched and nothing is left behind.
SaveResult writeFilesTogether(const std::vector<std::pair<std::string, std::string>>& files);

} // namespace orvelan

#pragma once

#include <optional>
#include <string>

namespace orvelan {

/// Reads a whole file byte for byte into bytes; nullopt on success, else the reason, naming
/// the file.
std::optional<std::string> readFileBytes(const std::string& path, std::string& bytes);

} // namespace orvelan

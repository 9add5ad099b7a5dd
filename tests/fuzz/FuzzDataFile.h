#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace orvelan::fuzz {

/// One run over a fuzzed data file: the first two bytes give the file's size as the layout's
/// plus a signed 16-bit difference, the rest replaces its first bytes; then the store opens the
/// folder, loads population 0 and computes every rate and the standard table.
int runDataFile(std::string_view fileName, const std::uint8_t* data, std::size_t size);

} // namespace orvelan::fuzz

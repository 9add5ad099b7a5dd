#pragma once

#include "core/data/Codes.h"

#include <array>
#include <string_view>

// The compiled-in rows behind CRegistryDictionary; only its source reads them.
namespace orvelan::detail {

inline constexpr int kContinentNameCount = 7; // index 0 captions the whole tree
inline constexpr int kCountryNameCount = 56;

extern const std::array<std::string_view, kRegistryRowCount> kRegistryRows;
extern const std::array<std::string_view, kContinentNameCount> kContinentNames;
extern const std::array<std::string_view, kCountryNameCount> kCountryNames;

} // namespace orvelan::detail

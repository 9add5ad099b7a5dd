#pragma once

#include "core/data/Codes.h"

#include <cstddef>
#include <string>
#include <string_view>

// Selection lists as the template files hold them: 321 little-endian 32-bit slots, 1,284 bytes.
namespace orvelan {

inline constexpr std::size_t kSelectionListBytes = 4 * kSelectionListSize;

void appendSelectionList(std::string& bytes, const SelectionList& list);
/// The list stored from offset; the caller has checked that the bytes reach that far.
SelectionList readSelectionList(std::string_view bytes, std::size_t offset);

} // namespace orvelan

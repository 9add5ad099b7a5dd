#pragma once

#include "core/data/CUserGroupDictionary.h"

#include <cstddef>
#include <cstdint>

namespace orvelan::fuzz {

/// One run over a fuzzed user dictionary: it is read, every group is formatted again, and the
/// first groups are loaded from the scratch data files and their rates computed.
int runGroups(GroupKind kind, const std::uint8_t* data, std::size_t size);

} // namespace orvelan::fuzz

#pragma once

#include "core/data/Codes.h"

#include <array>
#include <string_view>

// The compiled-in rows behind CCancerDictionary; only its source reads them.
namespace orvelan::detail {

struct CancerEntry {
    std::string_view row;  // "MFPPPL name"
    std::string_view code; // "0" + ICD-10 or "1" + ICD-O-2; "1 " when there is no code
};

struct StandardEntry {
    std::string_view text; // "11 Lip": sex prefix, blank, site name
    std::string_view code; // short code, "C00"
};

inline constexpr int kStandardEntryCount = 61;

extern const std::array<CancerEntry, kCancerCount> kCancerEntries;
extern const std::array<StandardEntry, kStandardEntryCount> kStandardEntries;

} // namespace orvelan::detail

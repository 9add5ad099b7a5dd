#pragma once

#include <optional>
#include <string>
#include <string_view>

// The checks every wizard shares. Each returns the message to show, or nothing when the
// choice is valid; the first failing test wins.
namespace orvelan {

class CUserGroupDictionary;

inline constexpr std::string_view kInvalidAgeRange = "Invalid age range";
inline constexpr std::string_view kInvalidSexSite = "Invalid sex/site combination";
inline constexpr std::string_view kTooManyItems = "You defined too many items";

/// "Invalid age range" when to < from; "Age range is invalid for cumulative rate/risk" when
/// the range runs to the open top (to >= 17) for rate kinds 3 and 4.
std::optional<std::string> ValidateAgeRange(int from, int to, int rateKind);

/// "Invalid sex/site combination" when the cancer (or user cancer group) does not occur in the
/// sex; skipped for a negative cancer number. Then "Invalid age range" when to < from.
std::optional<std::string> ValidateSelection(int from, int to, int cancer, bool isMale,
                                             const CUserGroupDictionary& cancerGroups);

/// True when a range that stops below 85+ (to < 17) ends at or above the population's last age
/// group: that group is an open top class ("75+"), so the range's last group is not closed.
bool rangeEndsInOpenTopClass(int to, int lastAgeGroup);

/// "You defined too many items" when count > maximum, "Invalid sex/site combination" when
/// negative, "Invalid selection" when 0.
std::optional<std::string> ValidateItemCount(int count, int maximum);

} // namespace orvelan

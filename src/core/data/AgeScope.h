#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>

// The texts of the "Age scope" dialog's two fields and how they are read back. lastAgeGroup is
// the last age group (0-17) of the data on show.
namespace orvelan {

/// Highest position of the "From:" control: last - 1 (never below 0).
int ageScopeFromMaximum(int lastAgeGroup);
/// Text of the "From:" field at a position: the lower label (" 0-", "75-").
std::string ageScopeFromText(int position);
/// Text of the "to:" field at a position: the upper label, or "75+" for the open top class
/// when the position is the last age group and that lies below 17.
std::string ageScopeToText(int position, int lastAgeGroup);

/// Reads the two field texts back: from is the group whose lower label is the text; to is the
/// last age group when the text contains "+", else the group whose upper label is the text.
/// Empty when a text matches no group or to < from ("Invalid age range").
std::optional<std::pair<int, int>> readAgeScope(std::string_view fromText, std::string_view toText,
                                                int lastAgeGroup);

} // namespace orvelan

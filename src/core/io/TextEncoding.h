#pragma once

#include <optional>
#include <string>
#include <string_view>

// The files' texts (registry names, group names, titles) are single bytes, Latin-1. They are
// kept as bytes everywhere and written back unchanged; only texts shown to a reader that wants
// UTF-8 (JSON, the terminal) are converted.
namespace orvelan {

/// True when text is well-formed UTF-8 (no overlong forms, no surrogates, at most U+10FFFF).
bool isValidUtf8(std::string_view text);

/// Every byte as the Latin-1 character of the same number, encoded as UTF-8.
std::string latin1ToUtf8(std::string_view text);

/// The text as it is when already UTF-8 (plain ASCII included), otherwise read as Latin-1.
std::string displayUtf8(std::string_view text);

/// The text as the files keep it: UTF-8 (a name typed at a terminal) converted to Latin-1, other
/// text taken as Latin-1 already. nullopt when a character has no Latin-1 byte.
std::optional<std::string> fileText(std::string_view text);

/// A Latin-1 text as a name is looked for: lower case, accented letters as their plain letters
/// ("\xC5rhus" and "ARHUS" both give "arhus"; \xE6 "ae", \xDF "ss", \xFE "th").
std::string searchKey(std::string_view latin1);

} // namespace orvelan

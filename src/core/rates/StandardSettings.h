#pragma once

#include "core/io/CIniFile.h"
#include "core/rates/StandardPopulations.h"

// The desktop program's standards in its settings file: section "Standards", keys "World"
// ("segi", "who2000") and "European" ("1976", "2013"), or the path of a user standard file.
// The classic choice is not written, so a settings file of a user who never changed it stays
// as it was.
namespace orvelan {

inline constexpr std::string_view kStandardSection = "Standards";

/// An unknown value, or a file that can no longer be read, reads as the classic table.
StandardChoice readStandardChoice(const CIniFile& file);
/// Writes the standards other than the classic ones; the classic choice removes the section.
void writeStandardChoice(const StandardChoice& choice, CIniFile& file);

} // namespace orvelan

#pragma once

#include "core/io/CIniFile.h"
#include "core/rates/IntervalMethod.h"

// The desktop program's interval choice in its settings file: section "Intervals", keys
// "Method" (a method name) and "Level" (90, 95 or 99). The default choice is not written, so a
// settings file of a user who never changed it stays as it was.
namespace orvelan {

inline constexpr std::string_view kIntervalSection = "Intervals";

/// An unknown method or level reads as the default.
IntervalChoice readIntervalChoice(const CIniFile& file);
/// Writes a choice other than the default; the default removes the section.
void writeIntervalChoice(const IntervalChoice& choice, CIniFile& file);

} // namespace orvelan

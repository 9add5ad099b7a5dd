#pragma once

#include "core/data/Codes.h"

#include <optional>
#include <string>

// The checks a user-entered curve passes before it is compared: person-years without gaps up to
// the last group given, and over the whole chosen age range.
namespace orvelan {

/// The highest age group 0-17 with person-years; 0 when there is none.
int userCurveLastAgeGroup(const AgeArray& personYears);

/// The first failing check, as its message: "You must enter person-years up to %s" (a group
/// 0..last without person-years, named by last's upper label), then, for a range ending below
/// 85+, "You must enter person-years from %s up to %s". nullopt when the curve may be used.
std::optional<std::string> checkUserCurve(const AgeArray& personYears, int ageLow, int ageHigh);

/// "Warning: 74 will be interpreted as 70+" when the last group with person-years is below 85+:
/// that group then stands for all older ages. An information only; nullopt at 85+.
std::optional<std::string> userCurveWarning(const AgeArray& personYears);

} // namespace orvelan

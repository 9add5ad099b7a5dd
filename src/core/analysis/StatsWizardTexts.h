#pragma once

#include "core/data/Codes.h"

#include <optional>
#include <string>

// What the statistics wizard's pages show and check beyond the shared wizard checks: the
// reference description, the fit of a population's age classes to a closed range, and the live
// rates and total of the typed-in curve.
namespace orvelan {

class CIncidenceStore;

inline constexpr std::string_view kPopulationRangeMessage =
    "Selected population and age range are not compatible.\r\nCheck population figures.";

/// Four lines joined by "\r\n": population name, cancer name, sex label ("Boys"/"Girls" when
/// the range ends at 15-19 or earlier) and the age part: "age (85+)", "(All ages)" or
/// "age ( 0-74)". Reads a population record: call it before a load, not between.
std::string referenceDescription(CIncidenceStore& store, int population, int cancer, Sex sex,
                                 int ageLow, int ageHigh);

/// Loads the curve to learn its population's last age group: a range closed below 85+ that
/// reaches that open top class cannot be computed, and the message says so. nullopt when the
/// range fits, and when the curve cannot be loaded (the comparison then reports no data).
std::optional<std::string> checkPopulationRange(CIncidenceStore& store, int population, int cancer,
                                                Sex sex, int ageHigh);

/// The number a typed field holds: its leading number as the C library reads it, 0 for text
/// that starts with none.
double typedNumber(const std::string& text);

/// Rate per 100,000 of one typed row; nullopt without person-years (the shown rate then stays).
std::optional<double> typedRowRate(double cases, double personYears);

/// "%.0f/\r\n%.0f\r\n%.2f": summed cases, summed person-years and the overall rate per 100,000
/// (0 without person-years).
std::string typedCurveTotal(const AgeArray& cases, const AgeArray& personYears);

} // namespace orvelan

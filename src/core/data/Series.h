#pragma once

#include "core/data/Codes.h"

#include <optional>
#include <string>

// One series as every figure is computed from it: a population or registry group, crossed with
// a cancer or cancer group, for one sex or both. A plain value: loading it, reading it and
// computing from it are separate steps that cannot disturb each other.
namespace orvelan {

struct Series {
    /// Cases of age groups 0-17 and of unknown age (18), as loaded.
    AgeValues cases{};
    /// Person-years of the same groups; those above the last age group are folded into it.
    AgeValues personYears{};
    /// The open top class: the highest age group with person-years (17 when none has).
    int lastAgeGroup = kTopAgeGroup;
    /// Registration period of the population record.
    int firstYear = 0;
    int lastYear = 0;
    /// 's' specialised, 'g' general, as the population record has it.
    char registryType = ' ';
    char marker = ' ';
    /// Verification percentage; negative: not available.
    double verification = 0.0;
    /// T / (T - U) spreading unknown-age cases over known ages; 1.0 when there are none.
    double unknownAgeFactor = 1.0;

    bool isSpecialised() const { return registryType == 's'; }
};

/// A series, or why it could not be loaded (a user group at fault, a value that is not a
/// number, a file cut short; empty when a number was merely out of range).
struct LoadedSeries {
    std::optional<Series> series;
    std::string error;

    explicit operator bool() const { return series.has_value(); }
};

/// The sum of the 19 values, in age order.
double sumOf(const AgeValues& values);

/// T / (T - U) of a series' cases: T all cases, U those of unknown age; 1.0 without either.
double unknownAgeFactorOf(const AgeValues& cases);

/// A curve typed in by the user (no unknown-age cases): unknown-age factor 1, last age group the
/// highest group 0-17 with person-years (0 when there is none).
Series userSeries(const AgeArray& cases, const AgeArray& personYears);

/// The series with the cases of the groups above its last age group added into that group, as
/// every range to the open top counts them.
Series foldedAtTop(Series series);

} // namespace orvelan

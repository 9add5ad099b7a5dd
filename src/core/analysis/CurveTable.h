#pragma once

#include "core/data/Codes.h"
#include "core/rates/UserCurve.h"

#include <optional>
#include <string>
#include <string_view>

// A curve given as a small table, as a spreadsheet copies it or saves it as CSV: 18 rows (age
// groups 0-4 ... 85+) of cases and person-years. Fields are separated by tabs, semicolons,
// commas or blanks (the first of these the text holds); a first row that is not numbers is a
// header, of three columns the first is the age group. Blank lines are ignored.
namespace orvelan {

struct CurveTableRows {
    AgeArray cases{};
    AgeArray personYears{};
};

/// The rows, or (rows empty) the message that says what is wrong and in which row.
struct [[nodiscard]] CurveTableRead {
    std::optional<CurveTableRows> rows;
    std::string message;
};

/// Every number must be finite and not negative; "12,5" is read as 12.5 where the comma does not
/// separate fields. Rows count from 1 as the lines of the text.
CurveTableRead parseCurveTable(std::string_view text);

/// The curve of the rows under a title, each rate worked out from its row as the typed-in curve
/// page does (0 where there are no person-years).
UserCurve userCurveOfTable(const CurveTableRows& rows, std::string title);

} // namespace orvelan

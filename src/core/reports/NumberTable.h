#pragma once

#include "core/io/NumberText.h"
#include "core/io/TextFile.h"
#include "core/reports/CTextGrid.h"
#include "core/reports/GridNumbers.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

// A grid's numbers as a table for spreadsheets and statistics programs: a header row naming
// every column, then one line per grid row with its label and one field per number. Nothing
// is padded, no line ends in a separator, a cell the grid shows as "N.A." or a dash is an empty
// field, labels are UTF-8 and text fields are quoted when they hold the separator, a quote or
// a line break. Lines end in "\n".
namespace orvelan {

/// The rows of the grid to write (1 for the first row below the header), in the order given;
/// an empty list writes every row in the grid's order.
using NumberTableRows = std::span<const int>;

/// separator: ',' for a CSV file, '\t' for text pasted into a spreadsheet. A value column gets
/// a lower and an upper column beside it when any of its cells has an interval.
std::string numberTableText(const CTextGrid& grid, const NumberGrid& numbers, char separator,
                            NumberTableRows rows = {});

/// The name of a value column in a number table: its grid heading without surrounding blanks
/// and without the interval mark ("SIR[95% CI]" gives "SIR").
std::string numberColumnName(std::string_view heading);

} // namespace orvelan

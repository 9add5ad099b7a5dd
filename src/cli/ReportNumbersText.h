#pragma once

#include "core/data/Codes.h"
#include "core/reports/CTextGrid.h"
#include "core/reports/GridNumbers.h"

#include <string>

// A report's grids as numbers for scripts: one line per value cell with the keys table, sex,
// row, column, row_label, column_label, value, lower, upper (row and column count from 1 as in
// the grid; sex 2 for a report that holds both sexes). Missing numbers are empty fields in CSV
// and null in JSON lines; labels are quoted when CSV needs it.
namespace orvelan::cli {

enum class ReportNumberFormat { Csv, JsonLines };

/// "csv" or "jsonl"; a usage error otherwise.
ReportNumberFormat parseReportNumberFormat(const std::string& text);

/// Appends the lines of one table; the CSV header goes before the first table only.
void appendReportNumbers(std::string& out, ReportNumberFormat format, int table, Sex sex,
                         const CTextGrid& grid, const NumberGrid& numbers, bool first);

} // namespace orvelan::cli

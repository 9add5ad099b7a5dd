#pragma once

#include <optional>
#include <vector>

// The numbers behind the value cells of the three grid tables, for machine-readable output:
// the same rows and columns as the table's grid (header row and label column left out), each
// cell with its value and, where the grid shows an interval, the 95% limits. Nothing where the
// grid shows "N.A.".
namespace orvelan {

class CIncidenceStore;
class CSummaryRatesTable;
class CAgeSpecificRatesTable;
class CReportTable;
struct SirRow;

struct GridNumber {
    std::optional<double> value;
    std::optional<double> lower;
    std::optional<double> upper;
};

/// Row by row, value columns left to right.
using NumberGrid = std::vector<std::vector<GridNumber>>;

/// Each takes a table that has been built and loads its series again.
NumberGrid gridNumbers(CIncidenceStore& store, const CSummaryRatesTable& table);
NumberGrid gridNumbers(CIncidenceStore& store, const CAgeSpecificRatesTable& table);
NumberGrid gridNumbers(CIncidenceStore& store, const CReportTable& table);
/// The several-curve comparison's rows: observed, expected, the SIR with its limits and
/// (O-E)^2/E; nothing in a row that is not available.
NumberGrid gridNumbers(const std::vector<SirRow>& rows);

} // namespace orvelan

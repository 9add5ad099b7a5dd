#pragma once

#include "core/data/Codes.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// Comparison of several populations with one reference curve by indirect standardisation:
// observed and expected cases, the standardised incidence ratio (SIR, per 100) with its 95%
// confidence interval and the chi-square contribution (O-E)^2/E.
namespace orvelan {

class CIncidenceStore;

/// What is compared: the reference curve; every comparison population shares its cancer, sex
/// and age range.
struct SirRequest {
    int cancer = 0;        // >= 252: user cancer group
    int refPopulation = 0; // >= 272: user registry group
    Sex sex = Sex::Male;
    int ageLow = 0; // age groups 0-17
    int ageHigh = kTopAgeGroup;
};

/// One row of the result; sir is -1 when the row is not available ("N.A.").
struct SirRow {
    double observed = 0.0;
    double expected = 0.0;
    double sir = -1.0;
    double sirLow = -1.0;
    double sirHigh = -1.0;
    double chi2 = -1.0;
    bool available() const { return sir >= 0.0; }
};

/// 95% confidence limits of a Poisson count.
struct PoissonLimits {
    double lower = 0.0;
    double upper = 0.0;
};

/// Exact limits for counts 0-49; from 50 on the square-root approximation is used.
inline constexpr std::size_t kExactLimitCount = 50;
extern const std::array<PoissonLimits, kExactLimitCount> kPoissonLimitTable;

/// Limits for an observed count: the table for a whole part below 50, otherwise
/// ((sqrt(O) - 0.98)^2, (sqrt(O + 1) + 0.98)^2).
PoissonLimits poissonLimits(double observed);

/// SIR row from the two curves (groups 0-17 with their last age groups); pure arithmetic.
/// An 85+ range is cut at the smaller last age group, older groups folded into it; a closed
/// range must end below both last age groups. Groups without reference person-years add
/// nothing to E.
SirRow sirFromCurves(AgeArray refPersonYears, AgeArray refCases, int refLast,
                     AgeArray compPersonYears, AgeArray compCases, int compLast, int ageLow,
                     int ageHigh);

/// Loads the reference and the comparison population through the store and computes the row.
SirRow ComputeSIR(CIncidenceStore& store, const SirRequest& request, int population);

/// Population numbers of the comparison rows from a selection list, in list order: a
/// registry-dictionary row stands for its population, an entry >= 272 for that user group.
std::vector<int> severalPopulationList(const SelectionList& selection);

/// Top-left text: "population: cancer-Sex (age  0-64)"; the sex is left out for a cancer of one
/// sex. Reads population records: call it before or between rows.
std::string severalTitle(CIncidenceStore& store, const SirRequest& request);

/// Headings of the four value columns; the superscript two is the single Windows-1252 byte.
inline constexpr std::array<std::string_view, 4> kSirColumns = {"Observed", "Expected",
                                                                "SIR[95% CI]", "(O-E)\xB2/E"};
inline constexpr std::string_view kNotAvailable = "N.A.";

/// The four value cells of a row: "%9.0f", "%10.1f", "%8.0f [%.0f,%.0f]", "%10.1f", or "N.A.".
std::array<std::string, 4> sirCellTexts(const SirRow& row);

// Tests and total, shown on request beside the rows.

/// Heading of the p-value column and label of the total row.
inline constexpr std::string_view kSirPColumn = "p";
inline constexpr std::string_view kSirTotalLabel = "Total";

/// The exact Poisson p-value of a row's O against its E; -1 for a row that is not available.
double sirRowPValue(const SirRow& row);

/// The total of a comparison: O and E summed over the rows that could be computed, the overall
/// SIR with limits by the rule of a row, chi2 the sum of the rows' (O-E)^2/E with df the number
/// of those rows and p its chi-square p-value (-1 without rows).
struct SirTotal {
    SirRow row;
    int df = 0;
    double p = -1.0;
};
SirTotal sirTotal(const std::vector<SirRow>& rows);

/// A p-value cell: "%8.4f", or "N.A." for -1.
std::string sirPText(double p);
/// The chi-square cell of the total: "%10.1f (%d df)".
std::string sirTotalChi2Text(const SirTotal& total);

} // namespace orvelan

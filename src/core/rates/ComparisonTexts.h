#pragma once

#include "core/rates/CurvePair.h"

#include <array>
#include <string>
#include <string_view>

// What the results dialog of a two-curve comparison shows: the three fields above the lists
// and every cell of the three result lists.
namespace orvelan {

class CIncidenceStore;
struct UserCurve;

inline constexpr std::string_view kNoDataAvailable = "No data available!";
inline constexpr std::string_view kCheckPopulationWarning = " Warning, check population figures";

/// The texts of the "Reference:", "Comparison:" and "Age range:" fields, as shown and saved.
struct ComparisonTexts {
    std::string reference;
    std::string comparison;
    std::string ageRange;
};

/// The result of running a comparison for the dialog or the command-line tool.
struct ComparisonRun {
    int last = 0;         // effective last age group; 0 when the comparison failed
    bool openTop = false; // the range ends in the open top class, cut or not ("75+", "85+")
    ComparisonTexts texts;
    bool ok() const { return last != 0; }
};

/// True when the cancer (or user cancer group) is recorded as occurring in males only or in
/// females only; labels then leave the sex out.
bool occursInOneSexOnly(const CIncidenceStore& store, int cancer);

/// "population: cancer-Sex"; the sex is left out for a cancer that occurs in one sex only, and
/// takes its children's form when ageHigh < 4. Reads a population record: call it before a load
/// or after the computations on it.
std::string curveLabel(CIncidenceStore& store, int population, int cancer, Sex sex, int ageHigh);

/// " 0-74"; when the top was cut to the open class last: " 0-75+ Warning, check population
/// figures"; "No data available!" when last is 0.
std::string ageRangeFieldText(int ageLow, int ageHigh, int last);

/// ComputeComparison, then the field texts; on success pair.ageHigh becomes the effective last
/// age group. userCurve gives the comparison curve and its label when pair.userComparison != 0.
ComparisonRun runComparison(CurvePair& pair, CIncidenceStore& store, const UserCurve* userCurve);

/// The three result lists of the dialog.
enum class ResultList { Asr, RateRatio, Tests };

/// Column titles and row labels of each list (column 1 is the row label).
inline constexpr std::array<std::string_view, 3> kAsrColumns = {"", "ASR (World)",
                                                                "Standard error"};
inline constexpr std::array<std::string_view, 3> kAsrRows = {"Reference", "Comparison", "Ratio"};
inline constexpr std::array<std::string_view, 4> kRateRatioColumns = {
    "Method", "Rate Ratio (RR)[95% CI]", "log(RR)", "S.E.(log(RR))"};
inline constexpr std::array<std::string_view, 2> kRateRatioRows = {"Mantel & Haenszel",
                                                                   "Maximum likelihood"};
inline constexpr std::array<std::string_view, 4> kTestColumns = {"", "Pvalue", "Chi2",
                                                                 "Degree of freedom"};
inline constexpr std::array<std::string_view, 3> kTestRows = {"Mantel-Haenszel-Cochran test",
                                                              "Heterogeneity test", "Trend test"};

/// Text of one cell: row from 0, column 1 (the row label) to 3 or 4; results not available
/// show as dashes of the column's width. Empty for cells outside the list.
std::string resultCellText(const CurvePair& pair, ResultList list, int row, int column);

} // namespace orvelan

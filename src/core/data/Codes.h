#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The small integer codes every part of ORVELAN speaks: age groups, sexes, rate kinds,
// standard codes, and the numbering of populations, cancers and user groups.
namespace orvelan {

inline constexpr int kAgeGroupCount = 19;      // 0-4, 5-9, ..., 80-84, 85+, unknown age
inline constexpr int kKnownAgeGroupCount = 18; // groups 0-17; statistics use only these
inline constexpr int kTopAgeGroup = 17;        // 85 and over
inline constexpr int kUnknownAgeGroup = 18;

inline constexpr int kPopulationCount = 229;  // population numbers 0-228, key of both data files
inline constexpr int kRegistryRowCount = 272; // rows of the compiled registry dictionary
inline constexpr int kCancerCount = 252;      // cancer numbers 0-251, rows of the cancer dictionary
inline constexpr int kAllSitesCancer = 0;     // cancer number of all sites together
inline constexpr int kFirstRegistryGroup = 272; // population number of user registry group 0
inline constexpr int kFirstCancerGroup = 252;   // cancer number of user cancer group 0
inline constexpr int kMaxRegistryGroups = 48;
inline constexpr int kMaxCancerGroups = 68;

/// True for a population of the data files (0-228), false for a registry group or any other
/// number; the same for a cancer of the dictionary (0-251).
constexpr bool isDictionaryPopulation(int population) {
    return population >= 0 && population < kPopulationCount;
}
constexpr bool isDictionaryCancer(int cancer) { return cancer >= 0 && cancer < kCancerCount; }

inline constexpr int kSelectionListSize = 321; // slots of a selection list; -1 = not selected

/// Cases or person-years by age group 0-18 (unknown age last).
using AgeValues = std::array<double, kAgeGroupCount>;
/// A value per known age group 0-17 (weights, age-specific rates).
using AgeArray = std::array<double, kKnownAgeGroupCount>;
/// A selection list of registries or cancers: slot index when selected, -1 otherwise.
using SelectionList = std::array<int, kSelectionListSize>;

/// A selection list with nothing selected.
SelectionList emptySelectionList();

/// Adds the values of the groups above last (up to 17) into group last (the open top class) and
/// sets them to 0; for the 18 known groups or the 19 with unknown age, which stays as it is.
template <std::size_t N> void foldIntoOpenClass(std::array<double, N>& values, int last) {
    const auto top = static_cast<std::size_t>(last);
    for (std::size_t i = top + 1; i <= static_cast<std::size_t>(kTopAgeGroup); ++i) {
        values[top] += values[i];
        values[i] = 0.0;
    }
}

enum class Sex : int { Male = 0, Female = 1, Both = 2 };
/// The two sexes the data files hold a record for, in file order.
inline constexpr std::array<Sex, 2> kSingleSexes = {Sex::Male, Sex::Female};
/// Every sex choice, in the order of files and combo boxes.
inline constexpr std::array<Sex, 3> kAllSexes = {Sex::Male, Sex::Female, Sex::Both};

/// The index a sex has in files and combo boxes: 0 male, 1 female, 2 both sexes.
constexpr int indexOf(Sex sex) { return static_cast<int>(sex); }
/// The sex at a file or combo index 0-2; nullopt for any other number.
constexpr std::optional<Sex> sexFromIndex(int index) {
    if (index < 0 || index > 2) {
        return std::nullopt;
    }
    return static_cast<Sex>(index);
}
/// The sex itself when it is one of the three; nullopt for a stored value outside 0-2.
constexpr std::optional<Sex> knownSex(Sex sex) { return sexFromIndex(indexOf(sex)); }

enum class RateKind : int {
    CrudeRate = 0,
    AsrWorld = 1,
    AsrEuropean = 2,
    CumulativeRate = 3,
    CumulativeRisk = 4,
    NumberOfCases = 5,
};
inline constexpr int kRateKindCount = 6;
/// The index a rate kind has in files, combo boxes and label tables; a stored value outside 0-5
/// is kept as it is.
constexpr int indexOf(RateKind kind) { return static_cast<int>(kind); }
/// Whether a stored rate kind is one of the six.
constexpr bool isRateKind(RateKind kind) {
    return kind >= RateKind::CrudeRate && kind <= RateKind::NumberOfCases;
}

/// Selects a table of the weights provider: 1 World, 2 European, 9 the third standard,
/// 3 and 4 the five-year widths of cumulative rates.
enum class StandardCode : int {
    World = 1,
    European = 2,
    CumulativeWidths = 3,
    CumulativeWidthsToo = 4,
    Third = 9,
};

/// Lower-bound label of an age group 0-18 (" 0-", ..., "85-", "Unk").
std::string_view lowerLabel(int ageGroup);
/// Upper-bound label of an age group 0-17 (" 4", ..., "84", "85+").
std::string_view upperLabel(int ageGroup);
/// Column heading of age-specific tables, 0-19 (" 0-", ..., "85+", "Unk", "All ages").
std::string_view columnHeading(int index);

/// "Male", "Female", "Both sexes", or the children's forms when the range ends below 20 (to < 4).
std::string_view sexLabel(Sex sex, int to);
/// Label of a rate kind 0-5 ("Crude rate", ..., "Number of cases").
std::string_view rateKindLabel(int rateKind);
inline std::string_view rateKindLabel(RateKind kind) { return rateKindLabel(indexOf(kind)); }

/// Text appended to a title for an age range: " (All ages)", " (age 85+)", " (age  0-64)".
std::string ageRangeSuffix(int from, int to);
/// Heading of an open top class below 85+: "75-" becomes "75+".
std::string openTopLabel(int lastAgeGroup);

/// Font faces offered by views, and the point sizes stored by their index.
inline constexpr std::array<std::string_view, 4> kFontFaces = {"MS Sans Serif", "Times New Roman",
                                                               "Arial", "Courier New"};
inline constexpr std::array<int, 15> kFontSizes = {8,  9,  10, 11, 12, 14, 16, 18,
                                                   20, 22, 24, 26, 28, 36, 48};

/// The program's name as shown to users and written into user dictionaries.
inline constexpr std::string_view kProgramName = "ORVELAN";

} // namespace orvelan

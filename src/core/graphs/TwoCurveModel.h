#pragma once

#include "core/data/Codes.h"
#include "core/graphs/NiceScale.h"

#include <optional>
#include <string>

// The graph of a two-curve comparison: the reference (red) and comparison (blue) age-specific
// rates over the compared range.
namespace orvelan {

struct CurvePair;

struct TwoCurveModel {
    std::string referenceLabel;
    std::string comparisonLabel;
    int ageLow = 0;
    int ageHigh = 0;      // the effective last group of the comparison
    bool openTop = false; // ageHigh is the open top class ("75+", "85+")
    AgeArray reference{}; // per 100,000 person-years; 0 where there are no person-years
    AgeArray comparison{};
    double largest = 0.0;         // over both curves in range
    double smallestNonZero = 0.0; // 99999.9 when every rate is 0

    std::optional<LogScale> logScale() const;
    LinearScale linearScale() const;
    /// The label of an age group under the age axis and in the "Values" columns: its lower
    /// label (" 0-" ... "80-"), the open top class with "+" as in every other graph.
    std::string ageLabel(int ageGroup) const;
    /// A value in the "Values" columns: "%8.2f".
    static std::string valueText(double rate);
};

/// The rates of both curves of a computed comparison, with the field texts as labels; openTop
/// when the compared range ends in the open top class (the comparison's openTop).
TwoCurveModel makeTwoCurveModel(const CurvePair& pair, bool openTop,
                                const std::string& referenceLabel,
                                const std::string& comparisonLabel);

} // namespace orvelan

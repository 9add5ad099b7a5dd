#pragma once

#include "core/data/Codes.h"
#include "core/graphs/NiceScale.h"

#include <optional>
#include <string>
#include <vector>

// The age-specific curves graph: one curve per selected population x cancer x sex, with rates
// per 100,000 person-years by age group, all ending at the smallest last age group.
namespace orvelan {

class CIncidenceStore;
struct GraphSettings;

struct AgeCurve {
    int population = 0;
    int cancer = 0;
    Sex sex = Sex::Male;    // one sex; both sexes give two curves
    AgeArray cases{};       // groups above the graph's last age group folded into it
    AgeArray personYears{}; // likewise
    AgeArray rates{};       // per 100,000 person-years; 0 above the last age group
    /// Legend text; "_" separates its lines (population, cancer, sex). Empty with one curve.
    std::string label;
};

struct AgeCurvesModel {
    static constexpr int kMaxCurves = 10;
    /// Start of the value search for the smallest non-zero rate.
    static constexpr double kNoSmallestRate = 99999.9;

    std::string title;
    Sex sexSetting = Sex::Male;   // the template's sex, any stored value kept
    std::vector<AgeCurve> curves; // at most kMaxCurves
    /// Curves the selection asks for; more than kMaxCurves are not built.
    int requestedCurves = 0;
    int lastAgeGroup = kTopAgeGroup; // smallest last age group over the curves
    int ageFrom = 0;                 // the plotted range; a view may narrow it
    int ageTo = kTopAgeGroup;
    int registryCount = 0; // selected registries
    int cancerCount = 0;   // selected cancers that give curves
    int maleOnlyCount = 0; // of those, the male-only ones
    int femaleOnlyCount = 0;

    bool tooManyCurves() const { return requestedCurves > kMaxCurves; }
    /// Largest rate over ageFrom..ageTo of every curve (0 when there is none).
    double largestRate() const;
    /// Smallest non-zero rate over ageFrom..ageTo; kNoSmallestRate when every rate is 0.
    double smallestNonZeroRate() const;
    /// The arithmetic axis: nice scale of (0, largest rate).
    LinearScale linearScale() const;
    /// The logarithmic axis: nice scale of (smallest non-zero, largest); nullopt without data.
    std::optional<LogScale> logScale() const;
    /// The axis text of an age group: its lower label, "-" turned into "+" for the last group.
    std::string ageLabel(int ageGroup) const;
    /// The hover text of a drawn point: "age %s: %.2f" with one curve, "%s, age %s: %.2f"
    /// with the curve's legend label (its "_" kept) with several.
    std::string statusText(int curve, int ageGroup) const;
};

/// Builds the curves from the settings' sex, registry and cancer lists (slots 0-319); the
/// settings' age range is not used: the graph runs from 0 to the last age group. No curve
/// (curves empty) means the graph cannot be drawn.
AgeCurvesModel computeAgeCurves(CIncidenceStore& store, const GraphSettings& settings);

} // namespace orvelan

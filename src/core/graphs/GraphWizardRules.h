#pragma once

#include "core/data/Codes.h"
#include "core/io/IoResult.h"

#include <optional>
#include <string>
#include <vector>

// Counting and checking rules of the graph wizard's pages.
namespace orvelan {

class CUserGroupDictionary;
struct GraphSettings;

/// The checks a graph's choices pass before it is drawn, with the wizard's messages: a bar
/// chart's age range for its rate kind ("Invalid age range", "Age range is invalid for
/// cumulative rate/risk"), then a cancer bar chart's cancer in its sex ("Invalid sex/site
/// combination"; not checked while no cancer is chosen, -1); a pie chart's age range. Empty
/// when they pass. The wizard's pages check their part as they are left, the command line the
/// whole before drawing.
std::optional<std::string> validateGraphSettings(const GraphSettings& settings,
                                                 const CUserGroupDictionary& cancerGroups);
/// The same for a template read from file: a failure "cannot be drawn" naming the file and
/// the check's message, so that a hand-edited template is refused as the wizard would refuse
/// its choices.
IoResult checkGraphTemplateSettings(const std::string& file, const GraphSettings& settings,
                                    const CUserGroupDictionary& cancerGroups);

/// Curves one cancer gives with the checked sexes: a sex counts when it is checked and the
/// cancer occurs in it.
int curvesOfCancer(int cancer, bool male, bool female, const CUserGroupDictionary& cancerGroups);

/// Age-specific curves: selected registries times the curves of each selected cancer.
int curveCount(const SelectionList& registries, const SelectionList& cancers, bool male,
               bool female, const CUserGroupDictionary& cancerGroups);

/// The selected cancers that give at least one curve, in slot order.
std::vector<int> cancersGivingCurves(const SelectionList& cancers, bool male, bool female,
                                     const CUserGroupDictionary& cancerGroups);

/// Sex of the age-specific page: both when both are ticked, male for males only, else female.
Sex ageSpecificSex(bool male, bool female);

/// Bar chart cancer selection: false when a ticked cancer occurs only in the other sex (sex 0
/// or 1).
bool cancersFitSex(const SelectionList& cancers, Sex sex, const CUserGroupDictionary& cancerGroups);

/// The pyramid's basis: 0 (person-years) only for a built-in population with "Person-years"
/// chosen; 1 (average annual) otherwise, and always for user registry groups.
int pyramidBasis(bool personYears, int population);

/// Whether an age range ending at `to` fits a population whose last age group is lastAgeGroup:
/// a range that ends inside the open top class (to >= last, to below 85+) cannot be computed
/// for a rate; numbers of cases (rate kind 5) always fit.
bool ageRangeFitsPopulation(int to, RateKind rateKind, int lastAgeGroup);

/// The pie chart's number of sectors as the wizard takes it: 5 to 11 (at most ten sites and
/// "Other cancers").
inline constexpr int kMinPieSlices = 5;
inline constexpr int kMaxPieSlices = 11;
bool sliceCountAllowed(int sliceCount);

} // namespace orvelan

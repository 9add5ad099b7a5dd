#pragma once

#include "core/data/CIncidenceStore.h"
#include "core/data/Codes.h"
#include "core/rates/IntervalMethod.h"
#include "core/rates/StandardPopulations.h"
#include "core/reports/CTextGrid.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

// Row items, labels and cell texts shared by the grid tables. A registry item is a population
// number (below 272) or 272 + k for user registry group k; a cancer item is a cancer number
// (below 252) or 252 + k for user cancer group k.
namespace orvelan {

/// Every registry a selection list names, in slot order: dictionary rows give their population
/// number (heading rows, which have none, are skipped), user groups stay 272 + k, whether the
/// group exists or not (what a template holds).
std::vector<int> registryValues(const SelectionList& registries);
/// Whether a registry item is a user group beyond the groupCount groups that exist.
bool isMissingRegistryGroup(int item, int groupCount);
/// How such an item is named wherever it is listed.
inline constexpr const char* kNoSuchRegistryGroup = "(no such registry group)";
/// The registries a report runs: registryValues without the missing user groups.
std::vector<int> registryItems(const SelectionList& registries, int groupCount);
/// The missing user groups of registryValues, which a report leaves out.
std::vector<int> missingRegistryGroups(const SelectionList& registries, int groupCount);
/// The one line that says which were left out, e.g. "Left out: 300 (no such registry group)";
/// nothing when none was.
std::optional<std::string> leftOutRegistriesNote(const SelectionList& registries, int groupCount);
/// The number of user registry groups the store knows (none without a dictionary).
int registryGroupCount(const CIncidenceStore& store);
/// The cancers of a selection list in slot order, leaving out those that do not occur in sex.
std::vector<int> cancerItems(const SelectionList& cancers, Sex sex, const CIncidenceStore& store);

/// Whether a cancer or user cancer group occurs in males, or else in females. An unknown group
/// occurs in neither.
bool cancerOccursIn(const CIncidenceStore& store, int cancer, Sex sex);
/// Whether a cancer occurs in one sex only.
bool cancerIsSingleSex(const CIncidenceStore& store, int cancer);

/// A registry's label, with its period of registration when asked, or the group's name.
std::string registryLabel(CIncidenceStore& store, int registry, bool withYears);
/// A cancer's label or the group's name.
std::string cancerLabel(CIncidenceStore& store, int cancer);

/// Loads (registry, cancer, sex), choosing the load by the two numbers.
bool loadItem(CIncidenceStore& store, int registry, int cancer, Sex sex);

/// How a confidence interval is written after a rate.
enum class IntervalStyle {
    None,
    Words,    // "%9.2f (%.2f to %.2f)"
    Brackets, // "%9.2f [%.2f,%.2f]"
};
/// The text of one rate kind over from..to on the loaded series: "N.A." when the engine
/// declines. Limits come by the interval choice; numbers of cases carry them only where the
/// choice gives them exact ones.
std::string rateCellText(CIncidenceStore& store, RateKind kind, int from, int to,
                         IntervalStyle style, const IntervalChoice& intervals = {},
                         const StandardChoice& standards = classicStandards());

/// A grid of one heading row and one label column: the title in the corner, the headings across,
/// then per row item its label followed by its value texts (label first, as labels re-read data).
CTextGrid labelledGrid(const std::string& title, const std::vector<std::string>& headings,
                       const std::vector<int>& rowItems,
                       const std::function<std::string(int item)>& rowLabel,
                       const std::function<std::string(int item, int column)>& cell);

/// The frame the age-specific and the summary rate tables share: rows of the selected registries
/// under one fixed cancer, or of the selected cancers that occur in the table's sex under one
/// fixed registry, each row labelled by its registry or cancer.
struct RateTableRows {
    bool rowsAreRegistries = true;
    Sex sex = Sex::Male;
    int fixedCancer = 0;
    int fixedRegistry = 0;
    bool registryYears = false; // registry labels with their period of registration

    std::vector<int> items(CIncidenceStore& store, const SelectionList& registries,
                           const SelectionList& cancers) const;
    /// The fixed cancer's or registry's label, with which the table's title starts.
    std::string subject(CIncidenceStore& store) const;
    /// Whether the title names the sex: not for the registries of a cancer of one sex.
    bool titleNamesSex(const CIncidenceStore& store) const;
    /// The labelled grid of the rows, its label column named after them.
    CTextGrid grid(CIncidenceStore& store, const std::string& title,
                   const std::vector<std::string>& headings, const std::vector<int>& items,
                   const std::function<std::string(int item, int column)>& cell) const;
};

} // namespace orvelan

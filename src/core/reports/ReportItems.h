#pragma once

#include "core/data/CIncidenceStore.h"
#include "core/data/Codes.h"
#include "core/rates/IntervalMethod.h"
#include "core/rates/StandardPopulations.h"
#include "core/reports/CTextGrid.h"

#include <functional>
#include <string>
#include <vector>

// Row items, labels and cell texts shared by the grid tables. A registry item is a population
// number (below 272) or 272 + k for user registry group k; a cancer item is a cancer number
// (below 252) or 252 + k for user cancer group k.
namespace orvelan {

/// The registries of a selection list in slot order: dictionary rows give their population
/// number (heading rows, which have none, are skipped), user groups stay 272 + k.
std::vector<int> registryItems(const SelectionList& registries);
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

} // namespace orvelan

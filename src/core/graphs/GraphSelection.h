#pragma once

#include "core/data/CCancerDictionary.h"
#include "core/data/Codes.h"

#include <vector>

// How the graph models read the wizard's selection lists.
namespace orvelan {

class CIncidenceStore;

/// Population numbers of the selected registry slots 0..lastSlot, in slot order: a slot at or
/// beyond 272 holds its group's population number, a lower slot names a registry dictionary
/// row. Heading rows (continents, countries) are no population and are skipped.
std::vector<int> selectedPopulations(const SelectionList& registries, int lastSlot);

/// Cancer numbers of the selected cancer slots 0..lastSlot, in number order.
std::vector<int> selectedCancers(const SelectionList& cancers, int lastSlot);

/// The sexes a cancer occurs in, with the store's user cancer groups.
SexApplicability sexApplicability(const CIncidenceStore& store, int cancer);

} // namespace orvelan

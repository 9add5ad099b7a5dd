#include "core/graphs/GraphSelection.h"

#include "core/data/CCancerDictionary.h"
#include "core/data/CIncidenceStore.h"
#include "core/data/CRegistryDictionary.h"
#include "core/data/CUserGroupDictionary.h"

#include <algorithm>

namespace orvelan {

std::vector<int> selectedPopulations(const SelectionList& registries, int lastSlot) {
    std::vector<int> populations;
    const int last = std::min(lastSlot, kSelectionListSize - 1);
    for (int slot = 0; slot <= last; ++slot) {
        const int value = registries[static_cast<std::size_t>(slot)];
        if (value < 0) {
            continue;
        }
        if (value >= kFirstRegistryGroup) {
            populations.push_back(value);
        } else if (slot < kRegistryRowCount) {
            const int population = CRegistryDictionary::populationNumber(slot);
            if (isDictionaryPopulation(population)) {
                populations.push_back(population);
            }
        }
    }
    return populations;
}

std::vector<int> selectedCancers(const SelectionList& cancers, int lastSlot) {
    std::vector<int> numbers;
    const int last = std::min(lastSlot, kSelectionListSize - 1);
    for (int slot = 0; slot <= last; ++slot) {
        if (cancers[static_cast<std::size_t>(slot)] >= 0) {
            numbers.push_back(slot);
        }
    }
    return numbers;
}

SexApplicability sexApplicability(const CIncidenceStore& store, int cancer) {
    return CCancerDictionary::sexesOf(cancer, store.cancerGroups());
}

} // namespace orvelan

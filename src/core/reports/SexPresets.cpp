#include "core/reports/SexPresets.h"

#include "core/data/CCancerDictionary.h"

#include <cstddef>

namespace orvelan {

SexPreset sexPresetFor(const std::vector<int>& cancers, const CUserGroupDictionary& cancerGroups) {
    SexPreset preset;
    if (cancers.empty()) {
        return preset;
    }
    bool anyMale = false;
    bool anyFemale = false;
    for (int cancer : cancers) {
        anyMale = anyMale || CCancerDictionary::occursIn(cancer, Sex::Male, &cancerGroups);
        anyFemale = anyFemale || CCancerDictionary::occursIn(cancer, Sex::Female, &cancerGroups);
    }
    preset.femaleDisabled = !anyFemale;
    preset.maleDisabled = !anyMale && anyFemale;
    return preset;
}

std::vector<int> selectedItems(const SelectionList& list) {
    std::vector<int> items;
    for (std::size_t slot = 0; slot < list.size(); ++slot) {
        if (list[slot] >= 0) {
            items.push_back(static_cast<int>(slot));
        }
    }
    return items;
}

} // namespace orvelan

#pragma once

#include "core/data/Codes.h"

#include <vector>

// How the wizards' "Male" and "Female" boxes start: a sex in which none of the chosen cancers
// occurs is cleared and disabled, and the other sex is ticked.
namespace orvelan {

class CUserGroupDictionary;

struct SexPreset {
    bool maleDisabled = false;   // every cancer is invalid for males: "Female" set
    bool femaleDisabled = false; // every cancer is invalid for females: "Male" set
};

/// The preset for a set of cancer numbers (user groups answer by their sex flags); an empty
/// set disables nothing.
SexPreset sexPresetFor(const std::vector<int>& cancers, const CUserGroupDictionary& cancerGroups);

/// The cancer numbers selected in a list, in slot order.
std::vector<int> selectedItems(const SelectionList& list);

} // namespace orvelan

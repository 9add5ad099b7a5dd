#pragma once

#include "core/data/Codes.h"

// Selection lists name user groups by position, so every copy of a list into a wizard or a
// template keeps only the slots of groups that exist now.
namespace orvelan {

/// The list with every slot at or beyond firstGroupSlot + groupCount set to -1.
inline SelectionList boundedSelection(const SelectionList& list, int firstGroupSlot,
                                      int groupCount) {
    SelectionList bounded = list;
    for (int slot = firstGroupSlot + groupCount; slot < kSelectionListSize; ++slot) {
        if (slot >= 0) {
            bounded[static_cast<std::size_t>(slot)] = -1;
        }
    }
    return bounded;
}

/// A registry list bounded by the number of user registry groups.
inline SelectionList boundedRegistries(const SelectionList& list, int registryGroupCount) {
    return boundedSelection(list, kFirstRegistryGroup, registryGroupCount);
}

/// A cancer list bounded by the number of user cancer groups.
inline SelectionList boundedCancers(const SelectionList& list, int cancerGroupCount) {
    return boundedSelection(list, kFirstCancerGroup, cancerGroupCount);
}

} // namespace orvelan

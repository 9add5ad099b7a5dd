#pragma once

#include "core/app/RememberedBlocks.h"
#include "core/data/CUserGroupDictionary.h"
#include "core/data/Codes.h"

#include <optional>

// Remembered choices name user groups by number (252 + k, 272 + k). Deleting group k shifts
// every later group down by one, so the remembered numbers follow their groups: a number that
// named the deleted group is cleared, a number above it is lowered by one.
namespace orvelan {

/// The number after group `deleted` (counted from the first group number) went: unchanged
/// below it, nullopt for the deleted group itself, one less above it.
std::optional<int> numberAfterGroupDeleted(int number, int firstGroupNumber, int deleted);

/// A selection list after the deletion: the deleted group's slot is cleared and every later
/// group slot moves down one place, keeping "selected slots hold their own index".
SelectionList listAfterGroupDeleted(const SelectionList& list, int firstGroupNumber, int deleted);

/// Applies the deletion of group `deleted` of the given kind to every remembered wizard block.
/// Single numbers that named the deleted group fall back to their start values (cancer 0,
/// population 0; the statistics wizard's comparison curve to "none").
void forgetDeletedGroup(RememberedBlocks& blocks, GroupKind kind, int deleted);

} // namespace orvelan

#pragma once

#include "core/data/Codes.h"

#include <string>
#include <vector>

// The registry and cancer trees of the selection pages and dialogs, described without any
// widget: what each item shows and carries, and what clicks and buttons do to a selection list.
namespace orvelan {

class CUserGroupDictionary;

enum class TreeKind { Registry, Cancer };

/// State images of tree items; what the user sees as a tick box or a heading mark.
enum class StateImage : int {
    None = 0,            // the root
    Unticked = 1,        // becomes Ticked on a click
    Ticked = 2,          // becomes Unticked
    Heading = 3,         // registry heading without a population of its own; no reaction
    Folder = 4,          // continent, "User-defined registries", "User-defined cancers"
    GroupUnticked = 5,   // user-defined group
    GroupTicked = 6,     //
    SpecialUnticked = 7, // specialised registry (registry trees only)
    SpecialTicked = 8,   //
};

/// One tree item. value: the slot (multiple choice) or the population or cancer number (one
/// choice); -1 on items that cannot be chosen.
struct SelectionNode {
    std::string text;
    int value = -1;
    StateImage image = StateImage::None;
    bool bold = false;
    /// Shown ticked: the tree makes such items current as they are inserted.
    bool ticked = false;
    std::vector<SelectionNode> children;
};

inline constexpr const char* kUserRegistriesHeading = "User-defined registries";
inline constexpr const char* kUserCancersHeading = "User-defined cancers";

/// Multiple-choice registry tree: values are slots, ticks from the list. groups may be null
/// (trees of the group dialogs, where groups cannot hold groups).
SelectionNode buildRegistryTree(const SelectionList& list, const CUserGroupDictionary* groups);
/// One-choice registry tree: values are population numbers (272 + k for groups), headings -1;
/// the fixed population is ticked.
SelectionNode buildRegistryChoiceTree(int fixedPopulation, const CUserGroupDictionary* groups);
/// Multiple-choice cancer tree: values are slots.
SelectionNode buildCancerTree(const SelectionList& list, const CUserGroupDictionary* groups);
/// One-choice cancer tree: values are cancer numbers; the fixed cancer is ticked.
SelectionNode buildCancerChoiceTree(int fixedCancer, const CUserGroupDictionary* groups);

/// Whether the image reacts to clicks on this kind of tree as an unticked or ticked box.
bool isUntickedImage(TreeKind kind, StateImage image);
bool isTickedImage(TreeKind kind, StateImage image);
/// The ticked form of an unticked image and back; other images stay as they are.
StateImage toggledImage(TreeKind kind, StateImage image);

/// A left click on an item: toggles a tick box and sets its slot to its value or to -1.
/// Returns the item's new image (unchanged for negative values and headings).
StateImage clickItem(TreeKind kind, int value, StateImage image, SelectionList& list);

/// A direct child as the right-click rule sees it.
struct ChildState {
    int value = -1;
    StateImage image = StateImage::None;
};

/// Whether a right click on an item acts at all: registry trees ignore only their root (the
/// "User-defined registries" heading acts), cancer trees every item with a negative value.
bool rightClickActs(TreeKind kind, bool isRoot, int value);

/// A right click on an item with children ticks every unticked direct child with a value of
/// 0 or more and sets its slot; it never unticks. Returns the children's new images.
std::vector<StateImage> rightClickItem(TreeKind kind, const std::vector<ChildState>& children,
                                       SelectionList& list);

/// "Clear selection".
void clearSelection(SelectionList& list);
/// "Select all registries": every population row and every user registry group.
void selectAllRegistries(SelectionList& list, int registryGroupCount);
/// "Select all cancers": every compiled cancer and every user cancer group.
void selectAllCancers(SelectionList& list, int cancerGroupCount);
/// "Select ICD-10 rubrics": every level-1 cancer without a parent, and "Breast".
void selectIcd10Rubrics(SelectionList& list);

/// Number of selected slots.
int selectedCount(const SelectionList& list);

} // namespace orvelan

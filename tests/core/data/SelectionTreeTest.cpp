#include "core/data/SelectionTree.h"

#include "FixtureData.h"
#include "TempDir.h"
#include "core/data/CUserGroupDictionary.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace orvelan {
namespace {

using test::TempDir;

/// The first node, depth first, that pred accepts.
template <typename Pred> const SelectionNode* findNode(const SelectionNode& node, Pred pred) {
    if (pred(node)) {
        return &node;
    }
    for (const SelectionNode& child : node.children) {
        if (const SelectionNode* found = findNode(child, pred)) {
            return found;
        }
    }
    return nullptr;
}

const SelectionNode* findText(const SelectionNode& node, const std::string& text) {
    return findNode(node, [&text](const SelectionNode& n) { return n.text == text; });
}

const SelectionNode* findValue(const SelectionNode& node, int value) {
    return findNode(node, [value](const SelectionNode& n) { return n.value == value; });
}

int countNodes(const SelectionNode& node) {
    int count = 1;
    for (const SelectionNode& child : node.children) {
        count += countNodes(child);
    }
    return count;
}

struct WithGroups : ::testing::Test {
    TempDir dir;
    CUserGroupDictionary registries{GroupKind::Registry};
    CUserGroupDictionary cancers{GroupKind::Cancer};
    void SetUp() override {
        EXPECT_TRUE(registries.load(dir.file("POPuser.dic")).ok());
        EXPECT_TRUE(cancers.load(dir.file("ICDuser.dic")).ok());
        ASSERT_TRUE(registries.append("Nordic", {43, 50}));
        ASSERT_TRUE(registries.append("Iberia", {180, 181}));
        ASSERT_TRUE(cancers.append("Gynaecological", {117, 118, 119}));
    }
};

TEST(RegistryTree, ShapeTextsAndImagesFollowTheDictionary) {
    const SelectionNode root = buildRegistryTree(test::selectSlots({5, 17, 49}), nullptr);
    EXPECT_EQ(root.text, "ORVELAN registries");
    EXPECT_TRUE(root.bold);
    ASSERT_EQ(root.children.size(), 6u); // continents; no group node without groups
    EXPECT_EQ(root.children[0].text, "Africa");
    EXPECT_EQ(root.children[0].image, StateImage::Folder);
    EXPECT_TRUE(root.children[0].bold);
    EXPECT_EQ(countNodes(root), 1 + 272);

    const SelectionNode* gambia = findValue(root, 5); // country that is one population
    ASSERT_NE(gambia, nullptr);
    EXPECT_EQ(gambia->text, "The Gambia");
    EXPECT_EQ(gambia->image, StateImage::Ticked);
    EXPECT_TRUE(gambia->ticked);
    const SelectionNode* mali = findValue(root, 6); // country heading
    EXPECT_EQ(mali->image, StateImage::Heading);
    ASSERT_EQ(mali->children.size(), 1u);
    EXPECT_EQ(mali->children[0].text, "Bamako");
    EXPECT_EQ(mali->children[0].image, StateImage::Unticked);

    const SelectionNode* losAngeles = findText(root, "California, Los Angeles");
    ASSERT_NE(losAngeles, nullptr);
    EXPECT_EQ(losAngeles->children.size(), 7u); // its sub-populations
    EXPECT_EQ(findValue(root, 49)->image, StateImage::Ticked);

    EXPECT_EQ(findText(root, "Changle")->image, StateImage::SpecialUnticked);
}

TEST_F(WithGroups, GroupsFormTheLastNodeWithTheirOwnImages) {
    const SelectionNode root = buildRegistryTree(test::selectSlots({273}), &registries);
    const SelectionNode& folder = root.children.back();
    EXPECT_EQ(folder.text, "User-defined registries");
    EXPECT_EQ(folder.image, StateImage::Folder);
    EXPECT_EQ(folder.value, -1);
    ASSERT_EQ(folder.children.size(), 2u);
    EXPECT_EQ(folder.children[0].text, "Nordic");
    EXPECT_EQ(folder.children[0].value, 272);
    EXPECT_EQ(folder.children[0].image, StateImage::GroupUnticked);
    EXPECT_EQ(folder.children[1].image, StateImage::GroupTicked);
    EXPECT_TRUE(folder.children[1].ticked);

    const SelectionNode cancerRoot = buildCancerTree(test::selectSlots({252}), &cancers);
    EXPECT_EQ(cancerRoot.text, "ORVELAN cancer sites");
    EXPECT_EQ(cancerRoot.value, -1);
    EXPECT_EQ(cancerRoot.children.back().text, "User-defined cancers");
    EXPECT_EQ(cancerRoot.children.back().children[0].image, StateImage::GroupTicked);
}

TEST_F(WithGroups, ChoiceTreesCarryPopulationNumbersAndTickTheFixedItem) {
    const SelectionNode root = buildRegistryChoiceTree(31, &registries);
    EXPECT_EQ(root.value, -1);
    EXPECT_EQ(root.children[0].value, -1); // continents cannot be chosen
    const SelectionNode* mali = findText(root, "Mali");
    EXPECT_EQ(mali->value, -1);
    EXPECT_EQ(mali->image, StateImage::Heading);
    EXPECT_EQ(findText(root, "Bamako")->value, 3);
    const SelectionNode* lastTicked = findValue(root, 31);
    EXPECT_EQ(lastTicked->text, "Non-Hispanic White");
    EXPECT_EQ(lastTicked->image, StateImage::Ticked);

    const SelectionNode groupFixed = buildRegistryChoiceTree(273, &registries);
    EXPECT_EQ(findValue(groupFixed, 273)->image, StateImage::GroupTicked);
    EXPECT_EQ(findValue(groupFixed, 31)->image, StateImage::Unticked);

    const SelectionNode cancerRoot = buildCancerChoiceTree(237, nullptr);
    EXPECT_EQ(findValue(cancerRoot, 237)->text, "Lymphoid leukaemia acute");
    EXPECT_EQ(findValue(cancerRoot, 237)->image, StateImage::Ticked);
}

TEST(CancerTree, LevelsNestAsTheDictionaryOrdersThem) {
    const SelectionNode root = buildCancerTree(emptySelectionList(), nullptr);
    ASSERT_EQ(root.children.size(), 15u); // chapters
    EXPECT_EQ(root.children[0].text, "All sites");
    EXPECT_TRUE(root.children[0].bold);
    EXPECT_EQ(countNodes(root), 1 + 252);
    const SelectionNode* tongue = findValue(root, 4);
    ASSERT_EQ(tongue->children.size(), 2u);
    EXPECT_EQ(tongue->children[0].text, "Tongue, base of");
    const SelectionNode* lymphoid = findValue(root, 236);
    EXPECT_EQ(lymphoid->children.size(), 4u); // level-3 rows under a level-2 row
}

struct ClickCase {
    TreeKind kind;
    StateImage before;
    StateImage after;
    int slotValue; // the slot's value after the click
};

TEST(Click, TogglesTickBoxesAndLeavesHeadingsAlone) {
    const std::vector<ClickCase> cases = {
        {TreeKind::Registry, StateImage::Unticked, StateImage::Ticked, 40},
        {TreeKind::Registry, StateImage::Ticked, StateImage::Unticked, -1},
        {TreeKind::Registry, StateImage::GroupUnticked, StateImage::GroupTicked, 40},
        {TreeKind::Registry, StateImage::GroupTicked, StateImage::GroupUnticked, -1},
        {TreeKind::Registry, StateImage::SpecialUnticked, StateImage::SpecialTicked, 40},
        {TreeKind::Registry, StateImage::SpecialTicked, StateImage::SpecialUnticked, -1},
        {TreeKind::Registry, StateImage::Heading, StateImage::Heading, 7},
        {TreeKind::Registry, StateImage::Folder, StateImage::Folder, 7},
        {TreeKind::Cancer, StateImage::Unticked, StateImage::Ticked, 40},
        {TreeKind::Cancer, StateImage::SpecialUnticked, StateImage::SpecialUnticked, 7},
        {TreeKind::Cancer, StateImage::None, StateImage::None, 7},
    };
    for (const ClickCase& c : cases) {
        SelectionList list = emptySelectionList();
        list[40] = 7; // a marker that only a real toggle changes
        EXPECT_EQ(clickItem(c.kind, 40, c.before, list), c.after);
        EXPECT_EQ(list[40], c.slotValue) << static_cast<int>(c.before);
    }
    SelectionList list = emptySelectionList();
    EXPECT_EQ(clickItem(TreeKind::Registry, -1, StateImage::Unticked, list), StateImage::Unticked);
    EXPECT_EQ(selectedCount(list), 0);
}

TEST(RightClick, TicksUntickedChildrenAndNeverUnticks) {
    SelectionList list = test::selectSlots({11});
    const std::vector<ChildState> children = {{10, StateImage::Unticked},
                                              {11, StateImage::Ticked},
                                              {12, StateImage::Heading},
                                              {13, StateImage::SpecialUnticked},
                                              {-1, StateImage::Unticked}};
    const std::vector<StateImage> images = rightClickItem(TreeKind::Registry, children, list);
    EXPECT_EQ(images,
              (std::vector<StateImage>{StateImage::Ticked, StateImage::Ticked, StateImage::Heading,
                                       StateImage::SpecialTicked, StateImage::Unticked}));
    EXPECT_EQ(list[10], 10);
    EXPECT_EQ(list[11], 11);
    EXPECT_EQ(list[12], -1);
    EXPECT_EQ(list[13], 13);
    EXPECT_EQ(selectedCount(list), 3);

    EXPECT_TRUE(rightClickActs(TreeKind::Registry, false, 0));  // Africa carries slot 0
    EXPECT_TRUE(rightClickActs(TreeKind::Registry, false, -1)); // "User-defined registries"
    EXPECT_FALSE(rightClickActs(TreeKind::Registry, true, 0));  // the root
    EXPECT_FALSE(rightClickActs(TreeKind::Cancer, false, -1));  // "User-defined cancers"
    EXPECT_TRUE(rightClickActs(TreeKind::Cancer, false, 0));
}

TEST(Buttons, SelectAllRegistriesTicksPopulationsAndGroupsButNoHeading) {
    SelectionList list = test::selectSlots({1});
    selectAllRegistries(list, 2);
    EXPECT_EQ(selectedCount(list), 229 + 2);
    EXPECT_EQ(list[0], -1); // continent
    EXPECT_EQ(list[1], -1); // Algeria heading
    EXPECT_EQ(list[2], 2);  // Algiers
    EXPECT_EQ(list[5], 5);  // The Gambia, a country that is one population
    EXPECT_EQ(list[273], 273);
    EXPECT_EQ(list[274], -1);
}

TEST(Buttons, SelectAllCancersIcd10RubricsAndClear) {
    SelectionList list = emptySelectionList();
    selectAllCancers(list, 1);
    EXPECT_EQ(selectedCount(list), 253);
    EXPECT_EQ(list[252], 252);

    selectIcd10Rubrics(list);
    EXPECT_EQ(list[115], 115); // Breast, a chapter
    EXPECT_EQ(list[34], 34);   // Stomach
    EXPECT_EQ(list[0], -1);    // All sites, a chapter
    EXPECT_EQ(list[1], 1);     // All sites but skin
    EXPECT_EQ(list[13], -1);   // Parotid gland: level 2 without parent
    EXPECT_EQ(list[91], -1);   // Osteosarcoma: level 1 under "Bone"
    EXPECT_EQ(list[252], -1);
    EXPECT_EQ(selectedCount(list), 68); // 75 sites less the 8 bone morphologies, and Breast

    clearSelection(list);
    EXPECT_EQ(selectedCount(list), 0);
}

} // namespace
} // namespace orvelan

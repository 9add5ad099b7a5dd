#include "core/data/SelectionTree.h"

#include "core/data/CCancerDictionary.h"
#include "core/data/CRegistryDictionary.h"
#include "core/data/CUserGroupDictionary.h"

#include <cstddef>
#include <functional>
#include <string>
#include <utility>

namespace orvelan {

namespace {

constexpr int kBreast = 115; // a chapter without subsites that counts as an ICD-10 rubric

bool isSelected(const SelectionList& list, int slot) {
    return slot >= 0 && slot < kSelectionListSize && list[static_cast<std::size_t>(slot)] >= 0;
}

void setSlot(SelectionList& list, int slot, int value) {
    if (slot >= 0 && slot < kSelectionListSize) {
        list[static_cast<std::size_t>(slot)] = value;
    }
}

StateImage tickImage(bool ticked, bool special) {
    if (special) {
        return ticked ? StateImage::SpecialTicked : StateImage::SpecialUnticked;
    }
    return ticked ? StateImage::Ticked : StateImage::Unticked;
}

/// Places nodes of levels 0-3 under the nearest node of a lower level above them, as the
/// dictionaries list their rows in tree order.
class CLevelStack {
  public:
    explicit CLevelStack(SelectionNode& root) : m_root(root) {}

    void add(int level, SelectionNode node) {
        while (!m_path.empty() && m_path.back().first >= level) {
            m_path.pop_back();
        }
        SelectionNode& parent = m_path.empty() ? m_root : *m_path.back().second;
        parent.children.push_back(std::move(node));
        // Children are appended only below the deepest open node, so this pointer stays valid
        // until the node is popped.
        m_path.emplace_back(level, &parent.children.back());
    }

  private:
    SelectionNode& m_root;
    std::vector<std::pair<int, SelectionNode*>> m_path;
};

SelectionNode makeNode(std::string text, int value, StateImage image, bool ticked) {
    SelectionNode node;
    node.text = std::move(text);
    node.value = value;
    node.image = image;
    node.ticked = ticked;
    return node;
}

/// Registry rows: multiple choice keeps slots, one choice population numbers.
SelectionNode registryRows(const std::string& rootText, bool oneChoice,
                           const std::function<bool(int row)>& tickedRow) {
    SelectionNode root;
    root.text = rootText;
    root.bold = true;
    root.value = oneChoice ? -1 : 0;
    CLevelStack stack(root);
    for (int row = 0; row < kRegistryRowCount; ++row) {
        const int level = CRegistryDictionary::level(row);
        const int population = CRegistryDictionary::populationNumber(row);
        const std::string text(CRegistryDictionary::caption(row));
        if (level == 0) {
            SelectionNode node = makeNode(text, oneChoice ? -1 : row, StateImage::Folder, false);
            node.bold = true;
            stack.add(level, std::move(node));
            continue;
        }
        if (population == CRegistryDictionary::kNoPopulation) {
            stack.add(level, makeNode(text, oneChoice ? -1 : row, StateImage::Heading, false));
            continue;
        }
        const bool ticked = tickedRow(row);
        const bool special = level == 2 && CRegistryDictionary::isFlagged(population);
        stack.add(level,
                  makeNode(text, oneChoice ? population : row, tickImage(ticked, special), ticked));
    }
    return root;
}

void addGroups(SelectionNode& root, const char* heading, int firstSlot,
               const CUserGroupDictionary* groups, const std::function<bool(int value)>& ticked) {
    if (groups == nullptr || groups->count() == 0) {
        return;
    }
    SelectionNode folder = makeNode(heading, -1, StateImage::Folder, false);
    folder.bold = true;
    for (int k = 0; k < groups->count(); ++k) {
        const int value = firstSlot + k;
        const bool on = ticked(value);
        folder.children.push_back(makeNode(groups->group(k).trimmedName(), value,
                                           on ? StateImage::GroupTicked : StateImage::GroupUnticked,
                                           on));
    }
    root.children.push_back(std::move(folder));
}

std::string rootText(const char* what) { return std::string(kProgramName) + " " + what; }

SelectionNode cancerRows(const std::function<bool(int cancer)>& ticked) {
    SelectionNode root;
    root.text = rootText("cancer sites");
    root.bold = true;
    root.value = -1;
    CLevelStack stack(root);
    for (int cancer = 0; cancer < kCancerCount; ++cancer) {
        const int level = CCancerDictionary::level(cancer);
        const bool on = ticked(cancer);
        SelectionNode node =
            makeNode(CCancerDictionary::label(cancer), cancer, tickImage(on, false), on);
        node.bold = level == 0;
        stack.add(level, std::move(node));
    }
    return root;
}

} // namespace

SelectionNode buildRegistryTree(const SelectionList& list, const CUserGroupDictionary* groups) {
    SelectionNode root = registryRows(rootText("registries"), false,
                                      [&list](int row) { return isSelected(list, row); });
    addGroups(root, kUserRegistriesHeading, kFirstRegistryGroup, groups,
              [&list](int slot) { return isSelected(list, slot); });
    return root;
}

SelectionNode buildRegistryChoiceTree(int fixedPopulation, const CUserGroupDictionary* groups) {
    SelectionNode root = registryRows(rootText("registries"), true, [fixedPopulation](int row) {
        return CRegistryDictionary::populationNumber(row) == fixedPopulation;
    });
    addGroups(root, kUserRegistriesHeading, kFirstRegistryGroup, groups,
              [fixedPopulation](int value) { return value == fixedPopulation; });
    return root;
}

SelectionNode buildCancerTree(const SelectionList& list, const CUserGroupDictionary* groups) {
    SelectionNode root = cancerRows([&list](int cancer) { return isSelected(list, cancer); });
    addGroups(root, kUserCancersHeading, kFirstCancerGroup, groups,
              [&list](int slot) { return isSelected(list, slot); });
    return root;
}

SelectionNode buildCancerChoiceTree(int fixedCancer, const CUserGroupDictionary* groups) {
    SelectionNode root = cancerRows([fixedCancer](int cancer) { return cancer == fixedCancer; });
    addGroups(root, kUserCancersHeading, kFirstCancerGroup, groups,
              [fixedCancer](int value) { return value == fixedCancer; });
    return root;
}

bool isUntickedImage(TreeKind kind, StateImage image) {
    return image == StateImage::Unticked || image == StateImage::GroupUnticked ||
           (kind == TreeKind::Registry && image == StateImage::SpecialUnticked);
}

bool isTickedImage(TreeKind kind, StateImage image) {
    return image == StateImage::Ticked || image == StateImage::GroupTicked ||
           (kind == TreeKind::Registry && image == StateImage::SpecialTicked);
}

StateImage toggledImage(TreeKind kind, StateImage image) {
    if (isUntickedImage(kind, image)) {
        return static_cast<StateImage>(static_cast<int>(image) + 1);
    }
    if (isTickedImage(kind, image)) {
        return static_cast<StateImage>(static_cast<int>(image) - 1);
    }
    return image;
}

StateImage clickItem(TreeKind kind, int value, StateImage image, SelectionList& list) {
    if (value < 0) {
        return image;
    }
    if (isUntickedImage(kind, image)) {
        setSlot(list, value, value);
    } else if (isTickedImage(kind, image)) {
        setSlot(list, value, -1);
    }
    return toggledImage(kind, image);
}

bool rightClickActs(TreeKind kind, bool isRoot, int value) {
    return kind == TreeKind::Registry ? !isRoot : value >= 0;
}

std::vector<StateImage> rightClickItem(TreeKind kind, const std::vector<ChildState>& children,
                                       SelectionList& list) {
    std::vector<StateImage> images;
    images.reserve(children.size());
    for (const ChildState& child : children) {
        if (child.value >= 0 && isUntickedImage(kind, child.image)) {
            setSlot(list, child.value, child.value);
            images.push_back(toggledImage(kind, child.image));
        } else {
            images.push_back(child.image);
        }
    }
    return images;
}

void clearSelection(SelectionList& list) { list = emptySelectionList(); }

void selectAllRegistries(SelectionList& list, int registryGroupCount) {
    clearSelection(list);
    for (int row = 0; row < kRegistryRowCount; ++row) {
        const int population = CRegistryDictionary::populationNumber(row);
        if (population >= 0 && population < kPopulationCount) {
            setSlot(list, row, row);
        }
    }
    for (int k = 0; k < registryGroupCount; ++k) {
        setSlot(list, kFirstRegistryGroup + k, kFirstRegistryGroup + k);
    }
}

void selectAllCancers(SelectionList& list, int cancerGroupCount) {
    clearSelection(list);
    for (int slot = 0; slot < kFirstCancerGroup + cancerGroupCount; ++slot) {
        setSlot(list, slot, slot);
    }
}

void selectIcd10Rubrics(SelectionList& list) {
    clearSelection(list);
    for (int cancer = 0; cancer < kCancerCount; ++cancer) {
        if (CCancerDictionary::level(cancer) == 1 &&
            CCancerDictionary::parent(cancer) == CCancerDictionary::kNoParent) {
            setSlot(list, cancer, cancer);
        }
    }
    setSlot(list, kBreast, kBreast);
}

int selectedCount(const SelectionList& list) {
    int count = 0;
    for (int value : list) {
        count += value >= 0 ? 1 : 0;
    }
    return count;
}

} // namespace orvelan

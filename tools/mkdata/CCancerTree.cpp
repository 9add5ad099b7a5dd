#include "CCancerTree.h"

#include "core/data/CCancerDictionary.h"
#include "core/data/Codes.h"

#include <cstddef>

namespace orvelan::mkdata {

namespace {

std::size_t index(int cancer) { return static_cast<std::size_t>(cancer); }

bool isTotal(int cancer) {
    return cancer == CCancerTree::kAllSites || cancer == CCancerTree::kAllSitesButSkin;
}

} // namespace

CCancerTree::CCancerTree()
    : m_children(index(kCancerCount)), m_partitions(index(kCancerCount)),
      m_parents(index(kCancerCount), -1) {
    for (int cancer = 0; cancer < kCancerCount; ++cancer) {
        if (isTotal(cancer)) {
            continue;
        }
        const int level = CCancerDictionary::level(cancer);
        if (level == 0) {
            m_chapters.push_back(cancer);
        }
        for (int below = cancer + 1; below < kCancerCount; ++below) {
            const int belowLevel = CCancerDictionary::level(below);
            if (belowLevel <= level) {
                break;
            }
            if (belowLevel == level + 1) {
                m_children[index(cancer)].push_back(below);
                m_parents[index(below)] = cancer;
            }
        }
        std::vector<int> topography;
        std::vector<int> morphology;
        for (const int child : m_children[index(cancer)]) {
            (CCancerDictionary::isMorphology(child) ? morphology : topography).push_back(child);
        }
        for (auto* group : {&topography, &morphology}) {
            if (!group->empty()) {
                m_partitions[index(cancer)].push_back(*group);
            }
        }
    }
}

const std::vector<int>& CCancerTree::children(int cancer) const {
    return m_children.at(index(cancer));
}

const std::vector<std::vector<int>>& CCancerTree::partitions(int cancer) const {
    return m_partitions.at(index(cancer));
}

int CCancerTree::parent(int cancer) const { return m_parents.at(index(cancer)); }

bool CCancerTree::isWithin(int cancer, int ancestor) const {
    if (ancestor == kAllSites) {
        return !isTotal(cancer);
    }
    for (int row = cancer; row >= 0; row = parent(row)) {
        if (row == ancestor) {
            return true;
        }
    }
    return false;
}

int CCancerTree::chapterOf(int cancer) const {
    int row = cancer;
    while (parent(row) >= 0) {
        row = parent(row);
    }
    return row;
}

} // namespace orvelan::mkdata

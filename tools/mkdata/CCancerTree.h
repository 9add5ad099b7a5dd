#pragma once

#include <vector>

namespace orvelan::mkdata {

/// The cancer dictionary read as a tree: which rows lie directly below which, and how the rows
/// below a row divide into complete partitions (by topography, and separately by morphology).
class CCancerTree {
  public:
    static constexpr int kAllSites = 0;
    static constexpr int kAllSitesButSkin = 1;
    static constexpr int kOtherSkin = 108;

    CCancerTree();

    /// Rows one level below a row, up to the end of its subtree. "All sites" and "All sites but
    /// skin" are kept out of the tree: they are totals of the chapters.
    const std::vector<int>& children(int cancer) const;
    /// The children split into complete partitions: topography rows, then morphology rows.
    const std::vector<std::vector<int>>& partitions(int cancer) const;
    /// The row directly above a row; -1 for chapters and the two totals.
    int parent(int cancer) const;
    /// The chapters (level 0) that make up "All sites".
    const std::vector<int>& chapters() const { return m_chapters; }
    /// True when a row is the ancestor itself or lies below it; everything lies below All sites.
    bool isWithin(int cancer, int ancestor) const;
    /// The chapter a row belongs to.
    int chapterOf(int cancer) const;

  private:
    std::vector<std::vector<int>> m_children;
    std::vector<std::vector<std::vector<int>>> m_partitions;
    std::vector<int> m_parents;
    std::vector<int> m_chapters;
};

} // namespace orvelan::mkdata

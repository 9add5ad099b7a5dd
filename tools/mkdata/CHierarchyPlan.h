#pragma once

#include "CCancerTree.h"

#include <array>
#include <string>
#include <vector>

namespace orvelan::mkdata {

/// How every cancer row gets its cases: drawn (a modelled site), summed from one complete
/// partition of the rows below it, or split from the row above it. Built once from the tree and
/// the model tables, and checked: every row is reached exactly once.
class CHierarchyPlan {
  public:
    /// Age bands of the split shares: 0-14, 15-44, 45 and over (unknown age counts as 45+).
    static constexpr int kBandCount = 3;
    static int bandOf(int ageGroup);

    struct Sum {
        int cancer;
        std::vector<int> parts;
    };
    struct Split {
        int parent;
        std::vector<int> parts;
        /// Weights of the parts by sex (0, 1) and band, for verified and unverified cases.
        std::array<std::array<std::vector<double>, kBandCount>, 2> verified;
        std::array<std::array<std::vector<double>, kBandCount>, 2> unverified;
    };

    explicit CHierarchyPlan(const CCancerTree& tree);

    const CCancerTree& tree() const { return m_tree; }
    /// Rows drawn directly, in cancer-number order.
    const std::vector<int>& modelledSites() const { return m_modelled; }
    /// Rows summed from one partition, deepest first.
    const std::vector<Sum>& sums() const { return m_sums; }
    /// Partitions filled by splitting their parent, parents before children.
    const std::vector<Split>& splits() const { return m_splits; }
    /// Faults of the model tables against the dictionary; empty when the plan is complete.
    const std::vector<std::string>& problems() const { return m_problems; }

  private:
    void markDetermined(std::vector<bool>& determined);
    void planRow(int cancer, const std::vector<bool>& determined, std::vector<bool>& reached);
    Split makeSplit(int parent, const std::vector<int>& parts);
    void problem(const std::string& text) { m_problems.push_back(text); }

    const CCancerTree& m_tree;
    std::vector<int> m_modelled;
    std::vector<Sum> m_sums;
    std::vector<Split> m_splits;
    std::vector<std::string> m_problems;
};

} // namespace orvelan::mkdata

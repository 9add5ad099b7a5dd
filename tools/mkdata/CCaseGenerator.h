#pragma once

#include "CHierarchyPlan.h"
#include "CPopulationPlan.h"
#include "CRandom.h"
#include "core/data/Codes.h"

#include <array>
#include <cstdint>
#include <vector>

namespace orvelan::mkdata {

using AgeCounts = std::array<std::int64_t, kAgeGroupCount>;

/// Cases of one population and sex by cancer 0-251 and age group 0-18, kept apart by whether
/// they were microscopically verified, so that every row's verification percentage is the
/// case-weighted mean of the rows below it in each of its partitions.
struct CaseCounts {
    std::vector<AgeCounts> verified = std::vector<AgeCounts>(kCancerCount, AgeCounts{});
    std::vector<AgeCounts> unverified = std::vector<AgeCounts>(kCancerCount, AgeCounts{});

    CaseCounts& operator+=(const CaseCounts& other);
};

/// Draws the cases of the modelled sites, loses the age of a few, and fills the whole cancer
/// hierarchy: rows above the modelled sites are sums, rows below them are split from them.
class CCaseGenerator {
  public:
    explicit CCaseGenerator(const CHierarchyPlan& plan) : m_plan(plan) {}

    /// rates: per site of siteModels(), per 100,000; personYears by age group 0-17.
    void generate(const std::vector<AgeArray>& rates, const AgeArray& personYears,
                  const PopulationFacts& facts, int sex, CRandom& random, CaseCounts& out) const;

  private:
    void drawSites(const std::vector<AgeArray>& rates, const AgeArray& personYears,
                   const PopulationFacts& facts, CRandom& random, CaseCounts& out) const;
    void loseAges(double share, CRandom& random, CaseCounts& out) const;
    void complete(int sex, CRandom& random, CaseCounts& out) const;
    static void splitCount(std::int64_t count, const std::vector<double>& weights,
                           const std::vector<int>& parts, int ageGroup, CRandom& random,
                           std::vector<AgeCounts>& into);

    const CHierarchyPlan& m_plan;
};

} // namespace orvelan::mkdata

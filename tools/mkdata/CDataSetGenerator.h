#pragma once

#include "CCancerTree.h"
#include "CCaseGenerator.h"
#include "CHierarchyPlan.h"
#include "CPopulationPlan.h"
#include "CSiteRates.h"
#include "DataSet.h"

#include <cstdint>
#include <string>
#include <vector>

namespace orvelan::mkdata {

/// Builds the synthetic data set of one seed: person-years from each population's size, period
/// and age structure, cases from the site rates, aggregates as the sums of their parts and the
/// rest of their people, and the oldest age groups folded into a registry's open top class.
class CDataSetGenerator {
  public:
    static constexpr std::uint64_t kDefaultSeed = 1997;

    explicit CDataSetGenerator(std::uint64_t seed = kDefaultSeed);

    /// Faults of the model tables; generate() must not be called unless this is empty.
    std::vector<std::string> problems() const;
    DataSet generate() const;

  private:
    /// Person-years by age group and cases of one population and sex, before folding.
    struct Counts {
        std::array<AgeValues, 2> personYears{};
        std::array<CaseCounts, 2> cases;
        Counts& operator+=(const Counts& other);
    };

    Counts generateUnit(const PopulationFacts& facts, double thousands, std::uint64_t key) const;
    AgeArray personYears(const PopulationFacts& facts, double thousands, int sex,
                         CRandom& random) const;
    void appendRecords(const PopulationFacts& facts, Counts& counts, DataSet& out) const;

    std::uint64_t m_seed;
    CCancerTree m_tree;
    CHierarchyPlan m_plan;
    CPopulationPlan m_populations;
    CSiteRates m_rates;
    CCaseGenerator m_cases;
};

} // namespace orvelan::mkdata

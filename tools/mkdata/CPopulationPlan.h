#pragma once

#include "ModelTables.h"

#include <cstdint>
#include <string>
#include <vector>

namespace orvelan::mkdata {

/// Everything about a population that is fixed before its cases are drawn.
struct PopulationFacts {
    int population = 0;
    double thousands = 0.0;
    Region region = Region::WesternEurope;
    AgeStructure ages = AgeStructure::Old;
    int firstYear = 0;
    int lastYear = 0;
    int lastAgeGroup = 17;
    char type = 'g';
    char marker = ' ';
    int chapter = -1;                // specialised registries: the one chapter they record
    double unknownAgeShare = 0.0;    // share of cases whose age is unknown
    double unknownPersonYears = 0.0; // share of person-years of unknown age
    double verification = 0.0;       // baseline percentage microscopically verified
    bool verificationAvailable = true;
    std::vector<int> parts;          // an aggregate's parts
    double remainderThousands = 0.0; // an aggregate's people outside its parts
};

/// The facts of all 229 populations, drawn from the tables and the seed: registration periods,
/// unknown-age shares, verification baselines; aggregates hand their period and age classes to
/// their parts.
class CPopulationPlan {
  public:
    explicit CPopulationPlan(std::uint64_t seed);

    const PopulationFacts& facts(int population) const;
    const std::vector<PopulationFacts>& all() const { return m_facts; }
    /// Populations in an order where every part comes before its aggregate.
    const std::vector<int>& buildOrder() const { return m_buildOrder; }
    const std::vector<std::string>& problems() const { return m_problems; }

  private:
    void readTables();
    void drawPeriods(std::uint64_t seed);
    void inheritFromAggregates();
    void drawUnknownAges(std::uint64_t seed);
    void drawVerification(std::uint64_t seed);
    void orderBuild(int population, std::vector<bool>& done);

    std::vector<PopulationFacts> m_facts;
    std::vector<int> m_aggregateOf;
    std::vector<int> m_buildOrder;
    std::vector<std::string> m_problems;
};

} // namespace orvelan::mkdata

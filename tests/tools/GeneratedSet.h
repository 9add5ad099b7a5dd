#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The generated data set as read back from its two files, byte by byte, without the generator's
// own record types, so that the checks also cover the layout.
namespace orvelan::test {

struct ReadPopulation {
    std::int32_t firstYear = 0;
    std::int32_t lastYear = 0;
    std::array<double, 19> personYears{};
    char type = 0;
    char marker = 0;
};

struct ReadCases {
    std::array<double, 19> cases{};
    double verification = 0.0;
};

class GeneratedSet {
  public:
    /// Generates the set of a seed into a fresh temporary folder and reads it back.
    static const GeneratedSet& forSeed(std::uint64_t seed);

    std::string directory;
    std::vector<unsigned char> populationBytes;
    std::vector<unsigned char> casesBytes;

    const ReadPopulation& population(int population, int sex) const;
    const ReadCases& cases(int population, int sex, int cancer) const;
    /// Highest age group 0-17 with person-years (both sexes are asked).
    int lastAgeGroup(int population, int sex) const;
    /// World ASR per 100,000 as the rates engine computes it: open top class, unknown-age
    /// cases spread over the known ages.
    double worldAsr(int population, int sex, int cancer) const;
    double totalCases(int population, int sex, int cancer) const;

  private:
    void parse();

    std::vector<ReadPopulation> m_populations;
    std::vector<ReadCases> m_cases;
    std::vector<double> m_totals;
};

/// The set of the generator's default seed, the one the program ships with.
const GeneratedSet& defaultSet();

} // namespace orvelan::test

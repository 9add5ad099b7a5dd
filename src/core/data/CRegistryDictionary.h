#pragma once

#include <optional>
#include <string>
#include <string_view>

// The compiled-in registry dictionary: 272 rows "CNNRRLPPPname" placing every population in the
// tree continent / country / registry / sub-population.
namespace orvelan {

/// What a population record contributes to a population label.
struct PopulationFacts {
    char marker = ' ';
    int firstYear = 0;
    int lastYear = 0;
};

class CRegistryDictionary {
  public:
    static constexpr int kNoPopulation = 999; // population number of heading rows
    static constexpr int kContinentCount = 7; // index 0 is the caption of the whole tree
    static constexpr int kCountryCount = 56;

    /// The row text, 0-271, including its nine code digits.
    static std::string_view row(int row);
    /// Continent digit 1-6 of a row.
    static int continent(int row);
    /// Two-digit country code 0-55 (99 on continent rows).
    static int country(int row);
    /// Level: 0 continent, 1 country, 2 registry, 3 sub-population.
    static int level(int row);
    /// Population number 0-228, or kNoPopulation for heading rows.
    static int populationNumber(int row);
    /// Name from character 9 on; empty on continent and country rows.
    static std::string_view name(int row);
    /// The text a tree shows for a row: continent or country name, else the row's name.
    static std::string_view caption(int row);
    /// The nearest level-2 row above a level-3 row.
    static int parentRegistryRow(int row);

    /// First row carrying a population number 0-228; nullopt when none does.
    static std::optional<int> rowOfPopulation(int population);

    static std::string_view continentName(int continent);
    static std::string_view countryName(int country);

    /// Populations 74, 75, 138 and 153 (specialised registries drawn with their own icons).
    static bool isFlagged(int population);

    /// Label of a row: marker, country, registry and sub-population, then " (1993-1997)" when
    /// years are asked for.
    static std::string label(int row, const PopulationFacts& facts, bool withYears);
    /// Age classes of a population, "[0-85+]" or "[0-75+]".
    static std::string ageClasses(int lastAgeGroup);
};

} // namespace orvelan

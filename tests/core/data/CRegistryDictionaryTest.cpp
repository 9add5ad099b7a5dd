#include "core/data/CRegistryDictionary.h"

#include "core/data/Codes.h"

#include <array>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace orvelan {
namespace {

using Registries = CRegistryDictionary;

int rowOf(int population) { return Registries::rowOfPopulation(population).value_or(-1); }

TEST(RegistryDictionary, HasTheShippedCountsByLevel) {
    std::array<int, 4> byLevel{};
    int countriesWithPopulation = 0;
    for (int r = 0; r < kRegistryRowCount; ++r) {
        const int level = Registries::level(r);
        ASSERT_GE(level, 0) << "row " << r;
        ASSERT_LE(level, 3) << "row " << r;
        ++byLevel[static_cast<std::size_t>(level)];
        if (level == 1 && Registries::populationNumber(r) != Registries::kNoPopulation) {
            ++countriesWithPopulation;
        }
    }
    EXPECT_EQ(byLevel, (std::array<int, 4>{6, 60, 163, 43}));
    EXPECT_EQ(countriesWithPopulation, 23);
}

TEST(RegistryDictionary, NamesEveryPopulationExactlyOnce) {
    std::vector<int> seen(kPopulationCount, 0);
    for (int r = 0; r < kRegistryRowCount; ++r) {
        const int population = Registries::populationNumber(r);
        if (population != Registries::kNoPopulation) {
            ASSERT_GE(population, 0);
            ASSERT_LT(population, kPopulationCount) << "row " << r;
            ++seen[static_cast<std::size_t>(population)];
        }
    }
    for (int p = 0; p < kPopulationCount; ++p) {
        EXPECT_EQ(seen[static_cast<std::size_t>(p)], 1) << "population " << p;
        EXPECT_EQ(Registries::populationNumber(rowOf(p)), p);
    }
}

TEST(RegistryDictionary, ReadsTheFieldsOfARow) {
    const int taiwan = rowOf(80);
    const int tianjin = rowOf(81);
    EXPECT_EQ(Registries::row(taiwan), "414082080Taiwan");
    EXPECT_EQ(Registries::row(tianjin), "414082081Tianjin");
    EXPECT_EQ(Registries::continent(taiwan), 4);
    EXPECT_EQ(Registries::country(taiwan), 14);
    EXPECT_EQ(Registries::level(taiwan), 2);
    EXPECT_EQ(Registries::name(tianjin), "Tianjin");

    EXPECT_EQ(Registries::row(0), "199990999");
    EXPECT_EQ(Registries::row(271), "613013228Japanese");
    EXPECT_TRUE(Registries::row(-1).empty());
    EXPECT_TRUE(Registries::row(kRegistryRowCount).empty());
    EXPECT_EQ(Registries::level(kRegistryRowCount), -1);
    EXPECT_EQ(Registries::populationNumber(-1), Registries::kNoPopulation);
}

TEST(RegistryDictionary, CaptionsRowsByLevel) {
    EXPECT_EQ(Registries::continentName(0), "Continents");
    EXPECT_EQ(Registries::continentName(2), "America, Central and South");
    EXPECT_EQ(Registries::countryName(42), "The Netherlands");
    EXPECT_EQ(Registries::countryName(55), "New Zealand");
    EXPECT_TRUE(Registries::countryName(56).empty());
    EXPECT_TRUE(Registries::continentName(7).empty());

    EXPECT_EQ(Registries::caption(0), "Africa");
    EXPECT_EQ(Registries::caption(2), "Algiers");
    EXPECT_EQ(Registries::caption(254), "Oceania");
    EXPECT_EQ(Registries::caption(265), "USA"); // Hawaii's country row lies under Oceania
    EXPECT_EQ(Registries::caption(rowOf(31)), "Non-Hispanic White");
}

TEST(RegistryDictionary, FindsTheRegistryAboveASubPopulation) {
    EXPECT_EQ(Registries::parentRegistryRow(rowOf(31)), rowOf(30));
    EXPECT_EQ(Registries::parentRegistryRow(rowOf(202)), rowOf(201));
    EXPECT_EQ(Registries::parentRegistryRow(rowOf(228)), rowOf(223));
    EXPECT_EQ(Registries::parentRegistryRow(rowOf(48)), rowOf(48));
    EXPECT_EQ(Registries::parentRegistryRow(0), -1);
    EXPECT_EQ(Registries::parentRegistryRow(rowOf(17)), -1);
}

TEST(RegistryDictionary, FindsNoRowForNumbersOutsideThePopulations) {
    EXPECT_EQ(Registries::rowOfPopulation(0), 2);
    EXPECT_EQ(Registries::rowOfPopulation(228), 271);
    EXPECT_FALSE(Registries::rowOfPopulation(-1));
    EXPECT_FALSE(Registries::rowOfPopulation(229));
    EXPECT_FALSE(Registries::rowOfPopulation(Registries::kNoPopulation));
}

TEST(RegistryDictionary, FlagsFourSpecialisedPopulations) {
    std::vector<int> flagged;
    for (int p = -1; p <= kPopulationCount; ++p) {
        if (Registries::isFlagged(p)) {
            flagged.push_back(p);
        }
    }
    EXPECT_EQ(flagged, (std::vector<int>{74, 75, 138, 153}));
}

TEST(PopulationLabel, JoinsCountryRegistryAndSubPopulation) {
    const std::vector<std::pair<int, std::string>> cases = {
        {222, "*New Zealand"},
        {0, "*Algeria, Algiers"},
        {93, "*Israel: Jews"},
        {202, "*UK, England, East Anglia"},
        {31, "*USA, California, Los Angeles: Non-Hispanic White"},
        {224, "*USA, Hawaii: White"},
    };
    for (const auto& [population, label] : cases) {
        EXPECT_EQ(Registries::label(rowOf(population), {'*', 1993, 1997}, false), label)
            << population;
    }
    const int iowa = rowOf(48);
    EXPECT_EQ(Registries::label(iowa, {' ', 1995, 1995}, true), " USA, Iowa (1995)");
    EXPECT_EQ(Registries::label(iowa, {' ', 1993, 1997}, true), " USA, Iowa (1993-1997)");
    EXPECT_EQ(Registries::label(iowa, {'\0', 1995, 1995}, false), " USA, Iowa");
    EXPECT_EQ(Registries::label(153, {'*', 0, 0}, false), "Europe");
    EXPECT_EQ(Registries::label(kRegistryRowCount, {'*', 0, 0}, true), "");
}

TEST(RegistryDictionary, WritesAgeClassesToTheOpenTop) {
    EXPECT_EQ(Registries::ageClasses(17), "[0-85+]");
    EXPECT_EQ(Registries::ageClasses(15), "[0-75+]");
}

} // namespace
} // namespace orvelan

#include "core/data/CRegistryDictionary.h"

#include "core/data/Codes.h"

#include <array>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace orvelan {
namespace {

using Dict = CRegistryDictionary;

int rowOf(int population) { return Dict::rowOfPopulation(population).value_or(-1); }

TEST(RegistryDictionary, HasTheShippedCountsByLevel) {
    std::array<int, 4> byLevel{};
    int countriesWithPopulation = 0;
    for (int r = 0; r < kRegistryRowCount; ++r) {
        const int level = Dict::level(r);
        ASSERT_GE(level, 0) << "row " << r;
        ASSERT_LE(level, 3) << "row " << r;
        ++byLevel[static_cast<std::size_t>(level)];
        if (level == 1 && Dict::populationNumber(r) != Dict::kNoPopulation) {
            ++countriesWithPopulation;
        }
    }
    EXPECT_EQ(byLevel, (std::array<int, 4>{6, 60, 163, 43}));
    EXPECT_EQ(countriesWithPopulation, 23);
}

TEST(RegistryDictionary, NamesEveryPopulationExactlyOnce) {
    std::vector<int> seen(kPopulationCount, 0);
    for (int r = 0; r < kRegistryRowCount; ++r) {
        const int population = Dict::populationNumber(r);
        if (population != Dict::kNoPopulation) {
            ASSERT_GE(population, 0);
            ASSERT_LT(population, kPopulationCount) << "row " << r;
            ++seen[static_cast<std::size_t>(population)];
        }
    }
    for (int p = 0; p < kPopulationCount; ++p) {
        EXPECT_EQ(seen[static_cast<std::size_t>(p)], 1) << "population " << p;
        EXPECT_EQ(Dict::populationNumber(rowOf(p)), p);
    }
}

TEST(RegistryDictionary, ReadsTheFieldsOfARow) {
    const int taiwan = rowOf(80);
    const int tianjin = rowOf(81);
    EXPECT_EQ(Dict::row(taiwan), "414082080Taiwan");
    EXPECT_EQ(Dict::row(tianjin), "414082081Tianjin");
    EXPECT_EQ(Dict::continent(taiwan), 4);
    EXPECT_EQ(Dict::country(taiwan), 14);
    EXPECT_EQ(Dict::level(taiwan), 2);
    EXPECT_EQ(Dict::name(tianjin), "Tianjin");

    EXPECT_EQ(Dict::row(0), "199990999");
    EXPECT_EQ(Dict::row(271), "613013228Japanese");
    EXPECT_TRUE(Dict::row(-1).empty());
    EXPECT_TRUE(Dict::row(kRegistryRowCount).empty());
    EXPECT_EQ(Dict::level(kRegistryRowCount), -1);
    EXPECT_EQ(Dict::populationNumber(-1), Dict::kNoPopulation);
}

TEST(RegistryDictionary, CaptionsRowsByLevel) {
    EXPECT_EQ(Dict::continentName(0), "Continents");
    EXPECT_EQ(Dict::continentName(2), "America, Central and South");
    EXPECT_EQ(Dict::countryName(42), "The Netherlands");
    EXPECT_EQ(Dict::countryName(55), "New Zealand");
    EXPECT_TRUE(Dict::countryName(56).empty());
    EXPECT_TRUE(Dict::continentName(7).empty());

    EXPECT_EQ(Dict::caption(0), "Africa");
    EXPECT_EQ(Dict::caption(2), "Algiers");
    EXPECT_EQ(Dict::caption(254), "Oceania");
    EXPECT_EQ(Dict::caption(265), "USA"); // Hawaii's country row lies under Oceania
    EXPECT_EQ(Dict::caption(rowOf(31)), "Non-Hispanic White");
}

TEST(RegistryDictionary, FindsTheRegistryAboveASubPopulation) {
    EXPECT_EQ(Dict::parentRegistryRow(rowOf(31)), rowOf(30));
    EXPECT_EQ(Dict::parentRegistryRow(rowOf(202)), rowOf(201));
    EXPECT_EQ(Dict::parentRegistryRow(rowOf(228)), rowOf(223));
    EXPECT_EQ(Dict::parentRegistryRow(rowOf(48)), rowOf(48));
    EXPECT_EQ(Dict::parentRegistryRow(0), -1);
    EXPECT_EQ(Dict::parentRegistryRow(rowOf(17)), -1);
}

TEST(RegistryDictionary, FindsNoRowForNumbersOutsideThePopulations) {
    EXPECT_EQ(Dict::rowOfPopulation(0), 2);
    EXPECT_EQ(Dict::rowOfPopulation(228), 271);
    EXPECT_FALSE(Dict::rowOfPopulation(-1));
    EXPECT_FALSE(Dict::rowOfPopulation(229));
    EXPECT_FALSE(Dict::rowOfPopulation(Dict::kNoPopulation));
}

TEST(RegistryDictionary, FlagsFourSpecialisedPopulations) {
    std::vector<int> flagged;
    for (int p = -1; p <= kPopulationCount; ++p) {
        if (Dict::isFlagged(p)) {
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
        EXPECT_EQ(Dict::label(rowOf(population), {'*', 1993, 1997}, false), label) << population;
    }
    const int iowa = rowOf(48);
    EXPECT_EQ(Dict::label(iowa, {' ', 1995, 1995}, true), " USA, Iowa (1995)");
    EXPECT_EQ(Dict::label(iowa, {' ', 1993, 1997}, true), " USA, Iowa (1993-1997)");
    EXPECT_EQ(Dict::label(iowa, {'\0', 1995, 1995}, false), " USA, Iowa");
    EXPECT_EQ(Dict::label(153, {'*', 0, 0}, false), "Europe");
    EXPECT_EQ(Dict::label(kRegistryRowCount, {'*', 0, 0}, true), "");
}

TEST(RegistryDictionary, WritesAgeClassesToTheOpenTop) {
    EXPECT_EQ(Dict::ageClasses(17), "[0-85+]");
    EXPECT_EQ(Dict::ageClasses(15), "[0-75+]");
}

} // namespace
} // namespace orvelan

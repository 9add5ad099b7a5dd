#pragma once

#include "core/data/Codes.h"

#include <initializer_list>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace orvelan::test {

/// One population record of ORVELAN.POP as a test wants it.
struct PopulationFixture {
    int firstYear = 1993;
    int lastYear = 1997;
    AgeValues personYears{};
    char type = 'g';
    char marker = ' ';
};

/// One cases record of ORVELAN.DAT.
struct CasesFixture {
    AgeValues cases{};
    float verification = 100.0f; // negative: not available
};

/// Writes full-size ORVELAN.DAT / ORVELAN.POP files holding only the records a test sets;
/// every other record is zero (the files are sparse, so this is cheap).
class FixtureData {
  public:
    void setPopulation(int population, int sex, const PopulationFixture& record);
    void setCases(int population, int sex, int cancer, const CasesFixture& record);
    /// Writes both files into a directory.
    void write(const std::string& directory) const;

    /// Person-years with the same value in groups 0..last and zero above (unknown age 0).
    static AgeValues flatPersonYears(double perGroup, int lastAgeGroup = kTopAgeGroup);
    /// A series that is zero but in the given (age group, value) entries.
    static AgeValues seriesAt(std::initializer_list<std::pair<int, double>> entries);
    /// The small counts the interval and standard tests work by hand: males of population 0
    /// with 10,000 person-years in every group and 2, 1 and 3 cases of cancer 0 in groups 10,
    /// 12 and 15 (rates 20, 10 and 30 per 100,000).
    static FixtureData smallCounts();

  private:
    std::map<std::tuple<int, int>, PopulationFixture> m_populations;
    std::map<std::tuple<int, int, int>, CasesFixture> m_cases;
};

/// A selection list that picks the given slots of a selection tree (each slot holds itself).
inline SelectionList selectSlots(std::initializer_list<int> chosen) {
    SelectionList list = emptySelectionList();
    for (int slot : chosen) {
        list[static_cast<std::size_t>(slot)] = slot;
    }
    return list;
}

/// A selection list that picks the registry-tree rows of the given populations; numbers from
/// 272 up are user groups, whose slots hold themselves.
SelectionList selectPopulations(const std::vector<int>& populations);

/// The registry-tree row of a population (a user group's number is its own row).
int rowOf(int population);

} // namespace orvelan::test

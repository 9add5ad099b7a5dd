#pragma once

#include "core/data/Codes.h"

#include <string>

// What the registry lists of the dictionary and group dialogs show of one population.
namespace orvelan {

class CIncidenceStore;

/// The highest age group 0-17 with person-years; -1 when there is none.
int highestAgeGroupWithPersonYears(const AgeValues& personYears);

struct PopulationSummary {
    std::string label;      // with its registration period
    std::string type;       // "General" or "Specialised"; empty when the record cannot be read
    std::string ageClasses; // "[0-85+]"; empty when the population has no person-years
};

/// Reads the population's record (sex 0) through the store, replacing the loaded series.
PopulationSummary summarizePopulation(CIncidenceStore& store, int population);

/// "[0-75+]" for a registry group, from the last age group the store derives when it pools
/// the members; "[0-?+]" when the group cannot be loaded.
std::string registryGroupAgeClasses(CIncidenceStore& store, int group);

} // namespace orvelan

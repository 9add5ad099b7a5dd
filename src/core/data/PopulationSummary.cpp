#include "core/data/PopulationSummary.h"

#include "core/data/CIncidenceStore.h"
#include "core/data/CRegistryDictionary.h"

namespace orvelan {

int highestAgeGroupWithPersonYears(const AgeValues& personYears) {
    for (int group = kTopAgeGroup; group >= 0; --group) {
        if (personYears[static_cast<std::size_t>(group)] != 0.0) {
            return group;
        }
    }
    return -1;
}

PopulationSummary summarizePopulation(CIncidenceStore& store, int population) {
    PopulationSummary summary;
    summary.label = store.populationLabelByNumber(population, true);
    if (store.readPopulationRecord(population, Sex::Male)) {
        summary.type = store.isSpecialised() ? "Specialised" : "General";
        const int last = highestAgeGroupWithPersonYears(store.personYears());
        if (last >= 0) {
            summary.ageClasses = CRegistryDictionary::ageClasses(last);
        }
    }
    return summary;
}

std::string registryGroupAgeClasses(CIncidenceStore& store, int group) {
    if (!store.load(kFirstRegistryGroup + group, 0, Sex::Male)) {
        return "[0-?+]";
    }
    return CRegistryDictionary::ageClasses(store.lastAgeGroup());
}

} // namespace orvelan

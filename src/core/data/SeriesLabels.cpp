#include "core/data/SeriesLabels.h"

#include "core/data/CCancerDictionary.h"
#include "core/data/CDataFiles.h"
#include "core/data/CRegistryDictionary.h"
#include "core/data/CUserGroupDictionary.h"

namespace orvelan {

std::string populationLabel(const CDataFiles& files, int row, bool withYears) {
    if (row < 0 || row >= kRegistryRowCount) {
        return {};
    }
    PopulationFacts facts;
    const int population = CRegistryDictionary::populationNumber(row);
    std::string error; // a record that cannot be read leaves the label without its facts
    if (const CDataFiles::PopulationRecord* record =
            isDictionaryPopulation(population) ? files.population(population, Sex::Male, error)
                                               : nullptr) {
        facts.marker = record->marker;
        facts.firstYear = record->firstYear;
        facts.lastYear = record->lastYear;
    }
    return CRegistryDictionary::label(row, facts, withYears);
}

std::string populationLabelByNumber(const CDataFiles& files,
                                    const CUserGroupDictionary* registryGroups, int population,
                                    bool withYears) {
    if (isDictionaryPopulation(population)) {
        if (const auto row = CRegistryDictionary::rowOfPopulation(population)) {
            return populationLabel(files, *row, withYears);
        }
    }
    const int group = population - kFirstRegistryGroup;
    if (registryGroups != nullptr && group >= 0 && group < registryGroups->count()) {
        return registryGroups->group(group).trimmedName();
    }
    return {};
}

std::string cancerLabel(const CUserGroupDictionary* cancerGroups, int cancer) {
    const int group = cancer - kFirstCancerGroup;
    if (isDictionaryCancer(cancer)) {
        return CCancerDictionary::label(cancer);
    }
    if (cancerGroups != nullptr && group >= 0 && group < cancerGroups->count()) {
        return cancerGroups->group(group).trimmedName();
    }
    return {};
}

} // namespace orvelan

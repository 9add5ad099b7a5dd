#include "core/data/CIncidenceStore.h"

#include "core/data/SeriesLabels.h"
#include "core/data/SeriesLoader.h"

#include <utility>

namespace orvelan {

void CIncidenceStore::setUserGroups(const CUserGroupDictionary* cancerGroups,
                                    const CUserGroupDictionary* registryGroups) {
    m_cancerGroups = cancerGroups;
    m_registryGroups = registryGroups;
}

bool CIncidenceStore::take(LoadedSeries loaded) {
    m_loadError = std::move(loaded.error);
    m_series = loaded.series.value_or(Series{});
    return loaded.series.has_value();
}

bool CIncidenceStore::load(int population, int cancer, Sex sex) {
    return take(
        SeriesLoader(m_files, m_cancerGroups, m_registryGroups).load(population, cancer, sex));
}

bool CIncidenceStore::readPopulationRecord(int population, Sex sex) {
    return take(
        SeriesLoader(m_files, m_cancerGroups, m_registryGroups).populationRecord(population, sex));
}

void CIncidenceStore::setUserSeries(const AgeArray& cases, const AgeArray& personYears) {
    m_series = userSeries(cases, personYears);
}

std::string CIncidenceStore::populationLabel(int row, bool withYears) const {
    return orvelan::populationLabel(m_files, row, withYears);
}

std::string CIncidenceStore::populationLabelByNumber(int population, bool withYears) const {
    return orvelan::populationLabelByNumber(m_files, m_registryGroups, population, withYears);
}

std::string CIncidenceStore::cancerLabel(int cancer) const {
    return orvelan::cancerLabel(m_cancerGroups, cancer);
}

} // namespace orvelan

#include "core/data/CIncidenceStore.h"

#include "core/data/SeriesLabels.h"
#include "core/data/SeriesLoader.h"

namespace orvelan {

void CIncidenceStore::setUserGroups(const CUserGroupDictionary* cancerGroups,
                                    const CUserGroupDictionary* registryGroups) {
    m_cancerGroups = cancerGroups;
    m_registryGroups = registryGroups;
}

bool CIncidenceStore::take(bool loaded) {
    if (!loaded) {
        m_series = Series{};
    }
    return loaded;
}

bool CIncidenceStore::load(int population, int cancer, Sex sex) {
    const SeriesLoader loader(m_files, m_cancerGroups, m_registryGroups);
    return take(loader.load(population, cancer, sex, m_series, m_loadError));
}

bool CIncidenceStore::readPopulationRecord(int population, Sex sex) {
    const SeriesLoader loader(m_files, m_cancerGroups, m_registryGroups);
    return take(loader.populationRecord(population, sex, m_series, m_loadError));
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

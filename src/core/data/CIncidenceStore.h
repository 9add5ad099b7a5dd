#pragma once

#include "core/data/CDataFiles.h"
#include "core/data/Series.h"

#include <string>
#include <vector>

// The data a document works on: the open data files, the user groups, and the one series loaded
// last. Loading puts a new Series in place; every figure is a pure function of that value (see
// core/rates/SeriesRates.h), and labels read no series, so no call depends on another's order.
namespace orvelan {

class CUserGroupDictionary;

class CIncidenceStore {
  public:
    static constexpr std::size_t kPopulationRecordSize = CDataFiles::kPopulationRecordSize;
    static constexpr std::size_t kCasesRecordSize = CDataFiles::kCasesRecordSize;
    static constexpr std::string_view kCasesFileName = CDataFiles::kCasesFileName;
    static constexpr std::string_view kPopulationFileName = CDataFiles::kPopulationFileName;
    static constexpr std::size_t kPopulationFileSize = CDataFiles::kPopulationFileSize;
    static constexpr std::size_t kCasesFileSize = CDataFiles::kCasesFileSize;

    CIncidenceStore() = default;
    CIncidenceStore(const CIncidenceStore&) = delete;
    CIncidenceStore& operator=(const CIncidenceStore&) = delete;

    // The files: see CDataFiles.
    bool open(const std::string& dataDirectory) { return m_files.open(dataDirectory); }
    bool isOpen() const { return m_files.isOpen(); }
    const std::vector<std::string>& problems() const { return m_files.problems(); }
    const std::vector<std::string>& warnings() const { return m_files.warnings(); }
    std::string changedOnDiskMessage() const { return m_files.changedOnDiskMessage(); }
    std::string cutShortMessage() const { return m_files.cutShortMessage(); }
    const CDataFiles& files() const { return m_files; }

    /// The user group dictionaries the group loads and labels read (owned by the caller).
    void setUserGroups(const CUserGroupDictionary* cancerGroups,
                       const CUserGroupDictionary* registryGroups);
    const CUserGroupDictionary* cancerGroups() const { return m_cancerGroups; }
    const CUserGroupDictionary* registryGroups() const { return m_registryGroups; }

    /// Loads a series (see SeriesLoader::load) in place of the current one; false, with the
    /// series cleared, when it cannot be loaded.
    bool load(int population, int cancer, Sex sex);
    /// Only the person-years and facts of a population record, without cases.
    bool readPopulationRecord(int population, Sex sex);
    /// Why the last load failed when a user group is at fault (its dictionary, group number
    /// and member) or a record holds a value that is not a number; empty otherwise.
    const std::string& loadError() const { return m_loadError; }
    /// Puts a curve typed in by the user in place of the loaded series (see userSeries).
    void setUserSeries(const AgeArray& cases, const AgeArray& personYears);

    // The loaded series and its facts.
    const Series& series() const { return m_series; }
    const AgeValues& cases() const { return m_series.cases; }
    const AgeValues& personYears() const { return m_series.personYears; }
    int lastAgeGroup() const { return m_series.lastAgeGroup; }
    int firstYear() const { return m_series.firstYear; }
    int lastYear() const { return m_series.lastYear; }
    char registryType() const { return m_series.registryType; }
    char marker() const { return m_series.marker; }
    bool isSpecialised() const { return m_series.isSpecialised(); }
    double verification() const { return m_series.verification; }
    double unknownAgeFactor() const { return m_series.unknownAgeFactor; }

    // Labels: see SeriesLabels.h.
    std::string populationLabel(int row, bool withYears) const;
    std::string populationLabelByNumber(int population, bool withYears) const;
    std::string cancerLabel(int cancer) const;

  private:
    /// The result of a load: false with the series cleared when it failed.
    bool take(bool loaded);

    CDataFiles m_files;
    const CUserGroupDictionary* m_cancerGroups = nullptr;
    const CUserGroupDictionary* m_registryGroups = nullptr;
    Series m_series;
    std::string m_loadError;
};

} // namespace orvelan

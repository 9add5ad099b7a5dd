#pragma once

#include "core/data/Series.h"

#include <span>
#include <vector>

// Loads a Series from the data files and the user groups: a population or registry group
// (numbers from 272), crossed with a cancer or cancer group (numbers from 252), for one sex or
// both. Loading changes nothing but the files' record cache, so loads may come in any order.
namespace orvelan {

class CDataFiles;
class CUserGroupDictionary;

class SeriesLoader {
  public:
    /// The files and the dictionaries (either may be null: no groups of that kind) are the
    /// caller's and must outlive the loader.
    SeriesLoader(const CDataFiles& files, const CUserGroupDictionary* cancerGroups,
                 const CUserGroupDictionary* registryGroups)
        : m_files(files), m_cancerGroups(cancerGroups), m_registryGroups(registryGroups) {}

    /// Chooses the load by the numbers. Sex::Both loads both sexes and adds the two series entry
    /// by entry; the sum is open at the lower of the two last age groups (person-years above it
    /// folded into it), its factor comes from the summed cases, and its verification is the
    /// sexes' percentages weighted by their case totals (over the sexes that have one; -1 when
    /// neither has).
    LoadedSeries load(int population, int cancer, Sex sex) const;
    /// The same into a series of the caller's (left unspecified when false is returned), for
    /// loops that load many series into one.
    bool load(int population, int cancer, Sex sex, Series& series, std::string& error) const;
    /// The person-years and facts of one population record (male or female), no cases.
    bool populationRecord(int population, Sex sex, Series& series, std::string& error) const;

  private:
    bool loadOne(int population, int cancer, Sex sex, Series& series, std::string& error) const;
    /// One cancer as stored, or the sum of a cancer group's members (group true).
    bool loadCancerMembers(int population, Sex sex, std::span<const int> cancers, bool group,
                           Series& series, std::string& error) const;
    bool loadRegistryMembers(std::span<const int> populations, std::span<const int> cancers,
                             Sex sex, Series& series, std::string& error) const;
    /// Adds the cases records of one population's cancers into the series' cases; verified
    /// and withPercentage sum the verified cases and the cases of the records with a
    /// percentage.
    bool addCases(int population, Sex sex, std::span<const int> cancers, Series& series,
                  double& verified, double& withPercentage, std::string& error) const;
    /// The members of user group index, all below limit; false with error set otherwise.
    bool groupMembers(const CUserGroupDictionary* groups, int index, int limit,
                      std::vector<int>& members, std::string& error) const;

    const CDataFiles& m_files;
    const CUserGroupDictionary* m_cancerGroups;
    const CUserGroupDictionary* m_registryGroups;
};

} // namespace orvelan

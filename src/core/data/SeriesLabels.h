#pragma once

#include <string>

// The labels of populations, registry groups, cancers and cancer groups. They read the
// population record for its marker and registration years and nothing else: no loaded series
// depends on them.
namespace orvelan {

class CDataFiles;
class CUserGroupDictionary;

/// Label of a registry dictionary row, with the marker and years of its population's record
/// (sex 0); empty for a row outside the dictionary.
std::string populationLabel(const CDataFiles& files, int row, bool withYears);
/// Label of a population number 0-228, or the trimmed name of a registry group (>= 272).
std::string populationLabelByNumber(const CDataFiles& files,
                                    const CUserGroupDictionary* registryGroups, int population,
                                    bool withYears);
/// Label of a cancer 0-251, or the trimmed name of a cancer group (>= 252).
std::string cancerLabel(const CUserGroupDictionary* cancerGroups, int cancer);

} // namespace orvelan

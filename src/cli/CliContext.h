#pragma once

#include "CliError.h"
#include "core/data/CIncidenceStore.h"
#include "core/data/CUserGroupDictionary.h"

#include <iosfwd>
#include <memory>
#include <nlohmann/json_fwd.hpp>
#include <string>
#include <vector>

namespace orvelan::cli {

/// What every command shares: the data directory, the output form, and the engine objects,
/// opened on first use. Assigning a fresh context forgets all of them (one per command run).
class CliContext {
  public:
    CliContext(std::ostream& out, std::ostream& err);

    std::string dataDir = ".";
    bool json = false;

    std::ostream& out() { return *m_out; }
    std::ostream& err() { return *m_err; }

    /// The user groups of the data directory (none when the files are absent).
    const CUserGroupDictionary& cancerGroups();
    const CUserGroupDictionary& registryGroups();
    /// The store on the data directory; throws a data error naming the missing or short file.
    CIncidenceStore& store();
    /// True when both data files are present and complete.
    bool hasData();

    /// Checks a population number: 0-228 or an existing registry group (272 + k).
    int checkPopulation(int population);
    /// Checks a cancer number: 0-251 or an existing cancer group (252 + k).
    int checkCancer(int cancer);
    /// A comma list of population (cancer) numbers and ranges, every one checked as above, the
    /// ends of a range before it is expanded.
    std::vector<int> populationList(const std::string& text);
    std::vector<int> cancerList(const std::string& text);
    /// Checks an age range of groups 0-17 with from <= to.
    void checkAgeRange(int from, int to);
    /// The data error of a failed load: the store's reason when a user group is at fault,
    /// otherwise "cannot load <what> from DIR".
    CliError loadFailure(const std::string& what);
    /// Prints a JSON document; texts that are not UTF-8 are taken as Latin-1 (the data files'
    /// single-byte texts), so that printing never fails.
    void printJson(const nlohmann::json& document);
    /// Path of a file in the data directory.
    std::string dataPath(const std::string& name) const;

  private:
    void loadGroups();
    /// Throw the usage error of a number no population (cancer) has.
    [[noreturn]] void unknownPopulation(const std::string& number);
    [[noreturn]] void unknownCancer(const std::string& number);

    std::ostream* m_out;
    std::ostream* m_err;
    std::unique_ptr<CUserGroupDictionary> m_cancerGroups;
    std::unique_ptr<CUserGroupDictionary> m_registryGroups;
    std::unique_ptr<CIncidenceStore> m_store;
    bool m_storeTried = false;
};

/// A number of a JSON answer, or null where the figure is not available (no person-years, no
/// expected cases).
nlohmann::json numberOrNull(bool available, double value);

} // namespace orvelan::cli

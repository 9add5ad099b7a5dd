#pragma once

#include "core/data/CMappedFile.h"
#include "core/data/Codes.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// ORVELAN.DAT (cases) and ORVELAN.POP (person-years), opened read-only and decoded one record at
// a time. Every read checks the numbers it is given and the values it finds.
namespace orvelan {

class CDataFiles {
  public:
    static constexpr std::size_t kPopulationRecordSize = 86;
    static constexpr std::size_t kCasesRecordSize = 80;
    static constexpr std::string_view kCasesFileName = "ORVELAN.DAT";
    static constexpr std::string_view kPopulationFileName = "ORVELAN.POP";
    /// Expected sizes of the two files for the 229 populations.
    static constexpr std::size_t kPopulationFileSize = 229 * 2 * kPopulationRecordSize;
    static constexpr std::size_t kCasesFileSize = 229 * 2 * 252 * kCasesRecordSize;

    /// One population record as stored.
    struct PopulationRecord {
        int firstYear = 0;
        int lastYear = 0;
        AgeValues personYears{};
        char type = ' ';
        char marker = ' ';
        int lastAgeGroup = -1; // the highest group with person-years, -1 when none has
    };

    /// Opens both files of a data directory read-only. False when either is missing or shorter
    /// than its layout; problems() then names the file and what is wrong.
    bool open(const std::string& dataDirectory);
    bool isOpen() const;
    /// One message per missing, short or overlong file: path, expected and actual size. A file
    /// longer than its layout by a whole record or more is refused like a short one.
    const std::vector<std::string>& problems() const { return m_problems; }
    /// One message per file that is longer than its layout by less than a record: it is read
    /// by its layout, but the user should hear of it.
    const std::vector<std::string>& warnings() const { return m_warnings; }
    /// The message to show when a data file on disk is no longer the one that was opened; empty
    /// while both are unchanged.
    std::string changedOnDiskMessage() const;
    /// Why nothing more can be read once a read found a data file cut short on disk; empty
    /// while both files read whole.
    std::string cutShortMessage() const;

    /// The population record of one sex (male or female), decoded once and kept per sex until
    /// another population is asked for. Null when the file is not open or a number is out of
    /// range; null with error set when the record holds a value that is not a number or the file
    /// was cut short.
    const PopulationRecord* population(int population, Sex sex, std::string& error) const;
    /// The cases record of one sex and cancer into cases and verification; false as above.
    bool cases(int population, Sex sex, int cancer, AgeValues& cases, double& verification,
               std::string& error) const;

  private:
    std::vector<std::string> m_problems;
    std::vector<std::string> m_warnings;
    CMappedFile m_casesFile;
    CMappedFile m_populationFile;
    /// The last population record decoded per sex (population -1: none), so that the loads of a
    /// grid that keep to one population do not decode its record again for every cell.
    struct CachedPopulation {
        int population = -1;
        PopulationRecord record;
    };
    mutable std::array<CachedPopulation, 2> m_populationCache{};
};

} // namespace orvelan

#pragma once

#include "core/export/ExportSettings.h"
#include "core/io/IoResult.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Writes the raw data of an export (cases and person-years by population, sex, cancer and age
// group) and the log that describes the file and the dictionaries of the chosen items. Numbers
// in both files count from 1: population P is written P + 1 (user registry group 272 + k as
// 273 + k), cancer K as K + 1, sex 1 male / 2 female, age group 1-19 (19 = unknown age).
namespace orvelan {

class CAtomicFile;
class CIncidenceStore;
class CUserGroupDictionary;

/// A selected population or cancer: its number (0-based) and the name the log gives it.
struct ExportItem {
    int number = 0;
    std::string name;
};

/// Told after each block of 19 lines: lines written so far and the whole count. Returning false
/// stops the export; the data file is then not written at all.
using ExportProgress = std::function<bool(std::size_t written, std::size_t total)>;

/// What a target path of the export is, found without changing anything on disk.
enum class ExportTarget {
    Creatable,    // absent, and a file of that name can be created in its folder
    Existing,     // present and writable: the user is asked before it is overwritten
    NotAccessible // neither
};

/// What became of the two files; each failure names the file and the reason.
struct ExportOutcome {
    IoResult data;
    IoResult log;
    /// The user stopped the export: neither file was written.
    bool cancelled = false;
    bool ok() const { return data.ok() && log.ok() && !cancelled; }
    /// The failures' messages, "; "-separated; empty when both files were written.
    std::string message() const;
};

class CRawDataExporter {
  public:
    /// ".prn", ".txt", ".csv" by format index; empty for an unknown format.
    static std::string_view extension(int format);
    /// Data and log paths from a folder (with or without its trailing "/"), a name and a format.
    static void setPaths(ExportSettings& settings, const std::string& folder,
                         const std::string& name);
    /// The wizard's read-only summary of the two files: "Data file:\t\t<data path>\r\n" and
    /// "Log file:\t\t<log path>".
    static std::string pathSummary(const std::string& folder, const std::string& name, int format);

    /// Selected populations in selection order (dictionary rows first, then user groups):
    /// population numbers with the dictionary name, or 272 + k with the trimmed group name.
    static std::vector<ExportItem> populations(const ExportSettings& settings,
                                               const CUserGroupDictionary* registryGroups);
    /// Selected cancers in order, each with its log label: "%-10s %s" of ICD-10 code and name,
    /// the name alone for a morphology-coded cancer, the trimmed name of a user group.
    static std::vector<ExportItem> cancers(const ExportSettings& settings,
                                           const CUserGroupDictionary* cancerGroups);

    /// "Invalid sex/site combination" when males (females) are asked for and no selected
    /// cancer occurs in them.
    static std::optional<std::string> sexSiteProblem(const ExportSettings& settings,
                                                     const CUserGroupDictionary* cancerGroups);

    /// One line of the data file, from 0-based numbers; one sex, age group 0-18.
    static std::string dataLine(int format, int population, Sex sex, int cancer, int ageGroup,
                                double cases, double personYears);
    /// Appends the same line to out (no printf for whole numbers; the bytes are the same).
    static void appendDataLine(std::string& out, int format, int population, Sex sex, int cancer,
                               int ageGroup, double cases, double personYears);
    /// One dictionary entry of the log, from a 0-based number.
    static std::string logEntry(int format, const ExportItem& item);
    /// The whole log text.
    static std::string logText(const ExportSettings& settings,
                               const std::vector<ExportItem>& populations,
                               const std::vector<ExportItem>& cancers);

    /// Whether a data or log path can be written. An absent file is probed by creating it
    /// exclusively and removing it again, so an existing file is never truncated by the probe.
    static ExportTarget probeTarget(const std::string& path);

    /// Lines of the data file: 19 per population, sex and cancer.
    static std::size_t lineCount(const ExportSettings& settings, std::size_t populationCount,
                                 std::size_t cancerCount);

    /// Writes the data file and its log through temporary files and replaces the old pair
    /// together: after any failure both old files are left as they were.
    static ExportOutcome run(CIncidenceStore& store, const ExportSettings& settings);
    /// A stop asked for by the progress callback is reported as an error naming the file; the
    /// target is then left as it was.
    static IoResult writeData(CIncidenceStore& store, const ExportSettings& settings,
                              const std::vector<ExportItem>& populations,
                              const std::vector<ExportItem>& cancers,
                              const ExportProgress& progress = {});
    /// The data lines into file, not yet committed; the reason, naming the data file, when a
    /// load fails or the progress callback asks to stop.
    static IoResult writeData(CIncidenceStore& store, const ExportSettings& settings,
                              const std::vector<ExportItem>& populations,
                              const std::vector<ExportItem>& cancers, CAtomicFile& file,
                              const ExportProgress& progress = {});
    static IoResult writeLog(const ExportSettings& settings,
                             const std::vector<ExportItem>& populations,
                             const std::vector<ExportItem>& cancers);
};

} // namespace orvelan

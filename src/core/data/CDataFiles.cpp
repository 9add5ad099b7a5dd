#include "core/data/CDataFiles.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>

namespace orvelan {

namespace {

constexpr int kCasesRecordsPerSex = kCancerCount; // one record per cancer
constexpr std::size_t kCasesVerificationOffset = 76;
constexpr std::size_t kPersonYearsOffset = 8;
constexpr std::size_t kTypeOffset = 84;
constexpr std::size_t kMarkerOffset = 85;

std::uint32_t uint32At(const std::uint8_t* bytes) {
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

/// Little-endian int32 and IEEE single precision, whatever the host's byte order.
int int32At(const std::uint8_t* bytes) {
    return static_cast<int>(std::bit_cast<std::int32_t>(uint32At(bytes)));
}

double float32At(const std::uint8_t* bytes) {
    return static_cast<double>(std::bit_cast<float>(uint32At(bytes)));
}

/// False when a stored float is infinite or not a number: every figure made from it would be.
bool allFinite(const AgeValues& values) {
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

/// Highest age group 0-17 with non-zero person-years, -1 when there is none.
int highestNonZero(const AgeValues& personYears) {
    for (int i = kTopAgeGroup; i >= 0; --i) {
        if (personYears[static_cast<std::size_t>(i)] != 0.0) {
            return i;
        }
    }
    return -1;
}

/// A data file that cannot be used: "PATH: WHAT (expected N bytes, found FOUND)", the sizes
/// being what a user needs to tell a cut copy from a wrong file.
IoResult sizeProblem(const std::string& path, std::string_view what, std::size_t expected,
                     const std::string& found) {
    IoResult result = IoResult::failure(
        path, std::string(what), "expected " + std::to_string(expected) + " bytes, found " + found);
    result.message = path + ": " + result.what + " (" + result.reason + ")";
    return result;
}

/// A data file that became shorter while mapped reads as zeros past its new end: every load
/// after that is refused with this message.
std::string cutMessageOf(std::string_view file) {
    return std::string(file) +
           " was cut short on disk while in use: start again once the new data files are in place";
}

bool isSex(Sex sex) { return sex == Sex::Male || sex == Sex::Female; }

} // namespace

bool CDataFiles::open(const std::string& dataDirectory) {
    m_problems.clear();
    m_populationCache = {};
    const std::string directory =
        dataDirectory.empty() || dataDirectory.back() == '/' ? dataDirectory : dataDirectory + "/";
    m_warnings.clear();
    const struct {
        CMappedFile& file;
        std::string_view name;
        std::size_t expected;
        std::size_t recordSize;
    } files[] = {
        {m_casesFile, kCasesFileName, kCasesFileSize, kCasesRecordSize},
        {m_populationFile, kPopulationFileName, kPopulationFileSize, kPopulationRecordSize}};
    for (const auto& entry : files) {
        const std::string path = directory + std::string(entry.name);
        if (const IoResult opened = entry.file.open(path); !opened.ok()) {
            m_problems.push_back(
                entry.file.wasMissing()
                    ? sizeProblem(path, "file is missing", entry.expected, "none").message
                    : sizeProblem(path, opened.what + ": " + opened.reason, entry.expected,
                                  "nothing")
                          .message);
        } else if (entry.file.size() < entry.expected) {
            // Records past the end would read garbage: a short file is not used at all.
            m_problems.push_back(sizeProblem(path, "file is too short", entry.expected,
                                             std::to_string(entry.file.size()))
                                     .message);
            entry.file.close();
        } else if (entry.file.size() >= entry.expected + entry.recordSize) {
            // A whole record too many (one prepended, say) shifts every record: refused.
            m_problems.push_back(sizeProblem(path, "file is longer than its layout", entry.expected,
                                             std::to_string(entry.file.size()))
                                     .message);
            entry.file.close();
        } else if (entry.file.size() > entry.expected) {
            m_warnings.push_back(sizeProblem(path, "file is longer than its layout", entry.expected,
                                             std::to_string(entry.file.size()))
                                     .message +
                                 "; the bytes past the layout are ignored");
        }
    }
    return m_problems.empty();
}

bool CDataFiles::isOpen() const { return m_casesFile.isOpen() && m_populationFile.isOpen(); }

std::string CDataFiles::changedOnDiskMessage() const {
    const bool cases = m_casesFile.changedOnDisk();
    const bool population = m_populationFile.changedOnDisk();
    if (!cases && !population) {
        return {};
    }
    const std::string files = cases && population ? std::string(kCasesFileName) + " and " +
                                                        std::string(kPopulationFileName)
                              : cases ? std::string(kCasesFileName)
                                      : std::string(kPopulationFileName);
    return files + " changed on disk after ORVELAN opened " +
           (cases && population ? "them" : "it") +
           ": restart ORVELAN before computing further figures, so that all of them come from "
           "the same files.";
}

std::string CDataFiles::cutShortMessage() const {
    if (m_casesFile.wasCut()) {
        return cutMessageOf(kCasesFileName);
    }
    return m_populationFile.wasCut() ? cutMessageOf(kPopulationFileName) : std::string();
}

const CDataFiles::PopulationRecord* CDataFiles::population(int population, Sex sex,
                                                           std::string& error) const {
    if (!m_populationFile.isOpen() || !isDictionaryPopulation(population) || !isSex(sex)) {
        return nullptr;
    }
    CachedPopulation& cached = m_populationCache[static_cast<std::size_t>(indexOf(sex))];
    if (cached.population == population) {
        return &cached.record;
    }
    PopulationRecord& record = cached.record;
    cached.population = -1; // until the record is read in full
    const std::uint8_t* bytes =
        m_populationFile.data() +
        static_cast<std::size_t>(population * 2 + indexOf(sex)) * kPopulationRecordSize;
    record.firstYear = int32At(bytes);
    record.lastYear = int32At(bytes + 4);
    for (std::size_t i = 0; i < record.personYears.size(); ++i) {
        record.personYears[i] = float32At(bytes + kPersonYearsOffset + 4 * i);
    }
    record.type = static_cast<char>(bytes[kTypeOffset]);
    record.marker = static_cast<char>(bytes[kMarkerOffset]);
    if (m_populationFile.wasCut()) {
        error = cutMessageOf(kPopulationFileName);
        return nullptr;
    }
    if (!allFinite(record.personYears)) {
        error = std::string(kPopulationFileName) + ": the record of population " +
                std::to_string(population) + ", sex " + std::to_string(indexOf(sex)) +
                " holds a value that is not a number";
        return nullptr;
    }
    record.lastAgeGroup = highestNonZero(record.personYears);
    cached.population = population;
    return &record;
}

bool CDataFiles::cases(int population, Sex sex, int cancer, AgeValues& cases, double& verification,
                       std::string& error) const {
    if (!m_casesFile.isOpen() || !isDictionaryPopulation(population) || !isSex(sex) ||
        !isDictionaryCancer(cancer)) {
        return false;
    }
    const auto record =
        static_cast<std::size_t>((population * 2 + indexOf(sex)) * kCasesRecordsPerSex + cancer);
    const std::uint8_t* bytes = m_casesFile.data() + record * kCasesRecordSize;
    for (std::size_t i = 0; i < cases.size(); ++i) {
        cases[i] = float32At(bytes + 4 * i);
    }
    verification = float32At(bytes + kCasesVerificationOffset);
    if (m_casesFile.wasCut()) {
        error = cutMessageOf(kCasesFileName);
        return false;
    }
    if (!allFinite(cases) || !std::isfinite(verification)) {
        error = std::string(kCasesFileName) + ": the record of population " +
                std::to_string(population) + ", sex " + std::to_string(indexOf(sex)) + ", cancer " +
                std::to_string(cancer) + " holds a value that is not a number";
        return false;
    }
    return true;
}

} // namespace orvelan

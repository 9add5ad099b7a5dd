#include "core/data/CIncidenceStore.h"

#include "core/data/CCancerDictionary.h"
#include "core/data/CRegistryDictionary.h"
#include "core/data/CUserGroupDictionary.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <utility>

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
bool allFinite(const Series& series) {
    return std::all_of(series.begin(), series.end(), [](double v) { return std::isfinite(v); });
}

/// Highest age group 0-17 with non-zero person-years, -1 when there is none.
int highestNonZero(const Series& personYears) {
    for (int i = kTopAgeGroup; i >= 0; --i) {
        if (personYears[static_cast<std::size_t>(i)] != 0.0) {
            return i;
        }
    }
    return -1;
}

double total(const Series& series) {
    double sum = 0.0;
    for (double value : series) {
        sum += value;
    }
    return sum;
}

/// Adds the person-years of groups above last (up to 17) into group last.
void foldPersonYears(Series& personYears, int last) {
    const auto top = static_cast<std::size_t>(last);
    for (std::size_t i = top + 1; i <= static_cast<std::size_t>(kTopAgeGroup); ++i) {
        personYears[top] += personYears[i];
        personYears[i] = 0.0;
    }
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

/// Verification of both sexes: the percentages weighted by the sexes' case totals, over the
/// sexes that have one; their plain mean when those have no cases; -1 when neither has one.
double combinedVerification(double male, double maleCases, double female, double femaleCases) {
    double weighted = 0.0;
    double weights = 0.0;
    double sum = 0.0;
    int available = 0;
    for (auto [percentage, cases] : {std::pair{male, maleCases}, {female, femaleCases}}) {
        if (percentage >= 0.0) {
            weighted += percentage * cases;
            weights += cases;
            sum += percentage;
            ++available;
        }
    }
    if (available == 0) {
        return -1.0;
    }
    return weights != 0.0 ? weighted / weights : sum / available;
}

/// A data file that became shorter while mapped reads as zeros past its new end: every load
/// after that is refused with this message.
std::string cutMessageOf(std::string_view file) {
    return std::string(file) +
           " was cut short on disk while in use: start again once the new data files are in place";
}

bool isSex(Sex sex) { return sex == Sex::Male || sex == Sex::Female; }

} // namespace

CIncidenceStore::CIncidenceStore() = default;
CIncidenceStore::~CIncidenceStore() = default;

bool CIncidenceStore::open(const std::string& dataDirectory) {
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

std::string CIncidenceStore::changedOnDiskMessage() const {
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

std::string CIncidenceStore::cutShortMessage() const {
    if (m_casesFile.wasCut()) {
        return cutMessageOf(kCasesFileName);
    }
    return m_populationFile.wasCut() ? cutMessageOf(kPopulationFileName) : std::string();
}

bool CIncidenceStore::isOpen() const { return m_casesFile.isOpen() && m_populationFile.isOpen(); }

void CIncidenceStore::setUserGroups(const CUserGroupDictionary* cancerGroups,
                                    const CUserGroupDictionary* registryGroups) {
    m_cancerGroups = cancerGroups;
    m_registryGroups = registryGroups;
}

const CIncidenceStore::PopulationRecord* CIncidenceStore::fetchPopulation(int population,
                                                                          Sex sex) const {
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
        m_loadError = cutMessageOf(kPopulationFileName);
        return nullptr;
    }
    if (!allFinite(record.personYears)) {
        m_loadError = std::string(kPopulationFileName) + ": the record of population " +
                      std::to_string(population) + ", sex " + std::to_string(indexOf(sex)) +
                      " holds a value that is not a number";
        return nullptr;
    }
    record.lastAgeGroup = highestNonZero(record.personYears);
    cached.population = population;
    return &record;
}

bool CIncidenceStore::fetchCases(int population, Sex sex, int cancer, Series& cases,
                                 double& verification) const {
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
        m_loadError = cutMessageOf(kCasesFileName);
        return false;
    }
    if (!allFinite(cases) || !std::isfinite(verification)) {
        m_loadError = std::string(kCasesFileName) + ": the record of population " +
                      std::to_string(population) + ", sex " + std::to_string(indexOf(sex)) +
                      ", cancer " + std::to_string(cancer) + " holds a value that is not a number";
        return false;
    }
    return true;
}

int CIncidenceStore::applyPopulation(const PopulationRecord& record) {
    m_firstYear = record.firstYear;
    m_lastYear = record.lastYear;
    m_registryType = record.type;
    m_marker = record.marker;
    m_personYears = record.personYears;
    seriesChanged();
    const int last = record.lastAgeGroup;
    if (last >= 0) {
        m_lastAgeGroup = last;
    }
    return last;
}

void CIncidenceStore::clearSeries() {
    seriesChanged();
    m_cases.fill(0.0);
    m_personYears.fill(0.0);
    m_verification = 0.0;
    m_sourceVerification = 0.0;
    m_unknownAgeFactor = 1.0;
}

bool CIncidenceStore::failLoad() {
    clearSeries();
    return false;
}

void CIncidenceStore::computeUnknownAgeFactor() {
    const double all = total(m_cases);
    const double unknown = m_cases[kUnknownAgeGroup];
    m_unknownAgeFactor = unknown != 0.0 && all > unknown ? all / (all - unknown) : 1.0;
}

bool CIncidenceStore::readPopulationRecord(int population, Sex sex) {
    const PopulationRecord* record = fetchPopulation(population, sex);
    if (record == nullptr) {
        return failLoad();
    }
    applyPopulation(*record);
    return true;
}

bool CIncidenceStore::readCasesRecord(int population, Sex sex, int cancer) {
    seriesChanged();
    if (!fetchCases(population, sex, cancer, m_cases, m_sourceVerification)) {
        return failLoad();
    }
    return true;
}

bool CIncidenceStore::loadSingle(int population, Sex sex, int cancer) {
    if (!readPopulationRecord(population, sex) || !readCasesRecord(population, sex, cancer)) {
        return failLoad();
    }
    computeUnknownAgeFactor();
    m_verification = m_sourceVerification;
    return true;
}

bool CIncidenceStore::groupMembers(const CUserGroupDictionary* groups, int index, int limit,
                                   std::vector<int>& members) {
    if (groups == nullptr || index < 0 || index >= groups->count()) {
        return false;
    }
    const UserGroup& group = groups->group(index);
    members = group.memberList();
    const auto bad = std::find_if(members.begin(), members.end(),
                                  [limit](int member) { return member >= limit; });
    if (bad == members.end() && group.unknownMember < 0 && !members.empty()) {
        return true;
    }
    const bool registry = groups->kind() == GroupKind::Registry;
    const std::string named =
        groups->path() + ": group " +
        std::to_string(index + (registry ? kFirstRegistryGroup : kFirstCancerGroup)) + " (" +
        group.trimmedName() + ")";
    if (bad == members.end() && group.unknownMember < 0) {
        // No member at all: its rates would be 0.00 over nothing rather than not available.
        m_loadError = named + " has no members";
        return false;
    }
    m_loadError = named + " has member " +
                  std::to_string(bad != members.end() ? *bad : group.unknownMember) +
                  ", which is not a " + (registry ? "population (0-" : "cancer (0-") +
                  std::to_string(limit - 1) + ")";
    return false;
}

bool CIncidenceStore::loadCancerGroup(int group, int population, Sex sex) {
    std::vector<int> cancers;
    if (!groupMembers(m_cancerGroups, group, kCancerCount, cancers)) {
        return failLoad();
    }
    return loadCancerMembers(population, sex, cancers);
}

bool CIncidenceStore::loadCancerMembers(int population, Sex sex, const std::vector<int>& cancers) {
    if (!readPopulationRecord(population, sex)) {
        return failLoad();
    }
    Series sum{};
    double verifiedCases = 0.0;
    for (int cancer : cancers) {
        if (!readCasesRecord(population, sex, cancer)) {
            return failLoad();
        }
        for (std::size_t i = 0; i < sum.size(); ++i) {
            sum[i] += m_cases[i];
        }
        if (m_sourceVerification >= 0.0) {
            verifiedCases += total(m_cases) * m_sourceVerification * 0.01;
        }
    }
    m_cases = sum;
    seriesChanged();
    computeUnknownAgeFactor();
    // Members without a percentage count as unverified cases.
    const double allCases = total(m_cases);
    m_verification = allCases != 0.0 ? verifiedCases * 100.0 / allCases : 0.0;
    return true;
}

bool CIncidenceStore::loadRegistryGroup(int group, int cancer, Sex sex) {
    std::vector<int> populations;
    if (!isDictionaryCancer(cancer) ||
        !groupMembers(m_registryGroups, group, kPopulationCount, populations)) {
        return failLoad();
    }
    return loadRegistryMembers(populations, {cancer}, sex);
}

bool CIncidenceStore::loadRegistryGroupWithCancerGroup(int registryGroup, int cancerGroup,
                                                       Sex sex) {
    std::vector<int> populations;
    std::vector<int> cancers;
    if (!groupMembers(m_registryGroups, registryGroup, kPopulationCount, populations) ||
        !groupMembers(m_cancerGroups, cancerGroup, kCancerCount, cancers)) {
        return failLoad();
    }
    return loadRegistryMembers(populations, cancers, sex);
}

bool CIncidenceStore::loadRegistryMembers(const std::vector<int>& populations,
                                          const std::vector<int>& cancers, Sex sex) {
    Series personYears{};
    Series cases{};
    int minimumLast = kTopAgeGroup;
    double verifiedMemberCases = 0.0;
    double verifiedCases = 0.0;
    for (int population : populations) {
        const PopulationRecord* record = fetchPopulation(population, sex);
        if (record == nullptr) {
            return failLoad();
        }
        // A member without person-years has no age classes and so cannot lower the top.
        const int last = applyPopulation(*record);
        if (last >= 0) {
            minimumLast = std::min(minimumLast, last);
        }
        for (std::size_t i = 0; i < personYears.size(); ++i) {
            personYears[i] += record->personYears[i];
        }
        for (int cancer : cancers) {
            if (!readCasesRecord(population, sex, cancer)) {
                return failLoad();
            }
            for (std::size_t i = 0; i < cases.size(); ++i) {
                cases[i] += m_cases[i];
            }
            if (m_sourceVerification >= 0.0) {
                const double recordCases = total(m_cases);
                verifiedMemberCases += recordCases;
                verifiedCases += recordCases * m_sourceVerification * 0.01;
            }
        }
    }
    m_lastAgeGroup = minimumLast;
    foldPersonYears(personYears, minimumLast);
    m_personYears = personYears;
    m_cases = cases;
    seriesChanged();
    computeUnknownAgeFactor();
    // Only members with a percentage enter the denominator.
    m_verification = verifiedMemberCases != 0.0 ? verifiedCases * 100.0 / verifiedMemberCases : 0.0;
    return true;
}

bool CIncidenceStore::loadOne(int population, int cancer, Sex sex) {
    m_loadError.clear();
    const bool registryGroup = population >= kFirstRegistryGroup;
    const bool cancerGroup = cancer >= kFirstCancerGroup;
    if (registryGroup && cancerGroup) {
        return loadRegistryGroupWithCancerGroup(population - kFirstRegistryGroup,
                                                cancer - kFirstCancerGroup, sex);
    }
    if (registryGroup) {
        return loadRegistryGroup(population - kFirstRegistryGroup, cancer, sex);
    }
    if (cancerGroup) {
        return loadCancerGroup(cancer - kFirstCancerGroup, population, sex);
    }
    return loadSingle(population, sex, cancer);
}

bool CIncidenceStore::load(int population, int cancer, Sex sex) {
    if (sex != Sex::Both) {
        return isSex(sex) ? loadOne(population, cancer, sex) : failLoad();
    }
    if (!loadOne(population, cancer, Sex::Male)) {
        return false;
    }
    const Series maleCases = m_cases;
    const Series malePersonYears = m_personYears;
    const int maleLast = m_lastAgeGroup;
    const double maleVerification = m_verification;
    if (!loadOne(population, cancer, Sex::Female)) {
        return false;
    }
    const double maleTotal = total(maleCases);
    const double femaleTotal = total(m_cases);
    const double femaleVerification = m_verification;
    for (std::size_t i = 0; i < m_cases.size(); ++i) {
        m_cases[i] += maleCases[i];
        m_personYears[i] += malePersonYears[i];
    }
    // The sum is open at the lower of the two tops, as a registry group is at its members'.
    m_lastAgeGroup = std::min(maleLast, m_lastAgeGroup);
    foldPersonYears(m_personYears, m_lastAgeGroup);
    seriesChanged();
    computeUnknownAgeFactor();

    m_verification =
        combinedVerification(maleVerification, maleTotal, femaleVerification, femaleTotal);
    return true;
}

const std::string& CIncidenceStore::populationLabel(int row, bool withYears) {
    m_populationLabel.clear();
    if (row < 0 || row >= kRegistryRowCount) {
        return m_populationLabel;
    }
    PopulationFacts facts;
    const int population = CRegistryDictionary::populationNumber(row);
    if (isDictionaryPopulation(population) && readPopulationRecord(population, Sex::Male)) {
        facts.marker = m_marker;
        facts.firstYear = m_firstYear;
        facts.lastYear = m_lastYear;
    }
    m_populationLabel = CRegistryDictionary::label(row, facts, withYears);
    return m_populationLabel;
}

const std::string& CIncidenceStore::populationLabelByNumber(int population, bool withYears) {
    if (isDictionaryPopulation(population)) {
        if (const auto row = CRegistryDictionary::rowOfPopulation(population)) {
            return populationLabel(*row, withYears);
        }
    }
    m_populationLabel.clear();
    const int group = population - kFirstRegistryGroup;
    if (m_registryGroups != nullptr && group >= 0 && group < m_registryGroups->count()) {
        m_populationLabel = m_registryGroups->group(group).trimmedName();
    }
    return m_populationLabel;
}

const std::string& CIncidenceStore::cancerLabel(int cancer) {
    m_cancerLabel.clear();
    const int group = cancer - kFirstCancerGroup;
    if (isDictionaryCancer(cancer)) {
        m_cancerLabel = CCancerDictionary::label(cancer);
    } else if (m_cancerGroups != nullptr && group >= 0 && group < m_cancerGroups->count()) {
        m_cancerLabel = m_cancerGroups->group(group).trimmedName();
    }
    return m_cancerLabel;
}

} // namespace orvelan

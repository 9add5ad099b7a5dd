#pragma once

#include "core/data/CMappedFile.h"
#include "core/data/Codes.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The one gateway to ORVELAN.DAT (cases) and ORVELAN.POP (person-years). It holds exactly one
// loaded series (a population or registry group, crossed with a cancer or cancer group, for one
// sex) and computes the summary rates of that series over an age range.
namespace orvelan {

class CUserGroupDictionary;

/// A rate with its standard error; ok == false when the engine declines (both are then -1).
struct RateResult {
    bool ok = false;
    double value = -1.0;
    double se = -1.0;
    /// 95% confidence limits value -/+ 1.96 SE.
    double lower() const { return value - 1.96 * se; }
    double upper() const { return value + 1.96 * se; }
};

class CIncidenceStore {
  public:
    static constexpr std::size_t kPopulationRecordSize = 86;
    static constexpr std::size_t kCasesRecordSize = 80;
    static constexpr std::string_view kCasesFileName = "ORVELAN.DAT";
    static constexpr std::string_view kPopulationFileName = "ORVELAN.POP";
    /// Expected sizes of the two files for the 229 populations.
    static constexpr std::size_t kPopulationFileSize = 229 * 2 * kPopulationRecordSize;
    static constexpr std::size_t kCasesFileSize = 229 * 2 * 252 * kCasesRecordSize;

    CIncidenceStore();
    ~CIncidenceStore();
    CIncidenceStore(const CIncidenceStore&) = delete;
    CIncidenceStore& operator=(const CIncidenceStore&) = delete;

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
    /// The message to show when a data file on disk is no longer the one that was opened (a
    /// new release copied over it, say); empty while both are unchanged. A file cut short is
    /// refused by every load from then on (loadError() says so).
    std::string changedOnDiskMessage() const;
    /// Why nothing more can be computed once a read found a data file cut short on disk (every
    /// load is refused from then on); empty while both files read whole.
    std::string cutShortMessage() const;

    /// The user group dictionaries the group loads and labels read (owned by the caller).
    void setUserGroups(const CUserGroupDictionary* cancerGroups,
                       const CUserGroupDictionary* registryGroups);
    const CUserGroupDictionary* cancerGroups() const { return m_cancerGroups; }
    const CUserGroupDictionary* registryGroups() const { return m_registryGroups; }

    // Record reads and loads of one sex (male or female). Each returns false (series cleared) when
    // the files are not open or a number is out of range.
    bool readPopulationRecord(int population, Sex sex);
    bool readCasesRecord(int population, Sex sex, int cancer);
    bool loadSingle(int population, Sex sex, int cancer);
    bool loadCancerGroup(int group, int population, Sex sex);
    bool loadRegistryGroup(int group, int cancer, Sex sex);
    bool loadRegistryGroupWithCancerGroup(int registryGroup, int cancerGroup, Sex sex);
    /// Chooses the load by the numbers: population >= 272 is a registry group, cancer >= 252 a
    /// cancer group. Sex::Both loads both sexes and adds the two series entry by entry; the sum is
    /// open at the lower of the two last age groups (person-years above it folded into it), its
    /// factor comes from the summed cases, and its verification is the sexes' percentages
    /// weighted by their case totals (over the sexes that have one; -1 when neither has).
    bool load(int population, int cancer, Sex sex);
    /// Why the last load() failed when a user group is at fault (its dictionary, group number
    /// and member) or a record holds a value that is not a number; empty otherwise.
    const std::string& loadError() const { return m_loadError; }
    /// Puts a curve typed in by the user in place of the loaded series (no unknown-age cases):
    /// unknown-age factor 1, last age group the highest group 0-17 with person-years (0 when
    /// there is none).
    void setUserSeries(const AgeArray& cases, const AgeArray& personYears);

    // The loaded series and its facts.
    const Series& cases() const { return m_cases; }
    const Series& personYears() const { return m_personYears; }
    int lastAgeGroup() const { return m_lastAgeGroup; }
    int firstYear() const { return m_firstYear; }
    int lastYear() const { return m_lastYear; }
    char registryType() const { return m_registryType; }
    char marker() const { return m_marker; }
    bool isSpecialised() const { return m_registryType == 's'; }
    /// Verification percentage of the series; negative: not available.
    double verification() const { return m_verification; }
    /// Verification percentage of the last cases record read.
    double sourceVerification() const { return m_sourceVerification; }
    /// T / (T - U) spreading unknown-age cases over known ages; 1.0 when there are none.
    double unknownAgeFactor() const { return m_unknownAgeFactor; }

    // Rates engine. from and to are age groups 0-17 (to may be 18 for the number of cases).
    // Each returns 0 when computed and 1 when the range cannot be computed (result and SE -1).
    void setStandard(StandardCode standardCode);
    const AgeArray& weights() const { return m_weights; }
    const AgeArray& cumulativeWidths() const { return m_widths; }
    int numberOfCases(int from, int to);
    int crudeRate(int from, int to);
    int asr(int from, int to, StandardCode standardCode);
    /// The same against weights of the caller's (18 summing to 1), e.g. a standard of today's.
    int asr(int from, int to, const AgeArray& weights);
    int cumulativeRate(int from, int to);
    int cumulativeRisk(int from, int to);

    double numberOfCasesResult() const { return m_numberOfCases; }
    double crudeRateResult() const { return m_crudeRate; }
    double crudeRateSe() const { return m_crudeRateSe; }
    double asrResult() const { return m_asr; }
    double asrSe() const { return m_asrSe; }
    double cumulativeRateResult() const { return m_cumulativeRate; }
    double cumulativeRateSe() const { return m_cumulativeRateSe; }
    double cumulativeRiskResult() const { return m_cumulativeRisk; }
    double cumulativeRiskSe() const { return m_cumulativeRiskSe; }
    /// Person-years summed by the last crude rate.
    double personYearsSum() const { return m_personYearsSum; }
    /// Age-specific rates per 100,000 of groups 0-17 left by the last computation.
    const AgeArray& ageSpecificRates() const { return m_rates; }

    /// A rate kind as every view asks it: kind 5 over 0-17 counts unknown ages too (its SE is 0).
    /// asrWeights, when given, replace the classic table of an ASR kind.
    RateResult computeRate(RateKind kind, int from, int to, const AgeArray* asrWeights = nullptr);
    /// The same, on the series exactly as loaded: the folding at the top of the range is undone
    /// afterwards, so no figure depends on which figures were computed before it.
    RateResult computeRateOnLoaded(RateKind kind, int from, int to,
                                   const AgeArray* asrWeights = nullptr);

    // Labels (256-character buffers in spirit; here plain strings).
    /// Label of a registry dictionary row; reads the population record (sex 0) first, which
    /// replaces the loaded person-years and facts.
    const std::string& populationLabel(int row, bool withYears);
    /// Label of a population number 0-228, or the trimmed name of a registry group (>= 272).
    const std::string& populationLabelByNumber(int population, bool withYears);
    /// Label of a cancer 0-251, or the trimmed name of a cancer group (>= 252).
    const std::string& cancerLabel(int cancer);

  private:
    /// One population record as stored.
    struct PopulationRecord {
        int firstYear = 0;
        int lastYear = 0;
        Series personYears{};
        char type = ' ';
        char marker = ' ';
        int lastAgeGroup = -1; // the highest group with person-years, -1 when none has
    };

    /// The record, decoded once and kept per sex until another population is asked for;
    /// null when the file is not open, a number is out of range or a value is not a number.
    const PopulationRecord* fetchPopulation(int population, Sex sex) const;
    bool fetchCases(int population, Sex sex, int cancer, Series& cases, double& verification) const;
    /// Takes a population record as the current one; returns its own last age group, or -1
    /// when it has no person-years (the store's last age group then stays as it was).
    int applyPopulation(const PopulationRecord& record);
    /// Clears the series and returns false: the result of every failed load.
    bool failLoad();
    void clearSeries();
    void computeUnknownAgeFactor();
    bool loadOne(int population, int cancer, Sex sex);
    bool loadCancerMembers(int population, Sex sex, const std::vector<int>& cancers);
    bool loadRegistryMembers(const std::vector<int>& populations, const std::vector<int>& cancers,
                             Sex sex);
    bool groupMembers(const CUserGroupDictionary* groups, int index, int limit,
                      std::vector<int>& members);
    /// Folds the top of the range into the last age group when to is 17; false when the range
    /// cannot be computed.
    bool applyTopOfRange(int from, int& to, bool foldWeights);
    /// The ASR on the weights already in place.
    int asrOnWeights(int from, int to);
    static int decline(double& value, double& se);
    /// Age-specific rates per 100,000 of groups 0-17 of the series as it stands (0 for a group
    /// without person-years), computed once for the figures of the series to share.
    const AgeArray& seriesRates();
    /// Every change to the series (cases, person-years, last age group, unknown-age factor)
    /// calls this, so that what was computed from it is computed again.
    void seriesChanged() {
        m_seriesRatesValid = false;
        m_cumulativeKnown = false;
    }

    std::vector<std::string> m_problems;
    /// The last population record decoded per sex (population -1: none), so that the loads of a
    /// grid that keep to one population do not decode its record again for every cell.
    struct CachedPopulation {
        int population = -1;
        PopulationRecord record;
    };
    mutable std::array<CachedPopulation, 2> m_populationCache{};
    std::vector<std::string> m_warnings;
    // Set by the const record reads too: why the last load failed, for the message.
    mutable std::string m_loadError;
    CMappedFile m_casesFile;
    CMappedFile m_populationFile;
    const CUserGroupDictionary* m_cancerGroups = nullptr;
    const CUserGroupDictionary* m_registryGroups = nullptr;

    Series m_cases{};
    Series m_personYears{};
    int m_lastAgeGroup = kTopAgeGroup;
    int m_firstYear = 0;
    int m_lastYear = 0;
    char m_registryType = ' ';
    char m_marker = ' ';
    double m_verification = 0.0;
    double m_sourceVerification = 0.0;
    double m_unknownAgeFactor = 1.0;

    AgeArray m_seriesRates{};
    bool m_seriesRatesValid = false;
    // The range the cumulative rate and its SE were last computed over, for the same series.
    bool m_cumulativeKnown = false;
    int m_cumulativeFrom = 0;
    int m_cumulativeTo = 0;

    AgeArray m_weights{};
    AgeArray m_widths{};
    AgeArray m_rates{};
    double m_numberOfCases = 0.0;
    double m_crudeRate = 0.0;
    double m_crudeRateSe = 0.0;
    double m_asr = 0.0;
    double m_asrSe = 0.0;
    double m_cumulativeRate = 0.0;
    double m_cumulativeRateSe = 0.0;
    double m_cumulativeRisk = 0.0;
    double m_cumulativeRiskSe = 0.0;
    double m_personYearsSum = 0.0;

    std::string m_populationLabel;
    std::string m_cancerLabel;
};

inline void CIncidenceStore::setUserSeries(const AgeArray& cases, const AgeArray& personYears) {
    seriesChanged();
    m_cases = Series{};
    m_personYears = Series{};
    m_lastAgeGroup = 0;
    for (std::size_t i = 0; i < cases.size(); ++i) {
        m_cases[i] = cases[i];
        m_personYears[i] = personYears[i];
        if (personYears[i] != 0.0) {
            m_lastAgeGroup = static_cast<int>(i);
        }
    }
    m_unknownAgeFactor = 1.0;
}

} // namespace orvelan

#include "core/data/SeriesLoader.h"

#include "core/data/CDataFiles.h"
#include "core/data/CUserGroupDictionary.h"

#include <algorithm>
#include <utility>

namespace orvelan {

namespace {

using PopulationRecord = CDataFiles::PopulationRecord;

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

/// The record's person-years and facts into a series, its cases left as they are; a record
/// without person-years leaves the top open at 17.
void setRecord(Series& series, const PopulationRecord& record) {
    series.firstYear = record.firstYear;
    series.lastYear = record.lastYear;
    series.registryType = record.type;
    series.marker = record.marker;
    series.personYears = record.personYears;
    series.lastAgeGroup = record.lastAgeGroup >= 0 ? record.lastAgeGroup : kTopAgeGroup;
    series.verification = 0.0;
    series.unknownAgeFactor = 1.0;
}

} // namespace

LoadedSeries SeriesLoader::load(int population, int cancer, Sex sex) const {
    LoadedSeries loaded{Series{}, {}};
    if (!load(population, cancer, sex, *loaded.series, loaded.error)) {
        loaded.series.reset();
    }
    return loaded;
}

bool SeriesLoader::populationRecord(int population, Sex sex, Series& series,
                                    std::string& error) const {
    const PopulationRecord* record = m_files.population(population, sex, error);
    if (record == nullptr) {
        return false;
    }
    setRecord(series, *record);
    series.cases.fill(0.0);
    return true;
}

bool SeriesLoader::groupMembers(const CUserGroupDictionary* groups, int index, int limit,
                                std::vector<int>& members, std::string& error) const {
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
        error = named + " has no members";
        return false;
    }
    error = named + " has member " +
            std::to_string(bad != members.end() ? *bad : group.unknownMember) +
            ", which is not a " + (registry ? "population (0-" : "cancer (0-") +
            std::to_string(limit - 1) + ")";
    return false;
}

bool SeriesLoader::addCases(int population, Sex sex, std::span<const int> cancers, Series& series,
                            double& verified, double& withPercentage, std::string& error) const {
    // Running sums in locals, in the same order as into the caller's: the loop keeps them in
    // registers instead of storing through the references at every record.
    AgeValues sum = series.cases;
    double verifiedSum = verified;
    double withPercentageSum = withPercentage;
    AgeValues cases{}; // every read fills it whole
    double verification = 0.0;
    for (int cancer : cancers) {
        if (!m_files.cases(population, sex, cancer, cases, verification, error)) {
            return false;
        }
        for (std::size_t i = 0; i < cases.size(); ++i) {
            sum[i] += cases[i];
        }
        if (verification >= 0.0) {
            const double recordCases = sumOf(cases);
            withPercentageSum += recordCases;
            verifiedSum += recordCases * verification * 0.01;
        }
    }
    series.cases = sum;
    verified = verifiedSum;
    withPercentage = withPercentageSum;
    return true;
}

bool SeriesLoader::loadCancerMembers(int population, Sex sex, std::span<const int> cancers,
                                     bool group, Series& series, std::string& error) const {
    const PopulationRecord* record = m_files.population(population, sex, error);
    if (record == nullptr) {
        return false;
    }
    setRecord(series, *record);
    if (!group) {
        if (!m_files.cases(population, sex, cancers.front(), series.cases, series.verification,
                           error)) {
            return false;
        }
        series.unknownAgeFactor = unknownAgeFactorOf(series.cases);
        return true;
    }
    series.cases.fill(0.0);
    double verifiedCases = 0.0;
    double withPercentage = 0.0;
    if (!addCases(population, sex, cancers, series, verifiedCases, withPercentage, error)) {
        return false;
    }
    series.unknownAgeFactor = unknownAgeFactorOf(series.cases);
    // Members without a percentage count as unverified cases.
    const double allCases = sumOf(series.cases);
    series.verification = allCases != 0.0 ? verifiedCases * 100.0 / allCases : 0.0;
    return true;
}

bool SeriesLoader::loadRegistryMembers(std::span<const int> populations,
                                       std::span<const int> cancers, Sex sex, Series& series,
                                       std::string& error) const {
    series = Series{};
    int minimumLast = kTopAgeGroup;
    double verifiedMemberCases = 0.0;
    double verifiedCases = 0.0;
    for (int population : populations) {
        const PopulationRecord* record = m_files.population(population, sex, error);
        if (record == nullptr) {
            return false;
        }
        // The facts are the last member's; a member without person-years has no age classes
        // and so cannot lower the top.
        series.firstYear = record->firstYear;
        series.lastYear = record->lastYear;
        series.registryType = record->type;
        series.marker = record->marker;
        if (record->lastAgeGroup >= 0) {
            minimumLast = std::min(minimumLast, record->lastAgeGroup);
        }
        for (std::size_t i = 0; i < series.personYears.size(); ++i) {
            series.personYears[i] += record->personYears[i];
        }
        if (!addCases(population, sex, cancers, series, verifiedCases, verifiedMemberCases,
                      error)) {
            return false;
        }
    }
    series.lastAgeGroup = minimumLast;
    foldIntoOpenClass(series.personYears, minimumLast);
    series.unknownAgeFactor = unknownAgeFactorOf(series.cases);
    // Only members with a percentage enter the denominator.
    series.verification =
        verifiedMemberCases != 0.0 ? verifiedCases * 100.0 / verifiedMemberCases : 0.0;
    return true;
}

bool SeriesLoader::loadOne(int population, int cancer, Sex sex, Series& series,
                           std::string& error) const {
    const bool registryGroup = population >= kFirstRegistryGroup;
    const bool cancerGroup = cancer >= kFirstCancerGroup;
    if (!registryGroup && !cancerGroup) {
        return loadCancerMembers(population, sex, {&cancer, 1}, false, series, error);
    }
    std::vector<int> populations{population};
    std::vector<int> cancers{cancer};
    if (registryGroup && !cancerGroup && !isDictionaryCancer(cancer)) {
        return false;
    }
    if (registryGroup && !groupMembers(m_registryGroups, population - kFirstRegistryGroup,
                                       kPopulationCount, populations, error)) {
        return false;
    }
    if (cancerGroup &&
        !groupMembers(m_cancerGroups, cancer - kFirstCancerGroup, kCancerCount, cancers, error)) {
        return false;
    }
    return registryGroup ? loadRegistryMembers(populations, cancers, sex, series, error)
                         : loadCancerMembers(population, sex, cancers, true, series, error);
}

bool SeriesLoader::load(int population, int cancer, Sex sex, Series& series,
                        std::string& error) const {
    error.clear();
    if (sex != Sex::Both) {
        return (sex == Sex::Male || sex == Sex::Female) &&
               loadOne(population, cancer, sex, series, error);
    }
    Series male;
    if (!loadOne(population, cancer, Sex::Male, male, error) ||
        !loadOne(population, cancer, Sex::Female, series, error)) {
        return false;
    }
    const double maleTotal = sumOf(male.cases);
    const double femaleTotal = sumOf(series.cases);
    for (std::size_t i = 0; i < series.cases.size(); ++i) {
        series.cases[i] += male.cases[i];
        series.personYears[i] += male.personYears[i];
    }
    // The sum is open at the lower of the two tops, as a registry group is at its members'.
    series.lastAgeGroup = std::min(male.lastAgeGroup, series.lastAgeGroup);
    foldIntoOpenClass(series.personYears, series.lastAgeGroup);
    series.unknownAgeFactor = unknownAgeFactorOf(series.cases);
    series.verification =
        combinedVerification(male.verification, maleTotal, series.verification, femaleTotal);
    return true;
}

} // namespace orvelan

#include "core/data/SeriesLoader.h"

#include "core/data/CDataFiles.h"
#include "core/data/CUserGroupDictionary.h"

#include <algorithm>
#include <utility>

namespace orvelan {

namespace {

using PopulationRecord = CDataFiles::PopulationRecord;

double total(const AgeValues& values) {
    double sum = 0.0;
    for (double value : values) {
        sum += value;
    }
    return sum;
}

/// Adds the person-years of groups above last (up to 17) into group last.
void foldPersonYears(AgeValues& personYears, int last) {
    const auto top = static_cast<std::size_t>(last);
    for (std::size_t i = top + 1; i <= static_cast<std::size_t>(kTopAgeGroup); ++i) {
        personYears[top] += personYears[i];
        personYears[i] = 0.0;
    }
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

/// A series of the record's person-years and facts; a record without person-years leaves the
/// top open at 17.
Series seriesOf(const PopulationRecord& record) {
    Series series;
    series.firstYear = record.firstYear;
    series.lastYear = record.lastYear;
    series.registryType = record.type;
    series.marker = record.marker;
    series.personYears = record.personYears;
    if (record.lastAgeGroup >= 0) {
        series.lastAgeGroup = record.lastAgeGroup;
    }
    return series;
}

LoadedSeries failed(std::string error) { return {std::nullopt, std::move(error)}; }

} // namespace

LoadedSeries SeriesLoader::populationRecord(int population, Sex sex) const {
    std::string error;
    const PopulationRecord* record = m_files.population(population, sex, error);
    return record != nullptr ? LoadedSeries{seriesOf(*record), {}} : failed(std::move(error));
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

LoadedSeries SeriesLoader::loadCancerMembers(int population, Sex sex, std::span<const int> cancers,
                                             bool group) const {
    std::string error;
    const PopulationRecord* record = m_files.population(population, sex, error);
    if (record == nullptr) {
        return failed(std::move(error));
    }
    Series series = seriesOf(*record);
    double verifiedCases = 0.0;
    for (int cancer : cancers) {
        AgeValues cases{};
        double verification = 0.0;
        if (!m_files.cases(population, sex, cancer, cases, verification, error)) {
            return failed(std::move(error));
        }
        if (!group) {
            series.cases = cases;
            series.verification = verification;
            break;
        }
        for (std::size_t i = 0; i < cases.size(); ++i) {
            series.cases[i] += cases[i];
        }
        if (verification >= 0.0) {
            verifiedCases += total(cases) * verification * 0.01;
        }
    }
    series.unknownAgeFactor = unknownAgeFactorOf(series.cases);
    if (group) {
        // Members without a percentage count as unverified cases.
        const double allCases = total(series.cases);
        series.verification = allCases != 0.0 ? verifiedCases * 100.0 / allCases : 0.0;
    }
    return {series, {}};
}

LoadedSeries SeriesLoader::loadRegistryMembers(std::span<const int> populations,
                                               std::span<const int> cancers, Sex sex) const {
    Series series;
    int minimumLast = kTopAgeGroup;
    double verifiedMemberCases = 0.0;
    double verifiedCases = 0.0;
    std::string error;
    for (int population : populations) {
        const PopulationRecord* record = m_files.population(population, sex, error);
        if (record == nullptr) {
            return failed(std::move(error));
        }
        // The facts are the last member's; a member without person-years has no age classes
        // and so cannot lower the top.
        const Series member = seriesOf(*record);
        series.firstYear = member.firstYear;
        series.lastYear = member.lastYear;
        series.registryType = member.registryType;
        series.marker = member.marker;
        if (record->lastAgeGroup >= 0) {
            minimumLast = std::min(minimumLast, record->lastAgeGroup);
        }
        for (std::size_t i = 0; i < series.personYears.size(); ++i) {
            series.personYears[i] += record->personYears[i];
        }
        for (int cancer : cancers) {
            AgeValues cases{};
            double verification = 0.0;
            if (!m_files.cases(population, sex, cancer, cases, verification, error)) {
                return failed(std::move(error));
            }
            for (std::size_t i = 0; i < cases.size(); ++i) {
                series.cases[i] += cases[i];
            }
            if (verification >= 0.0) {
                const double recordCases = total(cases);
                verifiedMemberCases += recordCases;
                verifiedCases += recordCases * verification * 0.01;
            }
        }
    }
    series.lastAgeGroup = minimumLast;
    foldPersonYears(series.personYears, minimumLast);
    series.unknownAgeFactor = unknownAgeFactorOf(series.cases);
    // Only members with a percentage enter the denominator.
    series.verification =
        verifiedMemberCases != 0.0 ? verifiedCases * 100.0 / verifiedMemberCases : 0.0;
    return {series, {}};
}

LoadedSeries SeriesLoader::loadOne(int population, int cancer, Sex sex) const {
    const bool registryGroup = population >= kFirstRegistryGroup;
    const bool cancerGroup = cancer >= kFirstCancerGroup;
    if (!registryGroup && !cancerGroup) {
        return loadCancerMembers(population, sex, {&cancer, 1}, false); // the common case
    }
    std::vector<int> populations{population};
    std::vector<int> cancers{cancer};
    std::string error;
    if (registryGroup && !cancerGroup && !isDictionaryCancer(cancer)) {
        return failed({});
    }
    if (registryGroup && !groupMembers(m_registryGroups, population - kFirstRegistryGroup,
                                       kPopulationCount, populations, error)) {
        return failed(std::move(error));
    }
    if (cancerGroup &&
        !groupMembers(m_cancerGroups, cancer - kFirstCancerGroup, kCancerCount, cancers, error)) {
        return failed(std::move(error));
    }
    return registryGroup ? loadRegistryMembers(populations, cancers, sex)
                         : loadCancerMembers(population, sex, cancers, cancerGroup);
}

LoadedSeries SeriesLoader::load(int population, int cancer, Sex sex) const {
    if (sex != Sex::Both) {
        return sex == Sex::Male || sex == Sex::Female ? loadOne(population, cancer, sex)
                                                      : failed({});
    }
    LoadedSeries male = loadOne(population, cancer, Sex::Male);
    if (!male) {
        return male;
    }
    LoadedSeries female = loadOne(population, cancer, Sex::Female);
    if (!female) {
        return female;
    }
    Series& sum = *female.series;
    const Series& m = *male.series;
    const double maleTotal = total(m.cases);
    const double femaleTotal = total(sum.cases);
    for (std::size_t i = 0; i < sum.cases.size(); ++i) {
        sum.cases[i] += m.cases[i];
        sum.personYears[i] += m.personYears[i];
    }
    // The sum is open at the lower of the two tops, as a registry group is at its members'.
    sum.lastAgeGroup = std::min(m.lastAgeGroup, sum.lastAgeGroup);
    foldPersonYears(sum.personYears, sum.lastAgeGroup);
    sum.unknownAgeFactor = unknownAgeFactorOf(sum.cases);
    sum.verification =
        combinedVerification(m.verification, maleTotal, sum.verification, femaleTotal);
    return female;
}

} // namespace orvelan

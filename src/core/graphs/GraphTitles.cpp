#include "core/graphs/GraphTitles.h"

#include "core/data/CIncidenceStore.h"
#include "core/graphs/GraphWizardRules.h"

namespace orvelan {

namespace {

constexpr int kCumulativeRate = static_cast<int>(RateKind::CumulativeRate);
constexpr int kCumulativeRisk = static_cast<int>(RateKind::CumulativeRisk);
constexpr int kNumberOfCases = static_cast<int>(RateKind::NumberOfCases);

std::string plainSexName(int sex) { return std::string(sexLabel(sex, kTopAgeGroup)); }

/// "Male" or "Female"; "Boys" or "Girls" when the range ends below 20.
std::string titleSexName(int sex, int to) { return std::string(sexLabel(sex == 1 ? 1 : 0, to)); }

int selectedCount(const SelectionList& list) {
    int count = 0;
    for (const int slot : list) {
        count += slot >= 0 ? 1 : 0;
    }
    return count;
}

int firstSelected(const SelectionList& list) {
    for (const int slot : list) {
        if (slot >= 0) {
            return slot;
        }
    }
    return -1;
}

} // namespace

std::string graphAgePart(int from, int to) {
    if (from == kTopAgeGroup && to == kTopAgeGroup) {
        return " age (" + std::string(upperLabel(kTopAgeGroup)) + ")";
    }
    if (from == 0 && to == kTopAgeGroup) {
        return " (All ages)";
    }
    return " age (" + std::string(lowerLabel(from)) + std::string(upperLabel(to)) + ")";
}

std::string ageSpecificTitle(const std::optional<std::string>& registry,
                             const std::optional<std::string>& cancer, int sex,
                             bool anyCancerOfBothSexes) {
    std::string title;
    if (registry) {
        title += *registry;
    }
    if (cancer) {
        if (registry) {
            title += ", ";
        }
        title += *cancer;
    }
    if ((sex == 0 || sex == 1) && anyCancerOfBothSexes) {
        if (registry || cancer) {
            title += " - ";
        }
        title += plainSexName(sex);
    }
    return title;
}

std::string barChartTitle(const std::string& subject, int rateKind, int sex, int from, int to,
                          bool withSex) {
    std::string title = subject;
    if (rateKind >= 0 && rateKind < kNumberOfCases) {
        title += ": ";
        title += rateKindLabel(rateKind);
        title += rateKind == kCumulativeRate || rateKind == kCumulativeRisk ? " (percent)"
                                                                            : " (per 100,000)";
    }
    if (withSex) {
        title += "-" + titleSexName(sex, to);
    }
    return title + graphAgePart(from, to);
}

std::string pieChartTitle(const std::string& population, int sex, int from, int to) {
    return population + "-" + titleSexName(sex, to) + graphAgePart(from, to);
}

std::vector<std::string> barChartHeading(int barChartType, int rateKind, int sex, int from, int to,
                                         const std::string& chosenName) {
    const char* chart = barChartType == static_cast<int>(BarChartType::Cancer)
                            ? "Cancer bar chart, "
                            : "Registry bar chart, ";
    std::vector<std::string> lines;
    lines.push_back(chart + std::string(rateKindLabel(rateKind)) + ".");
    lines.push_back(plainSexName(sex == 1 ? 1 : 0) + ageRangeSuffix(from, to));
    if (!chosenName.empty()) {
        lines.push_back(chosenName);
    }
    return lines;
}

std::string registrySlotLabel(int slot, CIncidenceStore& labels) {
    if (slot < kRegistryRowCount) {
        return labels.populationLabel(slot, true);
    }
    return labels.populationLabelByNumber(slot, true);
}

std::string defaultAgeSpecificTitle(const GraphSettings& settings, CIncidenceStore& labels,
                                    const CUserGroupDictionary& cancerGroups) {
    const bool male = settings.sex != 1;
    const bool female = settings.sex != 0;
    std::optional<std::string> registry;
    if (selectedCount(settings.registries) == 1) {
        registry = registrySlotLabel(firstSelected(settings.registries), labels);
    }
    std::optional<std::string> cancer;
    const std::vector<int> giving =
        cancersGivingCurves(settings.cancers, male, female, cancerGroups);
    if (giving.size() == 1) {
        cancer = labels.cancerLabel(giving.front());
    }
    bool anyOfBothSexes = false;
    for (const int slot : settings.cancers) {
        if (slot >= 0) {
            const CancerSexes sexes = cancerSexes(slot, cancerGroups);
            anyOfBothSexes = anyOfBothSexes || (sexes.male && sexes.female);
        }
    }
    return ageSpecificTitle(registry, cancer, settings.sex, anyOfBothSexes);
}

std::string defaultBarChartTitle(const GraphSettings& settings, CIncidenceStore& labels,
                                 const CUserGroupDictionary& cancerGroups) {
    const bool cancerChart = settings.barChartType == static_cast<int>(BarChartType::Cancer);
    const std::string subject = cancerChart
                                    ? labels.cancerLabel(settings.cancer)
                                    : labels.populationLabelByNumber(settings.population, true);
    bool withSex = true;
    if (cancerChart) {
        const CancerSexes sexes = cancerSexes(settings.cancer, cancerGroups);
        withSex = sexes.male && sexes.female;
    }
    return barChartTitle(subject, settings.rateKind, settings.sex, settings.ageFrom, settings.ageTo,
                         withSex);
}

std::string defaultPieChartTitle(const GraphSettings& settings, CIncidenceStore& labels) {
    return pieChartTitle(labels.populationLabelByNumber(settings.population, true), settings.sex,
                         settings.ageFrom, settings.ageTo);
}

std::string pyramidTitle(int population, CIncidenceStore& labels) {
    return labels.populationLabelByNumber(population, true);
}

} // namespace orvelan

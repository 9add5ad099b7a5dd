#include "core/graphs/GraphTitles.h"

#include "core/data/CIncidenceStore.h"
#include "core/graphs/GraphSelection.h"

namespace orvelan {

namespace {

std::string plainSexName(Sex sex) { return std::string(sexLabel(sex, kTopAgeGroup)); }

/// "Male" or "Female"; "Boys" or "Girls" when the range ends below 20.
std::string titleSexName(Sex sex, int to) {
    return std::string(sexLabel(sex == Sex::Female ? Sex::Female : Sex::Male, to));
}

/// The sex a bar or pie chart title names: female, or male for every other template value.
Sex titleSex(const GraphSettings& settings) {
    return settings.sex == Sex::Female ? Sex::Female : Sex::Male;
}

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
                             const std::optional<std::string>& cancer, Sex sex,
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
    if (sex != Sex::Both && anyCancerOfBothSexes) {
        if (registry || cancer) {
            title += " - ";
        }
        title += plainSexName(sex);
    }
    return title;
}

std::string barChartTitle(const std::string& subject, RateKind rateKind, Sex sex, int from, int to,
                          bool withSex) {
    std::string title = subject;
    if (isRateKind(rateKind) && rateKind != RateKind::NumberOfCases) {
        title += ": ";
        title += rateKindLabel(rateKind);
        title += rateKind == RateKind::CumulativeRate || rateKind == RateKind::CumulativeRisk
                     ? " (percent)"
                     : " (per 100,000)";
    }
    if (withSex) {
        title += "-" + titleSexName(sex, to);
    }
    return title + graphAgePart(from, to);
}

std::string pieChartTitle(const std::string& population, Sex sex, int from, int to) {
    return population + "-" + titleSexName(sex, to) + graphAgePart(from, to);
}

std::vector<std::string> barChartHeading(BarChartType barChartType, RateKind rateKind, Sex sex,
                                         int from, int to, const std::string& chosenName) {
    const char* chart =
        barChartType == BarChartType::Cancer ? "Cancer bar chart, " : "Registry bar chart, ";
    std::vector<std::string> lines;
    lines.push_back(chart + std::string(rateKindLabel(rateKind)) + ".");
    lines.push_back(plainSexName(sex == Sex::Female ? Sex::Female : Sex::Male) +
                    ageRangeSuffix(from, to));
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

std::string defaultAgeCurvesTitle(CIncidenceStore& store, const GraphSettings& settings) {
    std::optional<std::string> registry;
    if (selectedCount(settings.registries) == 1) {
        registry = registrySlotLabel(firstSelected(settings.registries), store);
    }
    int givingCurves = 0;
    int onlyCancer = -1;
    bool anyOfBothSexes = false;
    for (const int slot : settings.cancers) {
        if (slot < 0) {
            continue;
        }
        const SexApplicability applies = sexApplicability(store, slot);
        if ((applies.males && settings.sex != Sex::Female) ||
            (applies.females && settings.sex != Sex::Male)) {
            ++givingCurves;
            onlyCancer = slot;
        }
        anyOfBothSexes = anyOfBothSexes || (applies.males && applies.females);
    }
    std::optional<std::string> cancer;
    if (givingCurves == 1) {
        cancer = store.cancerLabel(onlyCancer);
    }
    // A template's sex outside 0-2 names no sex, as both sexes do.
    return ageSpecificTitle(registry, cancer, knownSex(settings.sex).value_or(Sex::Both),
                            anyOfBothSexes);
}

std::string defaultBarChartTitle(CIncidenceStore& store, const GraphSettings& settings) {
    const bool cancerChart = settings.barChartType == BarChartType::Cancer;
    const std::string subject = cancerChart
                                    ? store.cancerLabel(settings.cancer)
                                    : store.populationLabelByNumber(settings.population, true);
    const SexApplicability applies = sexApplicability(store, settings.cancer);
    const bool withSex = !cancerChart || (applies.males && applies.females);
    return barChartTitle(subject, settings.rateKind, titleSex(settings), settings.ageFrom,
                         settings.ageTo, withSex);
}

std::string defaultPieChartTitle(CIncidenceStore& store, const GraphSettings& settings) {
    return pieChartTitle(store.populationLabelByNumber(settings.population, true),
                         titleSex(settings), settings.ageFrom, settings.ageTo);
}

std::string defaultPyramidTitle(CIncidenceStore& store, const GraphSettings& settings) {
    return store.populationLabelByNumber(settings.population, true);
}

} // namespace orvelan

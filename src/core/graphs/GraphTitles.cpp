#include "core/graphs/GraphTitles.h"

#include "core/data/CIncidenceStore.h"
#include "core/graphs/GraphSelection.h"
#include "core/graphs/GraphSettings.h"

namespace orvelan {

namespace {

constexpr int kLastListSlot = kSelectionListSize - 2;
constexpr int kLastChildGroup = 3; // age to at or below 15-19 writes "Boys" / "Girls"

std::string sexWord(int sex, int ageTo) {
    if (ageTo <= kLastChildGroup) {
        return sex == 0 ? "Boys" : "Girls";
    }
    return sex == 0 ? "Male" : "Female";
}

} // namespace

std::string titleAgePart(int from, int to) {
    if (from == kTopAgeGroup && to == kTopAgeGroup) {
        return " age (" + std::string(upperLabel(kTopAgeGroup));
    }
    if (from == 0 && to == kTopAgeGroup) {
        return " (All ages";
    }
    return " age (" + std::string(lowerLabel(from)) + std::string(upperLabel(to));
}

std::string defaultAgeCurvesTitle(CIncidenceStore& store, const GraphSettings& settings) {
    const auto populations = selectedPopulations(settings.registries, kLastListSlot);
    const auto cancers = selectedCancers(settings.cancers, kLastListSlot);
    int givingCurves = 0;
    int onlyCancer = -1;
    bool bothSexCancer = false;
    for (const int cancer : cancers) {
        const SexApplicability applies = sexApplicability(store, cancer);
        const bool gives = (applies.males && settings.sex != 1) ||
                           (applies.females && settings.sex != 0);
        if (gives) {
            ++givingCurves;
            onlyCancer = cancer;
        }
        bothSexCancer = bothSexCancer || (applies.males && applies.females);
    }
    std::string title;
    if (populations.size() == 1) {
        title = store.populationLabelByNumber(populations.front(), true);
    }
    if (givingCurves == 1) {
        if (!title.empty()) {
            title += ", ";
        }
        title += store.cancerLabel(onlyCancer);
    }
    if ((settings.sex == 0 || settings.sex == 1) && bothSexCancer) {
        if (populations.size() == 1 || cancers.size() == 1) {
            title += " - ";
        }
        title += settings.sex == 0 ? "Male" : "Female";
    }
    return title;
}

std::string defaultBarChartTitle(CIncidenceStore& store, const GraphSettings& settings) {
    const bool cancerChart = settings.barChartType == static_cast<int>(BarChartType::Cancer);
    std::string title = cancerChart ? store.cancerLabel(settings.cancer)
                                    : store.populationLabelByNumber(settings.population, true);
    if (settings.rateKind >= 0 && settings.rateKind < static_cast<int>(RateKind::NumberOfCases)) {
        title += ": " + std::string(rateKindLabel(settings.rateKind));
        title += settings.rateKind <= static_cast<int>(RateKind::AsrEuropean) ? " (per 100,000)"
                                                                             : " (percent)";
    }
    const SexApplicability applies = sexApplicability(store, settings.cancer);
    if (!(cancerChart && (applies.maleOnly() || applies.femaleOnly()))) {
        title += "-" + sexWord(settings.sex, settings.ageTo);
    }
    return title + titleAgePart(settings.ageFrom, settings.ageTo) + ")";
}

std::string defaultPieChartTitle(CIncidenceStore& store, const GraphSettings& settings) {
    return store.populationLabelByNumber(settings.population, true) + "-" +
           sexWord(settings.sex, settings.ageTo) + titleAgePart(settings.ageFrom, settings.ageTo) +
           ")";
}

std::string defaultPyramidTitle(CIncidenceStore& store, const GraphSettings& settings) {
    return store.populationLabelByNumber(settings.population, true);
}

} // namespace orvelan

#include "core/graphs/BarChartModel.h"

#include "core/data/CIncidenceStore.h"
#include "core/data/CRegistryDictionary.h"
#include "core/data/CUserGroupDictionary.h"
#include "core/graphs/GraphSettings.h"
#include "core/io/Printf.h"
#include "core/rates/RateIntervals.h"

#include <array>
#include <utility>

namespace orvelan {

namespace {

constexpr int kCandidateCount = kSelectionListSize - 1; // entries 0-319

struct Candidate {
    int key = -1;
    double value = 0.0;
};

using Candidates = std::array<Candidate, kCandidateCount>;

int registryGroupCount(const CIncidenceStore& store) {
    return store.registryGroups() != nullptr ? store.registryGroups()->count() : 0;
}

/// Largest first; of equal values the one found last moves up.
void sortCandidates(Candidates& candidates) {
    for (std::size_t pos = 0; pos < candidates.size(); ++pos) {
        std::size_t best = pos;
        for (std::size_t j = pos; j < candidates.size(); ++j) {
            if (candidates[j].value >= candidates[best].value) {
                best = j;
            }
        }
        std::swap(candidates[pos], candidates[best]);
    }
}

void fillCandidates(CIncidenceStore& store, const GraphSettings& s, const StandardChoice& standards,
                    Candidates& candidates) {
    // A template's sex outside 0-2 loads nothing, so every bar stays empty.
    const std::optional<Sex> sex = knownSex(s.sex);
    if (s.barChartType == BarChartType::Cancer) {
        const int lastSlot = kRegistryRowCount - 1 + registryGroupCount(store);
        for (int slot = 0; slot <= lastSlot && slot < kCandidateCount; ++slot) {
            const int value = s.registries[static_cast<std::size_t>(slot)];
            if (value < 0) {
                continue;
            }
            const int population =
                value >= kFirstRegistryGroup ? value : CRegistryDictionary::populationNumber(slot);
            if (population >= kPopulationCount && population < kFirstRegistryGroup) {
                continue; // a heading row of the dictionary
            }
            auto& candidate = candidates[static_cast<std::size_t>(slot)];
            candidate.key = population;
            if (sex && store.load(population, s.cancer, *sex)) {
                candidate.value =
                    barValue(store.series(), s.rateKind, s.ageFrom, s.ageTo, standards);
            }
        }
    } else {
        for (int cancer = 0; cancer < kCandidateCount; ++cancer) {
            if (s.cancers[static_cast<std::size_t>(cancer)] < 0) {
                continue;
            }
            auto& candidate = candidates[static_cast<std::size_t>(cancer)];
            candidate.key = cancer;
            if (sex && store.load(s.population, cancer, *sex)) {
                candidate.value =
                    barValue(store.series(), s.rateKind, s.ageFrom, s.ageTo, standards);
            }
        }
    }
}

bool loadBarSeries(CIncidenceStore& store, const GraphSettings& s, int key) {
    const std::optional<Sex> sex = knownSex(s.sex);
    if (!sex) {
        return false;
    }
    return s.barChartType == BarChartType::Cancer ? store.load(key, s.cancer, *sex)
                                                  : store.load(s.population, key, *sex);
}

/// Limits of the loaded series' figure as barValue computes it.
std::optional<Interval> loadedBarLimits(CIncidenceStore& store, const GraphSettings& s,
                                        const IntervalChoice& choice,
                                        const StandardChoice& standards) {
    if (s.rateKind == RateKind::NumberOfCases) {
        // The bar's count leaves out unknown ages, which the engine's count over all ages
        // keeps: its limits are taken from the bar's own count.
        const RateResult cases = numberOfCases(store.series(), s.ageFrom, s.ageTo);
        if (intervalMethodFor(choice.method, IntervalFigure::Cases) != IntervalMethod::Exact ||
            !cases.ok) {
            return std::nullopt;
        }
        return exactPoissonLimits(cases.value, choice.level);
    }
    if (!isRateKind(s.rateKind)) {
        return std::nullopt;
    }
    const RateWithInterval rate =
        computeRateWithInterval(store.series(), s.rateKind, s.ageFrom, s.ageTo, choice, standards);
    if (!rate.interval.ok) {
        return std::nullopt;
    }
    return rate.interval.limits;
}

} // namespace

std::string valueAxisTitle(RateKind rateKind) {
    switch (rateKind) {
    case RateKind::CumulativeRate:
        return "Cumulative rate (%)";
    case RateKind::CumulativeRisk:
        return "Cumulative risk (%)";
    case RateKind::NumberOfCases:
        return "Number of cases";
    default:
        return "Rate per 100,000 person-years";
    }
}

std::string BarChartModel::statusText(std::size_t bar) const {
    const Bar& b = bars.at(bar);
    return rateKind == RateKind::NumberOfCases ? formatText("%s: %.0f", b.label.c_str(), b.value)
                                               : formatText("%s: %.2f", b.label.c_str(), b.value);
}

double barValue(const Series& series, RateKind rateKind, int from, int to,
                const StandardChoice& standards) {
    if (rateKind == RateKind::NumberOfCases) {
        // The bar leaves out the unknown ages that the count over all ages keeps.
        return numberOfCases(series, from, to).value;
    }
    if (!isRateKind(rateKind)) {
        return -1.0;
    }
    return computeRate(series, rateKind, from, to, standards.weightsFor(rateKind)).value;
}

void chooseMultiplier(double largest, double& multiplier, std::string& caption) {
    caption.clear();
    if (largest < 1.0) {
        const int factor = largest < 0.001  ? 10000
                           : largest < 0.01 ? 1000
                           : largest < 0.1  ? 100
                                            : 10;
        multiplier = factor;
        caption = formatText("(x %d)", factor);
    } else if (largest < 10000.0) {
        multiplier = 1.0;
    } else if (largest < 100000.0) {
        multiplier = 0.1;
        caption = "(tens)";
    } else if (largest < 1000000.0) {
        multiplier = 0.01;
        caption = "(hundreds)";
    } else {
        multiplier = 0.001;
        caption = "(thousands)";
    }
}

BarChartModel computeBarChart(CIncidenceStore& store, const GraphSettings& settings,
                              const StandardChoice& standards,
                              const std::optional<IntervalChoice>& intervals) {
    BarChartModel model;
    model.title = settings.title;
    if (isRateKind(settings.rateKind)) {
        const RateKind kind = settings.rateKind;
        const std::string_view label = rateKindLabel(kind);
        if (const auto at = model.title.find(label);
            standards.weightsFor(kind) != nullptr && at != std::string::npos) {
            model.title.replace(at, label.size(), rateKindHeading(kind, standards));
        }
    }
    model.type = settings.barChartType;
    model.rateKind = settings.rateKind;
    Candidates candidates{};
    fillCandidates(store, settings, standards, candidates);
    sortCandidates(candidates);
    for (const Candidate& candidate : candidates) {
        if (candidate.value > 0.0) {
            model.bars.push_back({candidate.key, {}, candidate.value, 0.0});
        }
    }
    if (model.bars.empty()) {
        return model;
    }
    const bool registryChart = settings.barChartType == BarChartType::Registry;
    for (Bar& bar : model.bars) {
        bar.label = registryChart ? store.cancerLabel(bar.key)
                                  : store.populationLabelByNumber(bar.key, false);
        if (bar.label.size() > BarChartModel::kMaxLabelLength) {
            bar.label.resize(BarChartModel::kMaxLabelLength);
        }
    }
    const double largest = model.bars.front().value;
    chooseMultiplier(largest, model.multiplier, model.caption);
    for (Bar& bar : model.bars) {
        bar.scaled = bar.value * model.multiplier;
    }
    model.scale = niceLinearScale(0.0, largest * model.multiplier);
    if (intervals) {
        model.intervals = intervals;
        for (const Bar& bar : model.bars) {
            model.limits.push_back(loadBarSeries(store, settings, bar.key)
                                       ? loadedBarLimits(store, settings, *intervals, standards)
                                       : std::nullopt);
        }
    }
    return model;
}

} // namespace orvelan

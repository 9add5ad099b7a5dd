#include "core/graphs/PieChartModel.h"

#include "core/data/CCancerDictionary.h"
#include "core/data/CIncidenceStore.h"
#include "core/graphs/GraphSettings.h"
#include "core/io/Printf.h"
#include "core/rates/SeriesRates.h"

#include <algorithm>

namespace orvelan {

namespace {

constexpr int kFirstSiteRow = 2;
constexpr int kLastSiteRow = 250;
constexpr int kBreastRow = 115;
constexpr std::size_t kSortedEntries = 252;
constexpr std::size_t kConsideredEntries = 11;

struct SiteCases {
    int cancer = 0;
    double cases = 0.0;
};

double casesOf(CIncidenceStore& store, int population, std::optional<Sex> sex, int cancer, int from,
               int to) {
    if (!sex || !store.load(population, cancer, *sex)) {
        return 0.0;
    }
    const RateResult cases = numberOfCases(store.series(), from, to);
    return cases.ok ? cases.value : 0.0;
}

bool isCandidateSite(int cancer) {
    return cancer == kBreastRow ||
           (CCancerDictionary::level(cancer) == 1 &&
            CCancerDictionary::parent(cancer) == CCancerDictionary::kNoParent);
}

/// Decreasing counts; equal counts keep their order.
void sortCandidates(std::vector<SiteCases>& candidates) {
    const std::size_t n = std::min(candidates.size(), kSortedEntries);
    for (std::size_t pos = 0; pos < n; ++pos) {
        std::size_t best = pos;
        for (std::size_t j = pos + 1; j < n; ++j) {
            if (candidates[j].cases > candidates[best].cases) {
                best = j;
            }
        }
        std::swap(candidates[pos], candidates[best]);
    }
}

} // namespace

double PieChartModel::percent(std::size_t slice) const {
    return total > 0.0 ? slices.at(slice).cases * 100.0 / total : 0.0;
}

std::string PieChartModel::sliceText(std::size_t slice) const {
    return formatText("%0.f (%4.1f%%)", slices.at(slice).cases, percent(slice));
}

std::string PieChartModel::totalText() const { return formatText("%.0f cases", total); }

PieChartModel computePieChart(CIncidenceStore& store, const GraphSettings& settings) {
    PieChartModel model;
    model.title = settings.title;
    const int population = settings.population;
    std::vector<SiteCases> candidates;
    for (int cancer = kFirstSiteRow; cancer <= kLastSiteRow; ++cancer) {
        if (isCandidateSite(cancer)) {
            candidates.push_back({cancer, casesOf(store, population, knownSex(settings.sex), cancer,
                                                  settings.ageFrom, settings.ageTo)});
        }
    }
    double total = casesOf(store, population, knownSex(settings.sex), kAllSitesCancer,
                           settings.ageFrom, settings.ageTo);
    sortCandidates(candidates);

    const std::size_t considered = std::min(candidates.size(), kConsideredEntries);
    int k = static_cast<int>(std::count_if(candidates.begin(),
                                           candidates.begin() + static_cast<long>(considered),
                                           [](const SiteCases& c) { return c.cases != 0.0; }));
    const int sliceCount =
        std::clamp(settings.sliceCount, PieChartModel::kMinSliceCount, PieChartModel::kMaxSlices);
    k = std::min(k, sliceCount - 1);
    if (k <= 0) {
        return model;
    }
    double shown = 0.0;
    model.sums.push_back(0.0);
    for (int i = 0; i < k; ++i) {
        const SiteCases& c = candidates[static_cast<std::size_t>(i)];
        model.slices.push_back({c.cancer, c.cases, std::string(CCancerDictionary::name(c.cancer))});
        shown += c.cases;
        model.sums.push_back(shown);
    }
    double other = total - shown;
    if (other < 0.0) {
        other = 0.0;
        total = shown;
    }
    if (other != 0.0) {
        model.slices.push_back({PieSlice::kOtherCancers, other, "Other cancers"});
        model.sums.push_back(shown + other);
    }
    model.total = total;
    return model;
}

} // namespace orvelan

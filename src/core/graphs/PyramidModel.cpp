#include "core/graphs/PyramidModel.h"

#include "core/data/CIncidenceStore.h"
#include "core/graphs/GraphSettings.h"

#include <algorithm>

namespace orvelan {

namespace {

void readSex(CIncidenceStore& store, const PyramidModel& model, Sex sex, AgeValues& figures,
             double& total) {
    figures.fill(0.0);
    total = 0.0;
    const bool builtIn = model.population < kFirstRegistryGroup;
    const bool loaded = builtIn ? store.readPopulationRecord(model.population, sex)
                                : store.load(model.population, kAllSitesCancer, sex);
    if (!loaded) {
        return;
    }
    double divisor = 1.0;
    if (builtIn && model.basis == 1) {
        divisor = std::max(1, store.lastYear() - store.firstYear() + 1);
    }
    for (std::size_t a = 0; a < figures.size(); ++a) {
        figures[a] = store.personYears()[a] / divisor;
        total += figures[a];
    }
}

} // namespace

double PyramidModel::percentOf(double figure) const {
    const double whole = grandTotal();
    return whole > 0.0 ? figure * 100.0 / whole : 0.0;
}

std::string PyramidModel::ageLabel(int ageGroup) const {
    std::string label(lowerLabel(ageGroup));
    if (ageGroup == lastAgeGroup && label.size() >= 3) {
        label[2] = '+';
    }
    return label;
}

PyramidModel computePyramid(CIncidenceStore& store, const GraphSettings& settings) {
    PyramidModel model;
    model.title = settings.title;
    model.population = settings.population;
    model.basis = settings.pyramidBasis;
    readSex(store, model, Sex::Male, model.male, model.maleTotal);
    readSex(store, model, Sex::Female, model.female, model.femaleTotal);
    double largest = 0.0;
    int last = -1;
    for (int a = 0; a <= kTopAgeGroup; ++a) {
        const auto i = static_cast<std::size_t>(a);
        largest = std::max({largest, model.male[i], model.female[i]});
        if (model.male[i] != 0.0 || model.female[i] != 0.0) {
            last = a;
        }
    }
    largest = std::max({largest, model.male[kUnknownAgeGroup], model.female[kUnknownAgeGroup]});
    model.lastAgeGroup = last < 0 ? kTopAgeGroup : last;
    model.scale = niceLinearScale(0.0, model.percentOf(largest));
    return model;
}

} // namespace orvelan

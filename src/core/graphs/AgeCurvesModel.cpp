#include "core/graphs/AgeCurvesModel.h"

#include "core/data/CIncidenceStore.h"
#include "core/graphs/GraphSelection.h"
#include "core/graphs/GraphSettings.h"
#include "core/io/Printf.h"
#include "core/rates/SeriesRates.h"

#include <algorithm>

namespace orvelan {

namespace {

constexpr int kLastListSlot = kSelectionListSize - 2; // slot 320 is not read

/// The sexes a cancer gives curves for under a sex setting, male first.
std::vector<Sex> curveSexes(const SexApplicability& applies, Sex sexSetting) {
    std::vector<Sex> sexes;
    if (applies.males && sexSetting != Sex::Female) {
        sexes.push_back(Sex::Male);
    }
    if (applies.females && sexSetting != Sex::Male) {
        sexes.push_back(Sex::Female);
    }
    return sexes;
}

/// Loads one curve; false when the series cannot be loaded.
bool loadCurve(CIncidenceStore& store, AgeCurve& curve, int& ownLast) {
    if (!store.load(curve.population, curve.cancer, curve.sex)) {
        return false;
    }
    // The cases above the series' own last age group count in it.
    const Series series = foldedAtTop(store.series());
    for (int a = 0; a < kKnownAgeGroupCount; ++a) {
        const auto i = static_cast<std::size_t>(a);
        curve.cases[i] = series.cases[i];
        curve.personYears[i] = series.personYears[i];
    }
    ownLast = store.lastAgeGroup();
    return true;
}

void foldAndRate(AgeCurve& curve, int last) {
    const auto top = static_cast<std::size_t>(last);
    for (std::size_t a = top + 1; a < static_cast<std::size_t>(kKnownAgeGroupCount); ++a) {
        curve.cases[top] += curve.cases[a];
        curve.personYears[top] += curve.personYears[a];
        curve.cases[a] = 0.0;
        curve.personYears[a] = 0.0;
    }
    curve.rates.fill(0.0);
    for (std::size_t a = 0; a <= top; ++a) {
        if (curve.personYears[a] != 0.0) {
            curve.rates[a] = curve.cases[a] * kPer100000 / curve.personYears[a];
        }
    }
}

void appendPart(std::string& label, const std::string& part) {
    if (!label.empty()) {
        label += '_';
    }
    label += part;
}

void buildLabels(CIncidenceStore& store, AgeCurvesModel& model) {
    if (model.curves.size() < 2) {
        return;
    }
    for (AgeCurve& curve : model.curves) {
        std::string label;
        if (model.registryCount > 1) {
            label = store.populationLabelByNumber(curve.population, false);
        }
        if (model.cancerCount > 1) {
            appendPart(label, store.cancerLabel(curve.cancer));
        }
        if (model.sexSetting == Sex::Both) {
            const SexApplicability applies = sexApplicability(store, curve.cancer);
            const bool sexSpecific = applies.maleOnly() || applies.femaleOnly();
            if (!(sexSpecific && model.cancerCount > 1)) {
                appendPart(label, curve.sex == Sex::Male ? "Male" : "Female");
            }
        }
        curve.label = std::move(label);
    }
}

} // namespace

double AgeCurvesModel::largestRate() const {
    double largest = 0.0;
    for (const AgeCurve& curve : curves) {
        for (int a = ageFrom; a <= ageTo; ++a) {
            largest = std::max(largest, curve.rates[static_cast<std::size_t>(a)]);
        }
    }
    return largest;
}

double AgeCurvesModel::smallestNonZeroRate() const {
    double smallest = kNoSmallestRate;
    for (const AgeCurve& curve : curves) {
        for (int a = ageFrom; a <= ageTo; ++a) {
            const double rate = curve.rates[static_cast<std::size_t>(a)];
            if (rate > 0.0 && rate < smallest) {
                smallest = rate;
            }
        }
    }
    return smallest;
}

LinearScale AgeCurvesModel::linearScale() const { return niceLinearScale(0.0, largestRate()); }

std::optional<LogScale> AgeCurvesModel::logScale() const {
    const double largest = largestRate();
    if (largest <= 0.0) {
        return std::nullopt;
    }
    return niceLogScale(smallestNonZeroRate(), largest);
}

std::string AgeCurvesModel::ageLabel(int ageGroup) const {
    std::string label(lowerLabel(ageGroup));
    if (ageGroup == lastAgeGroup && !label.empty() && label.back() == '-') {
        label.back() = '+';
    }
    return label;
}

std::string AgeCurvesModel::statusText(int curve, int ageGroup) const {
    const AgeCurve& c = curves.at(static_cast<std::size_t>(curve));
    const double rate = c.rates.at(static_cast<std::size_t>(ageGroup));
    const std::string age = ageLabel(ageGroup);
    if (curves.size() == 1) {
        return formatText("age %s: %.2f", age.c_str(), rate);
    }
    return formatText("%s, age %s: %.2f", c.label.c_str(), age.c_str(), rate);
}

AgeCurvesModel computeAgeCurves(CIncidenceStore& store, const GraphSettings& settings) {
    AgeCurvesModel model;
    model.title = settings.title;
    model.sexSetting = settings.sex;
    const std::vector<int> populations = selectedPopulations(settings.registries, kLastListSlot);
    const std::vector<int> cancers = selectedCancers(settings.cancers, kLastListSlot);
    model.registryCount = static_cast<int>(populations.size());

    std::vector<std::pair<int, std::vector<Sex>>> cancerSexes;
    for (const int cancer : cancers) {
        const SexApplicability applies = sexApplicability(store, cancer);
        std::vector<Sex> sexes = curveSexes(applies, settings.sex);
        if (sexes.empty()) {
            continue;
        }
        ++model.cancerCount;
        model.maleOnlyCount += applies.maleOnly() ? 1 : 0;
        model.femaleOnlyCount += applies.femaleOnly() ? 1 : 0;
        cancerSexes.emplace_back(cancer, std::move(sexes));
    }

    for (const int population : populations) {
        for (const auto& [cancer, sexes] : cancerSexes) {
            for (const Sex sex : sexes) {
                ++model.requestedCurves;
                if (static_cast<int>(model.curves.size()) >= AgeCurvesModel::kMaxCurves) {
                    continue;
                }
                AgeCurve curve;
                curve.population = population;
                curve.cancer = cancer;
                curve.sex = sex;
                int ownLast = kTopAgeGroup;
                if (loadCurve(store, curve, ownLast)) {
                    model.lastAgeGroup = std::min(model.lastAgeGroup, ownLast);
                    model.curves.push_back(curve);
                }
            }
        }
    }
    for (AgeCurve& curve : model.curves) {
        foldAndRate(curve, model.lastAgeGroup);
    }
    model.ageFrom = 0;
    model.ageTo = model.lastAgeGroup;
    buildLabels(store, model);
    return model;
}

} // namespace orvelan

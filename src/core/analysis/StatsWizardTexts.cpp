#include "core/analysis/StatsWizardTexts.h"

#include "core/data/CIncidenceStore.h"
#include "core/io/Printf.h"

#include <cstdlib>

namespace orvelan {

std::string referenceDescription(CIncidenceStore& store, int population, int cancer, Sex sex,
                                 int ageLow, int ageHigh) {
    std::string text = store.populationLabelByNumber(population, false);
    text += "\r\n";
    text += store.cancerLabel(cancer);
    text += "\r\n";
    text += sexLabel(sex, ageHigh);
    text += "\r\n";
    if (ageLow == kTopAgeGroup && ageHigh == kTopAgeGroup) {
        text += "age (85+)";
    } else if (ageLow == 0 && ageHigh == kTopAgeGroup) {
        text += "(All ages)";
    } else {
        text += "age (";
        text += lowerLabel(ageLow);
        text += upperLabel(ageHigh);
        text += ")";
    }
    return text;
}

std::optional<std::string> checkPopulationRange(CIncidenceStore& store, int population, int cancer,
                                                Sex sex, int ageHigh) {
    if (ageHigh >= kTopAgeGroup || !store.load(population, cancer, sex)) {
        return std::nullopt;
    }
    if (ageHigh >= store.lastAgeGroup()) {
        return std::string(kPopulationRangeMessage);
    }
    return std::nullopt;
}

double typedNumber(const std::string& text) { return std::strtod(text.c_str(), nullptr); }

std::optional<double> typedRowRate(double cases, double personYears) {
    if (personYears == 0.0) {
        return std::nullopt;
    }
    return cases * 100000.0 / personYears;
}

std::string typedCurveTotal(const AgeArray& cases, const AgeArray& personYears) {
    double caseSum = 0.0;
    double personYearSum = 0.0;
    for (std::size_t j = 0; j < cases.size(); ++j) {
        caseSum += cases[j];
        personYearSum += personYears[j];
    }
    const double rate = personYearSum != 0.0 ? caseSum * 100000.0 / personYearSum : 0.0;
    return formatText("%.0f/\r\n%.0f\r\n%.2f", caseSum, personYearSum, rate);
}

} // namespace orvelan

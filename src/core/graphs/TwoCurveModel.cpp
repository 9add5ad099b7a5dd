#include "core/graphs/TwoCurveModel.h"

#include "core/io/Printf.h"
#include "core/rates/CurvePair.h"
#include "core/rates/SeriesRates.h"

#include <algorithm>

namespace orvelan {

namespace {

constexpr double kNoSmallestRate = 99999.9;

double rateOf(double cases, double personYears) {
    return personYears != 0.0 ? cases * kPer100000 / personYears : 0.0;
}

} // namespace

std::optional<LogScale> TwoCurveModel::logScale() const {
    if (largest <= 0.0) {
        return std::nullopt;
    }
    return niceLogScale(smallestNonZero, largest);
}

LinearScale TwoCurveModel::linearScale() const { return niceLinearScale(0.0, largest); }

std::string TwoCurveModel::ageLabel(int ageGroup) const {
    if (openTop && ageGroup == ageHigh) {
        return openTopLabel(ageGroup);
    }
    return std::string(lowerLabel(ageGroup));
}

std::string TwoCurveModel::valueText(double rate) { return formatText("%8.2f", rate); }

TwoCurveModel makeTwoCurveModel(const CurvePair& pair, bool openTop,
                                const std::string& referenceLabel,
                                const std::string& comparisonLabel) {
    TwoCurveModel model;
    model.referenceLabel = referenceLabel;
    model.comparisonLabel = comparisonLabel;
    model.ageLow = std::clamp(pair.ageLow, 0, kTopAgeGroup);
    model.ageHigh = std::clamp(pair.ageHigh, model.ageLow, kTopAgeGroup);
    model.openTop = openTop;
    model.smallestNonZero = kNoSmallestRate;
    for (int a = model.ageLow; a <= model.ageHigh; ++a) {
        const auto i = static_cast<std::size_t>(a);
        model.reference[i] = rateOf(pair.refCases[i], pair.refPersonYears[i]);
        model.comparison[i] = rateOf(pair.compCases[i], pair.compPersonYears[i]);
        for (const double rate : {model.reference[i], model.comparison[i]}) {
            model.largest = std::max(model.largest, rate);
            if (rate > 0.0) {
                model.smallestNonZero = std::min(model.smallestNonZero, rate);
            }
        }
    }
    return model;
}

} // namespace orvelan

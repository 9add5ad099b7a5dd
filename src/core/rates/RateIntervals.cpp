#include "core/rates/RateIntervals.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace orvelan {

namespace {

/// A count recomputed from a rate is whole up to rounding; make it whole again.
double wholeCount(double count) {
    const double rounded = std::round(count);
    return std::abs(count - rounded) < 1e-6 * std::max(1.0, rounded) ? rounded : count;
}

RateInterval normal(const RateResult& rate, const IntervalChoice& choice) {
    return {true, normalLimits(rate.value, rate.se, choice.level), IntervalMethod::Normal};
}

RateInterval exactCrudeRate(const Series& series, const RateResult& rate, int from, int to,
                            const IntervalChoice& choice) {
    const double personYears = crudePersonYears(series, from, to);
    if (personYears <= 0.0) {
        return normal(rate, choice);
    }
    const double cases = wholeCount(rate.value * personYears / kPer100000);
    const Interval count = exactPoissonLimits(cases, choice.level);
    return {true,
            {count.lower * kPer100000 / personYears, count.upper * kPer100000 / personYears},
            IntervalMethod::Exact};
}

RateInterval gammaAsr(const Series& series, const RateResult& rate, const AgeArray& weights,
                      int from, int to, const IntervalChoice& choice, IntervalMethod method) {
    // An open range ends at the last age group, the weights above it counted in it.
    const int top = to >= kTopAgeGroup ? series.lastAgeGroup : to;
    AgeArray w = weights;
    if (to >= kTopAgeGroup) {
        foldIntoOpenClass(w, top);
    }
    double weightSum = 0.0;
    for (int i = from; i <= top; ++i) {
        weightSum += w[static_cast<std::size_t>(i)];
    }
    double largest = 0.0;
    double sum = 0.0;
    int groups = 0;
    for (int i = from; i <= top && weightSum > 0.0; ++i) {
        const auto a = static_cast<std::size_t>(i);
        if (series.personYears[a] == 0.0) {
            continue;
        }
        const double weight =
            w[a] * series.unknownAgeFactor * kPer100000 / (weightSum * series.personYears[a]);
        largest = std::max(largest, weight);
        sum += weight;
        ++groups;
    }
    if (groups == 0 || largest <= 0.0) {
        return normal(rate, choice);
    }
    const double weight = method == IntervalMethod::Tiwari ? sum / groups : largest;
    return {true, gammaLimits(rate.value, rate.se * rate.se, weight, choice.level), method};
}

} // namespace

RateWithInterval computeRateWithInterval(const Series& series, RateKind kind, int from, int to,
                                         const IntervalChoice& choice,
                                         const StandardChoice& standards) {
    RateWithInterval result;
    result.rate = computeRate(series, kind, from, to, standards.weightsFor(kind));
    const IntervalMethod method = intervalMethodFor(choice.method, intervalFigureOf(kind));
    result.interval.method = method;
    if (!result.rate.ok) {
        return result;
    }
    switch (method) {
    case IntervalMethod::Normal:
        if (kind != RateKind::NumberOfCases) {
            result.interval = normal(result.rate, choice);
        }
        break;
    case IntervalMethod::Exact:
        result.interval =
            kind == RateKind::NumberOfCases
                ? RateInterval{true,
                               exactPoissonLimits(wholeCount(result.rate.value), choice.level),
                               method}
                : exactCrudeRate(series, result.rate, from, to, choice);
        break;
    case IntervalMethod::Gamma:
    case IntervalMethod::Tiwari:
        result.interval =
            gammaAsr(series, result.rate, asrWeightsOf(kind, standards.weightsFor(kind)), from, to,
                     choice, method);
        break;
    }
    return result;
}

std::string intervalNote(const IntervalChoice& choice, const std::vector<RateKind>& kinds) {
    if (choice.isDefault()) {
        return {};
    }
    std::vector<IntervalMethod> used;
    for (const RateKind kind : kinds) {
        const IntervalMethod method = intervalMethodFor(choice.method, intervalFigureOf(kind));
        const bool intervalShown =
            kind != RateKind::NumberOfCases || method != IntervalMethod::Normal;
        if (intervalShown && std::find(used.begin(), used.end(), method) == used.end()) {
            used.push_back(method);
        }
    }
    if (used.size() > 1) {
        used.erase(std::remove(used.begin(), used.end(), IntervalMethod::Normal), used.end());
    }
    std::string note = " [" + std::to_string(choice.level) + "% CI:";
    for (std::size_t i = 0; i < used.size(); ++i) {
        note += (i == 0 ? " " : " / ") + std::string(intervalMethodTitle(used[i]));
    }
    return note + "]";
}

RateInterval sirInterval(const SirRow& row, const IntervalChoice& choice) {
    const IntervalMethod method = intervalMethodFor(choice.method, IntervalFigure::Sir);
    if (!row.available() || row.expected <= 0.0) {
        return {false, {-1.0, -1.0}, method};
    }
    if (method == IntervalMethod::Normal && choice.level == 95) {
        return {true, {row.sirLow, row.sirHigh}, method};
    }
    Interval count;
    const double whole = std::floor(row.observed);
    if (method == IntervalMethod::Exact || whole < static_cast<double>(kExactLimitCount)) {
        count = exactPoissonLimits(method == IntervalMethod::Exact ? row.observed : whole,
                                   choice.level);
    } else {
        const double half = normalQuantile(choice.level) / 2;
        const double root = std::sqrt(row.observed) - half;
        count = {root * root, std::pow(std::sqrt(row.observed + 1) + half, 2)};
    }
    return {true, {100.0 * count.lower / row.expected, 100.0 * count.upper / row.expected}, method};
}

} // namespace orvelan

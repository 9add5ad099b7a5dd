#include "core/rates/SeriesRates.h"

#include "core/rates/StandardWeights.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace orvelan {

namespace {

constexpr RateResult kDeclined{};

bool isRange(int from, int to, int top) { return from >= 0 && from <= to && to <= top; }

std::size_t at(int group) { return static_cast<std::size_t>(group); }

/// Values of age groups as a range to the open top counts them: the groups above the last
/// age group added into it (in order, as folding the series would). Nothing is copied.
template <std::size_t N> class TopFolded {
  public:
    TopFolded(const std::array<double, N>& values, int last, bool fold)
        : m_values(values), m_last(fold ? last : -1) {
        if (fold) {
            m_top = values[at(last)];
            for (int i = last + 1; i <= kTopAgeGroup; ++i) {
                m_top += values[at(i)];
            }
        }
    }
    double operator[](int group) const { return group == m_last ? m_top : m_values[at(group)]; }

  private:
    const std::array<double, N>& m_values;
    int m_last;
    double m_top = 0.0;
};

/// Whether a range can be computed, and its own end: a range to 17 ends at the open top (to
/// becomes the last age group); any other range must end below the last age group.
bool openRange(const Series& series, int from, int& to) {
    if (to != kTopAgeGroup) {
        return to < series.lastAgeGroup; // the open class cannot end a closed range
    }
    to = series.lastAgeGroup;
    return to >= from;
}

double rateOf(double cases, double personYears) {
    return personYears != 0.0 ? cases * kPer100000 / personYears : 0.0;
}

struct Crude {
    RateResult rate;
    double personYears = 0.0;
};

Crude crude(const Series& series, int from, int to) {
    const bool allAges = from == 0 && to == kTopAgeGroup;
    const bool toTop = to == kTopAgeGroup;
    if (!isRange(from, to, kTopAgeGroup) || !openRange(series, from, to)) {
        return {};
    }
    const TopFolded cases(series.cases, series.lastAgeGroup, toTop);
    double caseSum = 0.0;
    double personYears = 0.0;
    for (int i = from; i <= to; ++i) {
        caseSum += cases[i];
        personYears += series.personYears[at(i)];
    }
    if (allAges) {
        caseSum += series.cases[kUnknownAgeGroup];
        personYears += series.personYears[kUnknownAgeGroup];
    }
    Crude result{{true, 0.0, 0.0}, personYears};
    if (personYears != 0.0) {
        result.rate.value = caseSum * kPer100000 / personYears;
        if (result.rate.value != 0.0 && caseSum > 0.0) {
            result.rate.se = result.rate.value / std::sqrt(caseSum);
        }
    }
    return result;
}

/// Age-specific rates of the groups of a range from-to as it counts them, with the open top
/// folded in when it runs to 17 (0 outside the range and above the open top). Every figure of one
/// range shares them.
AgeArray rangeRates(const Series& series, int from, int to) {
    const TopFolded cases(series.cases, series.lastAgeGroup, to == kTopAgeGroup);
    AgeArray rates{};
    const int end = to == kTopAgeGroup ? series.lastAgeGroup : to; // the open top ends it
    for (int i = std::max(from, 0); i <= std::min(end, kTopAgeGroup); ++i) {
        rates[at(i)] = rateOf(cases[i], series.personYears[at(i)]);
    }
    return rates;
}

RateResult asrOn(const Series& series, const AgeArray& rates, int from, int to,
                 const AgeArray& weights) {
    const bool toTop = to == kTopAgeGroup;
    if (!isRange(from, to, kTopAgeGroup) || !openRange(series, from, to)) {
        return kDeclined;
    }
    const TopFolded w(weights, series.lastAgeGroup, toTop);
    double weighted = 0.0; // sum of rate x weight
    double weightSum = 0.0;
    double variance = 0.0; // without its factor 100,000
    for (int i = from; i <= to; ++i) {
        const double weight = w[i];
        weightSum += weight;
        // A group without person-years has no rate and contributes no variance.
        if (const double personYears = series.personYears[at(i)]; personYears != 0.0) {
            const double rate = rates[at(i)];
            weighted += rate * weight;
            variance += rate * weight * weight / personYears;
        }
    }
    RateResult result{true, 0.0, 0.0};
    if (weightSum != 0.0) {
        result.value = weighted / weightSum * series.unknownAgeFactor;
        result.se = std::sqrt(variance * kPer100000) / weightSum * series.unknownAgeFactor;
    }
    return result;
}

RateResult cumulativeRateOn(const Series& series, const AgeArray& rates, int from, int to) {
    // No open top: the last age group cannot end or lie inside the range.
    if (!isRange(from, to, kTopAgeGroup) || series.lastAgeGroup <= to) {
        return kDeclined;
    }
    double sum = 0.0;
    double variance = 0.0;
    for (int i = from; i <= to; ++i) {
        if (series.personYears[at(i)] != 0.0) {
            const double rate = rates[at(i)];
            sum += kAgeGroupWidth * rate;
            variance += kAgeGroupWidth * rate * kAgeGroupWidth / series.personYears[at(i)];
        }
    }
    // Rates per 100,000 times years give a proportion x 100,000; shown in percent.
    return {true, sum * series.unknownAgeFactor * 0.001,
            std::sqrt(variance * 0.00001) * 100.0 * series.unknownAgeFactor};
}

RateResult riskOf(const RateResult& cumulative) {
    if (!cumulative.ok) {
        return kDeclined;
    }
    return {true, 100.0 * (1.0 - std::exp(-cumulative.value / 100.0)),
            100.0 * (1.0 - std::exp(-cumulative.se / 100.0))};
}

/// A figure as computeRate gives it, on the range's shared rates; the cumulative risk takes the
/// cumulative rate when it is already known.
RateResult figureOf(const Series& series, RateKind kind, int from, int to, const AgeArray& rates,
                    const AgeArray* asrWeights, const RateResult* cumulative = nullptr) {
    RateResult result;
    switch (kind) {
    case RateKind::CrudeRate:
        result = crude(series, from, to).rate;
        break;
    case RateKind::AsrWorld:
    case RateKind::AsrEuropean:
        result = asrOn(series, rates, from, to, asrWeightsOf(kind, asrWeights));
        break;
    case RateKind::CumulativeRate:
        result = cumulative != nullptr ? *cumulative : cumulativeRateOn(series, rates, from, to);
        break;
    case RateKind::CumulativeRisk:
        result =
            riskOf(cumulative != nullptr ? *cumulative : cumulativeRateOn(series, rates, from, to));
        break;
    case RateKind::NumberOfCases:
        // All ages count the cases of unknown age as well.
        result =
            numberOfCases(series, from, from == 0 && to == kTopAgeGroup ? kUnknownAgeGroup : to);
        break;
    }
    // Extreme counts (a float32 near its limit, say) can overflow to inf or NaN: such a figure
    // cannot be computed rather than printed.
    if (!result.ok || !std::isfinite(result.value) || !std::isfinite(result.se)) {
        return kDeclined;
    }
    return result;
}

} // namespace

RateResult numberOfCases(const Series& series, int from, int to) {
    if (!isRange(from, to, kUnknownAgeGroup)) {
        return kDeclined;
    }
    RateResult result{true, 0.0, 0.0};
    for (int i = from; i <= to; ++i) {
        result.value += series.cases[at(i)];
    }
    return result;
}

RateResult crudeRate(const Series& series, int from, int to) {
    return crude(series, from, to).rate;
}

double crudePersonYears(const Series& series, int from, int to) {
    return crude(series, from, to).personYears;
}

RateResult asr(const Series& series, int from, int to, const AgeArray& weights) {
    return asrOn(series, rangeRates(series, from, to), from, to, weights);
}

RateResult cumulativeRate(const Series& series, int from, int to) {
    return cumulativeRateOn(series, rangeRates(series, from, to), from, to);
}

RateResult cumulativeRisk(const Series& series, int from, int to) {
    return riskOf(cumulativeRate(series, from, to));
}

const AgeArray& asrWeightsOf(RateKind kind, const AgeArray* asrWeights) {
    if (asrWeights != nullptr) {
        return *asrWeights;
    }
    return kind == RateKind::AsrEuropean ? kEuropeanWeights : kWorldWeights;
}

RateResult computeRate(const Series& series, RateKind kind, int from, int to,
                       const AgeArray* asrWeights) {
    if (kind == RateKind::CrudeRate || kind == RateKind::NumberOfCases) {
        return figureOf(series, kind, from, to, AgeArray{}, asrWeights); // no rates needed
    }
    return figureOf(series, kind, from, to, rangeRates(series, from, to), asrWeights);
}

SeriesFigures computeRates(const Series& series, int from, int to, const AgeArray* worldWeights,
                           const AgeArray* europeanWeights) {
    const AgeArray rates = rangeRates(series, from, to);
    SeriesFigures figures;
    const auto at = [&figures](RateKind kind) -> RateResult& {
        return figures[static_cast<std::size_t>(indexOf(kind))];
    };
    at(RateKind::CrudeRate) = figureOf(series, RateKind::CrudeRate, from, to, rates, nullptr);
    at(RateKind::AsrWorld) = figureOf(series, RateKind::AsrWorld, from, to, rates, worldWeights);
    at(RateKind::AsrEuropean) =
        figureOf(series, RateKind::AsrEuropean, from, to, rates, europeanWeights);
    const RateResult cumulative = cumulativeRateOn(series, rates, from, to);
    at(RateKind::CumulativeRate) =
        figureOf(series, RateKind::CumulativeRate, from, to, rates, nullptr, &cumulative);
    at(RateKind::CumulativeRisk) =
        figureOf(series, RateKind::CumulativeRisk, from, to, rates, nullptr, &cumulative);
    at(RateKind::NumberOfCases) =
        figureOf(series, RateKind::NumberOfCases, from, to, rates, nullptr);
    return figures;
}

AgeArray ageSpecificRates(const Series& series) {
    AgeArray rates{};
    const TopFolded cases(series.cases, series.lastAgeGroup, true);
    for (int i = 0; i <= series.lastAgeGroup; ++i) {
        rates[at(i)] = rateOf(cases[i], series.personYears[at(i)]);
    }
    return rates;
}

} // namespace orvelan

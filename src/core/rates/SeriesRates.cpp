#include "core/rates/SeriesRates.h"

#include "core/rates/StandardWeights.h"

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
    const bool toTop = to == kTopAgeGroup;
    if (!isRange(from, to, kTopAgeGroup) || !openRange(series, from, to)) {
        return kDeclined;
    }
    const TopFolded cases(series.cases, series.lastAgeGroup, toTop);
    const TopFolded w(weights, series.lastAgeGroup, toTop);
    double weighted = 0.0; // sum of rate x weight
    double weightSum = 0.0;
    double variance = 0.0; // without its factor 100,000
    for (int i = from; i <= to; ++i) {
        const double weight = w[i];
        weightSum += weight;
        // A group without person-years has no rate and contributes no variance.
        if (const double personYears = series.personYears[at(i)]; personYears != 0.0) {
            const double rate = rateOf(cases[i], personYears);
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

RateResult cumulativeRate(const Series& series, int from, int to) {
    // No open top: the last age group cannot end or lie inside the range.
    if (!isRange(from, to, kTopAgeGroup) || series.lastAgeGroup <= to) {
        return kDeclined;
    }
    double sum = 0.0;
    double variance = 0.0;
    for (int i = from; i <= to; ++i) {
        if (series.personYears[at(i)] != 0.0) {
            const double rate = rateOf(series.cases[at(i)], series.personYears[at(i)]);
            sum += kAgeGroupWidth * rate;
            variance += kAgeGroupWidth * rate * kAgeGroupWidth / series.personYears[at(i)];
        }
    }
    // Rates per 100,000 times years give a proportion x 100,000; shown in percent.
    return {true, sum * series.unknownAgeFactor * 0.001,
            std::sqrt(variance * 0.00001) * 100.0 * series.unknownAgeFactor};
}

RateResult cumulativeRisk(const Series& series, int from, int to) {
    const RateResult rate = cumulativeRate(series, from, to);
    if (!rate.ok) {
        return kDeclined;
    }
    return {true, 100.0 * (1.0 - std::exp(-rate.value / 100.0)),
            100.0 * (1.0 - std::exp(-rate.se / 100.0))};
}

const AgeArray& asrWeightsOf(RateKind kind, const AgeArray* asrWeights) {
    if (asrWeights != nullptr) {
        return *asrWeights;
    }
    return kind == RateKind::AsrEuropean ? kEuropeanWeights : kWorldWeights;
}

RateResult computeRate(const Series& series, RateKind kind, int from, int to,
                       const AgeArray* asrWeights) {
    RateResult result;
    switch (kind) {
    case RateKind::CrudeRate:
        result = crudeRate(series, from, to);
        break;
    case RateKind::AsrWorld:
    case RateKind::AsrEuropean:
        result = asr(series, from, to, asrWeightsOf(kind, asrWeights));
        break;
    case RateKind::CumulativeRate:
        result = cumulativeRate(series, from, to);
        break;
    case RateKind::CumulativeRisk:
        result = cumulativeRisk(series, from, to);
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

AgeArray ageSpecificRates(const Series& series) {
    AgeArray rates{};
    const TopFolded cases(series.cases, series.lastAgeGroup, true);
    for (int i = 0; i <= series.lastAgeGroup; ++i) {
        rates[at(i)] = rateOf(cases[i], series.personYears[at(i)]);
    }
    return rates;
}

} // namespace orvelan

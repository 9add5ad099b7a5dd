// The rates engine of CIncidenceStore: the summary figures of the loaded series over an age
// range. Rates are per 100,000 person-years, cumulative rates and risks in percent.
#include "core/data/CIncidenceStore.h"
#include "core/rates/StandardWeights.h"

#include <cmath>

namespace orvelan {

namespace {

constexpr double kPer100000 = 100000.0;

bool isRange(int from, int to, int top) { return from >= 0 && from <= to && to <= top; }

} // namespace

int CIncidenceStore::decline(double& value, double& se) {
    value = -1.0;
    se = -1.0;
    return 1;
}

const AgeArray& CIncidenceStore::seriesRates() {
    if (!m_seriesRatesValid) {
        for (std::size_t i = 0; i < m_seriesRates.size(); ++i) {
            m_seriesRates[i] =
                m_personYears[i] != 0.0 ? m_cases[i] * kPer100000 / m_personYears[i] : 0.0;
        }
        m_seriesRatesValid = true;
    }
    return m_seriesRates;
}

void CIncidenceStore::setStandard(StandardCode standardCode) {
    if (const AgeArray* table = standardWeights(standardCode)) {
        m_weights = *table;
    } else if (selectsCumulativeWidths(standardCode)) {
        m_widths.fill(kAgeGroupWidth);
    }
}

bool CIncidenceStore::applyTopOfRange(int from, int& to, bool foldWeights) {
    const auto last = static_cast<std::size_t>(m_lastAgeGroup);
    if (to != kTopAgeGroup) {
        return to < m_lastAgeGroup; // the open class cannot end a closed range
    }
    // Everything above the open top class belongs to it.
    seriesChanged();
    for (std::size_t i = last + 1; i <= static_cast<std::size_t>(kTopAgeGroup); ++i) {
        m_cases[last] += m_cases[i];
        m_cases[i] = 0.0;
        if (foldWeights) {
            m_weights[last] += m_weights[i];
            m_weights[i] = 0.0;
        }
    }
    to = m_lastAgeGroup;
    return to >= from;
}

int CIncidenceStore::numberOfCases(int from, int to) {
    if (!isRange(from, to, kUnknownAgeGroup)) {
        m_numberOfCases = -1.0;
        return 1;
    }
    m_numberOfCases = 0.0;
    for (int i = from; i <= to; ++i) {
        m_numberOfCases += m_cases[static_cast<std::size_t>(i)];
    }
    return 0;
}

int CIncidenceStore::crudeRate(int from, int to) {
    m_rates.fill(0.0);
    m_personYearsSum = 0.0;
    const bool allAges = from == 0 && to == kTopAgeGroup;
    if (!isRange(from, to, kTopAgeGroup) || !applyTopOfRange(from, to, false)) {
        return decline(m_crudeRate, m_crudeRateSe);
    }
    const AgeArray& rates = seriesRates();
    double cases = 0.0;
    double personYears = 0.0;
    for (auto i = static_cast<std::size_t>(from); i <= static_cast<std::size_t>(to); ++i) {
        if (m_personYears[i] != 0.0) {
            m_rates[i] = rates[i];
        }
        cases += m_cases[i];
        personYears += m_personYears[i];
    }
    if (allAges) {
        cases += m_cases[kUnknownAgeGroup];
        personYears += m_personYears[kUnknownAgeGroup];
    }
    m_personYearsSum = personYears;
    m_crudeRate = 0.0;
    m_crudeRateSe = 0.0;
    if (personYears != 0.0) {
        m_crudeRate = cases * kPer100000 / personYears;
        if (m_crudeRate != 0.0 && cases > 0.0) {
            m_crudeRateSe = m_crudeRate / std::sqrt(cases);
        }
    }
    return 0;
}

int CIncidenceStore::asr(int from, int to, StandardCode standardCode) {
    m_rates.fill(0.0);
    if (standardWeights(standardCode) == nullptr || !isRange(from, to, kTopAgeGroup)) {
        return decline(m_asr, m_asrSe);
    }
    setStandard(standardCode);
    return asrOnWeights(from, to);
}

int CIncidenceStore::asr(int from, int to, const AgeArray& weights) {
    m_rates.fill(0.0);
    if (!isRange(from, to, kTopAgeGroup)) {
        return decline(m_asr, m_asrSe);
    }
    m_weights = weights;
    return asrOnWeights(from, to);
}

int CIncidenceStore::asrOnWeights(int from, int to) {
    if (!applyTopOfRange(from, to, true)) {
        return decline(m_asr, m_asrSe);
    }
    const AgeArray& rates = seriesRates();
    double weighted = 0.0; // sum of rate x weight
    double weights = 0.0;
    double variance = 0.0; // without its factor 100,000
    for (auto i = static_cast<std::size_t>(from); i <= static_cast<std::size_t>(to); ++i) {
        const double weight = m_weights[i];
        weights += weight;
        // A group without person-years has no rate and contributes no variance.
        if (m_personYears[i] != 0.0) {
            m_rates[i] = rates[i];
            weighted += m_rates[i] * weight;
            variance += m_rates[i] * weight * weight / m_personYears[i];
        }
    }
    m_asr = 0.0;
    m_asrSe = 0.0;
    if (weights != 0.0) {
        m_asr = weighted / weights * m_unknownAgeFactor;
        m_asrSe = std::sqrt(variance * kPer100000) / weights * m_unknownAgeFactor;
    }
    return 0;
}

int CIncidenceStore::cumulativeRate(int from, int to) {
    m_rates.fill(0.0);
    // No open top: the last age group cannot end or lie inside the range.
    if (!isRange(from, to, kTopAgeGroup) || m_lastAgeGroup <= to) {
        m_cumulativeKnown = false;
        return decline(m_cumulativeRate, m_cumulativeRateSe);
    }
    setStandard(StandardCode::CumulativeWidths);
    const AgeArray& rates = seriesRates();
    // The cumulative risk asks for the same rate again: its range on the same series is done.
    const bool known = m_cumulativeKnown && m_cumulativeFrom == from && m_cumulativeTo == to;
    double sum = 0.0;
    double variance = 0.0;
    for (auto i = static_cast<std::size_t>(from); i <= static_cast<std::size_t>(to); ++i) {
        if (m_personYears[i] != 0.0) {
            m_rates[i] = rates[i];
            if (!known) {
                sum += m_widths[i] * m_rates[i];
                variance += m_widths[i] * m_rates[i] * m_widths[i] / m_personYears[i];
            }
        }
    }
    if (!known) {
        // Rates per 100,000 times years give a proportion x 100,000; shown in percent.
        m_cumulativeRate = sum * m_unknownAgeFactor * 0.001;
        m_cumulativeRateSe = std::sqrt(variance * 0.00001) * 100.0 * m_unknownAgeFactor;
        m_cumulativeKnown = true;
        m_cumulativeFrom = from;
        m_cumulativeTo = to;
    }
    return 0;
}

int CIncidenceStore::cumulativeRisk(int from, int to) {
    m_cumulativeRisk = -1.0;
    m_cumulativeRiskSe = -1.0;
    if (cumulativeRate(from, to) != 0) {
        return 1;
    }
    m_cumulativeRisk = 100.0 * (1.0 - std::exp(-m_cumulativeRate / 100.0));
    m_cumulativeRiskSe = 100.0 * (1.0 - std::exp(-m_cumulativeRateSe / 100.0));
    return 0;
}

RateResult CIncidenceStore::computeRate(RateKind kind, int from, int to,
                                        const AgeArray* asrWeights) {
    RateResult result;
    int status = 1;
    switch (kind) {
    case RateKind::CrudeRate:
        status = crudeRate(from, to);
        result.value = m_crudeRate;
        result.se = m_crudeRateSe;
        break;
    case RateKind::AsrWorld:
    case RateKind::AsrEuropean:
        status = asrWeights != nullptr ? asr(from, to, *asrWeights)
                                       : asr(from, to,
                                             kind == RateKind::AsrWorld ? StandardCode::World
                                                                        : StandardCode::European);
        result.value = m_asr;
        result.se = m_asrSe;
        break;
    case RateKind::CumulativeRate:
        status = cumulativeRate(from, to);
        result.value = m_cumulativeRate;
        result.se = m_cumulativeRateSe;
        break;
    case RateKind::CumulativeRisk:
        status = cumulativeRisk(from, to);
        result.value = m_cumulativeRisk;
        result.se = m_cumulativeRiskSe;
        break;
    case RateKind::NumberOfCases:
        // All ages count the cases of unknown age as well.
        status = numberOfCases(from, from == 0 && to == kTopAgeGroup ? kUnknownAgeGroup : to);
        result.value = m_numberOfCases;
        result.se = status == 0 ? 0.0 : -1.0;
        break;
    }
    // Extreme counts (a float32 near its limit, say) can overflow to inf or NaN: such a figure
    // cannot be computed rather than printed.
    result.ok = status == 0 && std::isfinite(result.value) && std::isfinite(result.se);
    if (!result.ok) {
        result.value = -1.0;
        result.se = -1.0;
    }
    return result;
}

RateResult CIncidenceStore::computeRateOnLoaded(RateKind kind, int from, int to,
                                                const AgeArray* asrWeights) {
    if (to != kTopAgeGroup) {
        // Only a range to the open top folds the cases.
        return computeRate(kind, from, to, asrWeights);
    }
    const Series loaded = m_cases;
    const RateResult result = computeRate(kind, from, to, asrWeights);
    m_cases = loaded;
    seriesChanged();
    return result;
}

} // namespace orvelan

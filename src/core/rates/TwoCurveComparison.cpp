#include "core/rates/TwoCurveComparison.h"

#include "core/data/CIncidenceStore.h"
#include "core/rates/ChiSquare.h"
#include "core/rates/SeriesRates.h"
#include "core/rates/StandardWeights.h"
#include "core/rates/UserCurve.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <optional>
#include <vector>

namespace orvelan {
namespace {

/// One age group of the two curves: person-years N0 (reference), N1 (comparison), cases b
/// (reference) and a (comparison).
struct Stratum {
    int group = 0;
    double n0 = 0.0;
    double n1 = 0.0;
    double b = 0.0;
    double a = 0.0;
    double cases() const { return a + b; }
    double personYears() const { return n0 + n1; }
};

std::size_t index(int group) { return static_cast<std::size_t>(group); }

/// The groups ageLow..last that carry person-years in at least one curve; a group without any
/// has no rate in either curve and would only put 0/0 into the sums.
std::vector<Stratum> strataOf(const CurvePair& pair, int last) {
    std::vector<Stratum> strata;
    for (int j = pair.ageLow; j <= last; ++j) {
        const std::size_t i = index(j);
        Stratum s{j, pair.refPersonYears[i], pair.compPersonYears[i], pair.refCases[i],
                  pair.compCases[i]};
        if (s.personYears() > 0.0) {
            strata.push_back(s);
        }
    }
    return strata;
}

/// Share of the stratum's cases expected in the comparison curve under rate ratio r.
std::optional<double> comparisonShare(const Stratum& s, double r) {
    const double denominator = r * s.n1 + s.n0;
    if (denominator == 0.0) {
        return std::nullopt;
    }
    return r * s.n1 / denominator;
}

/// Mantel & Haenszel rate ratio with its standard error, and the Mantel-Haenszel-Cochran test.
/// Returns O, the number of comparison cases.
double mantelHaenszel(CurvePair& pair, const std::vector<Stratum>& strata) {
    double num = 0.0;
    double den = 0.0;
    double observed = 0.0;
    double expected = 0.0;
    double a1 = 0.0;
    for (const Stratum& s : strata) {
        const double t = s.personYears();
        num += s.a * s.n0 / t;
        den += s.b * s.n1 / t;
        observed += s.a;
        expected += s.cases() * s.n1 / t;
        a1 += s.cases() * s.n1 * s.n0 / (t * t);
    }
    if (den != 0.0) {
        pair.rrMH = num / den;
        if (num > 0.0) {
            pair.logRrMH = std::log(pair.rrMH);
        }
        double a2 = 0.0;
        for (const Stratum& s : strata) {
            // A group without reference person-years adds 0 (its numerator holds N0).
            const double denominator = (pair.rrMH * s.n1 + s.n0) * s.personYears();
            if (denominator != 0.0) {
                a2 += s.cases() * s.n1 * s.n0 / denominator;
            }
        }
        if (a2 != 0.0 && pair.rrMH != 0.0) {
            pair.seLogRrMH = std::sqrt(a1 / (a2 * a2 * pair.rrMH));
        }
    }
    // The variance of O under no difference is the same sum as A1.
    if (a1 != 0.0) {
        const double z = (observed - expected) / std::sqrt(a1);
        pair.dfMHC = 1;
        pair.chi2MHC = z * z;
        pair.pMHC = ChiSquarePValue(pair.chi2MHC, 1);
    } else {
        pair.dfMHC = -1;
    }
    return observed;
}

/// Heterogeneity and trend tests around the maximum-likelihood ratio r (> 0).
void heterogeneityAndTrend(CurvePair& pair, const std::vector<Stratum>& strata, double r) {
    double chi2 = 0.0;
    double s1 = 0.0;
    double sv = 0.0;
    double skv = 0.0;
    double sk2v = 0.0;
    for (const Stratum& s : strata) {
        const double p = comparisonShare(s, r).value_or(0.0);
        const double e = s.cases() * p;
        const double v = s.cases() * p * (1.0 - p);
        const double k = s.group - pair.ageLow + 1; // score 1 for the first group of the range
        if (v != 0.0) {
            chi2 += (s.a - e) * (s.a - e) / v;
        }
        s1 += k * (s.a - e);
        sv += v;
        skv += k * v;
        sk2v += k * k * v;
    }
    pair.chi2Heterogeneity = chi2;
    pair.dfHeterogeneity = static_cast<std::int32_t>(strata.size()) - 1;
    if (pair.dfHeterogeneity != 0) {
        pair.pHeterogeneity = ChiSquarePValue(chi2, pair.dfHeterogeneity);
    }
    // With variance in a single group the scores have no spread and there is no trend to test.
    const double spread = sv != 0.0 ? sk2v - skv * skv / sv : 0.0;
    if (sv != 0.0 && spread > 1e-12 * sk2v) {
        pair.dfTrend = 1;
        pair.chi2Trend = s1 * s1 / spread;
        pair.pTrend = ChiSquarePValue(pair.chi2Trend, 1);
    } else {
        pair.dfTrend = -1;
    }
}

} // namespace

RateRatioIteration iterateRateRatio(const CurvePair& pair, int last, double start) {
    const std::vector<Stratum> strata = strataOf(pair, last);
    RateRatioIteration result;
    double r = start;
    for (int pass = 0; pass < kMaxRateRatioUpdates && r > 0.0; ++pass) {
        double u = 0.0;
        double information = 0.0;
        for (const Stratum& s : strata) {
            if (const std::optional<double> p = comparisonShare(s, r)) {
                u += s.a - s.cases() * *p;
                information += s.cases() * *p * (1.0 - *p);
            }
        }
        result.information = information;
        if (information <= 0.0) {
            return result;
        }
        const double step = u * r / information;
        if (std::abs(step) < kRateRatioTolerance) {
            result.converged = true;
            break;
        }
        r += step;
        ++result.updates;
    }
    if (r > 0.0) {
        result.ratio = r;
    }
    return result;
}

int compareCurves(CurvePair& pair, int refLast, int compLast) {
    int last = pair.ageHigh;
    if (pair.ageHigh == kTopAgeGroup) {
        last = std::min({refLast, compLast, kTopAgeGroup});
        if (last < kTopAgeGroup) {
            foldIntoOpenClass(pair.refPersonYears, last);
            foldIntoOpenClass(pair.compPersonYears, last);
            foldIntoOpenClass(pair.refCases, last);
            foldIntoOpenClass(pair.compCases, last);
        }
    }
    if (last < pair.ageLow + 2) {
        return 0;
    }
    const std::vector<Stratum> strata = strataOf(pair, last);
    const double observed = mantelHaenszel(pair, strata);

    // Without comparison cases, or without a positive starting ratio, there is nothing to
    // iterate on and the two tests that rest on the estimate are not available.
    if (observed != 0.0 && pair.rrMH > 0.0) {
        const RateRatioIteration ml = iterateRateRatio(pair, last, pair.rrMH);
        pair.rrML = ml.ratio;
        if (ml.ratio > 0.0) {
            pair.logRrML = std::log(ml.ratio);
            pair.seLogRrML = std::sqrt(1.0 / ml.information);
        }
    }
    if (pair.rrML > 0.0) {
        heterogeneityAndTrend(pair, strata, pair.rrML);
    } else {
        pair.dfHeterogeneity = -1;
        pair.dfTrend = -1;
    }
    return last;
}

namespace {

/// Copies groups 0-17 of the loaded series into a curve of the pair.
void copySeries(const CIncidenceStore& store, AgeArray& personYears, AgeArray& cases) {
    std::copy_n(store.personYears().begin(), kKnownAgeGroupCount, personYears.begin());
    std::copy_n(store.cases().begin(), kKnownAgeGroupCount, cases.begin());
}

/// World ASR of the loaded series over the pair's range into (asr, se); false when the range
/// cannot be computed.
bool worldAsr(const CIncidenceStore& store, const CurvePair& pair, double& value, double& se) {
    const RateResult world = asr(store.series(), pair.ageLow, pair.ageHigh, kWorldWeights);
    if (!world.ok) {
        return false;
    }
    value = world.value;
    se = world.se;
    return true;
}

bool validRange(const CurvePair& pair) {
    return pair.ageLow >= 0 && pair.ageLow <= pair.ageHigh && pair.ageHigh <= kTopAgeGroup;
}

} // namespace

int ComputeComparison(CurvePair& pair, CIncidenceStore& store, const UserCurve* userCurve) {
    pair.resetResults();
    // The pair mirrors the analysis file: its sexes are indexes 0-2 until checked here.
    const std::optional<Sex> refSex = sexFromIndex(pair.refSex);
    const std::optional<Sex> compSex = sexFromIndex(pair.compSex);
    if (!validRange(pair) || !refSex || !compSex ||
        (pair.userComparison != 0 && userCurve == nullptr)) {
        return 0;
    }
    if (!store.load(pair.refPopulation, pair.refCancer, *refSex)) {
        return 0;
    }
    copySeries(store, pair.refPersonYears, pair.refCases);
    const int refLast = store.lastAgeGroup();
    if (!worldAsr(store, pair, pair.asrRef, pair.seRef) || pair.asrRef == 0.0) {
        return 0;
    }

    if (pair.userComparison == 0) {
        if (!store.load(pair.compPopulation, pair.compCancer, *compSex)) {
            return 0;
        }
        copySeries(store, pair.compPersonYears, pair.compCases);
    } else {
        pair.compCases = userCurve->cases;
        pair.compPersonYears = userCurve->personYears;
        store.setUserSeries(pair.compCases, pair.compPersonYears);
    }
    const int compLast = store.lastAgeGroup();
    if (!worldAsr(store, pair, pair.asrComp, pair.seComp)) {
        return 0;
    }
    return compareCurves(pair, refLast, compLast);
}

} // namespace orvelan

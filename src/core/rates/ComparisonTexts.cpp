#include "core/rates/ComparisonTexts.h"

#include "core/data/CCancerDictionary.h"
#include "core/data/CIncidenceStore.h"
#include "core/data/CUserGroupDictionary.h"
#include "core/io/Printf.h"
#include "core/rates/TwoCurveComparison.h"
#include "core/rates/UserCurve.h"

#include <cmath>

namespace orvelan {
namespace {

// Dashes standing for a result that is not available, as wide as the column's numbers.
constexpr const char* kAsrDash = "    -  ";
constexpr const char* kRatioDash = "   -   ";
constexpr const char* kRateRatioDash = "   -    ";
constexpr const char* kPValueDash = "  -      ";
constexpr const char* kChi2Dash = "   -      ";
constexpr const char* kDfDash = " -";

std::string asrCell(const CurvePair& pair, int row, int column) {
    if (row == 2) {
        // The ratio needs both rates; a failed comparison curve (-1) has none.
        if (column == 2 && pair.asrRef > 0.0 && pair.asrComp >= 0.0) {
            return formatText("%7.3f", pair.asrComp / pair.asrRef);
        }
        return kRatioDash;
    }
    const double asr = row == 0 ? pair.asrRef : pair.asrComp;
    const double se = row == 0 ? pair.seRef : pair.seComp;
    if (column == 2) {
        return asr >= 0.0 ? formatText("%7.2f", asr) : kAsrDash;
    }
    return asr >= 0.0 ? formatText("%7.3f", se) : kRatioDash;
}

std::string rateRatioCell(const CurvePair& pair, int row, int column) {
    const double rr = row == 0 ? pair.rrMH : pair.rrML;
    const double logRr = row == 0 ? pair.logRrMH : pair.logRrML;
    const double se = row == 0 ? pair.seLogRrMH : pair.seLogRrML;
    if (rr < 0.0) {
        return kRateRatioDash;
    }
    switch (column) {
    case 2:
        // A ratio of 0 has no logarithm and no interval around it.
        if (rr > 0.0 && se >= 0.0) {
            return formatText("%8.4f[%8.4f,%8.4f]", rr, std::exp(logRr - 1.96 * se),
                              std::exp(logRr + 1.96 * se));
        }
        return formatText("%8.4f", rr);
    case 3:
        return rr > 0.0 ? formatText("%8.4f", logRr) : kRateRatioDash;
    default:
        return se >= 0.0 ? formatText("%8.4f", se) : kRateRatioDash;
    }
}

std::string testCell(const CurvePair& pair, int row, int column) {
    const double p = row == 0 ? pair.pMHC : row == 1 ? pair.pHeterogeneity : pair.pTrend;
    const double chi2 = row == 0   ? pair.chi2MHC
                        : row == 1 ? pair.chi2Heterogeneity
                                   : pair.chi2Trend;
    const int df = row == 0 ? pair.dfMHC : row == 1 ? pair.dfHeterogeneity : pair.dfTrend;
    switch (column) {
    case 2:
        return p >= 0.0 ? formatText("%9.6f", p) : kPValueDash;
    case 3:
        return chi2 > 0.0 ? formatText("%10.6f", chi2) : kChi2Dash;
    default:
        return df >= 0 ? formatText("%2d", df) : kDfDash;
    }
}

} // namespace

bool occursInOneSexOnly(const CIncidenceStore& store, int cancer) {
    const SexApplicability sexes = CCancerDictionary::sexesOf(cancer, store.cancerGroups());
    return sexes.maleOnly() || sexes.femaleOnly();
}

std::string curveLabel(CIncidenceStore& store, int population, int cancer, Sex sex, int ageHigh) {
    std::string label = store.populationLabelByNumber(population, false);
    label += ": ";
    label += store.cancerLabel(cancer);
    if (!occursInOneSexOnly(store, cancer)) {
        label += '-';
        label += sexLabel(sex, ageHigh);
    }
    return label;
}

std::string ageRangeFieldText(int ageLow, int ageHigh, int last) {
    if (last == 0) {
        return std::string(kNoDataAvailable);
    }
    std::string text(lowerLabel(ageLow));
    if (last != ageHigh) {
        // The open class is named from its lower bound ("70+" for a cut at 70-74).
        text += openTopLabel(last);
        text += kCheckPopulationWarning;
    } else {
        text += upperLabel(ageHigh);
    }
    return text;
}

ComparisonRun runComparison(CurvePair& pair, CIncidenceStore& store, const UserCurve* userCurve) {
    ComparisonRun run;
    run.last = ComputeComparison(pair, store, userCurve);
    // A sex index outside 0-2 is never computed; its label names both sexes rather than reading
    // past the sex labels.
    const auto labelSex = [](int index) { return sexFromIndex(index).value_or(Sex::Both); };
    run.texts.reference =
        curveLabel(store, pair.refPopulation, pair.refCancer, labelSex(pair.refSex), pair.ageHigh);
    if (pair.userComparison != 0) {
        run.texts.comparison = userCurve != nullptr ? userCurve->title : std::string();
    } else {
        run.texts.comparison = curveLabel(store, pair.compPopulation, pair.compCancer,
                                          labelSex(pair.compSex), pair.ageHigh);
    }
    run.texts.ageRange = ageRangeFieldText(pair.ageLow, pair.ageHigh, run.last);
    if (run.ok()) {
        // Only a range asked up to 85+ is cut, and then always to an open top class.
        run.openTop = pair.ageHigh == kTopAgeGroup;
        pair.ageHigh = run.last;
    }
    return run;
}

std::string resultCellText(const CurvePair& pair, ResultList list, int row, int column) {
    switch (list) {
    case ResultList::Asr:
        if (row < 0 || row >= static_cast<int>(kAsrRows.size()) || column < 1 || column > 3) {
            return {};
        }
        return column == 1 ? std::string(kAsrRows[static_cast<std::size_t>(row)])
                           : asrCell(pair, row, column);
    case ResultList::RateRatio:
        if (row < 0 || row >= static_cast<int>(kRateRatioRows.size()) || column < 1 || column > 4) {
            return {};
        }
        return column == 1 ? std::string(kRateRatioRows[static_cast<std::size_t>(row)])
                           : rateRatioCell(pair, row, column);
    case ResultList::Tests:
        if (row < 0 || row >= static_cast<int>(kTestRows.size()) || column < 1 || column > 4) {
            return {};
        }
        return column == 1 ? std::string(kTestRows[static_cast<std::size_t>(row)])
                           : testCell(pair, row, column);
    }
    return {};
}

} // namespace orvelan

#include "core/rates/SeveralCurveComparison.h"

#include "core/data/CIncidenceStore.h"
#include "core/data/CRegistryDictionary.h"
#include "core/io/Printf.h"
#include "core/rates/ComparisonTexts.h"
#include "core/rates/ConfidenceLimits.h"

#include <algorithm>
#include <cmath>

namespace orvelan {

const std::array<PoissonLimits, kExactLimitCount> kPoissonLimitTable = {{
    {0.00, 3.00},   {0.03, 5.57},   {0.24, 7.22},   {0.62, 8.77},   {1.09, 10.24},  {1.62, 11.67},
    {2.20, 13.06},  {2.81, 14.42},  {3.45, 15.76},  {4.12, 17.08},  {4.80, 18.39},  {5.49, 19.68},
    {6.20, 20.96},  {6.92, 22.23},  {7.65, 23.49},  {8.40, 24.74},  {9.15, 25.98},  {9.90, 27.22},
    {10.67, 28.45}, {11.44, 29.67}, {12.22, 30.89}, {13.00, 32.10}, {13.79, 33.31}, {14.58, 34.51},
    {15.38, 35.71}, {16.18, 36.90}, {16.98, 38.10}, {17.79, 39.28}, {18.61, 40.47}, {19.42, 41.65},
    {20.24, 42.83}, {21.06, 44.00}, {21.89, 45.17}, {22.72, 46.34}, {23.55, 47.51}, {24.38, 48.68},
    {25.21, 49.84}, {26.05, 51.00}, {26.89, 52.16}, {27.73, 53.31}, {28.58, 54.47}, {29.42, 55.62},
    {30.27, 56.77}, {31.12, 57.92}, {31.97, 59.07}, {32.82, 60.21}, {33.68, 61.36}, {34.53, 62.50},
    {35.39, 63.64}, {36.25, 64.78},
}};

namespace {

std::size_t groupIndex(int group) { return static_cast<std::size_t>(group); }

AgeArray knownGroups(const AgeValues& series) {
    AgeArray values{};
    std::copy_n(series.begin(), kKnownAgeGroupCount, values.begin());
    return values;
}

} // namespace

PoissonLimits poissonLimits(double observed) {
    const double whole = std::trunc(observed);
    if (whole >= 0.0 && whole < static_cast<double>(kExactLimitCount)) {
        return kPoissonLimitTable[static_cast<std::size_t>(whole)];
    }
    const double low = std::sqrt(observed) - 0.98;
    const double high = std::sqrt(observed + 1.0) + 0.98;
    return {low * low, high * high};
}

SirRow sirFromCurves(AgeArray refPersonYears, AgeArray refCases, int refLast,
                     AgeArray compPersonYears, AgeArray compCases, int compLast, int ageLow,
                     int ageHigh) {
    SirRow row;
    int upper = ageHigh;
    if (ageHigh == kTopAgeGroup) {
        // The younger open class serves both curves; a group above both open classes folds
        // in as well, so that no case is dropped.
        upper = std::min({refLast, compLast, kTopAgeGroup});
        if (upper < kTopAgeGroup) {
            for (AgeArray* values : {&refPersonYears, &refCases, &compPersonYears, &compCases}) {
                foldIntoOpenClass(*values, upper);
            }
        }
    } else if (ageHigh >= compLast || ageHigh >= refLast) {
        return row; // an open class cannot end a closed range
    }
    if (ageLow < 0 || upper < ageLow) {
        return row;
    }
    for (int j = ageLow; j <= upper; ++j) {
        const std::size_t i = groupIndex(j);
        row.observed += compCases[i];
        if (refPersonYears[i] != 0.0) {
            row.expected += compPersonYears[i] * refCases[i] / refPersonYears[i];
        }
    }
    if (row.expected == 0.0) {
        return row;
    }
    const PoissonLimits limits = poissonLimits(row.observed);
    row.sir = 100.0 * row.observed / row.expected;
    row.sirLow = 100.0 * limits.lower / row.expected;
    row.sirHigh = 100.0 * limits.upper / row.expected;
    row.chi2 = (row.observed - row.expected) * (row.observed - row.expected) / row.expected;
    return row;
}

SirRow ComputeSIR(CIncidenceStore& store, const SirRequest& request, int population) {
    if (request.ageLow < 0 || request.ageLow > request.ageHigh || request.ageHigh > kTopAgeGroup ||
        !store.load(request.refPopulation, request.cancer, request.sex)) {
        return {};
    }
    const AgeArray refPersonYears = knownGroups(store.personYears());
    const AgeArray refCases = knownGroups(store.cases());
    const int refLast = store.lastAgeGroup();
    if (!store.load(population, request.cancer, request.sex)) {
        return {};
    }
    return sirFromCurves(refPersonYears, refCases, refLast, knownGroups(store.personYears()),
                         knownGroups(store.cases()), store.lastAgeGroup(), request.ageLow,
                         request.ageHigh);
}

std::vector<int> severalPopulationList(const SelectionList& selection) {
    std::vector<int> populations;
    for (const int entry : selection) {
        if (entry < 0) {
            continue;
        }
        if (entry >= kFirstRegistryGroup) {
            populations.push_back(entry);
            continue;
        }
        // Heading rows (continents, countries) stand for no population.
        const int population = CRegistryDictionary::populationNumber(entry);
        if (isDictionaryPopulation(population)) {
            populations.push_back(population);
        }
    }
    return populations;
}

std::string severalTitle(CIncidenceStore& store, const SirRequest& request) {
    std::string title = store.populationLabelByNumber(request.refPopulation, false);
    title += ": ";
    title += store.cancerLabel(request.cancer);
    if (!occursInOneSexOnly(store, request.cancer)) {
        title += '-';
        title += sexLabel(request.sex, request.ageHigh);
    }
    title += ageRangeSuffix(request.ageLow, request.ageHigh);
    return title;
}

double sirRowPValue(const SirRow& row) {
    return row.available() ? exactPoissonPValue(row.observed, row.expected) : -1.0;
}

SirTotal sirTotal(const std::vector<SirRow>& rows) {
    SirTotal total;
    double chi2 = 0.0;
    for (const SirRow& row : rows) {
        if (!row.available()) {
            continue;
        }
        total.row.observed += row.observed;
        total.row.expected += row.expected;
        chi2 += row.chi2;
        ++total.df;
    }
    if (total.df == 0 || total.row.expected <= 0.0) {
        return total;
    }
    const PoissonLimits limits = poissonLimits(total.row.observed);
    total.row.sir = 100.0 * total.row.observed / total.row.expected;
    total.row.sirLow = 100.0 * limits.lower / total.row.expected;
    total.row.sirHigh = 100.0 * limits.upper / total.row.expected;
    total.row.chi2 = chi2;
    total.p = chiSquareTail(chi2, total.df);
    return total;
}

std::string sirPText(double p) {
    return p < 0.0 ? std::string(kNotAvailable) : formatText("%8.4f", p);
}

std::string sirTotalChi2Text(const SirTotal& total) {
    if (!total.row.available()) {
        return std::string(kNotAvailable);
    }
    return formatText("%10.1f (%d df)", total.row.chi2, total.df);
}

std::array<std::string, 4> sirCellTexts(const SirRow& row) {
    if (!row.available()) {
        const std::string na(kNotAvailable);
        return {na, na, na, na};
    }
    return {formatText("%9.0f", row.observed), formatText("%10.1f", row.expected),
            formatText("%8.0f [%.0f,%.0f]", row.sir, row.sirLow, row.sirHigh),
            formatText("%10.1f", row.chi2)};
}

} // namespace orvelan

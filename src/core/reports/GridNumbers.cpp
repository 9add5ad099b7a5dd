#include "core/reports/GridNumbers.h"

#include "core/data/CIncidenceStore.h"
#include "core/rates/RateIntervals.h"
#include "core/rates/SeveralCurveComparison.h"
#include "core/reports/CAgeSpecificRatesTable.h"
#include "core/reports/CReportTable.h"
#include "core/reports/CSummaryRatesTable.h"
#include "core/reports/ReportItems.h"

namespace orvelan {

namespace {

constexpr int kUnknownColumn = 18; // age-specific value columns: 0-17 age groups, 18 unknown age,
constexpr int kAllAgesColumn = 19; // 19 all ages, 20 verification percentage

GridNumber rateNumber(CIncidenceStore& store, RateKind kind, int from, int to, bool interval,
                      const IntervalChoice& intervals, const StandardChoice& standards) {
    const RateWithInterval computed =
        computeRateWithInterval(store.series(), kind, from, to, intervals, standards);
    GridNumber number;
    if (!computed.rate.ok) {
        return number;
    }
    number.value = computed.rate.value;
    if (interval && computed.interval.ok) {
        number.lower = computed.interval.limits.lower;
        number.upper = computed.interval.limits.upper;
    }
    return number;
}

/// A value without interval limits; nullopt stays missing.
GridNumber valueOnly(std::optional<double> value) { return {value, std::nullopt, std::nullopt}; }

GridNumber ageSpecificNumber(CIncidenceStore& store, bool showRates, int column) {
    const auto age = static_cast<std::size_t>(column);
    if (column > kAllAgesColumn) {
        return valueOnly(store.verification() >= 0.0 ? std::optional(store.verification())
                                                     : std::nullopt);
    }
    const Series& series = store.series();
    if (showRates) {
        if (column < kUnknownColumn) {
            return valueOnly(ageSpecificRates(series)[age]);
        }
        return valueOnly(column == kUnknownColumn ? series.cases[age]
                                                  : crudeRate(series, 0, kTopAgeGroup).value);
    }
    if (column <= kUnknownColumn) {
        return valueOnly(series.cases[age]);
    }
    return valueOnly(numberOfCases(series, 0, kUnknownAgeGroup).value);
}

} // namespace

NumberGrid gridNumbers(CIncidenceStore& store, const CSummaryRatesTable& table) {
    const SummaryRatesSettings& s = table.settings();
    NumberGrid grid;
    for (const int item : table.rowItems()) {
        const int registry = s.rowsAreRegistries ? item : s.fixedRegistry;
        const int cancer = s.rowsAreRegistries ? s.fixedCancer : item;
        auto& row = grid.emplace_back();
        for (int kind = 0; kind < CSummaryRatesTable::kValueColumnCount; ++kind) {
            // Every figure from a fresh load, as the grid's cells are.
            row.push_back(loadItem(store, registry, cancer, s.sex)
                              ? rateNumber(store, static_cast<RateKind>(kind), s.ageFrom, s.ageTo,
                                           s.confidenceInterval, s.intervals, s.standards)
                              : GridNumber{});
        }
    }
    return grid;
}

NumberGrid gridNumbers(CIncidenceStore& store, const CAgeSpecificRatesTable& table) {
    const AgeSpecificRatesSettings& s = table.settings();
    NumberGrid grid;
    for (const int item : table.rowItems()) {
        const int registry = s.rowsAreRegistries ? item : s.fixedRegistry;
        const int cancer = s.rowsAreRegistries ? s.fixedCancer : item;
        auto& row = grid.emplace_back();
        for (int column = 0; column < CAgeSpecificRatesTable::kValueColumnCount; ++column) {
            loadItem(store, registry, cancer, s.sex);
            row.push_back(ageSpecificNumber(store, s.showRates, column));
        }
    }
    return grid;
}

NumberGrid gridNumbers(CIncidenceStore& store, const CReportTable& table) {
    const ReportSettings& s = table.settings();
    const auto& rowItems = s.rowsAreCancers ? table.cancerSexes() : table.registries();
    const auto& columnItems = s.rowsAreCancers ? table.registries() : table.cancerSexes();
    NumberGrid grid;
    for (const int rowItem : rowItems) {
        auto& row = grid.emplace_back();
        for (const int columnItem : columnItems) {
            const int registry = s.rowsAreCancers ? columnItem : rowItem;
            const int cancerSex = s.rowsAreCancers ? rowItem : columnItem;
            row.push_back(loadItem(store, registry, CReportTable::itemCancer(cancerSex),
                                   CReportTable::itemSex(cancerSex))
                              ? rateNumber(store, s.rateKind, s.ageFrom, s.ageTo,
                                           s.confidenceInterval, s.intervals, s.standards)
                              : GridNumber{});
        }
    }
    return grid;
}

NumberGrid gridNumbers(const std::vector<SirRow>& rows) {
    NumberGrid grid;
    for (const SirRow& row : rows) {
        auto& numbers = grid.emplace_back(4);
        if (!row.available()) {
            continue;
        }
        numbers[0] = valueOnly(row.observed);
        numbers[1] = valueOnly(row.expected);
        numbers[2] = {row.sir, row.sirLow, row.sirHigh};
        numbers[3] = valueOnly(row.chi2 >= 0.0 ? std::optional(row.chi2) : std::nullopt);
    }
    return grid;
}

} // namespace orvelan

#include "core/reports/CAgeSpecificRatesTable.h"

#include "core/data/CIncidenceStore.h"
#include "core/io/NumberText.h"
#include "core/io/Printf.h"
#include "core/rates/SeriesRates.h"
#include "core/reports/ReportBlock.h"
#include "core/reports/ReportItems.h"

namespace orvelan {

namespace {

// Value kinds: 0-17 age groups, 18 unknown age, 19 all ages (the default), 20 verification
// percentage.
constexpr int kUnknownColumn = 18;
constexpr int kVerificationColumn = 20;

std::string countText(double cases) {
    return cases != 0.0 ? wholeText(cases, 9) : std::string("        -");
}

std::string rateText(double rate) {
    return rate != 0.0 ? formatText("%8.2f", rate) : std::string("     -  ");
}

/// Negative: not available.
std::string verificationText(double percent) {
    return percent >= 0.0 ? wholeText(percent, 9) : std::string("N.A.");
}

} // namespace

AgeSpecificRatesSettings AgeSpecificRatesSettings::fromBlock(const ReportBlock& block, Sex sex) {
    AgeSpecificRatesSettings s;
    s.rowsAreRegistries = block.arrangement != 0;
    s.sex = sex;
    s.showRates = block.interval != 0;
    s.fixedCancer = block.fixedCancer;
    s.fixedRegistry = block.fixedRegistry;
    return s;
}

CAgeSpecificRatesTable::CAgeSpecificRatesTable(const AgeSpecificRatesSettings& settings)
    : m_settings(settings) {}

std::vector<std::string> CAgeSpecificRatesTable::columnHeaders() {
    std::vector<std::string> headers;
    for (int i = 0; i < kValueColumnCount - 1; ++i) {
        headers.emplace_back(columnHeading(i));
    }
    headers.emplace_back("MV(%)");
    return headers;
}

RateTableRows AgeSpecificRatesSettings::rows() const {
    return {rowsAreRegistries, sex, fixedCancer, fixedRegistry, false};
}

void CAgeSpecificRatesTable::build(CIncidenceStore& store, const SelectionList& registries,
                                   const SelectionList& cancers) {
    const RateTableRows rows = m_settings.rows();
    m_rowItems = rows.items(store, registries, cancers);
    m_title = buildTitle(store);
    m_grid = rows.grid(store, m_title, columnHeaders(), m_rowItems,
                       [&](int item, int column) { return cellText(store, item, column); });
}

std::string CAgeSpecificRatesTable::buildTitle(CIncidenceStore& store) const {
    const RateTableRows rows = m_settings.rows();
    std::string title = rows.subject(store);
    if (rows.titleNamesSex(store)) {
        title += m_settings.sex == Sex::Male ? "-Male" : "-Female";
    }
    return title;
}

std::string CAgeSpecificRatesTable::cellText(CIncidenceStore& store, int item,
                                             int valueKind) const {
    const AgeSpecificRatesSettings& s = m_settings;
    const int registry = s.rowsAreRegistries ? item : s.fixedRegistry;
    const int cancer = s.rowsAreRegistries ? s.fixedCancer : item;
    loadItem(store, registry, cancer, s.sex);
    const auto age = static_cast<std::size_t>(valueKind);
    if (valueKind == kVerificationColumn) {
        return verificationText(store.verification());
    }
    const Series& series = store.series();
    if (s.showRates) {
        if (valueKind < kUnknownColumn) {
            return rateText(ageSpecificRates(series)[age]);
        }
        if (valueKind == kUnknownColumn) {
            return countText(series.cases[age]);
        }
        // All ages count unknown ages.
        return formatText("%9.2f", crudeRate(series, 0, kTopAgeGroup).value);
    }
    if (valueKind <= kUnknownColumn) {
        return countText(series.cases[age]);
    }
    return wholeText(numberOfCases(series, 0, kUnknownAgeGroup).value, 9);
}

} // namespace orvelan

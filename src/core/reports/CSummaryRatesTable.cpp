#include "core/reports/CSummaryRatesTable.h"

#include "core/data/CIncidenceStore.h"
#include "core/rates/RateIntervals.h"
#include "core/reports/ReportBlock.h"
#include "core/reports/ReportItems.h"

namespace orvelan {

SummaryRatesSettings SummaryRatesSettings::fromBlock(const ReportBlock& block, Sex sex) {
    SummaryRatesSettings s;
    s.rowsAreRegistries = block.arrangement != 0;
    s.sex = sex;
    s.ageFrom = block.ageFrom;
    s.ageTo = block.ageTo;
    s.confidenceInterval = block.interval != 0;
    s.fixedCancer = block.fixedCancer;
    s.fixedRegistry = block.fixedRegistry;
    return s;
}

RateTableRows SummaryRatesSettings::rows() const {
    return {rowsAreRegistries, sex, fixedCancer, fixedRegistry, true};
}

CSummaryRatesTable::CSummaryRatesTable(const SummaryRatesSettings& settings)
    : m_settings(settings) {}

const std::vector<std::string>& CSummaryRatesTable::columnHeaders() {
    static const std::vector<std::string> kHeaders = {"Crude rate",      "ASR (World)",
                                                      "ASR (European)",  "Cumulative rate",
                                                      "Cumulative risk", "Number of cases"};
    return kHeaders;
}

std::vector<std::string> CSummaryRatesTable::columnHeaders(const StandardChoice& standards) {
    std::vector<std::string> headers = columnHeaders();
    for (const RateKind kind : {RateKind::AsrWorld, RateKind::AsrEuropean}) {
        headers[static_cast<std::size_t>(kind)] = rateKindHeading(kind, standards);
    }
    return headers;
}

void CSummaryRatesTable::build(CIncidenceStore& store, const SelectionList& registries,
                               const SelectionList& cancers) {
    const RateTableRows rows = m_settings.rows();
    m_rowItems = rows.items(store, registries, cancers);
    m_title = buildTitle(store);
    m_grid = rows.grid(store, m_title, columnHeaders(m_settings.standards), m_rowItems,
                       [&](int item, int column) { return cellText(store, item, column); });
    m_grid.setTitleNote(intervalMark());
}

std::string CSummaryRatesTable::intervalMark() const {
    if (!m_settings.confidenceInterval) {
        return {};
    }
    return intervalNote(m_settings.intervals,
                        {RateKind::CrudeRate, RateKind::AsrWorld, RateKind::AsrEuropean,
                         RateKind::CumulativeRate, RateKind::CumulativeRisk});
}

std::string CSummaryRatesTable::buildTitle(CIncidenceStore& store) const {
    const SummaryRatesSettings& s = m_settings;
    const RateTableRows rows = s.rows();
    std::string title = rows.subject(store);
    if (rows.titleNamesSex(store)) {
        title += "-";
        title += sexLabel(s.sex, s.ageTo);
    }
    title += ageRangeSuffix(s.ageFrom, s.ageTo);
    title += intervalMark();
    return title;
}

std::string CSummaryRatesTable::cellText(CIncidenceStore& store, int item, int valueKind) const {
    const SummaryRatesSettings& s = m_settings;
    const int registry = s.rowsAreRegistries ? item : s.fixedRegistry;
    const int cancer = s.rowsAreRegistries ? s.fixedCancer : item;
    if (!loadItem(store, registry, cancer, s.sex)) {
        return "N.A.";
    }
    const auto kind = static_cast<RateKind>(valueKind);
    // The number of cases keeps its plain count here, whatever the method.
    const bool withInterval = s.confidenceInterval && kind != RateKind::NumberOfCases;
    return rateCellText(store, kind, s.ageFrom, s.ageTo,
                        withInterval ? IntervalStyle::Words : IntervalStyle::None, s.intervals,
                        s.standards);
}

} // namespace orvelan

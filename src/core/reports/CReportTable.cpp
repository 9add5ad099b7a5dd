#include "core/reports/CReportTable.h"

#include "core/data/CIncidenceStore.h"
#include "core/rates/RateIntervals.h"
#include "core/reports/ReportBlock.h"
#include "core/reports/ReportItems.h"

namespace orvelan {

ReportSettings ReportSettings::fromBlock(const ReportBlock& block) {
    ReportSettings s;
    s.rowsAreCancers = block.arrangement != 0;
    s.males = block.includesMales();
    s.females = block.includesFemales();
    s.confidenceInterval = block.interval != 0;
    s.rateKind = static_cast<RateKind>(block.rateKind);
    s.ageFrom = block.ageFrom;
    s.ageTo = block.ageTo;
    return s;
}

CReportTable::CReportTable(const ReportSettings& settings) : m_settings(settings) {}

void CReportTable::build(CIncidenceStore& store, const SelectionList& registries,
                         const SelectionList& cancers) {
    m_registries = registryItems(registries, registryGroupCount(store));
    m_cancerSexes.clear();
    for (int slot = 0; slot < kSelectionListSize; ++slot) {
        if (cancers[static_cast<std::size_t>(slot)] < 0) {
            continue;
        }
        if (m_settings.males && cancerOccursIn(store, slot, Sex::Male)) {
            m_cancerSexes.push_back(slot * kSexDigits);
        }
        if (m_settings.females && cancerOccursIn(store, slot, Sex::Female)) {
            m_cancerSexes.push_back(slot * kSexDigits + 1);
        }
    }
    m_titleNote.clear();
    if (m_settings.confidenceInterval && m_settings.rateKind != RateKind::NumberOfCases) {
        m_titleNote = intervalNote(m_settings.intervals, {m_settings.rateKind});
    }
    m_title = rateKindHeading(m_settings.rateKind, m_settings.standards) +
              ageRangeSuffix(m_settings.ageFrom, m_settings.ageTo) + m_titleNote;
    fill(store);
}

void CReportTable::swap(CIncidenceStore& store) {
    m_settings.rowsAreCancers = !m_settings.rowsAreCancers;
    fill(store);
}

void CReportTable::fill(CIncidenceStore& store) {
    const bool byCancer = m_settings.rowsAreCancers;
    const auto& rowItems = byCancer ? m_cancerSexes : m_registries;
    const auto& columnItems = byCancer ? m_registries : m_cancerSexes;
    const int rows = static_cast<int>(rowItems.size());
    const int columns = static_cast<int>(columnItems.size());
    m_grid = CTextGrid(rows + 1, columns + 1);
    m_grid.setText(0, 0, m_title);
    m_grid.setTitleNote(m_titleNote);
    auto label = [&](int item, bool isCancerSex) {
        return isCancerSex ? cancerSexLabel(store, item) : registryLabel(store, item, true);
    };
    for (int c = 1; c <= columns; ++c) {
        m_grid.setText(0, c, label(columnItems[static_cast<std::size_t>(c - 1)], !byCancer));
    }
    for (int r = 1; r <= rows; ++r) {
        const int rowItem = rowItems[static_cast<std::size_t>(r - 1)];
        m_grid.setText(r, 0, label(rowItem, byCancer));
        for (int c = 1; c <= columns; ++c) {
            const int columnItem = columnItems[static_cast<std::size_t>(c - 1)];
            m_grid.setText(r, c,
                           byCancer ? cellText(store, columnItem, rowItem)
                                    : cellText(store, rowItem, columnItem));
        }
    }
    m_grid.setLabelColumnName(byCancer ? "Cancer label" : "Registry name");
}

std::string CReportTable::cancerSexLabel(CIncidenceStore& store, int cancerSex) const {
    const int cancer = itemCancer(cancerSex);
    std::string label = cancerLabel(store, cancer);
    if (cancerOccursIn(store, cancer, Sex::Male) && cancerOccursIn(store, cancer, Sex::Female)) {
        label += itemSex(cancerSex) == Sex::Male ? "-Male" : "-Female";
    }
    return label;
}

std::string CReportTable::cellText(CIncidenceStore& store, int registry, int cancerSex) const {
    if (!loadItem(store, registry, itemCancer(cancerSex), itemSex(cancerSex))) {
        return "N.A.";
    }
    const bool withInterval =
        m_settings.confidenceInterval && m_settings.rateKind != RateKind::NumberOfCases;
    return rateCellText(store, m_settings.rateKind, m_settings.ageFrom, m_settings.ageTo,
                        withInterval ? IntervalStyle::Brackets : IntervalStyle::None,
                        m_settings.intervals, m_settings.standards);
}

} // namespace orvelan

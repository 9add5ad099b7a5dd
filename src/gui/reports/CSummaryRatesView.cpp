#include "CSummaryRatesView.h"

#include "core/data/CIncidenceStore.h"

namespace orvelan {

CSummaryRatesView::CSummaryRatesView(QWidget* parent) : CGridView(parent) {
    setObjectName(QStringLiteral("CSummaryRatesView"));
}

CSummaryRatesView::~CSummaryRatesView() = default;

void CSummaryRatesView::fill(CIncidenceStore& store, const SelectionList& registries,
                             const SelectionList& cancers) {
    m_store = &store;
    m_registries = registries;
    m_cancers = cancers;
    m_table = std::make_unique<CSummaryRatesTable>(m_settings);
    m_table->build(store, registries, cancers);
    showTable(m_table->grid());
}

void CSummaryRatesView::setIntervals(const IntervalChoice& intervals) {
    if (m_settings.intervals == intervals) {
        return;
    }
    m_settings.intervals = intervals;
    if (m_store != nullptr) {
        fill(*m_store, m_registries, m_cancers);
        resetColours();
    }
}

void CSummaryRatesView::setStandards(const StandardChoice& standards) {
    if (m_settings.standards == standards) {
        return;
    }
    m_settings.standards = standards;
    if (m_store != nullptr) {
        fill(*m_store, m_registries, m_cancers);
        resetColours();
    }
}

QString CSummaryRatesView::sortFirstEntry() const {
    return m_settings.rowsAreRegistries ? QStringLiteral("Registry name")
                                        : QStringLiteral("Cancer label");
}

const CTextGrid* CSummaryRatesView::table() const { return m_table ? &m_table->grid() : nullptr; }

std::optional<NumberGrid> CSummaryRatesView::numberGrid() const {
    if (!hasNumbers()) {
        return std::nullopt;
    }
    return gridNumbers(*m_store, *m_table);
}

} // namespace orvelan

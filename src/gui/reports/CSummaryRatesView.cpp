#include "CSummaryRatesView.h"

#include "core/data/CIncidenceStore.h"

namespace orvelan {

CSummaryRatesView::CSummaryRatesView(QWidget* parent) : CGridView(parent) {
    setObjectName(QStringLiteral("CSummaryRatesView"));
}

CSummaryRatesView::~CSummaryRatesView() = default;

void CSummaryRatesView::fill(CIncidenceStore& store, const SelectionList& registries,
                             const SelectionList& cancers) {
    m_table = std::make_unique<CSummaryRatesTable>(m_settings);
    m_table->build(store, registries, cancers);
    showTable(m_table->grid());
}

QString CSummaryRatesView::sortFirstEntry() const {
    return m_settings.rowsAreRegistries ? QStringLiteral("Registry name")
                                        : QStringLiteral("Cancer label");
}

const CTextGrid* CSummaryRatesView::table() const { return m_table ? &m_table->grid() : nullptr; }

} // namespace orvelan

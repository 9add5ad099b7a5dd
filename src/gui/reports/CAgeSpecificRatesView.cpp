#include "CAgeSpecificRatesView.h"

#include "core/data/CIncidenceStore.h"

namespace orvelan {

CAgeSpecificRatesView::CAgeSpecificRatesView(QWidget* parent) : CGridView(parent) {
    setObjectName(QStringLiteral("CAgeSpecificRatesView"));
}

CAgeSpecificRatesView::~CAgeSpecificRatesView() = default;

void CAgeSpecificRatesView::fill(CIncidenceStore& store, const SelectionList& registries,
                                 const SelectionList& cancers) {
    m_store = &store;
    m_table = std::make_unique<CAgeSpecificRatesTable>(m_settings);
    m_table->build(store, registries, cancers);
    showTable(m_table->grid());
}

QString CAgeSpecificRatesView::sortFirstEntry() const {
    return m_settings.rowsAreRegistries ? QStringLiteral("Registry name")
                                        : QStringLiteral("Cancer label");
}

const CTextGrid* CAgeSpecificRatesView::table() const {
    return m_table ? &m_table->grid() : nullptr;
}

std::optional<NumberGrid> CAgeSpecificRatesView::numberGrid() const {
    if (!hasNumbers()) {
        return std::nullopt;
    }
    return gridNumbers(*m_store, *m_table);
}

} // namespace orvelan

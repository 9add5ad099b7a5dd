#include "gui/analysis/CCMPseveralResult.h"

#include "core/data/CIncidenceStore.h"
#include "core/reports/CTextGrid.h"
#include "core/reports/ReportItems.h"

namespace orvelan {

CCMPseveralResult::CCMPseveralResult(QWidget* parent) : CGridView(parent) {
    setObjectName(QStringLiteral("CCMPseveralResult"));
}

CCMPseveralResult::~CCMPseveralResult() = default;

void CCMPseveralResult::fill(CIncidenceStore& store, const SelectionList& severalPopulations) {
    m_populations = severalPopulationList(severalPopulations);
    const int rows = static_cast<int>(m_populations.size()) + 1;
    m_table = std::make_unique<CTextGrid>(rows, static_cast<int>(kSirColumns.size()) + 1);
    // Labels read population records, so each is built before its row's loads.
    m_table->setText(0, 0, severalTitle(store, m_request));
    for (std::size_t c = 0; c < kSirColumns.size(); ++c) {
        m_table->setText(0, static_cast<int>(c) + 1, std::string(kSirColumns[c]));
    }
    m_rows.clear();
    for (int r = 1; r < rows; ++r) {
        const int population = m_populations[static_cast<std::size_t>(r - 1)];
        m_table->setText(r, 0, registryLabel(store, population, false));
        const SirRow& row = m_rows.emplace_back(ComputeSIR(store, m_request, population));
        const std::array<std::string, 4> cells = sirCellTexts(row);
        for (std::size_t c = 0; c < cells.size(); ++c) {
            m_table->setText(r, static_cast<int>(c) + 1, cells[c]);
        }
    }
    m_table->setLabelColumnName("Registry name");
    showTable(*m_table);
}

std::optional<NumberGrid> CCMPseveralResult::numberGrid() const {
    if (!hasNumbers()) {
        return std::nullopt;
    }
    return gridNumbers(m_rows);
}

QString CCMPseveralResult::sortFirstEntry() const { return QStringLiteral("Registry name"); }

} // namespace orvelan

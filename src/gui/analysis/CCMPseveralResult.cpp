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
    m_title = severalTitle(store, m_request);
    m_labels.clear();
    m_rows.clear();
    for (const int population : m_populations) {
        // Labels read population records, so each is built before its row's loads.
        m_labels.push_back(registryLabel(store, population, false));
        m_rows.push_back(ComputeSIR(store, m_request, population));
    }
    showRows();
}

void CCMPseveralResult::setTests(bool on) {
    if (m_tests == on) {
        return;
    }
    m_tests = on;
    if (m_table) {
        showRows();
        resetColours();
    }
}

void CCMPseveralResult::showRows() {
    const int rows = static_cast<int>(m_rows.size()) + (m_tests ? 2 : 1);
    const int columns = static_cast<int>(kSirColumns.size()) + (m_tests ? 2 : 1);
    m_table = std::make_unique<CTextGrid>(rows, columns);
    m_table->setText(0, 0, m_title);
    for (std::size_t c = 0; c < kSirColumns.size(); ++c) {
        m_table->setText(0, static_cast<int>(c) + 1, std::string(kSirColumns[c]));
    }
    const auto put = [this](int r, const std::string& label, std::array<std::string, 4> cells,
                            double p) {
        m_table->setText(r, 0, label);
        for (std::size_t c = 0; c < cells.size(); ++c) {
            m_table->setText(r, static_cast<int>(c) + 1, cells[c]);
        }
        if (m_tests) {
            m_table->setText(r, static_cast<int>(cells.size()) + 1, sirPText(p));
        }
    };
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        put(static_cast<int>(i) + 1, m_labels[i], sirCellTexts(m_rows[i]), sirRowPValue(m_rows[i]));
    }
    if (m_tests) {
        m_table->setText(0, columns - 1, std::string(kSirPColumn));
        const SirTotal total = sirTotal(m_rows);
        std::array<std::string, 4> cells = sirCellTexts(total.row);
        cells[3] = sirTotalChi2Text(total);
        put(rows - 1, std::string(kSirTotalLabel), cells, total.p);
    }
    m_table->setLabelColumnName("Registry name");
    showTable(*m_table);
}

std::optional<NumberGrid> CCMPseveralResult::numberGrid() const {
    if (!hasNumbers()) {
        return std::nullopt;
    }
    NumberGrid numbers = gridNumbers(m_rows);
    if (m_tests) {
        // The p column and the total row, as the grid shows them.
        for (std::size_t i = 0; i < m_rows.size(); ++i) {
            const double p = sirRowPValue(m_rows[i]);
            numbers[i].push_back({p >= 0.0 ? std::optional(p) : std::nullopt, {}, {}});
        }
        const SirTotal total = sirTotal(m_rows);
        NumberGrid totalRow = gridNumbers(std::vector<SirRow>{total.row});
        totalRow[0].push_back({total.p >= 0.0 ? std::optional(total.p) : std::nullopt, {}, {}});
        numbers.push_back(totalRow[0]);
    }
    return numbers;
}

QString CCMPseveralResult::sortFirstEntry() const { return QStringLiteral("Registry name"); }

} // namespace orvelan

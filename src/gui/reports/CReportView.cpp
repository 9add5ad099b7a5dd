#include "CReportView.h"

#include "core/data/CIncidenceStore.h"
#include "graphics/CoreText.h"
#include "gui/framework/CommandIds.h"

#include <QMessageBox>

namespace orvelan {

CReportView::CReportView(QWidget* parent) : CGridView(parent) {
    setObjectName(QStringLiteral("CReportView"));
}

CReportView::~CReportView() = default;

void CReportView::fill(CIncidenceStore& store, const SelectionList& registries,
                       const SelectionList& cancers) {
    m_store = &store;
    m_registries = registries;
    m_cancers = cancers;
    m_table = std::make_unique<CReportTable>(m_settings);
    m_table->build(store, registries, cancers);
    showTable(m_table->grid());
}

void CReportView::setIntervals(const IntervalChoice& intervals) {
    if (m_settings.intervals == intervals || m_store == nullptr) {
        m_settings.intervals = intervals;
        return;
    }
    m_settings.intervals = intervals;
    m_settings.rowsAreCancers = isSwapChecked();
    fill(*m_store, m_registries, m_cancers);
    resetColours();
}

void CReportView::setStandards(const StandardChoice& standards) {
    if (m_settings.standards == standards || m_store == nullptr) {
        m_settings.standards = standards;
        return;
    }
    m_settings.standards = standards;
    m_settings.rowsAreCancers = isSwapChecked();
    fill(*m_store, m_registries, m_cancers);
    resetColours();
}

void CReportView::swap() {
    if (!m_table || m_store == nullptr) {
        return;
    }
    if (!canRecompute(m_store)) {
        QMessageBox::warning(this, QStringLiteral("ORVELAN"),
                             fromCoreMessage(m_store->cutShortMessage()) +
                                 QStringLiteral(". The table keeps the figures it shows."));
        return;
    }
    m_table->swap(*m_store);
    showTable(m_table->grid());
    resetColours();
}

bool CReportView::handlesCommand(int id) const {
    return id == cmd::kSwap || CGridView::handlesCommand(id);
}

void CReportView::runCommand(int id) {
    if (id == cmd::kSwap) {
        swap();
    } else {
        CGridView::runCommand(id);
    }
}

bool CReportView::isCommandChecked(int id) const { return id == cmd::kSwap && isSwapChecked(); }

bool CReportView::isSwapChecked() const {
    return m_table ? m_table->settings().rowsAreCancers : m_settings.rowsAreCancers;
}

QString CReportView::sortFirstEntry() const {
    return isSwapChecked() ? QStringLiteral("Cancer label") : QStringLiteral("Registry name");
}

const CTextGrid* CReportView::table() const { return m_table ? &m_table->grid() : nullptr; }

std::optional<NumberGrid> CReportView::numberGrid() const {
    if (!hasNumbers()) {
        return std::nullopt;
    }
    return gridNumbers(*m_store, *m_table);
}

} // namespace orvelan

#pragma once

#include "CGridView.h"
#include "core/reports/CSummaryRatesTable.h"
#include "gui/reports/CIntervalTarget.h"

#include <memory>

// Summary incidence rates of one sex: one cancer across registries or one registry across
// cancers, six value columns over one age range, optionally with confidence intervals.
namespace orvelan {

class CIncidenceStore;

class CSummaryRatesView : public CGridView, public CIntervalTarget, public CStandardTarget {
    Q_OBJECT

  public:
    explicit CSummaryRatesView(QWidget* parent = nullptr);
    ~CSummaryRatesView() override;

    /// The report wizard's choices; set before fill().
    void setSettings(const SummaryRatesSettings& settings) { m_settings = settings; }
    const SummaryRatesSettings& settings() const { return m_settings; }
    /// Builds the row list, the title and every cell once, then fills the grid. The store
    /// must outlive the view: another interval choice computes the cells again.
    void fill(CIncidenceStore& store, const SelectionList& registries,
              const SelectionList& cancers);
    /// Fills the grid again with other intervals; a sort or a colour change is lost.
    void setIntervals(const IntervalChoice& intervals) override;
    /// Fills the grid again against other standards; headings name one other than the classic.
    void setStandards(const StandardChoice& standards) override;
    const CSummaryRatesTable* summaryTable() const { return m_table.get(); }

  protected:
    QString sortFirstEntry() const override;
    const CTextGrid* table() const override;
    std::optional<NumberGrid> numberGrid() const override;
    bool hasNumbers() const override { return m_table != nullptr && canRecompute(m_store); }

  private:
    SummaryRatesSettings m_settings;
    std::unique_ptr<CSummaryRatesTable> m_table;
    CIncidenceStore* m_store = nullptr;
    SelectionList m_registries = emptySelectionList();
    SelectionList m_cancers = emptySelectionList();
};

} // namespace orvelan

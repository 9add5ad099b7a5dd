#pragma once

#include "CGridView.h"
#include "core/reports/CSummaryRatesTable.h"

#include <memory>

// Summary incidence rates of one sex: one cancer across registries or one registry across
// cancers, six value columns over one age range, optionally with confidence intervals.
namespace orvelan {

class CIncidenceStore;

class CSummaryRatesView : public CGridView {
    Q_OBJECT

  public:
    explicit CSummaryRatesView(QWidget* parent = nullptr);
    ~CSummaryRatesView() override;

    /// The report wizard's choices; set before fill().
    void setSettings(const SummaryRatesSettings& settings) { m_settings = settings; }
    const SummaryRatesSettings& settings() const { return m_settings; }
    /// Builds the row list, the title and every cell once, then fills the grid.
    void fill(CIncidenceStore& store, const SelectionList& registries,
              const SelectionList& cancers);
    const CSummaryRatesTable* summaryTable() const { return m_table.get(); }

  protected:
    QString sortFirstEntry() const override;
    const CTextGrid* table() const override;

  private:
    SummaryRatesSettings m_settings;
    std::unique_ptr<CSummaryRatesTable> m_table;
};

} // namespace orvelan

#pragma once

#include "CGridView.h"
#include "core/reports/CReportTable.h"
#include "gui/reports/CIntervalTarget.h"

#include <memory>

// A user-defined report: one rate kind for every registry crossed with every cancer/sex
// combination; Swap exchanges which of the two runs down the rows.
namespace orvelan {

class CIncidenceStore;

class CReportView : public CGridView, public CIntervalTarget, public CStandardTarget {
    Q_OBJECT

  public:
    explicit CReportView(QWidget* parent = nullptr);
    ~CReportView() override;

    /// The report wizard's choices; set before fill().
    void setSettings(const ReportSettings& settings) { m_settings = settings; }
    /// Builds both item lists, the title and every cell once, then fills the grid. The store
    /// must outlive the view: Swap computes the cells again.
    void fill(CIncidenceStore& store, const SelectionList& registries,
              const SelectionList& cancers);
    /// Exchanges rows and columns and fills the grid again from scratch; the font stays, a
    /// sort or a colour change does not.
    void swap();
    /// Fills the grid again with other intervals, keeping the current arrangement.
    void setIntervals(const IntervalChoice& intervals) override;
    /// Fills the grid again against other standards; headings name one other than the classic.
    void setStandards(const StandardChoice& standards) override;
    /// The Swap command is shown checked while rows are cancer/sex combinations.
    bool isSwapChecked() const;
    const CReportTable* reportTable() const { return m_table.get(); }

    bool handlesCommand(int id) const override;
    void runCommand(int id) override;
    bool isCommandChecked(int id) const override;

  protected:
    QString sortFirstEntry() const override;
    const CTextGrid* table() const override;
    std::optional<NumberGrid> numberGrid() const override;
    bool hasNumbers() const override { return m_table != nullptr && canRecompute(m_store); }

  private:
    ReportSettings m_settings;
    std::unique_ptr<CReportTable> m_table;
    CIncidenceStore* m_store = nullptr;
    SelectionList m_registries = emptySelectionList();
    SelectionList m_cancers = emptySelectionList();
};

} // namespace orvelan

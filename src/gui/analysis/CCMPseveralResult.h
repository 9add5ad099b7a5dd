#pragma once

#include "core/rates/SeveralCurveComparison.h"
#include "gui/reports/CGridView.h"

#include <memory>
#include <vector>

// Several populations compared with one reference curve: observed and expected cases, the
// standardised incidence ratio with its 95% interval and (O-E)^2/E, one row per population.
namespace orvelan {

class CIncidenceStore;

class CCMPseveralResult : public CGridView {
    Q_OBJECT

  public:
    explicit CCMPseveralResult(QWidget* parent = nullptr);
    ~CCMPseveralResult() override;

    /// The reference curve chosen in the statistics wizard; set before fill().
    void setRequest(const SirRequest& request) { m_request = request; }
    const SirRequest& request() const { return m_request; }
    /// Builds the population list and the title, computes every row once and fills the grid.
    void fill(CIncidenceStore& store, const SelectionList& severalPopulations);
    const std::vector<int>& populations() const { return m_populations; }

  protected:
    QString sortFirstEntry() const override;
    const CTextGrid* table() const override { return m_table.get(); }
    std::optional<NumberGrid> numberGrid() const override;
    bool hasNumbers() const override { return m_table != nullptr; }

  private:
    SirRequest m_request;
    std::vector<int> m_populations;
    std::unique_ptr<CTextGrid> m_table;
    std::vector<SirRow> m_rows;
};

} // namespace orvelan

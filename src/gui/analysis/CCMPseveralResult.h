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
    /// "Tests and total": a p column and a total row; switching refills the grid from the rows
    /// computed once (a sort or a colour change is lost).
    void setTests(bool on);
    bool tests() const { return m_tests; }

  protected:
    QString sortFirstEntry() const override;
    const CTextGrid* table() const override { return m_table.get(); }
    std::optional<NumberGrid> numberGrid() const override;
    bool hasNumbers() const override { return m_table != nullptr; }

  private:
    void showRows();

    SirRequest m_request;
    bool m_tests = false;
    std::vector<std::string> m_labels;
    std::vector<SirRow> m_rows;
    std::string m_title;
    std::vector<int> m_populations;
    std::unique_ptr<CTextGrid> m_table;
};

} // namespace orvelan

#pragma once

#include "CGridView.h"
#include "core/reports/CAgeSpecificRatesTable.h"

#include <memory>

// Age-specific rates (or numbers of cases) of one sex: one cancer across registries or one
// registry across cancers, by age group with unknown age, all ages and "MV(%)".
namespace orvelan {

class CIncidenceStore;

class CAgeSpecificRatesView : public CGridView {
    Q_OBJECT

  public:
    explicit CAgeSpecificRatesView(QWidget* parent = nullptr);
    ~CAgeSpecificRatesView() override;

    /// The report wizard's choices; set before fill().
    void setSettings(const AgeSpecificRatesSettings& settings) { m_settings = settings; }
    const AgeSpecificRatesSettings& settings() const { return m_settings; }
    /// Builds the row list, the title and every cell once, then fills the grid.
    void fill(CIncidenceStore& store, const SelectionList& registries,
              const SelectionList& cancers);
    const CAgeSpecificRatesTable* ageSpecificTable() const { return m_table.get(); }

  protected:
    QString sortFirstEntry() const override;
    const CTextGrid* table() const override;
    std::optional<NumberGrid> numberGrid() const override;
    bool hasNumbers() const override { return m_table != nullptr && canRecompute(m_store); }

  private:
    AgeSpecificRatesSettings m_settings;
    std::unique_ptr<CAgeSpecificRatesTable> m_table;
    CIncidenceStore* m_store = nullptr;
};

} // namespace orvelan

#pragma once

#include "core/data/Codes.h"
#include "core/reports/CTextGrid.h"

#include <string>
#include <vector>

// Age-specific rates (or numbers of cases) of one sex by age group: one cancer across
// registries, or one registry across cancers; columns " 0-" ... "85+", "Unk", "All ages" and
// "MV(%)".
namespace orvelan {

class CIncidenceStore;
struct RateTableRows;
struct ReportBlock;

/// What the report wizard hands to an age-specific rates table.
struct AgeSpecificRatesSettings {
    bool rowsAreRegistries = true; // true: the cancer is fixed; false: the registry is fixed
    Sex sex = Sex::Male;
    bool showRates = true; // false: numbers of cases
    int fixedCancer = 0;
    int fixedRegistry = 0;

    /// The settings a block of this kind asks for, for one sex.
    static AgeSpecificRatesSettings fromBlock(const ReportBlock& block, Sex sex);
    /// The rows and their labels: registries without their periods.
    RateTableRows rows() const;
};

class CAgeSpecificRatesTable {
  public:
    static constexpr int kValueColumnCount = 21;

    explicit CAgeSpecificRatesTable(const AgeSpecificRatesSettings& settings);

    /// Builds the row list from the selection lists, the title and every cell.
    void build(CIncidenceStore& store, const SelectionList& registries,
               const SelectionList& cancers);

    const std::vector<int>& rowItems() const { return m_rowItems; }
    const std::string& title() const { return m_title; }
    const CTextGrid& grid() const { return m_grid; }
    const AgeSpecificRatesSettings& settings() const { return m_settings; }

    /// Headers of the value columns, " 0-" ... "85+", "Unk", "All ages", "MV(%)".
    static std::vector<std::string> columnHeaders();

  private:
    std::string buildTitle(CIncidenceStore& store) const;
    std::string cellText(CIncidenceStore& store, int item, int valueKind) const;

    AgeSpecificRatesSettings m_settings;
    std::vector<int> m_rowItems;
    std::string m_title;
    CTextGrid m_grid;
};

} // namespace orvelan

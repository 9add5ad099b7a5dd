#pragma once

#include "core/data/Codes.h"
#include "core/rates/IntervalMethod.h"
#include "core/rates/StandardPopulations.h"
#include "core/reports/CTextGrid.h"

#include <string>
#include <vector>

// Summary incidence rates of one sex over an age range: one cancer across registries, or one
// registry across cancers; value columns crude rate, ASR (World), ASR (European), cumulative
// rate, cumulative risk and number of cases.
namespace orvelan {

class CIncidenceStore;
struct RateTableRows;
struct ReportBlock;

/// What the report wizard hands to a summary rates table.
struct SummaryRatesSettings {
    bool rowsAreRegistries = true; // true: the cancer is fixed; false: the registry is fixed
    Sex sex = Sex::Male;
    int ageFrom = 0;
    int ageTo = kTopAgeGroup;
    bool confidenceInterval = false;
    int fixedCancer = 0;
    int fixedRegistry = 0;
    /// How the limits are computed; a choice other than the default is named in the title.
    IntervalChoice intervals;
    /// The standards of the ASRs; one other than the classic is named in the headings.
    StandardChoice standards;

    /// The settings a block of this kind asks for, for one sex.
    static SummaryRatesSettings fromBlock(const ReportBlock& block, Sex sex);
    /// The rows and their labels: registries with their periods.
    RateTableRows rows() const;
};

class CSummaryRatesTable {
  public:
    static constexpr int kValueColumnCount = 6;

    explicit CSummaryRatesTable(const SummaryRatesSettings& settings);

    /// Builds the row list from the selection lists, the title and every cell.
    void build(CIncidenceStore& store, const SelectionList& registries,
               const SelectionList& cancers);

    const std::vector<int>& rowItems() const { return m_rowItems; }
    const std::string& title() const { return m_title; }
    const CTextGrid& grid() const { return m_grid; }
    const SummaryRatesSettings& settings() const { return m_settings; }

    /// Headers of the value columns, "Crude rate" ... "Number of cases".
    static const std::vector<std::string>& columnHeaders();
    /// The same, each ASR heading naming its standard when it is not the classic one.
    static std::vector<std::string> columnHeaders(const StandardChoice& standards);

  private:
    std::string buildTitle(CIncidenceStore& store) const;
    /// What the title ends with when the intervals are not the default ones.
    std::string intervalMark() const;
    std::string cellText(CIncidenceStore& store, int item, int valueKind) const;

    SummaryRatesSettings m_settings;
    std::vector<int> m_rowItems;
    std::string m_title;
    CTextGrid m_grid;
};

} // namespace orvelan

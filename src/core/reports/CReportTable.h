#pragma once

#include "core/data/Codes.h"
#include "core/rates/IntervalMethod.h"
#include "core/rates/StandardPopulations.h"
#include "core/reports/CTextGrid.h"

#include <string>
#include <vector>

// A user-defined report: one rate kind over one age range for every registry crossed with every
// cancer/sex combination; either axis may run down the rows, and swap exchanges them.
namespace orvelan {

class CIncidenceStore;
struct ReportBlock;

/// What the report wizard hands to a user-defined report.
struct ReportSettings {
    bool rowsAreCancers = true; // true: rows are cancer/sex combinations, columns registries
    bool males = true;
    bool females = true;
    bool confidenceInterval = false;
    RateKind rateKind = RateKind::AsrWorld;
    int ageFrom = 0;
    int ageTo = kTopAgeGroup;
    /// How the limits are computed; a choice other than the default is named in the title.
    IntervalChoice intervals;
    /// The standards of the ASRs; one other than the classic is named in the headings.
    StandardChoice standards;

    /// The settings a user-defined report block (kind 2) asks for.
    static ReportSettings fromBlock(const ReportBlock& block);
};

class CReportTable {
  public:
    explicit CReportTable(const ReportSettings& settings);

    /// Builds both item lists from the selection lists, the title and every cell.
    void build(CIncidenceStore& store, const SelectionList& registries,
               const SelectionList& cancers);
    /// Exchanges rows and columns and fills the grid again from scratch.
    void swap(CIncidenceStore& store);

    /// Population numbers or 272 + k.
    const std::vector<int>& registries() const { return m_registries; }
    /// cancer x 10 + sex (0 male, 1 female); a cancer's male entry comes before its female one.
    const std::vector<int>& cancerSexes() const { return m_cancerSexes; }
    /// A cancer/sex entry is cancer x 10 + sex.
    static constexpr int kSexDigits = 10;
    /// The sex and the cancer of a cancer/sex entry.
    static Sex itemSex(int cancerSex) {
        return cancerSex % kSexDigits == 0 ? Sex::Male : Sex::Female;
    }
    static int itemCancer(int cancerSex) { return cancerSex / kSexDigits; }
    const std::string& title() const { return m_title; }
    const CTextGrid& grid() const { return m_grid; }
    const ReportSettings& settings() const { return m_settings; }

  private:
    void fill(CIncidenceStore& store);
    std::string cancerSexLabel(CIncidenceStore& store, int cancerSex) const;
    std::string cellText(CIncidenceStore& store, int registry, int cancerSex) const;

    ReportSettings m_settings;
    std::vector<int> m_registries;
    std::vector<int> m_cancerSexes;
    std::string m_title;
    /// The end of the title that names a method of intervals other than the default.
    std::string m_titleNote;
    CTextGrid m_grid;
};

} // namespace orvelan

#pragma once

#include "core/data/Codes.h"
#include "core/io/TextFile.h"

#include <array>
#include <optional>
#include <string>

// The standard incidence table of one population: the 61 standard sites with cases, relative
// frequency, crude rate, World ASR, cumulative rates 0-64 and 0-74, for both sexes side by side
// (summary layout) or for one sex with its age-specific rates (age-specific layout).
namespace orvelan {

class CIncidenceStore;

inline constexpr int kStandardRows = 61;
/// Entries of a standard row: age groups 0-18, then the all-ages total.
inline constexpr int kStandardRowEntries = 20;
inline constexpr int kAllAgesEntry = 19;

/// Every figure of a standard table for both sexes. Rates per 100,000, cumulative rates in
/// percent.
struct StandardTableFigures {
    using Row = std::array<double, kStandardRowEntries>;
    using RowValues = std::array<double, kStandardRows>;

    int lastAgeGroup = kTopAgeGroup;
    std::array<AgeValues, 2> personYears{};
    /// Cases by age group 0-18 and all ages (entry 19). After the computation entries
    /// 0..lastAgeGroup hold the age-specific rates instead; a group without person-years keeps
    /// the rate 0, which the layouts print as a dash.
    std::array<std::array<Row, kStandardRows>, 2> cases{};
    std::array<RowValues, 2> crude{};
    std::array<RowValues, 2> asr{};
    std::array<RowValues, 2> cumulative64{};
    std::array<RowValues, 2> cumulative74{};

    /// Share in percent of the row's crude rate in "All sites but C44"; nullopt when that rate
    /// is 0 (no cases other than skin).
    std::optional<double> frequency(Sex sex, int row) const;
};

enum class StandardLayout { Summary = 0, AgeSpecific = 1 };

/// Computes the figures of one population and renders them as fixed-width text.
class CStandardTableBuilder {
  public:
    /// title opens the text; population is 0-228 or 272 + registry group; sex (male or female)
    /// only matters for the age-specific layout.
    CStandardTableBuilder(std::string title, int population, StandardLayout layout,
                          Sex sex = Sex::Male);

    /// Loads every series through the store and renders the text. False when a load fails
    /// (data files not open or population unknown); the text is then empty.
    bool build(CIncidenceStore& store);

    /// The table as shown, lines ending in "\r\n".
    const std::string& text() const { return m_text; }
    /// The table as saved in a .prn file, lines ending in "\n".
    std::string prnText() const { return toPrnText(m_text); }
    const StandardTableFigures& figures() const { return m_figures; }
    /// Saves prnText() when the name ends in ".prn" (any letter case); any other ending writes
    /// nothing and reports "File format not supported...".
    SaveResult savePrn(const std::string& path) const { return saveStandardTable(path, m_text); }

    /// Saves a shown table text (lines ending in "\r\n") as a .prn file with "\n" line ends.
    static SaveResult saveStandardTable(const std::string& path, const std::string& shownText);
    /// A shown table text with its "\r\n" line ends turned into "\n".
    static std::string toPrnText(const std::string& shownText);

    /// Batch computation over the store's loads of one population.
    static std::optional<StandardTableFigures> compute(CIncidenceStore& store, int population);
    /// Turns loaded cases and person-years into rates, totals, ASRs and cumulative rates.
    static void computeRates(StandardTableFigures& figures);
    static std::string renderSummary(const std::string& title, const StandardTableFigures& f);
    static std::string renderAgeSpecific(const std::string& title, const StandardTableFigures& f,
                                         Sex sex);

  private:
    std::string m_title;
    int m_population;
    StandardLayout m_layout;
    Sex m_sex;
    StandardTableFigures m_figures;
    std::string m_text;
};

} // namespace orvelan

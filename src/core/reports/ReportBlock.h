#pragma once

#include "core/data/Codes.h"

#include <array>
#include <cstdint>
#include <string>

// The report wizard's choices: eleven 32-bit integers in a fixed order (the same order heads a
// .RPT template file), the two selection lists and the title of a standard table.
namespace orvelan {

/// What the report wizard produces (field 0 of the block).
enum class ReportKind : std::int32_t {
    SummaryRates = 0,       // summary incidence rates by sex
    AgeSpecific = 1,        // age-specific incidence by sex
    UserDefined = 2,        // user-defined report
    UseTemplate = 3,        // use a report template (a wizard step, never an output)
    StandardMainTable = 4,  // standard main table
    StandardAgeSpecific = 5 // standard age-specific incidence table
};

/// The result block. Field order is the file order; do not reorder.
struct ReportBlock {
    static constexpr int kFieldCount = 11;

    /// 0-5, see ReportKind.
    std::int32_t reportKind = 0;
    /// Kinds 0 and 2: 1 = show 95% confidence intervals. Kind 1: 0 = numbers, 1 = rates.
    std::int32_t interval = 0;
    /// Kinds 0 and 1: 1 = a cancer is fixed and rows are registries, 0 = a registry is fixed
    /// and rows are cancers. Kind 2: 1 = rows are cancer/sex combinations, 0 = registries.
    std::int32_t arrangement = 0;
    /// Kinds 0 and 1: cancer number (252 + k for user cancer group k).
    std::int32_t fixedCancer = 0;
    /// Kinds 0, 1, 4, 5: population number (272 + k for user registry group k).
    std::int32_t fixedRegistry = 0;
    /// Age groups 0-17.
    std::int32_t ageFrom = 0;
    std::int32_t ageTo = kTopAgeGroup;
    /// Kind 2: 0-5, see RateKind. Starts at "ASR (World)".
    std::int32_t rateKind = static_cast<std::int32_t>(RateKind::AsrWorld);
    /// 0 males only, 1 females only, 2 both.
    std::int32_t sexes = 0;
    /// 1 when males are included, else 0.
    std::int32_t male = 0;
    /// Non-zero when females are included (the summary page stores 2, other pages 1).
    std::int32_t female = 0;

    /// The fields in file order.
    std::array<std::int32_t, kFieldCount> toArray() const {
        return {reportKind, interval, arrangement, fixedCancer, fixedRegistry, ageFrom,
                ageTo,      rateKind, sexes,       male,        female};
    }
    static ReportBlock fromArray(const std::array<std::int32_t, kFieldCount>& v) {
        ReportBlock b;
        b.reportKind = v[0];
        b.interval = v[1];
        b.arrangement = v[2];
        b.fixedCancer = v[3];
        b.fixedRegistry = v[4];
        b.ageFrom = v[5];
        b.ageTo = v[6];
        b.rateKind = v[7];
        b.sexes = v[8];
        b.male = v[9];
        b.female = v[10];
        return b;
    }
    bool includesMales() const { return male != 0; }
    bool includesFemales() const { return female != 0; }
    /// The sexes a wizard page starts with: those remembered, or both while the block remembers
    /// neither (a first run, or a standard table finished last).
    bool startsWithMales() const { return male != 0 || female == 0; }
    bool startsWithFemales() const { return female != 0 || male == 0; }
    /// Fields 8-10 from the two sex boxes of a page: sexes = (1 if male) + (2 if female) - 1,
    /// male 1 or 0, female femaleMark or 0 (the summary rates page marks 2, the others 1).
    void setSexes(bool withMales, bool withFemales, std::int32_t femaleMark = 1) {
        sexes = (withMales ? 1 : 0) + (withFemales ? 2 : 0) - 1;
        male = withMales ? 1 : 0;
        female = withFemales ? femaleMark : 0;
    }

    friend bool operator==(const ReportBlock&, const ReportBlock&) = default;
};

/// Everything the report wizard hands over on Finish and remembers between runs.
struct ReportChoices {
    ReportBlock block;
    SelectionList registries = emptySelectionList();
    SelectionList cancers = emptySelectionList();
    /// Title of a standard table (kinds 4 and 5).
    std::string title;

    friend bool operator==(const ReportChoices&, const ReportChoices&) = default;
};

/// Forces to -1 every slot a template or remembered list may not refer to: registry slots from
/// 272 + registryGroupCount on, cancer slots from 252 + cancerGroupCount on.
inline void boundSelectionLists(ReportChoices& choices, int registryGroupCount,
                                int cancerGroupCount) {
    for (int s = kFirstRegistryGroup + registryGroupCount; s < kSelectionListSize; ++s) {
        choices.registries[static_cast<std::size_t>(s)] = -1;
    }
    for (int s = kFirstCancerGroup + cancerGroupCount; s < kSelectionListSize; ++s) {
        choices.cancers[static_cast<std::size_t>(s)] = -1;
    }
}

} // namespace orvelan

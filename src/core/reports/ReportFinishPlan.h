#pragma once

#include "core/io/IoResult.h"
#include "core/reports/ReportBlock.h"

#include <optional>
#include <string>
#include <vector>

// Which documents Finish in the report wizard opens, in order, so that the shell only creates
// them.
namespace orvelan {

enum class ReportOutputKind {
    SummaryRatesView,
    AgeSpecificRatesView,
    ReportView,
    StandardTable,           // standard main table, both sexes side by side
    StandardAgeSpecificTable // one sex
};

struct ReportOutput {
    ReportOutputKind kind = ReportOutputKind::SummaryRatesView;
    /// One sex, or both where the output covers the block's sexes itself.
    Sex sex = Sex::Both;

    friend bool operator==(const ReportOutput&, const ReportOutput&) = default;
};

/// Kinds 0 and 1: one view per ticked sex, males first; kind 2: one report view; kind 4: one
/// standard table; kind 5: two age-specific standard tables, males first. Kind 3 and unknown
/// kinds open nothing.
std::vector<ReportOutput> reportFinishPlan(const ReportBlock& block);

/// Why a block read from a template cannot be run as a report, or nullopt: a kind other than
/// 0-2, an age range outside 0-17 or reversed, an unknown rate kind, no sex, or a fixed cancer
/// or registry (kinds 0 and 1) that does not exist with the current user groups.
std::optional<std::string> reportBlockProblem(const ReportBlock& block, int registryGroupCount,
                                              int cancerGroupCount);

/// The same check for a block read from a template file, failing as every file does:
/// "File 'FILE' cannot be run: PROBLEM".
IoResult checkReportTemplateBlock(const std::string& file, const ReportBlock& block,
                                  int registryGroupCount, int cancerGroupCount);

} // namespace orvelan

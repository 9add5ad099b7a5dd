#pragma once

#include "core/reports/ReportBlock.h"

#include <string>

// The choices of the report wizard's three report kinds given as options, shared by `report`
// (instead of --template) and `template make`. They pass the wizard's own checks before they
// become a block and its two selection lists.
namespace CLI {
class App;
}

namespace orvelan::cli {

class CliContext;

struct ReportChoiceOptions {
    std::string kind;        // summary, age-specific or user; empty: not given
    std::string populations; // population numbers (272 + k: registry group k)
    std::string cancers;     // cancer numbers (252 + k: cancer group k)
    std::string sexes = "m,f";
    std::string rows;           // registries or cancers; empty: from the lists
    std::string data = "rates"; // age-specific tables: numbers or rates
    int rateKind = 1;           // user report: 0-5
    int from = 0;
    int to = kTopAgeGroup;
    bool ci = false;
};

/// Adds --kind, --populations, --cancers, --sexes, --rows, --data, --rate-kind, --from, --to
/// and, with ciFlag, the flag --ci to a command. A command that also takes an interval method
/// leaves the flag out: its own --ci [METHOD] asks for the intervals.
void addReportChoiceOptions(CLI::App& command, ReportChoiceOptions& options, bool ciFlag = true);

/// The block and lists the options describe; a usage error (the wizard's message where it has
/// one) when they do not make a report.
ReportChoices reportChoicesFromOptions(CliContext& context, const ReportChoiceOptions& options);

} // namespace orvelan::cli

#pragma once

#include "core/rates/IntervalMethod.h"
#include "core/reports/ReportBlock.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace CLI {
class App;
class Option;
} // namespace CLI

// --ci normal|exact|gamma|tiwari and --level 90|95|99 of the commands that print intervals.
// Without either option the output is the classic one, with no method named.
namespace orvelan::cli {

struct IntervalOptions {
    std::string method = "normal";
    int level = 95;
    /// Whether --ci or --level was given: outputs then name the method of each interval.
    bool given() const;

    /// The checked choice. A method that applies to none of the figures the command prints
    /// is refused (exit 2), naming what it was asked for.
    IntervalChoice choice(std::initializer_list<IntervalFigure> figures,
                          std::string_view what) const;
    /// The choice for a report template: the figures its kind shows (a user-defined report
    /// its one rate kind; age-specific tables have normal limits only).
    IntervalChoice reportChoice(const ReportBlock& block) const;
    /// Gives a table's settings the choice; asking for a method also asks for the intervals.
    template <typename Settings>
    void applyTo(Settings& settings, const IntervalChoice& choice) const {
        settings.intervals = choice;
        settings.confidenceInterval = settings.confidenceInterval || given();
    }
    /// "95% confidence interval".
    std::string heading() const;

    CLI::Option* ciOption = nullptr;
    CLI::Option* levelOption = nullptr;
};

/// Adds both options to a command.
void addIntervalOptions(CLI::App& command, IntervalOptions& options);

} // namespace orvelan::cli

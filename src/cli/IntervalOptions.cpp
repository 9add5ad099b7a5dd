#include "IntervalOptions.h"

#include "CliError.h"

#include <CLI/CLI.hpp>

namespace orvelan::cli {

IntervalChoice IntervalOptions::choice(std::initializer_list<IntervalFigure> figures,
                                       std::string_view what) const {
    // A bare --ci asks for the intervals with the classic method.
    const std::optional<IntervalMethod> parsed =
        method.empty() ? std::optional(IntervalMethod::Normal) : parseIntervalMethod(method);
    if (!parsed) {
        throw usageError("invalid --ci '" + method + "' (use normal, exact, gamma or tiwari)");
    }
    if (!isIntervalLevel(level)) {
        throw usageError("invalid --level " + std::to_string(level) + " (use 90, 95 or 99)");
    }
    bool applies = false;
    for (const IntervalFigure figure : figures) {
        applies = applies || intervalApplies(*parsed, figure);
    }
    if (!applies) {
        throw usageError("--ci " + method + " does not apply to " + std::string(what));
    }
    return {*parsed, level};
}

IntervalChoice IntervalOptions::reportChoice(const ReportBlock& block) const {
    switch (static_cast<ReportKind>(block.reportKind)) {
    case ReportKind::SummaryRates:
        return choice({IntervalFigure::CrudeRate, IntervalFigure::Asr}, "summary rates");
    case ReportKind::UserDefined: {
        const auto kind = static_cast<RateKind>(block.rateKind);
        return choice({intervalFigureOf(kind)}, rateKindLabel(block.rateKind));
    }
    default:
        return choice({IntervalFigure::Cumulative}, "this kind of report");
    }
}

std::string IntervalOptions::heading() const {
    return std::to_string(level) + "% confidence interval";
}

void addIntervalOptions(CLI::App& command, IntervalOptions& options) {
    CLI::Option* ci = command.add_option(
        "--ci", options.method,
        "Interval method: normal, exact (counts, crude rates, SIRs), gamma or tiwari (ASRs); "
        "each figure gets the applicable one (a bare --ci: normal)");
    ci->expected(0, 1)->default_str("normal");
    CLI::Option* level =
        command.add_option("--level", options.level, "Confidence level: 90, 95 or 99");
    level->capture_default_str();
    options.ciOption = ci;
    options.levelOption = level;
}

bool IntervalOptions::given() const {
    return (ciOption != nullptr && ciOption->count() > 0) ||
           (levelOption != nullptr && levelOption->count() > 0);
}

} // namespace orvelan::cli

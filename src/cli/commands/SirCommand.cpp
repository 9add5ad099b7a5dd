#include "Arguments.h"
#include "CliContext.h"
#include "CliError.h"
#include "Commands.h"
#include "CurveArgument.h"
#include "IntervalOptions.h"
#include "core/rates/RateIntervals.h"
#include "core/rates/SeveralCurveComparison.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>
#include <ostream>

namespace orvelan::cli {

namespace {

struct SirOptions {
    std::string reference;
    std::string populations;
    int from = 0;
    int to = kTopAgeGroup;
    IntervalOptions intervals;
    bool tests = false; // the p-value of each row and the total row
};

/// The grid's headings hold the superscript two as one Windows-1252 byte; a terminal gets UTF-8.
std::string utf8Heading(std::string_view heading) {
    std::string text;
    for (const char c : heading) {
        if (static_cast<unsigned char>(c) == 0xB2) {
            text += "\xC2\xB2";
        } else {
            text += c;
        }
    }
    return text;
}

struct SirLine {
    int population;
    std::string label;
    SirRow row;
};

void printSir(CliContext& context, const SirOptions& options) {
    context.checkAgeRange(options.from, options.to);
    const IntervalChoice choice = options.intervals.choice({IntervalFigure::Sir}, "the SIR");
    const bool named = options.intervals.given();
    const CurveArgument reference = parseCurveArgument(context, "--ref", options.reference);
    const std::vector<int> populations = context.populationList(options.populations);
    checkCurveForRange(context, reference, options.from, options.to);

    CIncidenceStore& store = context.store();
    const SirRequest request{reference.cancer, reference.population, reference.sex, options.from,
                             options.to};
    const std::string title = severalTitle(store, request);
    std::vector<SirLine> lines;
    for (const int population : populations) {
        // The label reads a population record, so it is taken before the row's loads.
        std::string label = store.populationLabelByNumber(population, false);
        SirRow row = ComputeSIR(store, request, population);
        const RateInterval interval = sirInterval(row, choice);
        row.sirLow = interval.limits.lower;
        row.sirHigh = interval.limits.upper;
        lines.push_back({population, std::move(label), row});
    }

    std::vector<SirRow> computed;
    for (const SirLine& line : lines) {
        computed.push_back(line.row);
    }
    SirTotal total = sirTotal(computed);
    if (total.row.available()) {
        const RateInterval interval = sirInterval(total.row, choice);
        total.row.sirLow = interval.limits.lower;
        total.row.sirHigh = interval.limits.upper;
    }
    const std::string method =
        std::to_string(choice.level) + "% " +
        std::string(intervalMethodName(intervalMethodFor(choice.method, IntervalFigure::Sir)));

    std::ostream& out = context.out();
    if (context.json) {
        nlohmann::json rows = nlohmann::json::array();
        for (const SirLine& line : lines) {
            const bool ok = line.row.available();
            rows.push_back({{"population", line.population},
                            {"label", line.label},
                            {"observed", numberOrNull(ok, line.row.observed)},
                            {"expected", numberOrNull(ok, line.row.expected)},
                            {"sir", numberOrNull(ok, line.row.sir)},
                            {"lower", numberOrNull(ok, line.row.sirLow)},
                            {"upper", numberOrNull(ok, line.row.sirHigh)},
                            {"chi2", numberOrNull(ok, line.row.chi2)}});
            if (named) {
                rows.back()["method"] =
                    intervalMethodName(intervalMethodFor(choice.method, IntervalFigure::Sir));
                rows.back()["level"] = choice.level;
            }
            if (options.tests) {
                const double p = sirRowPValue(line.row);
                rows.back()["p"] = numberOrNull(p >= 0.0, p);
            }
        }
        nlohmann::json json{{"title", title}, {"rows", rows}};
        if (options.tests) {
            const bool ok = total.row.available();
            json["total"] = {{"observed", total.row.observed},
                             {"expected", total.row.expected},
                             {"sir", numberOrNull(ok, total.row.sir)},
                             {"lower", numberOrNull(ok, total.row.sirLow)},
                             {"upper", numberOrNull(ok, total.row.sirHigh)},
                             {"chi2", numberOrNull(ok, total.row.chi2)},
                             {"df", total.df},
                             {"p", numberOrNull(total.p >= 0.0, total.p)}};
        }
        context.printJson(json);
        return;
    }
    out << title;
    for (const std::string_view heading : kSirColumns) {
        std::string text = utf8Heading(heading);
        if (const auto at = text.find("95%"); at != std::string::npos) {
            text.replace(at, 2, std::to_string(choice.level));
        }
        out << '\t' << text;
    }
    if (options.tests) {
        out << '\t' << kSirPColumn;
    }
    out << (named ? "\tmethod\n" : "\n");
    for (const SirLine& line : lines) {
        out << line.label;
        for (const std::string& cell : sirCellTexts(line.row)) {
            out << '\t' << cell;
        }
        if (options.tests) {
            out << '\t' << sirPText(sirRowPValue(line.row));
        }
        if (named) {
            out << '\t' << method;
        }
        out << '\n';
    }
    if (options.tests) {
        std::array<std::string, 4> cells = sirCellTexts(total.row);
        cells[3] = sirTotalChi2Text(total);
        out << kSirTotalLabel;
        for (const std::string& cell : cells) {
            out << '\t' << cell;
        }
        out << '\t' << sirPText(total.p) << (named ? '\t' + method : std::string()) << '\n';
    }
}

} // namespace

void registerSirCommand(CLI::App& app, CliContext& context) {
    auto options = std::make_shared<SirOptions>();
    CLI::App* sir = app.add_subcommand(
        "sir", "Compare several populations with a reference curve: observed and expected cases, "
               "standardised incidence ratios (per 100) with 95% limits and (O-E)^2/E");
    sir->add_option("--ref", options->reference, "Reference curve: population,cancer,sex")
        ->required();
    sir->add_option("--populations", options->populations,
                    "Comparison populations, e.g. 3,10-12,272")
        ->required();
    sir->add_option("--from", options->from, "First age group 0-17")->capture_default_str();
    sir->add_option("--to", options->to, "Last age group 0-17 (17: to the open top)")
        ->capture_default_str();
    addIntervalOptions(*sir, options->intervals);
    sir->add_flag("--tests", options->tests,
                  "Add each row's exact Poisson p-value (two-sided) and a total row: the summed "
                  "O and E, the overall SIR and the chi-square of (O-E)^2/E with its p-value");
    restoreAtEachParse(*sir, options);
    sir->callback([&context, options] { printSir(context, *options); });
}

} // namespace orvelan::cli

#include "Arguments.h"
#include "CliContext.h"
#include "CliError.h"
#include "Commands.h"
#include "CurveArgument.h"
#include "core/analysis/AnalysisFile.h"
#include "core/analysis/UserCurveChecks.h"
#include "core/rates/ComparisonLayouts.h"
#include "core/rates/ComparisonTexts.h"
#include "core/rates/CurvePair.h"
#include "core/rates/UserCurve.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>

namespace orvelan::cli {

namespace {

struct CompareOptions {
    std::string reference;
    std::string comparison;
    std::string comparisonFile;
    int from = 0;
    int to = kTopAgeGroup;
    std::string layout = "txt";
};

/// Every field of the comparison by its name, results as they stand (-1: not available).
nlohmann::json pairJson(const CurvePair& p, const ComparisonTexts& texts) {
    return {{"refCancer", p.refCancer},
            {"compCancer", p.compCancer},
            {"refPopulation", p.refPopulation},
            {"compPopulation", p.compPopulation},
            {"refSex", p.refSex},
            {"compSex", p.compSex},
            {"ageLow", p.ageLow},
            {"ageHigh", p.ageHigh},
            {"userComparison", p.userComparison},
            {"refPersonYears", p.refPersonYears},
            {"compPersonYears", p.compPersonYears},
            {"refCases", p.refCases},
            {"compCases", p.compCases},
            {"asrRef", p.asrRef},
            {"asrComp", p.asrComp},
            {"seRef", p.seRef},
            {"seComp", p.seComp},
            {"rrMH", p.rrMH},
            {"logRrMH", p.logRrMH},
            {"seLogRrMH", p.seLogRrMH},
            {"rrML", p.rrML},
            {"logRrML", p.logRrML},
            {"seLogRrML", p.seLogRrML},
            {"pMHC", p.pMHC},
            {"pHeterogeneity", p.pHeterogeneity},
            {"pTrend", p.pTrend},
            {"chi2MHC", p.chi2MHC},
            {"chi2Heterogeneity", p.chi2Heterogeneity},
            {"chi2Trend", p.chi2Trend},
            {"dfMHC", p.dfMHC},
            {"dfHeterogeneity", p.dfHeterogeneity},
            {"dfTrend", p.dfTrend},
            {"reference", texts.reference},
            {"comparison", texts.comparison},
            {"ageRange", texts.ageRange}};
}

/// The typed-in curve of an analysis file, with the checks the wizard makes before using it.
UserCurve readComparisonFile(CliContext& context, const std::string& path, int from, int to) {
    AnalysisFileRead read = readAnalysisFile(path);
    if (!read.curve) {
        throw dataError(read.result.message);
    }
    if (const auto message = checkUserCurve(read.curve->personYears, from, to)) {
        throw dataError(path + ": " + *message);
    }
    if (const auto warning = userCurveWarning(read.curve->personYears)) {
        context.err() << "orvelan-cli: " << *warning << '\n';
    }
    return std::move(*read.curve);
}

void printComparison(CliContext& context, const CompareOptions& options) {
    if (options.comparison.empty() == options.comparisonFile.empty()) {
        throw usageError("give the comparison curve either with --comp or with --comp-file");
    }
    if (options.layout != "txt" && options.layout != "prn") {
        throw usageError("--layout is txt (tab-delimited) or prn (formatted), not '" +
                         options.layout + "'");
    }
    context.checkAgeRange(options.from, options.to);
    const CurveArgument reference = parseCurveArgument(context, "--ref", options.reference);
    CurvePair pair;
    pair.refPopulation = reference.population;
    pair.refCancer = reference.cancer;
    pair.refSex = indexOf(reference.sex);
    pair.ageLow = options.from;
    pair.ageHigh = options.to;
    std::optional<UserCurve> userCurve;
    if (options.comparisonFile.empty()) {
        const CurveArgument comparison = parseCurveArgument(context, "--comp", options.comparison);
        pair.compPopulation = comparison.population;
        pair.compCancer = comparison.cancer;
        pair.compSex = indexOf(comparison.sex);
        checkCurveForRange(context, comparison, options.from, options.to);
    } else {
        userCurve = readComparisonFile(context, options.comparisonFile, options.from, options.to);
        pair.compPopulation = pair.compCancer = -1;
        pair.userComparison = 2;
    }
    checkCurveForRange(context, reference, options.from, options.to);

    const ComparisonRun run =
        runComparison(pair, context.store(), userCurve ? &*userCurve : nullptr);
    if (!run.ok()) {
        throw dataError(std::string(kNoDataAvailable) + " (" + run.texts.reference + " / " +
                        run.texts.comparison + ")");
    }
    if (context.json) {
        context.printJson(pairJson(pair, run.texts));
        return;
    }
    const ComparisonLayout layout =
        options.layout == "prn" ? ComparisonLayout::Formatted : ComparisonLayout::TabDelimited;
    context.out() << comparisonText(pair, run.texts, layout);
}

} // namespace

void registerCompareCommand(CLI::App& app, CliContext& context) {
    auto options = std::make_shared<CompareOptions>();
    CLI::App* compare = app.add_subcommand(
        "compare", "Compare two age-specific curves: world ASRs, rate ratios and three tests, "
                   "printed as the saved text of the results");
    compare->add_option("--ref", options->reference, "Reference curve: population,cancer,sex")
        ->required();
    compare->add_option("--comp", options->comparison, "Comparison curve: population,cancer,sex");
    compare->add_option("--comp-file", options->comparisonFile,
                        "Comparison curve typed in by the user: an analysis file (.STA)");
    compare->add_option("--from", options->from, "First age group 0-17")->capture_default_str();
    compare->add_option("--to", options->to, "Last age group 0-17 (17: to the open top)")
        ->capture_default_str();
    compare->add_option("--layout", options->layout, "txt (tab-delimited) or prn (formatted)")
        ->capture_default_str();
    restoreAtEachParse(*compare, options);
    compare->callback([&context, options] { printComparison(context, *options); });
}

} // namespace orvelan::cli

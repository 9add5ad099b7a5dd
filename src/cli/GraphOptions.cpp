#include "GraphOptions.h"

#include "Arguments.h"
#include "CliContext.h"
#include "CliError.h"
#include "core/data/CRegistryDictionary.h"
#include "core/graphs/GraphSelection.h"
#include "core/graphs/GraphTitles.h"
#include "core/graphs/GraphWizardRules.h"

#include <CLI/CLI.hpp>

namespace orvelan::cli {

namespace {

/// Population numbers (0-228, 272 + k) become registry list slots (dictionary rows, 272 + k).
void selectPopulations(CliContext& context, SelectionList& list, const std::string& text) {
    for (const int population : context.populationList(text)) {
        const int slot = population >= kFirstRegistryGroup
                             ? population
                             : CRegistryDictionary::rowOfPopulation(population).value_or(-1);
        if (slot < 0) {
            throw usageError("population " + std::to_string(population) + " has no row");
        }
        list[static_cast<std::size_t>(slot)] = slot;
    }
}

void selectCancers(CliContext& context, SelectionList& list, const std::string& text) {
    for (const int cancer : context.cancerList(text)) {
        list[static_cast<std::size_t>(cancer)] = cancer;
    }
}

int parseSymbol(const std::string& text) {
    if (text == "none") {
        return 0;
    }
    if (text == "plus" || text == "+") {
        return 1;
    }
    if (text == "x") {
        return 2;
    }
    throw usageError("invalid symbol '" + text + "' (use none, plus or x)");
}

/// The wizard's checks of the whole settings, with its messages.
void checkSettings(CliContext& context, const GraphSettings& s) {
    if (const std::optional<std::string> problem =
            validateGraphSettings(s, context.cancerGroups())) {
        throw usageError(*problem);
    }
}

void fillCurves(CliContext& context, const GraphOptions& options, GraphSettings& s) {
    if (options.populations.empty() || options.cancers.empty()) {
        throw usageError("graph curves needs --populations and --cancers");
    }
    s.sex = parseSex(options.sex, true);
    selectPopulations(context, s.registries, options.populations);
    selectCancers(context, s.cancers, options.cancers);
    s.lineThickness = options.thick ? 1 : 0;
    s.lineSymbol = parseSymbol(options.symbol);
}

void fillBars(CliContext& context, const GraphOptions& options, GraphSettings& s) {
    if (options.barType != "cancer" && options.barType != "registry") {
        throw usageError("invalid --type '" + options.barType + "' (use cancer or registry)");
    }
    if (options.rateKind < 0 || options.rateKind >= kRateKindCount) {
        throw usageError("--rate-kind must be 0-5");
    }
    const Sex sex = parseSex(options.sex, false);
    s.sex = sex;
    s.rateKind = static_cast<RateKind>(options.rateKind);
    context.checkAgeRange(options.ageFrom, options.ageTo);
    s.ageFrom = options.ageFrom;
    s.ageTo = options.ageTo;
    if (options.barType == "cancer") {
        if (options.cancer < 0 || options.populations.empty()) {
            throw usageError("graph bars --type cancer needs --cancer and --populations");
        }
        s.barChartType = BarChartType::Cancer;
        s.cancer = context.checkCancer(options.cancer);
        checkSettings(context, s);
        selectPopulations(context, s.registries, options.populations);
    } else {
        if (options.population < 0 || options.cancers.empty()) {
            throw usageError("graph bars --type registry needs --population and --cancers");
        }
        s.barChartType = BarChartType::Registry;
        s.population = context.checkPopulation(options.population);
        checkSettings(context, s);
        selectCancers(context, s.cancers, options.cancers);
    }
}

void fillPie(CliContext& context, const GraphOptions& options, GraphSettings& s) {
    if (options.population < 0) {
        throw usageError("graph pie needs --population");
    }
    s.population = context.checkPopulation(options.population);
    s.sex = parseSex(options.sex, false);
    context.checkAgeRange(options.ageFrom, options.ageTo);
    s.ageFrom = options.ageFrom;
    s.ageTo = options.ageTo;
    checkSettings(context, s);
    if (!sliceCountAllowed(options.slices)) {
        throw usageError("--slices must be " + std::to_string(kMinPieSlices) + "-" +
                         std::to_string(kMaxPieSlices) + ", not " + std::to_string(options.slices));
    }
    s.sliceCount = options.slices;
}

void fillPyramid(CliContext& context, const GraphOptions& options, GraphSettings& s) {
    if (options.population < 0) {
        throw usageError("graph pyramid needs --population");
    }
    if (options.basis != "person-years" && options.basis != "average") {
        throw usageError("invalid --basis '" + options.basis + "' (use person-years or average)");
    }
    s.population = context.checkPopulation(options.population);
    // A registry group has no registration years to average over: it shows person-years.
    s.pyramidBasis = options.basis == "person-years" && s.population < kFirstRegistryGroup ? 0 : 1;
}

} // namespace

void addTitleOption(CLI::App& command, GraphOptions& options) {
    command.add_option("--title", options.title, "Graph title (default: the wizard's title)");
}

void addCurvesOptions(CLI::App& command, GraphOptions& options) {
    command.add_option("--populations", options.populations, "Population numbers, e.g. 0-3,272")
        ->required();
    command.add_option("--cancers", options.cancers, "Cancer numbers, e.g. 34,252")->required();
    command.add_option("--sex", options.sex, "0 male, 1 female, 2 both sexes")
        ->capture_default_str();
    command.add_flag("--log", options.logarithmic, "Logarithmic rate axis");
    command.add_flag("--lines", options.lines, "Lines across the plot at the value marks");
    command.add_flag("--thick", options.thick, "Thick curves");
    command.add_option("--symbol", options.symbol, "Point symbol: none, plus or x")
        ->capture_default_str();
    addTitleOption(command, options);
}

void addBarOptions(CLI::App& command, GraphOptions& options) {
    command
        .add_option("--type", options.barType,
                    "cancer (one cancer, bars of populations) or "
                    "registry (one population, bars of cancers)")
        ->capture_default_str();
    command.add_option("--cancer", options.cancer, "The cancer of a cancer bar chart");
    command.add_option("--populations", options.populations, "Populations of a cancer bar chart");
    command.add_option("--population", options.population,
                       "The population of a registry bar chart");
    command.add_option("--cancers", options.cancers, "Cancers of a registry bar chart");
    command
        .add_option("--rate-kind", options.rateKind,
                    "0 crude, 1 ASR World, 2 ASR European, 3 cumulative rate, "
                    "4 cumulative risk, 5 number of cases")
        ->capture_default_str();
    command.add_option("--sex", options.sex, "0 male, 1 female")->capture_default_str();
    command.add_option("--from", options.ageFrom, "First age group 0-17")->capture_default_str();
    command.add_option("--to", options.ageTo, "Last age group 0-17")->capture_default_str();
    command.add_flag("--lines", options.lines, "Lines through the chart at the value marks");
    addTitleOption(command, options);
}

void addPieOptions(CLI::App& command, GraphOptions& options) {
    command.add_option("--population", options.population, "Population number")->required();
    command.add_option("--sex", options.sex, "0 male, 1 female")->capture_default_str();
    command.add_option("--from", options.ageFrom, "First age group 0-17")->capture_default_str();
    command.add_option("--to", options.ageTo, "Last age group 0-17")->capture_default_str();
    command.add_option("--slices", options.slices, "Number of slices, 5-11")->capture_default_str();
    addTitleOption(command, options);
}

void addPyramidOptions(CLI::App& command, GraphOptions& options) {
    command.add_option("--population", options.population, "Population number")->required();
    command.add_option("--basis", options.basis, "person-years or average (annual)")
        ->capture_default_str();
    addTitleOption(command, options);
}

GraphSettings makeGraphSettings(CliContext& context, GraphKind kind, const GraphOptions& options) {
    GraphSettings settings;
    settings.kind = kind;
    switch (kind) {
    case GraphKind::AgeSpecific:
        fillCurves(context, options, settings);
        break;
    case GraphKind::BarChart:
        fillBars(context, options, settings);
        break;
    case GraphKind::PieChart:
        fillPie(context, options, settings);
        break;
    case GraphKind::Pyramid:
        fillPyramid(context, options, settings);
        break;
    case GraphKind::UseTemplate:
        throw usageError("a template is not a graph kind");
    }
    settings.title = titleArgument(options.title);
    if (settings.title.empty()) {
        CIncidenceStore& store = context.store();
        switch (kind) {
        case GraphKind::AgeSpecific:
            settings.title = defaultAgeCurvesTitle(store, settings);
            break;
        case GraphKind::BarChart:
            settings.title = defaultBarChartTitle(store, settings);
            break;
        case GraphKind::PieChart:
            settings.title = defaultPieChartTitle(store, settings);
            break;
        default:
            settings.title = defaultPyramidTitle(store, settings);
            break;
        }
    }
    return settings;
}

} // namespace orvelan::cli

#include "Arguments.h"
#include "CliContext.h"
#include "CliError.h"
#include "Commands.h"
#include "FigureStream.h"
#include "IntervalOptions.h"
#include "StandardOptions.h"
#include "core/data/Codes.h"
#include "core/rates/RateIntervals.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <iomanip>
#include <nlohmann/json.hpp>
#include <ostream>

namespace orvelan::cli {

namespace {

struct RatesOptions {
    int population = 0;
    int cancer = 0;
    std::string sex = "both";
    int from = 0;
    int to = kTopAgeGroup;
    // The list form: every (population, cancer, sex, kind) of the lists, one row each.
    std::string populations;
    std::string cancers;
    std::string sexes = "m,f";
    std::string kinds = "0-5";
    std::string format = "csv";
    // Which options were given, to tell the two forms apart.
    const CLI::Option* singleOptions[3] = {};
    const CLI::Option* listOptions[5] = {};
    IntervalOptions intervals;
    StandardOptions standards;
};

/// What the standard column shows for a kind: the id of an ASR's standard, else nothing.
std::string_view standardName(const StandardChoice& standards, int kind) {
    const StandardPopulation* standard = standards.forKind(static_cast<RateKind>(kind));
    return standard != nullptr ? std::string_view(standard->id) : std::string_view();
}

void printRates(CliContext& context, const RatesOptions& options) {
    const int population = context.checkPopulation(options.population);
    const int cancer = context.checkCancer(options.cancer);
    const Sex sex = parseSex(options.sex, true);
    context.checkAgeRange(options.from, options.to);
    const IntervalChoice choice = options.intervals.choice(
        {IntervalFigure::Cases, IntervalFigure::CrudeRate, IntervalFigure::Asr}, "the rates");
    const bool named = options.intervals.given();
    const StandardChoice standards = options.standards.choice();
    CIncidenceStore& store = context.store();
    const std::string populationLabel = store.populationLabelByNumber(population, true);
    const std::string cancerLabel = store.cancerLabel(cancer);
    if (!store.load(population, cancer, sex)) {
        throw context.loadFailure("the series");
    }
    std::array<RateWithInterval, kRateKindCount> results;
    for (int kind = 0; kind < kRateKindCount; ++kind) {
        results[static_cast<std::size_t>(kind)] =
            computeRateWithInterval(store.series(), static_cast<RateKind>(kind), options.from,
                                    options.to, choice, standards);
    }
    std::array<std::string, kRateKindCount> labels;
    std::size_t labelWidth = 18;
    for (int kind = 0; kind < kRateKindCount; ++kind) {
        labels[static_cast<std::size_t>(kind)] =
            rateKindHeading(static_cast<RateKind>(kind), standards);
        labelWidth = std::max(labelWidth, labels[static_cast<std::size_t>(kind)].size() + 1);
    }

    std::ostream& out = context.out();
    if (context.json) {
        nlohmann::json rates = nlohmann::json::array();
        for (int kind = 0; kind < kRateKindCount; ++kind) {
            const RateResult& result = results[static_cast<std::size_t>(kind)].rate;
            const RateInterval& interval = results[static_cast<std::size_t>(kind)].interval;
            const bool hasSe = result.ok && kind != static_cast<int>(RateKind::NumberOfCases);
            rates.push_back({{"kind", kind},
                             {"label", labels[static_cast<std::size_t>(kind)]},
                             {"value", numberOrNull(result.ok, result.value)},
                             {"se", numberOrNull(hasSe, result.se)},
                             {"lower", numberOrNull(interval.ok, interval.limits.lower)},
                             {"upper", numberOrNull(interval.ok, interval.limits.upper)}});
            if (named) {
                rates.back()["method"] = intervalMethodName(interval.method);
                rates.back()["level"] = choice.level;
            }
        }
        nlohmann::json json = {{"population", population}, {"cancer", cancer},
                               {"sex", indexOf(sex)},      {"from", options.from},
                               {"to", options.to},         {"rates", rates}};
        context.printJson(json);
        return;
    }
    out << "Population " << population << ": " << populationLabel << '\n'
        << "Cancer " << cancer << ": " << cancerLabel << '\n'
        << "Sex: " << sexLabel(sex, options.to)
        << "   Age range:" << ageRangeSuffix(options.from, options.to) << "\n\n"
        << std::left << std::setw(static_cast<int>(labelWidth)) << "" << std::right << std::setw(12)
        << "value" << std::setw(10) << "SE"
        << "   " << options.intervals.heading() << (named ? "   method\n" : "\n");
    for (int kind = 0; kind < kRateKindCount; ++kind) {
        const RateResult& result = results[static_cast<std::size_t>(kind)].rate;
        const RateInterval& interval = results[static_cast<std::size_t>(kind)].interval;
        const bool isCount = kind == static_cast<int>(RateKind::NumberOfCases);
        out << std::left << std::setw(static_cast<int>(labelWidth))
            << labels[static_cast<std::size_t>(kind)] << std::right;
        if (!result.ok) {
            out << std::setw(12) << "N.A." << '\n';
            continue;
        }
        out << std::setw(12) << fixed(result.value, isCount ? 0 : 2);
        if (interval.ok) {
            out << std::setw(10) << (isCount ? "" : fixed(result.se, 2)) << "   "
                << fixed(interval.limits.lower, 2) << " to " << fixed(interval.limits.upper, 2);
            if (named) {
                out << "   " << intervalMethodName(interval.method);
            }
        }
        out << '\n';
    }
    out << "\nRates per 100,000 person-years; cumulative rate and risk in percent.\n";
}

std::vector<Sex> parseSexList(const std::string& text) {
    std::vector<Sex> sexes;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        sexes.push_back(parseSex(text.substr(start, comma - start), true));
        start = comma + 1;
    }
    return sexes;
}

std::vector<int> parseKindList(const std::string& text) {
    const auto unknown = [](const std::string& kind) {
        throw usageError("unknown rate kind " + kind +
                         " (0 crude rate, 1 ASR World, 2 ASR European, 3 cumulative rate, "
                         "4 cumulative risk, 5 number of cases)");
    };
    return parseNumberList(
        text,
        [&unknown](int kind) {
            if (kind < 0 || kind >= kRateKindCount) {
                unknown(std::to_string(kind));
            }
        },
        unknown);
}

void streamRates(CliContext& context, const RatesOptions& options) {
    if (options.listOptions[0]->count() == 0 || options.listOptions[1]->count() == 0) {
        throw usageError("the list form of rates needs --populations and --cancers");
    }
    const std::vector<int> populations = context.populationList(options.populations);
    const std::vector<int> cancers = context.cancerList(options.cancers);
    const std::vector<Sex> sexes = parseSexList(options.sexes);
    const std::vector<int> kinds = parseKindList(options.kinds);
    const StreamFormat format = parseStreamFormat(options.format);
    context.checkAgeRange(options.from, options.to);
    const bool named = options.intervals.given();
    const IntervalChoice choice = options.intervals.choice(
        {IntervalFigure::Cases, IntervalFigure::CrudeRate, IntervalFigure::Asr}, "the rates");
    const StandardChoice standards = options.standards.choice();
    const bool withStandard = options.standards.given();
    CIncidenceStore& store = context.store();

    FigureStream stream(context.out(), format, named, withStandard);
    for (const int population : populations) {
        for (const int cancer : cancers) {
            for (const Sex sex : sexes) {
                if (!store.load(population, cancer, sex)) {
                    stream.flush();
                    throw dataError("cannot load population " + std::to_string(population) +
                                    ", cancer " + std::to_string(cancer) + " from " +
                                    context.dataDir);
                }
                // The six figures at once, sharing the series' age-specific rates.
                const SeriesFigures figures =
                    named ? SeriesFigures{}
                          : computeRates(store.series(), options.from, options.to,
                                         standards.weightsFor(RateKind::AsrWorld),
                                         standards.weightsFor(RateKind::AsrEuropean));
                for (const int kind : kinds) {
                    const auto rateKind = static_cast<RateKind>(kind);
                    const std::string_view standard =
                        withStandard ? standardName(standards, kind) : std::string_view();
                    if (named) {
                        stream.row(population, cancer, sex, kind,
                                   computeRateWithInterval(store.series(), rateKind, options.from,
                                                           options.to, choice, standards),
                                   standard);
                    } else {
                        stream.row(population, cancer, sex, kind,
                                   figures[static_cast<std::size_t>(kind)], standard);
                    }
                }
            }
        }
    }
}

void runRates(CliContext& context, const RatesOptions& options) {
    const auto given = [](const auto& list) {
        bool any = false;
        for (const CLI::Option* option : list) {
            any = any || option->count() > 0;
        }
        return any;
    };
    const bool single = given(options.singleOptions);
    const bool list = given(options.listOptions);
    if (single && list) {
        throw usageError("use either --population/--cancer/--sex or the lists "
                         "--populations/--cancers/--sexes, not both");
    }
    if (list) {
        streamRates(context, options);
        return;
    }
    if (options.singleOptions[0]->count() == 0 || options.singleOptions[1]->count() == 0) {
        throw usageError("rates needs --population and --cancer, or --populations and --cancers");
    }
    printRates(context, options);
}

} // namespace

void registerRatesCommand(CLI::App& app, CliContext& context) {
    auto options = std::make_shared<RatesOptions>();
    CLI::App* rates = app.add_subcommand(
        "rates", "Print the six summary figures of a series with standard errors and 95% "
                 "intervals, or stream them for lists of series as CSV, TSV or JSON lines");
    options->singleOptions[0] = rates->add_option("--population", options->population,
                                                  "One population number (272+: group)");
    options->singleOptions[1] =
        rates->add_option("--cancer", options->cancer, "One cancer number (252+: group)");
    options->singleOptions[2] =
        rates->add_option("--sex", options->sex, "0 male, 1 female, both (default both)");
    options->listOptions[0] = rates->add_option("--populations", options->populations,
                                                "List form: population numbers, e.g. 0-228,272");
    options->listOptions[1] = rates->add_option("--cancers", options->cancers,
                                                "List form: cancer numbers, e.g. 0-251,252");
    options->listOptions[2] = rates->add_option(
        "--sexes", options->sexes, "List form: sexes, e.g. m,f or both or m,f,both (default m,f)");
    options->listOptions[3] =
        rates->add_option("--kinds", options->kinds, "List form: rate kinds 0-5 (default 0-5)");
    options->listOptions[4] =
        rates->add_option("--format", options->format, "List form: csv (default), tsv or jsonl");
    rates->add_option("--from", options->from, "First age group 0-17")->capture_default_str();
    rates->add_option("--to", options->to, "Last age group 0-17 (17: to the open top)")
        ->capture_default_str();
    addIntervalOptions(*rates, options->intervals);
    addStandardOptions(*rates, options->standards);
    restoreAtEachParse(*rates, options);
    rates->callback([&context, options] { runRates(context, *options); });
}

} // namespace orvelan::cli

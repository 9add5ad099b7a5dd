#include "Arguments.h"
#include "CliContext.h"
#include "CliError.h"
#include "Commands.h"
#include "core/data/Codes.h"

#include <CLI/CLI.hpp>
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
};

nlohmann::json orNull(bool available, double value) {
    return available ? nlohmann::json(value) : nlohmann::json(nullptr);
}

void printRates(CliContext& context, const RatesOptions& options) {
    const int population = context.checkPopulation(options.population);
    const int cancer = context.checkCancer(options.cancer);
    const int sex = parseSex(options.sex, true);
    context.checkAgeRange(options.from, options.to);
    CIncidenceStore& store = context.store();
    const std::string populationLabel = store.populationLabelByNumber(population, true);
    const std::string cancerLabel = store.cancerLabel(cancer);
    if (!store.load(population, cancer, sex)) {
        throw context.loadFailure("the series");
    }
    // Every figure comes from the one load, as the views compute them.
    std::array<RateResult, kRateKindCount> results;
    for (int kind = 0; kind < kRateKindCount; ++kind) {
        results[static_cast<std::size_t>(kind)] =
            store.computeRate(static_cast<RateKind>(kind), options.from, options.to);
    }

    std::ostream& out = context.out();
    if (context.json) {
        nlohmann::json rates = nlohmann::json::array();
        for (int kind = 0; kind < kRateKindCount; ++kind) {
            const RateResult& result = results[static_cast<std::size_t>(kind)];
            const bool hasSe = result.ok && kind != static_cast<int>(RateKind::NumberOfCases);
            rates.push_back({{"kind", kind},
                             {"label", rateKindLabel(kind)},
                             {"value", orNull(result.ok, result.value)},
                             {"se", orNull(hasSe, result.se)},
                             {"lower", orNull(hasSe, result.lower())},
                             {"upper", orNull(hasSe, result.upper())}});
        }
        nlohmann::json json = {{"population", population}, {"cancer", cancer}, {"sex", sex},
                               {"from", options.from},     {"to", options.to}, {"rates", rates}};
        context.printJson(json);
        return;
    }
    out << "Population " << population << ": " << populationLabel << '\n'
        << "Cancer " << cancer << ": " << cancerLabel << '\n'
        << "Sex: " << sexLabel(sex, options.to)
        << "   Age range:" << ageRangeSuffix(options.from, options.to) << "\n\n"
        << std::left << std::setw(18) << "" << std::right << std::setw(12) << "value"
        << std::setw(10) << "SE" << "   95% confidence interval\n";
    for (int kind = 0; kind < kRateKindCount; ++kind) {
        const RateResult& result = results[static_cast<std::size_t>(kind)];
        const bool isCount = kind == static_cast<int>(RateKind::NumberOfCases);
        out << std::left << std::setw(18) << rateKindLabel(kind) << std::right;
        if (!result.ok) {
            out << std::setw(12) << "N.A." << '\n';
            continue;
        }
        out << std::setw(12) << fixed(result.value, isCount ? 0 : 2);
        if (!isCount) {
            out << std::setw(10) << fixed(result.se, 2) << "   " << fixed(result.lower(), 2)
                << " to " << fixed(result.upper(), 2);
        }
        out << '\n';
    }
    out << "\nRates per 100,000 person-years; cumulative rate and risk in percent.\n";
}

} // namespace

void registerRatesCommand(CLI::App& app, CliContext& context) {
    auto options = std::make_shared<RatesOptions>();
    CLI::App* rates = app.add_subcommand(
        "rates", "Print the six summary figures of a series with standard errors and 95% intervals");
    rates->add_option("--population", options->population, "Population number (272+: group)")
        ->required();
    rates->add_option("--cancer", options->cancer, "Cancer number (252+: group)")->required();
    rates->add_option("--sex", options->sex, "0 male, 1 female, both")->capture_default_str();
    rates->add_option("--from", options->from, "First age group 0-17")->capture_default_str();
    rates->add_option("--to", options->to, "Last age group 0-17 (17: to the open top)")
        ->capture_default_str();
    rates->callback([&context, options] { printRates(context, *options); });
}

} // namespace orvelan::cli

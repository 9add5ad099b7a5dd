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

struct SeriesOptions {
    int population = 0;
    int cancer = 0;
    std::string sex = "0";
};

void printSeries(CliContext& context, const SeriesOptions& options) {
    const int population = context.checkPopulation(options.population);
    const int cancer = context.checkCancer(options.cancer);
    const Sex sex = parseSex(options.sex, false);
    CIncidenceStore& store = context.store();
    // Labels read population records, so they are built before the load.
    const std::string populationLabel = store.populationLabelByNumber(population, true);
    const std::string cancerLabel = store.cancerLabel(cancer);
    if (!store.load(population, cancer, sex)) {
        throw context.loadFailure("the series");
    }
    std::ostream& out = context.out();
    if (context.json) {
        nlohmann::json json = {{"population", population},
                               {"cancer", cancer},
                               {"sex", sex},
                               {"cases", store.cases()},
                               {"person_years", store.personYears()},
                               {"last_age_group", store.lastAgeGroup()},
                               {"verification", store.verification()},
                               {"unknown_age_factor", store.unknownAgeFactor()},
                               {"first_year", store.firstYear()},
                               {"last_year", store.lastYear()}};
        context.printJson(json);
        return;
    }
    out << "Population " << population << ": " << populationLabel << '\n'
        << "Cancer " << cancer << ": " << cancerLabel << '\n'
        << "Sex: " << sexLabel(sex, kTopAgeGroup) << '\n'
        << "Last age group: " << store.lastAgeGroup() << " ("
        << (store.lastAgeGroup() < kTopAgeGroup ? openTopLabel(store.lastAgeGroup())
                                                : std::string(upperLabel(kTopAgeGroup)))
        << ")\n"
        << "Verification (MV%): "
        << (store.verification() < 0 ? std::string("N.A.") : fixed(store.verification(), 1)) << '\n'
        << "Unknown-age factor: " << fixed(store.unknownAgeFactor(), 4) << "\n\n"
        << " age        cases  person-years\n";
    for (int group = 0; group < kAgeGroupCount; ++group) {
        const auto i = static_cast<std::size_t>(group);
        out << ' ' << std::left << std::setw(4) << columnHeading(group) << std::right
            << std::setw(12) << fixed(store.cases()[i], 0) << std::setw(14)
            << fixed(store.personYears()[i], 0) << '\n';
    }
}

} // namespace

void registerSeriesCommand(CLI::App& app, CliContext& context) {
    auto options = std::make_shared<SeriesOptions>();
    CLI::App* series = app.add_subcommand(
        "series", "Print one loaded series: cases and person-years by age group");
    series->add_option("--population", options->population, "Population number (272+: group)")
        ->required();
    series->add_option("--cancer", options->cancer, "Cancer number (252+: group)")->required();
    series->add_option("--sex", options->sex, "0 male, 1 female")->required();
    restoreAtEachParse(*series, options);
    series->callback([&context, options] { printSeries(context, *options); });
}

} // namespace orvelan::cli

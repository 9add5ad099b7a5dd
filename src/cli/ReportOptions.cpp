#include "ReportOptions.h"

#include "Arguments.h"
#include "CliContext.h"
#include "CliError.h"
#include "core/data/CRegistryDictionary.h"
#include "core/data/Validation.h"
#include "core/reports/ReportFinishPlan.h"
#include "core/reports/SexPresets.h"

#include <CLI/CLI.hpp>

namespace orvelan::cli {

namespace {

struct Sexes {
    bool male = false;
    bool female = false;
};

Sexes parseSexes(const std::string& text) {
    Sexes sexes;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        (parseSex(text.substr(start, comma - start), false) == Sex::Male ? sexes.male
                                                                         : sexes.female) = true;
        start = comma + 1;
    }
    return sexes;
}

ReportKind parseKind(const std::string& text) {
    if (text == "summary") {
        return ReportKind::SummaryRates;
    }
    if (text == "age-specific") {
        return ReportKind::AgeSpecific;
    }
    if (text == "user") {
        return ReportKind::UserDefined;
    }
    throw usageError("unknown report kind '" + text + "' (use summary, age-specific or user)");
}

std::vector<int> populationList(CliContext& context, const std::string& text) {
    return text.empty() ? std::vector<int>{} : context.populationList(text);
}

std::vector<int> cancerList(CliContext& context, const std::string& text) {
    return text.empty() ? std::vector<int>{} : context.cancerList(text);
}

/// Population numbers become registry list slots (dictionary rows; groups stay 272 + k).
void selectRegistries(SelectionList& list, const std::vector<int>& populations) {
    for (const int population : populations) {
        const int slot = population >= kFirstRegistryGroup
                             ? population
                             : CRegistryDictionary::rowOfPopulation(population).value_or(-1);
        if (slot < 0) {
            throw usageError("population " + std::to_string(population) + " has no registry row");
        }
        list[static_cast<std::size_t>(slot)] = slot;
    }
}

void selectCancers(SelectionList& list, const std::vector<int>& cancers) {
    for (const int cancer : cancers) {
        list[static_cast<std::size_t>(cancer)] = cancer;
    }
}

void fail(const std::optional<std::string>& message) {
    if (message) {
        throw usageError(*message);
    }
}

/// Rows are registries (a cancer fixed) or cancers (a registry fixed): as asked, or the side
/// with more than one item, or registries when both have one.
bool rowsAreRegistries(const ReportChoiceOptions& options, std::size_t populationCount,
                       std::size_t cancerCount) {
    if (options.rows == "registries") {
        return true;
    }
    if (options.rows == "cancers") {
        return false;
    }
    if (!options.rows.empty()) {
        throw usageError("invalid --rows '" + options.rows + "' (use registries or cancers)");
    }
    return !(cancerCount > 1 && populationCount == 1);
}

/// Kinds 0 and 1: one fixed cancer or registry, the other side selected.
void fixedReport(CliContext& context, const ReportChoiceOptions& options, ReportChoices& choices,
                 const std::vector<int>& populations, const std::vector<int>& cancers,
                 Sexes sexes) {
    ReportBlock& b = choices.block;
    const bool byRegistry = rowsAreRegistries(options, populations.size(), cancers.size());
    const auto& fixed = byRegistry ? cancers : populations;
    if (fixed.size() != 1) {
        throw usageError(std::string("rows of ") + (byRegistry ? "registries" : "cancers") +
                         " need exactly one " +
                         (byRegistry ? "cancer (--cancers)" : "population (--populations)"));
    }
    b.arrangement = byRegistry ? 1 : 0;
    if (byRegistry) {
        b.fixedCancer = cancers.front();
        selectRegistries(choices.registries, populations);
    } else {
        b.fixedRegistry = populations.front();
        selectCancers(choices.cancers, cancers);
    }
    // A sex in which none of the report's cancers occurs cannot be ticked.
    const SexPreset preset = sexPresetFor(cancers, context.cancerGroups());
    if ((preset.maleDisabled && !sexes.female) || (preset.femaleDisabled && !sexes.male)) {
        throw usageError(std::string(kInvalidSexSite));
    }
    sexes.male = sexes.male && !preset.maleDisabled;
    sexes.female = sexes.female && !preset.femaleDisabled;

    const bool summary = b.reportKind == static_cast<int>(ReportKind::SummaryRates);
    if (summary) {
        b.interval = options.ci ? 1 : 0;
        b.ageFrom = options.from;
        b.ageTo = options.to;
    } else if (options.data == "numbers" || options.data == "rates") {
        b.interval = options.data == "rates" ? 1 : 0;
    } else {
        throw usageError("invalid --data '" + options.data + "' (use numbers or rates)");
    }
    if (byRegistry) {
        fail(ValidateSelection(summary ? b.ageFrom : 0, summary ? b.ageTo : kTopAgeGroup,
                               b.fixedCancer, sexes.male, context.cancerGroups()));
    } else if (summary) {
        context.checkAgeRange(b.ageFrom, b.ageTo);
        CIncidenceStore& store = context.store();
        if (store.load(b.fixedRegistry, 0, Sex::Male) && b.ageTo < kTopAgeGroup &&
            b.ageTo >= store.lastAgeGroup()) {
            throw usageError("Selected population and age range are not compatible. Check "
                             "population figures.");
        }
    }
    b.male = sexes.male ? 1 : 0;
    b.female = sexes.female ? (summary ? 2 : 1) : 0;
    b.sexes = (sexes.male ? 1 : 0) + (sexes.female ? 2 : 0) - 1;
}

void userReport(CliContext& context, const ReportChoiceOptions& options, ReportChoices& choices,
                const std::vector<int>& populations, const std::vector<int>& cancers, Sexes sexes) {
    ReportBlock& b = choices.block;
    if (populations.empty() || cancers.empty()) {
        throw usageError("a user-defined report needs --populations and --cancers");
    }
    if (options.rateKind < 0 || options.rateKind >= kRateKindCount) {
        throw usageError("unknown rate kind " + std::to_string(options.rateKind) + " (0-5)");
    }
    context.checkAgeRange(options.from, options.to);
    fail(ValidateAgeRange(options.from, options.to, options.rateKind));
    const SexPreset preset = sexPresetFor(cancers, context.cancerGroups());
    sexes.male = sexes.male && !preset.maleDisabled;
    sexes.female = sexes.female && !preset.femaleDisabled;
    if (!sexes.male && !sexes.female) {
        throw usageError(std::string(kInvalidSexSite));
    }
    selectRegistries(choices.registries, populations);
    selectCancers(choices.cancers, cancers);
    // Rows of cancer/sex combinations unless registries are asked for.
    b.arrangement = options.rows == "registries" ? 0 : 1;
    if (!options.rows.empty() && options.rows != "registries" && options.rows != "cancers") {
        throw usageError("invalid --rows '" + options.rows + "' (use registries or cancers)");
    }
    b.rateKind = options.rateKind;
    b.interval = options.ci && options.rateKind != static_cast<int>(RateKind::NumberOfCases);
    b.ageFrom = options.from;
    b.ageTo = options.to;
    b.male = sexes.male ? 1 : 0;
    b.female = sexes.female ? 1 : 0;
    b.sexes = (sexes.male ? 1 : 0) + (sexes.female ? 2 : 0) - 1;
}

} // namespace

void addReportChoiceOptions(CLI::App& command, ReportChoiceOptions& options, bool ciFlag) {
    command.add_option("--kind", options.kind, "summary, age-specific or user");
    command.add_option("--populations", options.populations,
                       "Population numbers, e.g. 0-3,272 (one when it is fixed)");
    command.add_option("--cancers", options.cancers,
                       "Cancer numbers, e.g. 34,252 (one when it is fixed)");
    command.add_option("--sexes", options.sexes, "m, f or m,f (default m,f)");
    command.add_option("--rows", options.rows,
                       "registries or cancers (default: the list with more than one item; "
                       "cancers for user reports)");
    command.add_option("--data", options.data, "Age-specific: numbers or rates (default rates)");
    command.add_option("--rate-kind", options.rateKind,
                       "User report: 0 crude, 1 ASR World (default), 2 ASR European, "
                       "3 cumulative rate, 4 cumulative risk, 5 cases");
    command.add_option("--from", options.from, "First age group 0-17 (default 0)");
    command.add_option("--to", options.to, "Last age group 0-17 (default 17, the open top)");
    if (ciFlag) {
        command.add_flag("--ci", options.ci, "Show 95% confidence intervals (summary and user)");
    }
}

ReportChoices reportChoicesFromOptions(CliContext& context, const ReportChoiceOptions& options) {
    ReportChoices choices;
    ReportBlock& b = choices.block;
    b.reportKind = static_cast<std::int32_t>(parseKind(options.kind));
    const auto populations = populationList(context, options.populations);
    const auto cancers = cancerList(context, options.cancers);
    const Sexes sexes = parseSexes(options.sexes);
    if (populations.empty() || cancers.empty()) {
        throw usageError("a report needs --populations and --cancers");
    }
    if (b.reportKind == static_cast<int>(ReportKind::UserDefined)) {
        userReport(context, options, choices, populations, cancers, sexes);
    } else {
        fixedReport(context, options, choices, populations, cancers, sexes);
    }
    const int registryGroups = context.registryGroups().count();
    const int cancerGroups = context.cancerGroups().count();
    if (auto problem = reportBlockProblem(b, registryGroups, cancerGroups)) {
        throw usageError(*problem);
    }
    return choices;
}

} // namespace orvelan::cli

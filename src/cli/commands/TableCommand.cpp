#include "Arguments.h"
#include "CliContext.h"
#include "CliError.h"
#include "Commands.h"
#include "core/data/CCancerDictionary.h"
#include "core/io/TextFile.h"
#include "core/reports/CStandardTableBuilder.h"

#include <CLI/CLI.hpp>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <vector>

namespace orvelan::cli {

namespace {

struct TableOptions {
    std::string populations; // one number, or a list such as 0-228
    bool ageSpecific = false;
    std::string sex;   // empty: both tables of the age-specific layout, males first
    std::string title; // empty: the registry's label with its registration period
    std::string out;
};

constexpr int kLast64 = 12; // cumulative 0-64 needs classes beyond 60-64
constexpr int kLast74 = 14;
constexpr int kOtherSkinRow = 24;

/// The figures of one row and sex; rates of groups without person-years are null.
nlohmann::json rowFigures(const StandardTableFigures& f, Sex sex, int row) {
    const auto s = static_cast<std::size_t>(indexOf(sex));
    const auto r = static_cast<std::size_t>(row);
    const int last = f.lastAgeGroup;
    nlohmann::json rates = nlohmann::json::array();
    for (int a = 0; a <= last; ++a) {
        const auto age = static_cast<std::size_t>(a);
        rates.push_back(numberOrNull(f.personYears[s][age] != 0.0, f.cases[s][r][age]));
    }
    const bool hasFrequency = row != kOtherSkinRow && row != CCancerDictionary::kAllSitesRow;
    const auto frequency = f.frequency(sex, row);
    return {{"cases", f.cases[s][r][kAllAgesEntry]},
            {"unknown_age", f.cases[s][r][kUnknownAgeGroup]},
            {"frequency", numberOrNull(hasFrequency && frequency, frequency.value_or(0.0))},
            {"crude", f.crude[s][r]},
            {"asr_world", f.asr[s][r]},
            {"cumulative_0_64", numberOrNull(last > kLast64, f.cumulative64[s][r])},
            {"cumulative_0_74", numberOrNull(last > kLast74, f.cumulative74[s][r])},
            {"rates", rates}};
}

/// One table: the sexes it shows, its rows (rows of the other sex left out) and its text.
nlohmann::json tableJson(const CStandardTableBuilder& builder, const std::vector<Sex>& sexes) {
    const StandardTableFigures& f = builder.figures();
    nlohmann::json rows = nlohmann::json::array();
    for (int row = 0; row < kStandardRows; ++row) {
        nlohmann::json entry = {{"row", row},
                                {"site", CCancerDictionary::standardRowSite(row)},
                                {"code", CCancerDictionary::standardRowCode(row)}};
        bool applies = false;
        for (const Sex sex : sexes) {
            const bool rowApplies = CCancerDictionary::standardRowAppliesTo(row, sex);
            applies = applies || rowApplies;
            entry[sex == Sex::Male ? "male" : "female"] =
                rowApplies ? rowFigures(f, sex, row) : nlohmann::json(nullptr);
        }
        if (applies) {
            rows.push_back(std::move(entry));
        }
    }
    nlohmann::json indexes = nlohmann::json::array();
    for (const Sex sex : sexes) {
        indexes.push_back(indexOf(sex));
    }
    return {{"sexes", indexes}, {"rows", rows}, {"text", builder.prnText()}};
}

/// The file of one table: the name as given, or with "-male"/"-female" before ".prn" when
/// the two age-specific tables are written together.
std::string outputPath(const std::string& out, std::optional<Sex> sexSuffix) {
    if (!sexSuffix) {
        return out;
    }
    const std::string stem = out.substr(0, out.size() - 4);
    return stem + (*sexSuffix == Sex::Male ? "-male" : "-female") + out.substr(out.size() - 4);
}

/// Where the tables go: one FILE.prn, or a folder that receives table-<population>.prn.
struct TableTarget {
    std::string file;
    std::string folder;
};

TableTarget tableTarget(const TableOptions& options, std::size_t populationCount) {
    if (options.out.empty()) {
        return {};
    }
    if (hasExtension(options.out, ".prn")) {
        if (populationCount > 1) {
            throw usageError("several populations are saved into a folder: --out DIR, not " +
                             options.out);
        }
        return {options.out, {}};
    }
    if (std::filesystem::path(options.out).has_extension() &&
        !std::filesystem::is_directory(options.out)) {
        throw usageError(std::string(kUnsupportedFormatMessage) + " (" + options.out +
                         "): standard tables are saved as .prn, or into a folder");
    }
    if (!std::filesystem::is_directory(options.out)) {
        throw dataError("output folder '" + options.out + "' does not exist");
    }
    std::string folder = options.out;
    if (folder.back() != '/') {
        folder += '/';
    }
    return {{}, folder};
}

/// The tables of one population, built.
std::vector<CStandardTableBuilder> buildTables(CliContext& context, const TableOptions& options,
                                               const std::string& title, int population,
                                               const std::vector<Sex>& sexes) {
    CIncidenceStore& store = context.store();
    std::vector<CStandardTableBuilder> builders;
    if (options.ageSpecific) {
        for (const Sex sex : sexes) {
            builders.emplace_back(title, population, StandardLayout::AgeSpecific, sex);
        }
    } else {
        builders.emplace_back(title, population, StandardLayout::Summary);
    }
    for (CStandardTableBuilder& builder : builders) {
        if (!builder.build(store)) {
            throw context.loadFailure("population " + std::to_string(population));
        }
    }
    return builders;
}

using PendingFiles = std::vector<std::pair<std::string, std::string>>;

/// Prints or describes the tables of one population, or adds their files to those saved.
nlohmann::json emitTables(CliContext& context, const TableOptions& options,
                          const TableTarget& target, int population, const std::vector<Sex>& sexes,
                          bool first, PendingFiles& pending) {
    const std::string title = options.title.empty()
                                  ? context.store().populationLabelByNumber(population, true)
                                  : titleArgument(options.title);
    const auto builders = buildTables(context, options, title, population, sexes);
    const auto fileOf = [&](std::size_t i) -> std::string {
        const std::string file =
            target.folder.empty() ? target.file
                                  : target.folder + "table-" + std::to_string(population) + ".prn";
        if (file.empty()) {
            return file;
        }
        const auto suffix = builders.size() > 1 ? std::optional<Sex>(sexes[i]) : std::nullopt;
        return outputPath(file, suffix);
    };
    if (!fileOf(0).empty()) {
        for (std::size_t i = 0; i < builders.size(); ++i) {
            pending.emplace_back(fileOf(i), builders[i].prnText());
        }
    }
    nlohmann::json tables = nlohmann::json::array();
    for (std::size_t i = 0; i < builders.size(); ++i) {
        const CStandardTableBuilder& builder = builders[i];
        const std::vector<Sex> shown =
            options.ageSpecific ? std::vector<Sex>{sexes[i]}
                                : std::vector<Sex>(kSingleSexes.begin(), kSingleSexes.end());
        const std::string file = fileOf(i);
        if (context.json) {
            tables.push_back(tableJson(builder, shown));
        } else if (file.empty()) {
            context.out() << (i > 0 || !first ? "\n" : "") << builder.prnText();
        }
    }
    return {{"population", population},
            {"title", title},
            {"layout", options.ageSpecific ? "age-specific" : "summary"},
            {"last_age_group", builders.front().figures().lastAgeGroup},
            {"tables", tables}};
}

void printTable(CliContext& context, const TableOptions& options) {
    const std::vector<int> populations = context.populationList(options.populations);
    if (!options.sex.empty() && !options.ageSpecific) {
        throw usageError("--sex applies to the age-specific table only (--age-specific)");
    }
    if (!options.title.empty() && populations.size() > 1) {
        throw usageError("--title names the table of one population");
    }
    const TableTarget target = tableTarget(options, populations.size());
    std::vector<Sex> sexes(kSingleSexes.begin(), kSingleSexes.end());
    if (!options.sex.empty()) {
        sexes = {parseSex(options.sex, false)};
    }
    nlohmann::json all = nlohmann::json::array();
    PendingFiles pending;
    for (std::size_t i = 0; i < populations.size(); ++i) {
        all.push_back(emitTables(context, options, target, populations[i], sexes, i == 0, pending));
    }
    // Every table of the run is saved, or none: a script never finds half a folder.
    if (!pending.empty()) {
        if (const SaveResult saved = writeFilesTogether(pending); !saved.ok()) {
            throw dataError(saved.message);
        }
    }
    if (context.json) {
        context.printJson(all.size() == 1 ? all.front() : all);
    }
}

} // namespace

void registerTableCommand(CLI::App& app, CliContext& context) {
    auto options = std::make_shared<TableOptions>();
    CLI::App* table = app.add_subcommand(
        "table", "Print or save the standard incidence table of a population (both sexes side by "
                 "side, or one sex with its age-specific rates)");
    table
        ->add_option("--population", options->populations,
                     "Population number (272+: group), or a list such as 0-228 for one table "
                     "per population")
        ->required();
    table->add_flag("--age-specific", options->ageSpecific,
                    "The age-specific layout: one table per sex, males first");
    table->add_option("--sex", options->sex, "With --age-specific: 0/m/male or 1/f/female only");
    table->add_option("--title", options->title,
                      "Title line (default: the registry's label with its registration period)");
    table->add_option("--out", options->out,
                      "Save as FILE.prn instead of printing (both age-specific tables go to "
                      "FILE-male.prn and FILE-female.prn), or into folder DIR as "
                      "table-<population>.prn");
    restoreAtEachParse(*table, options);
    table->callback([&context, options] { printTable(context, *options); });
}

} // namespace orvelan::cli

#include "Arguments.h"
#include "CliContext.h"
#include "CliError.h"
#include "Commands.h"
#include "IntervalOptions.h"
#include "ReportNumbersText.h"
#include "ReportOptions.h"
#include "StandardOptions.h"
#include "core/io/CAtomicFile.h"
#include "core/io/CTemplateFolder.h"
#include "core/reports/CAgeSpecificRatesTable.h"
#include "core/reports/CReportTable.h"
#include "core/reports/CReportTemplate.h"
#include "core/reports/CSummaryRatesTable.h"
#include "core/reports/GridNumbers.h"
#include "core/reports/ReportFinishPlan.h"
#include "core/reports/ReportItems.h"

#include <CLI/CLI.hpp>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>

namespace orvelan::cli {

namespace {

struct ReportOptions {
    std::string templatePath;
    std::string sex;
    std::string out;
    std::string format; // empty: the grid's texts; csv or jsonl: its numbers
    ReportChoiceOptions choices;
    IntervalOptions intervals;
    StandardOptions standards;
};

struct BuiltTable {
    Sex sex = Sex::Both; // one sex, or both: the report's own sexes
    std::string title;
    CTextGrid grid;
    NumberGrid numbers; // filled only for --format
};

ReportChoices readTemplate(CliContext& context, const std::string& path) {
    if (!CTemplateFolder::hasExtension(path, CReportTemplate::kExtension)) {
        throw usageError(std::string(CTemplateFolder::kUnsupportedFormat) + " '" + path +
                         "' (use a .RPT file)");
    }
    ReportChoices choices;
    const int registryGroups = context.registryGroups().count();
    const int cancerGroups = context.cancerGroups().count();
    if (const IoResult read = CReportTemplate::read(path, choices, registryGroups, cancerGroups);
        !read.ok()) {
        throw dataError(read.message);
    }
    if (auto problem = reportBlockProblem(choices.block, registryGroups, cancerGroups)) {
        throw usageError("template '" + path + "' cannot be run: " + *problem);
    }
    if (const auto note = leftOutRegistriesNote(choices.registries, registryGroups)) {
        context.err() << "orvelan-cli: warning: template '" << path << "': " << *note << '\n';
    }
    return choices;
}

/// The tables Finish would open, one per ticked sex, kept to --sex when it is given.
std::vector<BuiltTable> buildTables(CIncidenceStore& store, ReportChoices choices,
                                    std::optional<Sex> onlySex, bool withNumbers,
                                    const IntervalOptions& intervals,
                                    const StandardChoice& standards) {
    ReportBlock& block = choices.block;
    const IntervalChoice intervalChoice = intervals.reportChoice(block);
    if (onlySex && block.reportKind == static_cast<int>(ReportKind::UserDefined)) {
        block.male = *onlySex == Sex::Male && block.includesMales() ? 1 : 0;
        block.female = *onlySex == Sex::Female && block.includesFemales() ? 1 : 0;
    }
    std::vector<BuiltTable> tables;
    for (const ReportOutput& output : reportFinishPlan(block)) {
        if (onlySex && output.sex != Sex::Both && output.sex != *onlySex) {
            continue;
        }
        if (output.kind == ReportOutputKind::SummaryRatesView) {
            auto settings = SummaryRatesSettings::fromBlock(block, output.sex);
            intervals.applyTo(settings, intervalChoice);
            settings.standards = standards;
            CSummaryRatesTable table(settings);
            table.build(store, choices.registries, choices.cancers);
            tables.push_back({output.sex, table.title(), table.grid(),
                              withNumbers ? gridNumbers(store, table) : NumberGrid{}});
        } else if (output.kind == ReportOutputKind::AgeSpecificRatesView) {
            CAgeSpecificRatesTable table(AgeSpecificRatesSettings::fromBlock(block, output.sex));
            table.build(store, choices.registries, choices.cancers);
            tables.push_back({output.sex, table.title(), table.grid(),
                              withNumbers ? gridNumbers(store, table) : NumberGrid{}});
        } else if (block.includesMales() || block.includesFemales()) {
            auto settings = ReportSettings::fromBlock(block);
            intervals.applyTo(settings, intervalChoice);
            settings.standards = standards;
            CReportTable table(settings);
            table.build(store, choices.registries, choices.cancers);
            tables.push_back({output.sex, table.title(), table.grid(),
                              withNumbers ? gridNumbers(store, table) : NumberGrid{}});
        }
    }
    return tables;
}

/// FILE for a single table; FILE with "-male" or "-female" before its extension otherwise.
std::string outputPath(const std::string& out, const BuiltTable& table, std::size_t count) {
    if (count == 1 || table.sex == Sex::Both) {
        return out;
    }
    const std::filesystem::path path(out);
    auto name = path.stem().string() + (table.sex == Sex::Male ? "-male" : "-female") +
                path.extension().string();
    return (path.parent_path() / name).string();
}

void saveTables(CliContext& context, const std::vector<BuiltTable>& tables,
                const std::string& out) {
    if (!hasExtension(out, ".txt") && !hasExtension(out, ".prn")) {
        throw usageError(std::string(kUnsupportedFormatMessage) + " '" + out +
                         "' (use a .txt or .prn file)");
    }
    // The tables of one run are saved together: a failure leaves every old file as it was.
    std::vector<std::pair<std::string, std::string>> files;
    for (const auto& table : tables) {
        const auto path = outputPath(out, table, tables.size());
        files.emplace_back(path, table.grid.fileText(path).value_or(""));
    }
    const SaveResult result = writeFilesTogether(files);
    if (!result.ok()) {
        throw dataError(result.message);
    }
    if (!context.json) {
        for (const auto& file : files) {
            context.out() << "Saved " << file.first << '\n';
        }
    }
}

void printTables(CliContext& context, const std::vector<BuiltTable>& tables) {
    if (context.json) {
        nlohmann::json json = nlohmann::json::array();
        for (const auto& table : tables) {
            json.push_back({{"title", table.title}, {"cells", table.grid.rows()}});
        }
        context.printJson(json);
        return;
    }
    for (std::size_t i = 0; i < tables.size(); ++i) {
        context.out() << (i > 0 ? "\n" : "") << tables[i].grid.toFormatted();
    }
}

/// The report's choices: from the template, or from the options when there is none.
ReportChoices reportChoices(CliContext& context, const ReportOptions& options) {
    const bool fromOptions = !options.choices.kind.empty();
    if (fromOptions == !options.templatePath.empty()) {
        throw usageError("report needs either --template FILE.RPT or --kind with its choices");
    }
    return fromOptions ? reportChoicesFromOptions(context, options.choices)
                       : readTemplate(context, options.templatePath);
}

void runReport(CliContext& context, const ReportOptions& options) {
    std::optional<ReportNumberFormat> format;
    if (!options.format.empty()) {
        format = parseReportNumberFormat(options.format);
    }
    const ReportChoices choices = reportChoices(context, options);
    std::optional<Sex> onlySex;
    if (!options.sex.empty()) {
        onlySex = parseSex(options.sex, false);
    }
    const StandardChoice standards = options.standards.choice();
    const auto tables = buildTables(context.store(), choices, onlySex, format.has_value(),
                                    options.intervals, standards);
    if (tables.empty()) {
        throw usageError("the report includes no " +
                         std::string(*onlySex == Sex::Male ? "males" : "females"));
    }
    if (format) {
        std::string text;
        for (std::size_t i = 0; i < tables.size(); ++i) {
            appendReportNumbers(text, *format, static_cast<int>(i), tables[i].sex, tables[i].grid,
                                tables[i].numbers, i == 0);
        }
        if (options.out.empty()) {
            context.out() << text;
        } else if (const IoResult written = CAtomicFile::writeWhole(options.out, text);
                   !written.ok()) {
            throw dataError(written.message);
        }
        return;
    }
    if (!options.out.empty()) {
        saveTables(context, tables, options.out);
        if (!context.json) {
            return;
        }
    }
    printTables(context, tables);
}

} // namespace

void registerReportCommand(CLI::App& app, CliContext& context) {
    auto options = std::make_shared<ReportOptions>();
    CLI::App* command = app.add_subcommand(
        "report", "Run a report as the wizard's Finish does, one table per ticked sex, males "
                  "first: from a saved template (.RPT) or from its choices given as options");
    command->add_option("--template", options->templatePath, "The .RPT file");
    addReportChoiceOptions(*command, options->choices, false);
    command->add_option("--sex", options->sex, "Only this sex: 0/m or 1/f");
    command->add_option("--format", options->format,
                        "csv or jsonl: the grid's numbers (value, lower, upper) instead of its "
                        "texts");
    command->add_option("--out", options->out,
                        "Save as FILE.txt (tab-delimited) or FILE.prn (formatted), with two "
                        "tables FILE-male and FILE-female; with --format, the numbers to FILE");
    addIntervalOptions(*command, options->intervals);
    addStandardOptions(*command, options->standards);
    restoreAtEachParse(*command, options);
    command->callback([&context, options] { runReport(context, *options); });
}

} // namespace orvelan::cli

#include "Arguments.h"
#include "CliContext.h"
#include "CliError.h"
#include "Commands.h"
#include "core/data/CRegistryDictionary.h"
#include "core/export/CRawDataExporter.h"
#include "core/io/CTemplateFolder.h"

#include <CLI/CLI.hpp>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <ostream>

namespace orvelan::cli {

namespace {

struct ExportOptions {
    std::string populations;
    std::string cancers;
    std::string sexes = "m,f";
    std::string format = "prn";
    std::string out;
};

int parseFormat(const std::string& text) {
    for (int format = 0; format < kExportFormatCount; ++format) {
        if (text.size() == 3 &&
            CTemplateFolder::hasExtension("." + text, CRawDataExporter::extension(format))) {
            return format;
        }
    }
    throw usageError("invalid format '" + text + "' (use prn, txt or csv)");
}

void selectSexes(ExportSettings& settings, const std::string& text) {
    settings.male = false;
    settings.female = false;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        (parseSex(text.substr(start, comma - start), false) == Sex::Male ? settings.male
                                                                         : settings.female) = true;
        start = comma + 1;
    }
}

/// Population numbers (0-228, 272 + k) become registry list slots (dictionary rows, 272 + k).
void selectPopulations(ExportSettings& settings, CliContext& context, const std::string& text) {
    for (const int population : context.populationList(text)) {
        const int slot = population >= kFirstRegistryGroup
                             ? population
                             : CRegistryDictionary::rowOfPopulation(population).value_or(-1);
        if (slot < 0) {
            throw usageError("population " + std::to_string(population) + " has no row");
        }
        settings.populationSelection[static_cast<std::size_t>(slot)] = slot;
    }
}

void selectCancers(ExportSettings& settings, CliContext& context, const std::string& text) {
    for (const int cancer : context.cancerList(text)) {
        settings.cancerSelection[static_cast<std::size_t>(cancer)] = cancer;
    }
}

/// DIR/NAME: the folder must exist; a name already ending in the format's extension keeps it.
void setOutputPaths(ExportSettings& settings, const std::string& out) {
    const std::filesystem::path path(out);
    std::string name = path.filename().string();
    const auto extension = CRawDataExporter::extension(settings.format);
    if (CTemplateFolder::hasExtension(name, extension) && name.size() > extension.size()) {
        name.resize(name.size() - extension.size());
    }
    if (name.empty()) {
        throw usageError("--out needs a file name: DIR/NAME");
    }
    const std::string folder = path.has_parent_path() ? path.parent_path().string() : ".";
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) {
        throw dataError("output folder '" + folder + "' " +
                        (error ? "cannot be used: " + error.message() : "does not exist"));
    }
    CRawDataExporter::setPaths(settings, folder, name);
}

void runExport(CliContext& context, const ExportOptions& options) {
    ExportSettings settings;
    settings.format = parseFormat(options.format);
    selectSexes(settings, options.sexes);
    selectPopulations(settings, context, options.populations);
    selectCancers(settings, context, options.cancers);
    if (auto problem = CRawDataExporter::sexSiteProblem(settings, &context.cancerGroups())) {
        throw usageError(*problem);
    }
    setOutputPaths(settings, options.out);

    CIncidenceStore& store = context.store();
    const auto outcome = CRawDataExporter::run(store, settings);
    if (!outcome.ok()) {
        throw dataError(outcome.message());
    }
    const auto populations = CRawDataExporter::populations(settings, store.registryGroups());
    const auto cancers = CRawDataExporter::cancers(settings, store.cancerGroups());
    const auto lines = CRawDataExporter::lineCount(settings, populations.size(), cancers.size());
    if (context.json) {
        const nlohmann::json json = {{"data_file", settings.dataPath},
                                     {"log_file", settings.logPath},
                                     {"populations", populations.size()},
                                     {"cancers", cancers.size()},
                                     {"lines", lines}};
        context.printJson(json);
        return;
    }
    context.out() << "Data file: " << settings.dataPath << " (" << lines << " lines)\n"
                  << "Log file: " << settings.logPath << '\n';
}

} // namespace

void registerExportCommand(CLI::App& app, CliContext& context) {
    auto options = std::make_shared<ExportOptions>();
    CLI::App* command = app.add_subcommand(
        "export", "Write raw data (cases and person-years by age) and a log describing them");
    command
        ->add_option("--populations", options->populations,
                     "Population numbers: comma list with ranges, e.g. 0-228,272")
        ->required();
    command
        ->add_option("--cancers", options->cancers,
                     "Cancer numbers: comma list with ranges, e.g. 0-251,252")
        ->required();
    command->add_option("--sexes", options->sexes, "m, f or m,f")->capture_default_str();
    command->add_option("--format", options->format, "prn, txt or csv")->capture_default_str();
    command->add_option("--out", options->out, "DIR/NAME: writes DIR/NAME.<format> and .log")
        ->required();
    restoreAtEachParse(*command, options);
    command->callback([&context, options] { runExport(context, *options); });
}

} // namespace orvelan::cli

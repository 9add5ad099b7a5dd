#pragma once

// Every orvelan-cli command registers its subcommand, options and action here; main.cpp lists
// them. A command writes to the context's streams and ends with a CliError on failure.
namespace CLI {
class App;
}

namespace orvelan::cli {

class CliContext;

void registerDictCommand(CLI::App& app, CliContext& context);
void registerSeriesCommand(CLI::App& app, CliContext& context);
void registerRatesCommand(CLI::App& app, CliContext& context);
void registerCompareCommand(CLI::App& app, CliContext& context);
void registerSirCommand(CLI::App& app, CliContext& context);
void registerTableCommand(CLI::App& app, CliContext& context);
void registerReportCommand(CLI::App& app, CliContext& context);
void registerExportCommand(CLI::App& app, CliContext& context);
void registerTemplateCommand(CLI::App& app, CliContext& context);
void registerStaCommand(CLI::App& app, CliContext& context);
void registerGraphCommand(CLI::App& app, CliContext& context);

} // namespace orvelan::cli

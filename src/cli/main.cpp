#include "CliContext.h"
#include "CliError.h"
#include "Commands.h"
#include "GraphImage.h"

#include <CLI/CLI.hpp>
#include <iostream>

namespace {

using namespace orvelan::cli;

int run(int argc, char** argv) {
    rememberCommandLine(argc, argv);
    CliContext context(std::cout, std::cerr);
    CLI::App app{"orvelan-cli: the ORVELAN cancer-incidence engine without a window"};
    app.name("orvelan-cli");
    app.require_subcommand(1);
    app.fallthrough();
    app.add_option("--data-dir", context.dataDir,
                   "Directory holding ORVELAN.DAT, ORVELAN.POP and the user dictionaries")
        ->capture_default_str();
    app.add_flag("--json", context.json, "Print JSON instead of a readable table");

    registerDictCommand(app, context);
    registerSeriesCommand(app, context);
    registerRatesCommand(app, context);
    registerCompareCommand(app, context);
    registerSirCommand(app, context);
    registerTableCommand(app, context);
    registerReportCommand(app, context);
    registerExportCommand(app, context);
    registerTemplateCommand(app, context);
    registerGraphCommand(app, context);

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        if (error.get_exit_code() == 0) {
            return app.exit(error); // --help
        }
        std::cerr << "orvelan-cli: " << error.what() << " (see orvelan-cli --help)\n";
        return kExitUsage;
    } catch (const CliError& error) {
        std::cerr << "orvelan-cli: " << error.what() << '\n';
        return error.exitCode();
    }
    return kExitOk;
}

} // namespace

int main(int argc, char** argv) { return run(argc, argv); }

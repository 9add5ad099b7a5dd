#include "RunCli.h"

#include "Arguments.h"
#include "COutputBuffer.h"
#include "CliContext.h"
#include "CliError.h"
#include "Commands.h"

#include <CLI/CLI.hpp>
#include <ostream>
#include <string>

namespace orvelan::cli {

namespace {

/// A command's status, unless what it printed could not all be written: that is a failure
/// too (exit 1), named with the system's reason.
int checkedStatus(int status, std::ostream& out, std::ostream& err) {
    const std::string failure = outputFailure(out);
    if (status != kExitOk || failure.empty()) {
        return status;
    }
    err << "orvelan-cli: " << failure << '\n';
    return kExitDataError;
}

int runCommand(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    try {
        CliContext context(out, err);
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
        registerStaCommand(app, context);
        registerGraphCommand(app, context);
        requireWholeNumbers(app);

        try {
            app.parse(argc, argv);
        } catch (const CLI::ParseError& error) {
            if (error.get_exit_code() == 0) {
                return app.exit(error, out, err); // --help
            }
            err << "orvelan-cli: " << error.what() << " (see orvelan-cli --help)\n";
            return kExitUsage;
        }
    } catch (const CliError& error) {
        err << "orvelan-cli: " << error.what() << '\n';
        return error.exitCode();
    } catch (const std::exception& error) {
        // A file-system or library failure no command foresaw: still a message and a failure
        // status, never an abort.
        err << "orvelan-cli: " << error.what() << '\n';
        return kExitDataError;
    }
    return kExitOk;
}

} // namespace

int runCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    return checkedStatus(runCommand(argc, argv, out, err), out, err);
}

} // namespace orvelan::cli

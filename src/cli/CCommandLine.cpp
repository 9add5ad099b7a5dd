#include "CCommandLine.h"

#include "Arguments.h"
#include "COutputBuffer.h"
#include "CliError.h"
#include "Commands.h"

#include <CLI/CLI.hpp>
#include <iostream>
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

} // namespace

// Until the first run the context writes where orvelan-cli itself does; nothing runs then.
CCommandLine::CCommandLine()
    : m_context(std::cout, std::cerr),
      m_app(std::make_unique<CLI::App>(
          "orvelan-cli: the ORVELAN cancer-incidence engine without a window")) {
    CLI::App& app = *m_app;
    app.name("orvelan-cli");
    app.require_subcommand(1);
    app.fallthrough();
    app.add_option("--data-dir", m_context.dataDir,
                   "Directory holding ORVELAN.DAT, ORVELAN.POP and the user dictionaries")
        ->capture_default_str();
    app.add_flag("--json", m_context.json, "Print JSON instead of a readable table");

    registerDictCommand(app, m_context);
    registerSeriesCommand(app, m_context);
    registerRatesCommand(app, m_context);
    registerCompareCommand(app, m_context);
    registerSirCommand(app, m_context);
    registerTableCommand(app, m_context);
    registerReportCommand(app, m_context);
    registerExportCommand(app, m_context);
    registerTemplateCommand(app, m_context);
    registerStaCommand(app, m_context);
    registerGraphCommand(app, m_context);
    requireWholeNumbers(app);
}

CCommandLine::~CCommandLine() = default;

int CCommandLine::run(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    const int status = runCommand(argc, argv, out, err);
    // What the command opened and the parser kept of its arguments go with the run, so that
    // the next one starts as a fresh process would and nothing outlives the run that made it.
    m_context = CliContext(out, err);
    m_app->clear();
    return checkedStatus(status, out, err);
}

int CCommandLine::runCommand(int argc, const char* const* argv, std::ostream& out,
                             std::ostream& err) {
    try {
        m_context = CliContext(out, err);
        try {
            m_app->parse(argc, argv);
        } catch (const CLI::ParseError& error) {
            if (error.get_exit_code() == 0) {
                return m_app->exit(error, out, err); // --help
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

} // namespace orvelan::cli

#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// What the command line and the environment ask of a start.
namespace orvelan {

struct StartOptions {
    QString dataDirectory; // empty: the current directory
    QString settingsFile;  // empty: <configuration folder>/<executable name>.ini
    bool splash = true;    // the start-up picture; ORVELAN_NO_SPLASH=1 turns it off too
    QStringList files;     // text files to open after start-up
    QStringList graphs;    // graph templates (.GPH) to open as graphs once the data is open
    QStringList reports;   // report templates (.RPT) to open as their tables
    QStringList analyses;  // analysis files (.STA) to open in the statistics wizard
    // Answered on the terminal without a display, then the program ends.
    bool showVersion = false;   // --version
    bool showHelp = false;      // --help, -h
    bool showHelpPages = false; // --help-pages: the folder of the bundled pages
};

/// The usage lines printed by --help and after a malformed command line.
QString startUsage();

/// Parses "orvelan [--data-dir DIR] [--settings FILE] [--no-splash] [--graph FILE.GPH]...
/// [FILE...]" (arguments without the program name); a FILE ending in .GPH, .RPT or .STA (any
/// letter case, as a file manager hands it over) goes to graphs, reports or analyses. Empty with
/// the reason in error for a malformed line.
std::optional<StartOptions> parseStartOptions(const QStringList& arguments, QString& error);

} // namespace orvelan

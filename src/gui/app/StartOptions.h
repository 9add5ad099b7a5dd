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
};

/// Parses "orvelan [--data-dir DIR] [--settings FILE] [--no-splash] [--graph FILE.GPH]...
/// [FILE...]" (arguments
/// without the program name). Empty with the reason in error for a malformed line.
std::optional<StartOptions> parseStartOptions(const QStringList& arguments, QString& error);

} // namespace orvelan

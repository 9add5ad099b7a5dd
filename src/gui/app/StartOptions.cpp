#include "gui/app/StartOptions.h"

#include <QtGlobal>

namespace orvelan {

QString startUsage() {
    return QStringLiteral(
        "usage: orvelan [--data-dir DIR] [--settings FILE] [--no-splash] [--graph FILE.GPH]... [FILE...]\n"
        "       orvelan --version | --help | --help-pages\n"
        "\n"
        "  --data-dir DIR   folder holding ORVELAN.DAT and ORVELAN.POP (default: the current one)\n"
        "  --settings FILE  settings file to use instead of the user's orvelan.ini\n"
        "  --no-splash      start without the start-up picture\n"
        "  --graph FILE.GPH open a graph template as its graph (may be repeated)\n"
        "  FILE...          saved text tables to open; a .RPT, .GPH or .STA file opens its\n"
        "                   tables, its graph or the statistics wizard with its curve\n"
        "  --version        print the version and end\n"
        "  --help-pages     print the folder of the bundled help pages and end\n");
}

std::optional<StartOptions> parseStartOptions(const QStringList& arguments, QString& error) {
    StartOptions options;
    options.splash = qEnvironmentVariableIntValue("ORVELAN_NO_SPLASH") == 0;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const auto takeValue = [&](QString& target) {
            const qsizetype equals = argument.indexOf(QLatin1Char('='));
            if (equals >= 0) {
                target = argument.mid(equals + 1);
            } else if (i + 1 < arguments.size()) {
                target = arguments[++i];
            } else {
                error = QStringLiteral("%1 needs a value").arg(argument);
                return false;
            }
            return true;
        };
        if (argument == QLatin1String("--data-dir") ||
            argument.startsWith(QLatin1String("--data-dir="))) {
            if (!takeValue(options.dataDirectory)) {
                return std::nullopt;
            }
        } else if (argument == QLatin1String("--settings") ||
                   argument.startsWith(QLatin1String("--settings="))) {
            if (!takeValue(options.settingsFile)) {
                return std::nullopt;
            }
        } else if (argument == QLatin1String("--graph") ||
                   argument.startsWith(QLatin1String("--graph="))) {
            QString graph;
            if (!takeValue(graph)) {
                return std::nullopt;
            }
            options.graphs.append(graph);
        } else if (argument == QLatin1String("--no-splash")) {
            options.splash = false;
        } else if (argument == QLatin1String("--version")) {
            options.showVersion = true;
        } else if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            options.showHelp = true;
        } else if (argument == QLatin1String("--help-pages")) {
            options.showHelpPages = true;
        } else if (argument.startsWith(QLatin1String("--"))) {
            error = QStringLiteral("Unknown option %1").arg(argument);
            return std::nullopt;
        } else if (argument.endsWith(QLatin1String(".GPH"), Qt::CaseInsensitive)) {
            options.graphs.append(argument);
        } else if (argument.endsWith(QLatin1String(".RPT"), Qt::CaseInsensitive)) {
            options.reports.append(argument);
        } else if (argument.endsWith(QLatin1String(".STA"), Qt::CaseInsensitive)) {
            options.analyses.append(argument);
        } else {
            options.files.append(argument);
        }
    }
    return options;
}

} // namespace orvelan

#include "gui/app/StartOptions.h"

#include <QtGlobal>

namespace orvelan {

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
        } else if (argument.startsWith(QLatin1String("--"))) {
            error = QStringLiteral("Unknown option %1").arg(argument);
            return std::nullopt;
        } else {
            options.files.append(argument);
        }
    }
    return options;
}

} // namespace orvelan

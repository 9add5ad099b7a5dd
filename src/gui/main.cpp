// orvelan: the desktop program.
#include "gui/app/CORVELANApp.h"
#include "gui/app/StartOptions.h"
#include "gui/framework/CHelpPages.h"

#include <QApplication>
#include <QCoreApplication>
#include <cstdio>

namespace {

// --version, --help and --help-pages answer on the terminal: no display is needed, so only a
// core application object exists while they run.
int answerOnTerminal(int argc, char* argv[], const orvelan::StartOptions& options) {
    QCoreApplication application(argc, argv);
    if (options.showVersion) {
        std::printf("orvelan %s\n", ORVELAN_VERSION);
    }
    if (options.showHelp) {
        std::printf("%s", qPrintable(orvelan::startUsage()));
    }
    if (options.showHelpPages) {
        const QString folder = orvelan::CHelpPages::folder();
        if (folder.isEmpty()) {
            std::fprintf(stderr, "orvelan: the help pages were not found\n");
            return 1;
        }
        std::printf("%s\n", qPrintable(folder));
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    {
        QStringList raw;
        for (int i = 1; i < argc; ++i) {
            raw.append(QString::fromLocal8Bit(argv[i]));
        }
        QString error;
        const auto early = orvelan::parseStartOptions(raw, error);
        if (early && (early->showVersion || early->showHelp || early->showHelpPages)) {
            return answerOnTerminal(argc, argv, *early);
        }
    }

    // Qt takes its own options (-platform, -style ...) out of the line first.
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ORVELAN"));
    QApplication::setApplicationVersion(QStringLiteral(ORVELAN_VERSION));
    QString error;
    const auto options = orvelan::parseStartOptions(QApplication::arguments().mid(1), error);
    if (!options) {
        std::fprintf(stderr, "orvelan: %s\n%s", qPrintable(error),
                     qPrintable(orvelan::startUsage()));
        return 2;
    }
    orvelan::CORVELANApp app;
    if (!app.startUp(*options)) {
        return 1;
    }
    const int status = QApplication::exec();
    app.shutDown();
    return status;
}

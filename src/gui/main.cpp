// orvelan: the desktop program.
#include "gui/app/CORVELANApp.h"
#include "gui/app/StartOptions.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ORVELAN"));
    QApplication::setApplicationVersion(QStringLiteral(ORVELAN_VERSION));

    QString error;
    const auto options = orvelan::parseStartOptions(QApplication::arguments().mid(1), error);
    if (!options) {
        std::fprintf(stderr,
                     "orvelan: %s\nusage: orvelan [--data-dir DIR] [--settings FILE] "
                     "[--no-splash] [--graph FILE.GPH]... [FILE...]\n",
                     qPrintable(error));
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

#include "QtTestRegistry.h"

#include <QApplication>

// The GUI tests' program: offscreen unless the environment says otherwise, and no splash window.
int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qputenv("ORVELAN_NO_SPLASH", "1");
    QApplication application(argc, argv);
    return orvelan::test::runRegisteredQtTest(argc, argv);
}

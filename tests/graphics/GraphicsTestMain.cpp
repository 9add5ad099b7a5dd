#include "QtTestRegistry.h"

#include <QGuiApplication>

// The painters' tests: a GUI application without widgets, at 96 dpi as QtTest sets it.
int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    application.setAttribute(Qt::AA_Use96Dpi, true);
    return orvelan::test::runRegisteredQtTest(argc, argv);
}

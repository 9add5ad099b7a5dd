#pragma once

#include <QObject>
#include <memory>

// The QtTest classes of a layer share one program, so that the layer's tests are linked once:
// each class registers itself under its name, and the program runs the class its first argument
// names, with the remaining arguments going to QTest as in a program of its own. CTest runs
// every class as a test of its own, in a process of its own.
namespace orvelan::test {

using QtTestFactory = std::unique_ptr<QObject> (*)();

/// Adds a test class to the program under `name`; returns true so that it can initialise a static.
bool registerQtTest(const char* name, QtTestFactory factory);

/// Runs the class that argv[1] names; with "--list", prints the names of all. The application
/// object must exist already.
int runRegisteredQtTest(int argc, char* argv[]);

} // namespace orvelan::test

/// Registers a QtTest class of the program; write it where QTEST_MAIN would stand.
#define ORVELAN_QT_TEST(TestClass)                                                                 \
    namespace {                                                                                    \
    const bool registered##TestClass = ::orvelan::test::registerQtTest(                            \
        #TestClass, []() -> std::unique_ptr<QObject> { return std::make_unique<TestClass>(); });   \
    }

#include "QtTestRegistry.h"

#include <QtTest>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace orvelan::test {
namespace {

std::map<std::string, QtTestFactory>& registry() {
    static std::map<std::string, QtTestFactory> classes;
    return classes;
}

} // namespace

bool registerQtTest(const char* name, QtTestFactory factory) {
    registry().emplace(name, factory);
    return true;
}

int runRegisteredQtTest(int argc, char* argv[]) {
    const char* program = argc > 0 ? argv[0] : "tests";
    if (argc < 2 || std::strcmp(argv[1], "--list") == 0) {
        if (argc < 2) {
            std::fprintf(stderr, "usage: %s TEST-CLASS [QTest options]   (--list names them)\n",
                         program);
        }
        for (const auto& entry : registry()) {
            std::printf("%s\n", entry.first.c_str());
        }
        return argc < 2 ? 2 : 0;
    }
    const auto found = registry().find(argv[1]);
    if (found == registry().end()) {
        std::fprintf(stderr, "%s: no test class '%s' (--list names them)\n", program, argv[1]);
        return 2;
    }
    // QTest sees the program name and the options after the class name.
    std::vector<char*> arguments{argv[0]};
    arguments.insert(arguments.end(), argv + 2, argv + argc);
    const std::unique_ptr<QObject> test = found->second();
    return QTest::qExec(test.get(), static_cast<int>(arguments.size()), arguments.data());
}

} // namespace orvelan::test

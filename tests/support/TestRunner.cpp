#include "TestRunner.h"

#include <QTest>

#include <map>
#include <string>

// The registered test classes and helpers by name.
template <typename T> static std::map<std::string, T> &lijst() {
    static std::map<std::string, T> namen;
    return namen;
}
static auto &klassen = lijst<TestRunner::Maker>;
static auto &helpers = lijst<TestRunner::Helper>;

bool TestRunner::registreer(const char *naam, Maker maker) {
    return klassen().emplace(naam, std::move(maker)).second;
}

bool TestRunner::registreerHelper(const char *vlag, Helper helper) {
    return helpers().emplace(vlag, std::move(helper)).second;
}

// Runs the registered test classes in the order of their names. `PROGRAM Class [QtTest
// arguments]` runs one class, so that QtTest's own arguments (a test function, -v2, ...)
// apply to it.
int TestRunner::voerUit(int argc, char **argv) {
    if (argc > 1 && helpers().count(argv[1])) return helpers()[argv[1]](argc, argv);
    QTEST_SET_MAIN_SOURCE_PATH
    if (argc > 1 && klassen().count(argv[1])) {
        const std::unique_ptr<QObject> test = klassen()[argv[1]]();
        argv[1] = argv[0];
        return QTest::qExec(test.get(), argc - 1, argv + 1);
    }
    int mislukt = 0;
    for (const auto &[naam, maker] : klassen()) {
        const std::unique_ptr<QObject> test = maker();
        mislukt += QTest::qExec(test.get(), argc, argv);
    }
    return mislukt == 0 ? 0 : 1;
}

#pragma once

#include <QObject>
#include <QtTest>

#include <functional>
#include <memory>
#include <tuple>

// One test program per subsystem folder runs every test class of that folder. Each
// class registers itself with VOLTARIX_TEST(Class) after its definition.
namespace TestRunner {
using Maker = std::function<std::unique_ptr<QObject>()>;
bool registreer(const char *naam, Maker maker);
// A program the test starts as a helper process: `voltarix-test-programma VLAG ...`
// runs `helper(argc, argv)` instead of the tests (argv[1] is the flag).
using Helper = std::function<int(int argc, char **argv)>;
bool registreerHelper(const char *vlag, Helper helper);
// Runs the helper that argv[1] names, else the tests; the program's main() makes the
// application first: a QGuiApplication for the core's tests, a QApplication for windows.
int voerUit(int argc, char **argv);
} // namespace TestRunner

// A table's columns in one line: kolommen<int, QString>("n", "tekst") in the _data slot, and
// auto [n, tekst] = velden<int, QString>("n", "tekst") in the test, as QFETCH does.
template <typename... T, typename... Naam> void kolommen(Naam... namen) {
    (QTest::addColumn<T>(namen), ...);
}
template <typename... T, typename... Naam> std::tuple<T...> velden(Naam... namen) {
    return {*static_cast<T *>(QTest::qData(namen, qMetaTypeId<T>()))...};
}
// Columns and rows at once: `const Tabel<QByteArray, QString> rij("inhoud", "uitkomst");`
// then `rij("name", bytes, "text")` adds a row, each value made its column's type.
template <typename... T> struct Tabel {
    template <typename... Naam> explicit Tabel(Naam... namen) { kolommen<T...>(namen...); }
    void operator()(const char *naam, const T &...waarden) const {
        (QTest::newRow(naam) << ... << waarden);
    }
};

#define VOLTARIX_TEST(Class)                                                                       \
    static const bool Class##Geregistreerd =                                                       \
        TestRunner::registreer(#Class, [] { return std::unique_ptr<QObject>(new Class); });

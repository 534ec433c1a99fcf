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

// Several facts checked one by one, so that a failure names the one that does not hold:
// ALLE_WAAR(a == 1, lijst.isEmpty()); ALLE_WAAR_BIJ(naam, ...) adds where, as QVERIFY2 does.
// Up to four facts; one with a comma outside parentheses goes in parentheses.
#define ALLE_WAAR_BIJ(bij, ...)                                                                    \
    do {                                                                                           \
        VOLTARIX_KIES(__VA_ARGS__, VOLTARIX_FEITEN4, VOLTARIX_FEITEN3, VOLTARIX_FEITEN2,           \
                      VOLTARIX_FEITEN1, )                                                          \
        (bij, __VA_ARGS__);                                                                        \
    } while (false)
#define ALLE_WAAR(...) ALLE_WAAR_BIJ("", __VA_ARGS__)
#define VOLTARIX_KIES(_1, _2, _3, _4, feiten, ...) feiten
#define VOLTARIX_FEITEN1(bij, a) QVERIFY2(a, bij)
#define VOLTARIX_FEITEN2(bij, a, ...)                                                              \
    QVERIFY2(a, bij);                                                                              \
    VOLTARIX_FEITEN1(bij, __VA_ARGS__)
#define VOLTARIX_FEITEN3(bij, a, ...)                                                              \
    QVERIFY2(a, bij);                                                                              \
    VOLTARIX_FEITEN2(bij, __VA_ARGS__)
#define VOLTARIX_FEITEN4(bij, a, ...)                                                              \
    QVERIFY2(a, bij);                                                                              \
    VOLTARIX_FEITEN3(bij, __VA_ARGS__)

#define VOLTARIX_TEST(Class)                                                                       \
    static const bool Class##Geregistreerd =                                                       \
        TestRunner::registreer(#Class, [] { return std::unique_ptr<QObject>(new Class); });

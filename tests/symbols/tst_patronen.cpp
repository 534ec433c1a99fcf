#include "TestRunner.h"
#include "symbols/Patronen.h"
#include "ui/Surface.h"

#include <QtTest>

#include <algorithm>
#include <functional>

namespace {

const QRgb kKleur = qRgb(200, 30, 90);
using Regel = std::function<bool(int x, int y)>;

// For each pattern the pixels it inks, written as a rule on the pixel rather than as
// the lines and dots that draw it.
Regel regel(int patroon) {
    switch (patroon) {
    case 0:
        return [](int, int) { return true; };
    case 1:
        return [](int, int y) { return y % 4 == 0; };
    case 2:
        return [](int x, int y) { return x % 4 == 0 || y % 4 == 0; };
    case 3:
        return [](int, int y) { return y % 8 == 0; };
    case 4:
        return [](int x, int y) { return x % 8 == 0 || y % 8 == 0; };
    case 5: // on a square outline exactly when the distance to the far edge 80 is a multiple of 4
        return [](int x, int y) { return std::min({x, y, 80 - x, 80 - y}) % 4 == 0; };
    case 7:
        return
            [](int x, int y) { return (x % 4 == 0 && y % 4 == 0) || (x % 4 == 2 && y % 4 == 2); };
    case 8:
        return
            [](int x, int y) { return (x % 6 == 0 && y % 6 == 0) || (x % 6 == 3 && y % 6 == 3); };
    case 9: // squares of side 4 every 8 pixels
        return [](int x, int y) {
            const int a = x % 8, b = y % 8;
            return a <= 4 && b <= 4 && (a % 4 == 0 || b % 4 == 0);
        };
    case 10: // squares of side 8 every 16 pixels, each with one of side 4 inside
        return [](int x, int y) {
            const int a = x % 16, b = y % 16;
            const bool buiten = a <= 8 && b <= 8 && (a % 8 == 0 || b % 8 == 0);
            const bool binnen =
                a >= 2 && a <= 6 && b >= 2 && b <= 6 && (a == 2 || a == 6 || b == 2 || b == 6);
            return buiten || binnen;
        };
    default:
        return {};
    }
}

Surface getekend(int patroon) {
    Surface tegel(80, 80);
    Patronen::teken(tegel, patroon, kKleur);
    return tegel;
}

} // namespace

class TestPatronen : public QObject {
    Q_OBJECT
private slots:
    void pixels_data();
    void pixels();
    void cirkels();
    void stippenTot78();
    void overEenAchtergrond();
    void onbekendPatroon();
};

void TestPatronen::pixels_data() {
    QTest::addColumn<int>("patroon");
    for (int patroon : {0, 1, 2, 3, 4, 5, 7, 8, 9, 10})
        QTest::newRow(qPrintable(QString::number(patroon))) << patroon;
}

void TestPatronen::pixels() {
    QFETCH(int, patroon);
    const Surface tegel = getekend(patroon);
    const Regel inkt = regel(patroon);
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 80; ++x) {
            const QRgb verwacht = inkt(x, y) ? kKleur : Surface::kWhite;
            if (tegel.pixel(x, y) != verwacht)
                QFAIL(qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
        }
}

// Circles of radius 0, 4, ..., 80 around (40, 40): each crosses the axes at its
// radius, nothing lies between two circles on the axes, and the picture is symmetric.
void TestPatronen::cirkels() {
    const Surface tegel = getekend(6);
    for (int d = 0; d < 40; ++d) {
        const QRgb verwacht = d % 4 == 0 ? kKleur : Surface::kWhite;
        QCOMPARE(tegel.pixel(40 + d, 40), verwacht);
        QCOMPARE(tegel.pixel(40 - d, 40), verwacht);
        QCOMPARE(tegel.pixel(40, 40 + d), verwacht);
    }
    for (int y = 1; y < 80; ++y)
        for (int x = 1; x < 80; ++x) {
            QCOMPARE(tegel.pixel(x, y), tegel.pixel(80 - x, y));
            QCOMPARE(tegel.pixel(x, y), tegel.pixel(y, x));
        }
}

// The last dots of pattern 8 lie at 78 and 81, so the tile's last row and column stay
// empty and the point (81, 81) falls outside.
void TestPatronen::stippenTot78() {
    const Surface tegel = getekend(8);
    QCOMPARE(tegel.pixel(78, 78), kKleur);
    QCOMPARE(tegel.pixel(75, 75), kKleur);
    QCOMPARE(tegel.pixel(0, 78), kKleur);
    for (int i = 0; i < 80; ++i) {
        QCOMPARE(tegel.pixel(79, i), Surface::kWhite);
        QCOMPARE(tegel.pixel(i, 79), Surface::kWhite);
    }
}

// A pattern changes only its own pixels of a picture under it.
void TestPatronen::overEenAchtergrond() {
    const QRgb grond = qRgb(10, 120, 10);
    Surface tegel(80, 80, grond);
    Patronen::teken(tegel, 9, kKleur);
    const Regel inkt = regel(9);
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 80; ++x)
            QCOMPARE(tegel.pixel(x, y), inkt(x, y) ? kKleur : grond);
}

void TestPatronen::onbekendPatroon() {
    for (int patroon : {-1, Patronen::kAantal, 1000}) {
        const Surface tegel = getekend(patroon);
        QCOMPARE(tegel.image(), Surface(80, 80).image());
    }
}

VOLTARIX_TEST(TestPatronen)
#include "tst_patronen.moc"

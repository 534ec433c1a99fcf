#include "ScriptedPlatform.h"
#include "TestRunner.h"
#include "app/TitelAnimatie.h"

#include <QtTest>

using namespace TitelAnimatie;

namespace {

// A pixel that the start text covers completely: exactly the text colour.
QPoint volTekstPixel(const Surface &strook) {
    for (int y = 0; y < strook.height(); ++y)
        for (int x = 0; x < strook.width(); ++x)
            if (strook.pixel(x, y) == kTekstKleur) return {x, y};
    return {-1, -1};
}

// The colours of column x from top to bottom, as the bar should leave it for value c.
QList<QRgb> balkKolom(int c) {
    QList<QRgb> kolom;
    for (int y = 0; y < kHoogte; ++y)
        kolom << (y < 6 ? qRgb(c, 0, 0) : y < 10 ? qRgb(c, c, c) : qRgb(0, 0, c));
    return kolom;
}

QList<QRgb> kolom(const Surface &strook, int x) {
    QList<QRgb> kleuren;
    for (int y = 0; y < strook.height(); ++y)
        kleuren << strook.pixel(x, y);
    return kleuren;
}

} // namespace

class TestTitelAnimatie : public QObject {
    Q_OBJECT
private slots:
    void balkWaarden_data();
    void balkWaarden();
    void beginStrook();
    void vervagen();
    void balk();
    void heleAnimatie();
};

void TestTitelAnimatie::balkWaarden_data() {
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("waarde");
    QTest::newRow("0") << 0 << 130;
    QTest::newRow("1: 130.5 goes down to even") << 1 << 130;
    QTest::newRow("2") << 2 << 131;
    QTest::newRow("3: 131.5 goes up to even") << 3 << 132;
    QTest::newRow("5: 132.5 goes down") << 5 << 132;
    QTest::newRow("7: 133.5 goes up") << 7 << 134;
    QTest::newRow("239: 249.5 goes down") << 239 << 250;
    QTest::newRow("240") << 240 << 250;
}

void TestTitelAnimatie::balkWaarden() {
    QFETCH(int, x);
    QFETCH(int, waarde);
    QCOMPARE(balkWaarde(x), waarde);
}

void TestTitelAnimatie::beginStrook() {
    const Surface strook = startStrook();
    QCOMPARE(strook.size(), QSize(240, 16));
    QCOMPARE(strook.pixel(0, 0), kAchtergrond);
    QCOMPARE(strook.pixel(239, 15), kAchtergrond);
    const QPoint tekst = volTekstPixel(strook);
    QVERIFY(tekst.x() >= 3 && tekst.y() >= 1);
    for (int y = 0; y < 16; ++y) // nothing written left of the text's start
        for (int x = 0; x < 3; ++x)
            QCOMPARE(strook.pixel(x, y), kAchtergrond);
}

// Every step writes the text one grey darker, from 255 down to 50, and waits 0.01 s.
void TestTitelAnimatie::vervagen() {
    Surface strook = startStrook();
    const QPoint p = volTekstPixel(strook);
    ScriptedPlatform platform;
    QList<int> grijzen;
    platform.duringWait = [&](double seconden) {
        QCOMPARE(seconden, kStapTijd);
        grijzen << qRed(strook.pixel(p.x(), p.y()));
        QCOMPARE(strook.pixel(p.x(), p.y()), grey(grijzen.last()));
    };
    vervaagTekst(strook, platform);
    QCOMPARE(platform.waits, 206);
    QCOMPARE(grijzen.size(), 206);
    for (int i = 0; i < grijzen.size(); ++i)
        QCOMPARE(grijzen[i], 255 - i);
    QCOMPARE(strook.pixel(0, 0), kAchtergrond);
}

// Step x draws column x and waits; the columns to its right are untouched by then.
void TestTitelAnimatie::balk() {
    Surface strook = startStrook();
    const Surface voor = strook;
    ScriptedPlatform platform;
    int stap = 0;
    platform.duringWait = [&](double) {
        if (stap < kBreedte) QCOMPARE(kolom(strook, stap), balkKolom(balkWaarde(stap)));
        if (stap + 1 < kBreedte) QCOMPARE(kolom(strook, stap + 1), kolom(voor, stap + 1));
        ++stap;
    };
    groeiBalk(strook, platform);
    QCOMPARE(platform.waits, 241);
    QCOMPARE(kolom(strook, 1), balkKolom(130));
    QCOMPARE(kolom(strook, 3), balkKolom(132));
    QCOMPARE(kolom(strook, 239), balkKolom(250));
}

void TestTitelAnimatie::heleAnimatie() {
    Surface strook = startStrook();
    ScriptedPlatform platform;
    QList<double> wachttijden;
    platform.duringWait = [&](double seconden) { wachttijden << seconden; };
    speel(strook, platform);
    QCOMPARE(wachttijden.size(), 206 + 241 + 1);
    QCOMPARE(wachttijden.last(), kSlotTijd);
    QCOMPARE(wachttijden.count(kStapTijd), 447);
    // The bar covers the whole strip, the faded text included.
    for (int x = 0; x < kBreedte; ++x)
        QCOMPARE(kolom(strook, x), balkKolom(balkWaarde(x)));
}

VOLTARIX_TEST(TestTitelAnimatie)
#include "tst_titelanimatie.moc"

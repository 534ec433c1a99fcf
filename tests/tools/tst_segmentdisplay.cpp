#include "ScriptedPlatform.h"
#include "TestRunner.h"
#include "tools/SegmentDisplay.h"

#include <QtTest>

#include <algorithm>

using SegmentTabel::kPlaatjeAbc;
using SegmentTabel::kPlaatjeUit;

namespace {

const QLocale kEngels(QLocale::English, QLocale::UnitedStates);
const QLocale kNederlands(QLocale::Dutch, QLocale::Netherlands);

QList<int> litPins(const SegmentDisplay &display) {
    QList<int> pinnen;
    for (int pin = 1; pin <= 10; ++pin)
        if (display.pinAan(pin)) pinnen << pin;
    return pinnen;
}

// Everything off: no pin lit and the unlit picture.
bool isUit(const SegmentDisplay &display) {
    return litPins(display).isEmpty() && display.plaatje() == kPlaatjeUit && !display.houdt();
}

} // namespace

class TestSegmentDisplay : public QObject {
    Q_OBJECT
private slots:
    void buttonLightsItsPinsForTheHold_data();
    void buttonLightsItsPinsForTheHold();
    void nestedPressesEndOff();
    void playShowsOneToNineThenThePoint();
    void playStopsWhenTheWindowCloses();
    void segmentNamesDisableTheButtons();
    void holdTimeFollowsTheSlider_data();
    void holdTimeFollowsTheSlider();
    void weerstand_data();
    void weerstand();
};

void TestSegmentDisplay::buttonLightsItsPinsForTheHold_data() {
    QTest::addColumn<int>("knop");
    QTest::addColumn<QList<int>>("pinnen");
    QTest::newRow("0, six segments") << 0 << QList<int>{1, 2, 4, 6, 7, 9};
    QTest::newRow("1") << 1 << QList<int>{4, 6};
    QTest::newRow("4") << 4 << QList<int>{4, 6, 9, 10};
    QTest::newRow("7") << 7 << QList<int>{4, 6, 7};
    QTest::newRow("8, seven segments") << 8 << QList<int>{1, 2, 4, 6, 7, 9, 10};
    QTest::newRow("dp, only pin 5") << 10 << QList<int>{5};
}

void TestSegmentDisplay::buttonLightsItsPinsForTheHold() {
    QFETCH(int, knop);
    QFETCH(QList<int>, pinnen);
    ScriptedPlatform platform;
    SegmentDisplay display(platform);
    QList<int> tijdensHouden;
    int plaatjeTijdensHouden = -1;
    platform.duringWait = [&](double) {
        tijdensHouden = litPins(display);
        plaatjeTijdensHouden = display.plaatje();
        QVERIFY(display.houdt());
        QVERIFY(display.knoppenAan()); // a digit press leaves the buttons enabled
    };
    int meldingen = 0;
    display.veranderd = [&] { ++meldingen; };
    QVERIFY(isUit(display));
    display.toonKnop(knop);
    QCOMPARE(tijdensHouden, pinnen);
    QCOMPARE(plaatjeTijdensHouden, knop);
    QVERIFY(!tijdensHouden.contains(3) && !tijdensHouden.contains(8)); // commons never change
    QCOMPARE(platform.waits, 1);
    QCOMPARE(platform.waited, 2.0);
    QVERIFY(isUit(display));
    QVERIFY(meldingen >= 2);
}

void TestSegmentDisplay::nestedPressesEndOff() {
    ScriptedPlatform platform;
    SegmentDisplay display(platform);
    QList<QList<int>> gezien;
    QList<int> plaatjes;
    platform.duringWait = [&](double) {
        gezien << litPins(display);
        plaatjes << display.plaatje();
        if (platform.waits == 1) display.toonKnop(7); // pressed while 1 is held
    };
    display.toonKnop(1);
    QCOMPARE(platform.waits, 2);
    QCOMPARE(plaatjes, (QList<int>{1, 7}));
    QCOMPARE(gezien[1], (QList<int>{4, 6, 7})); // 7 lit over the still-held 1
    QVERIFY(isUit(display));
}

void TestSegmentDisplay::playShowsOneToNineThenThePoint() {
    ScriptedPlatform platform;
    SegmentDisplay display(platform);
    display.zetWachttijd(3);
    QList<int> plaatjes;
    platform.duringWait = [&](double seconden) {
        QCOMPARE(seconden, 3.0);
        plaatjes << display.plaatje();
        QVERIFY(!display.knoppenAan());
        QVERIFY(display.bezig());
        // Only this digit's pins: the one before was switched off first.
        QList<int> eigen = SegmentTabel::pinnenVan(display.plaatje());
        std::sort(eigen.begin(), eigen.end());
        QCOMPARE(litPins(display), eigen);
        display.toonKnop(0); // the disabled buttons do nothing
        display.speel();
    };
    display.speel();
    QCOMPARE(plaatjes, (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    QCOMPARE(platform.waits, 10);
    QCOMPARE(platform.waited, 30.0);
    QVERIFY(isUit(display));
    QVERIFY(display.knoppenAan());
    QVERIFY(!display.bezig());
}

void TestSegmentDisplay::playStopsWhenTheWindowCloses() {
    ScriptedPlatform platform;
    SegmentDisplay display(platform);
    platform.duringWait = [&](double) {
        if (display.plaatje() == 3) display.sluit();
    };
    display.speel();
    QCOMPARE(platform.waits, 3);
    QVERIFY(isUit(display));
    QVERIFY(display.knoppenAan());
}

void TestSegmentDisplay::segmentNamesDisableTheButtons() {
    ScriptedPlatform platform;
    SegmentDisplay display(platform);
    bool gecontroleerd = false;
    platform.duringWait = [&](double) {
        QCOMPARE(display.plaatje(), kPlaatjeAbc);
        QVERIFY(!display.knoppenAan());
        QVERIFY(display.bezig());
        display.toonKnop(8);
        QCOMPARE(display.plaatje(), kPlaatjeAbc);
        gecontroleerd = true;
    };
    display.toonSegmentNamen();
    QVERIFY(gecontroleerd);
    QCOMPARE(platform.waits, 1);
    QVERIFY(isUit(display));
    QVERIFY(display.knoppenAan());
    QVERIFY(!display.bezig());
}

void TestSegmentDisplay::holdTimeFollowsTheSlider_data() {
    QTest::addColumn<int>("schuif");
    QTest::addColumn<int>("wachttijd");
    QTest::addColumn<QString>("label7");
    QTest::newRow("1") << 1 << 1 << "Delay :1";
    QTest::newRow("10") << 10 << 10 << "Delay :10";
    QTest::newRow("below") << 0 << 1 << "Delay :1";
    QTest::newRow("above") << 11 << 10 << "Delay :10";
}

void TestSegmentDisplay::holdTimeFollowsTheSlider() {
    QFETCH(int, schuif);
    QFETCH(int, wachttijd);
    QFETCH(QString, label7);
    ScriptedPlatform platform;
    SegmentDisplay display(platform);
    QCOMPARE(display.Label7(), QStringLiteral("Delay :2"));
    display.zetWachttijd(schuif);
    QCOMPARE(display.Label7(), label7);
    display.toonKnop(2);
    QCOMPARE(platform.waited, double(wachttijd));
}

void TestSegmentDisplay::weerstand_data() {
    QTest::addColumn<QString>("voeding");
    QTest::addColumn<QString>("spanning");
    QTest::addColumn<QString>("stroom");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<bool>("berekend");
    QTest::addColumn<QString>("label");
    QTest::newRow("defaults") << "9"
                              << "2"
                              << "20" << kEngels << true << " 350";
    QTest::newRow("5, 2, 10") << "5"
                              << "2"
                              << "10" << kEngels << true << " 300";
    QTest::newRow("30, 2, 20: no group separator") << "30"
                                                   << "2"
                                                   << "20" << kEngels << true << " 1400";
    QTest::newRow("30, 2, 20, Dutch") << "30"
                                      << "2"
                                      << "20" << kNederlands << true << " 1400";
    QTest::newRow("supply below") << "5"
                                  << "9"
                                  << "20" << kEngels << true << " -200";
    QTest::newRow("rounds half away from zero") << "9.05"
                                                << "9"
                                                << "20" << kEngels << true << " 3";
    QTest::newRow("rounds to 0") << "9"
                                 << "9"
                                 << "20" << kEngels << true << " 0";
    QTest::newRow("small, rounds to 0") << "9"
                                        << "8.996"
                                        << "20" << kEngels << true << " 0";
    QTest::newRow("seven digits") << "30"
                                  << "2"
                                  << "0.001" << kEngels << true << " 2.8E+07";
    QTest::newRow("seven digits, Dutch") << "30"
                                         << "2"
                                         << "0.001" << kNederlands << true << " 2,8E+07";
    QTest::newRow("supply not tested") << ""
                                       << "2"
                                       << "20" << kEngels << true << " -100";
    QTest::newRow("current 0.0") << "9"
                                 << "2"
                                 << "0.0" << kEngels << true << "";
    QTest::newRow("current abc") << "9"
                                 << "2"
                                 << "abc" << kEngels << true << "";
    QTest::newRow("current 0,0") << "9"
                                 << "2"
                                 << "0,0" << kEngels << true << "";
    QTest::newRow("voltage 0 stops") << "9"
                                     << "0"
                                     << "20" << kEngels << false << "";
    QTest::newRow("voltage empty stops") << "9"
                                         << ""
                                         << "20" << kEngels << false << "";
    QTest::newRow("current 0 stops") << "9"
                                     << "2"
                                     << "0" << kEngels << false << "";
    QTest::newRow("current empty stops") << "9"
                                         << "2"
                                         << "" << kEngels << false << "";
}

void TestSegmentDisplay::weerstand() {
    QFETCH(QString, voeding);
    QFETCH(QString, spanning);
    QFETCH(QString, stroom);
    QFETCH(QLocale, locale);
    QFETCH(bool, berekend);
    QFETCH(QString, label);
    const std::optional<QString> waarde = SegmentWeerstand(voeding, spanning, stroom, locale);
    QCOMPARE(waarde.has_value(), berekend);
    if (berekend) QCOMPARE(*waarde, label);
}

VOLTARIX_TEST(TestSegmentDisplay)
#include "tst_segmentdisplay.moc"

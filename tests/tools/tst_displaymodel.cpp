#include "ScriptedPlatform.h"
#include "TestRunner.h"
#include "tools/DisplayModel.h"
#include "tools/DisplayTekening.h"
#include "ui/Twips.h"

#include <QtTest>

using namespace SegmentTabel;

// The segments that the buttons 0 .. 9 and "dp" light, and their pins.
static const QStringList kSegmentenVan{"abcdef", "bc",  "abdeg",   "abcdg",  "bcfg", "acdfg",
                                       "acdefg", "abc", "abcdefg", "abcdfg", "p"};
static const QStringList kPinnenVan{
    "1 2 4 6 7 9",  "4 6",   "1 2 6 7 10",     "2 4 6 7 10",   "4 6 9 10", "2 4 7 9 10",
    "1 2 4 7 9 10", "4 6 7", "1 2 4 6 7 9 10", "2 4 6 7 9 10", "5"};

// Picture, lit pins, holding, blocked buttons, busy pointer; then what is wrong with the
// drawing: wires red to the resistor of a lit pin, black if unlit, red on to the rail.
static QString stand(const DisplayModel &d) {
    Surface bord(kDisplayBordMaat.width(), kDisplayBordMaat.height());
    TekenDisplayBord(bord, d, qRgb(212, 208, 200));
    QString tekst = QString::number(d.plaatje()) + ':', fout;
    const auto kijk = [&](QPoint twips, QPoint plus, QRgb kleur) {
        const QPoint p = QPoint(twipsToPixels(twips.x()), twipsToPixels(twips.y())) + plus;
        if (bord.pixel(p.x(), p.y()) != kleur)
            fout += QStringLiteral(" [%1,%2 wrong]").arg(p.x()).arg(p.y());
    };
    for (int pin = 1; pin <= kPinnen; ++pin) {
        tekst += d.pinAan(pin) ? QStringLiteral(" %1").arg(pin) : QString();
        const bool segment = isSegmentPin(pin);
        const QRgb kleur = !segment ? kDraadGemeen : d.pinAan(pin) ? kDraadAan : kDraadUit;
        for (int stuk = 0; stuk < draad(pin).size(); ++stuk)
            kijk(draad(pin)[stuk].center(), {}, segment && stuk == 3 ? kDraadAan : kleur);
        if (segment) kijk(weerstandPlaats(pin).topLeft(), {5, 6}, kleur); // its lead
    }
    kijk({6000, 2250}, {}, kDraadAan); // the rail
    const bool plaatje = bord.image().copy(QRect(kDisplayPlaats, kDisplayMaat)) ==
                         DisplayPlaatje(d.plaatje()).image();
    return tekst + (d.houdt() ? " held" : "") + (d.knoppenAan() ? "" : " blocked") +
           (d.bezig() ? " busy" : "") + fout + (plaatje ? "" : " [picture wrong]");
}

// The presses besides the digit buttons 0 .. 9 and "dp" (10).
enum Druk { kSegment = 100, kSpeel, kSluit };

// Presses the buttons on a fresh display, and during hold n those of tijdens[n - 1];
// returns what each hold and the end showed.
static QString houden(const QList<int> &knoppen, const QList<QList<int>> &tijdens = {}) {
    ScriptedPlatform platform;
    DisplayModel display(platform);
    const auto druk = [&](const QList<int> &knoppen) {
        for (const int k : knoppen)
            k == kSegment ? display.toonSegmentNamen()
            : k == kSpeel ? display.speel()
            : k == kSluit ? display.sluit()
                          : display.toonKnop(k);
    };
    QStringList gezien;
    platform.duringWait = [&](double seconden) {
        gezien << stand(display) + (seconden == 2 ? "" : " not 2 s");
        druk(tijdens.value(platform.waits - 1));
    };
    druk(knoppen);
    return (gezien << stand(display)).join(" / ");
}

// What "Play" shows: 1 .. 9 and the point, each alone, the buttons blocked.
static QString spel(int tot = kKnoppen) {
    QString tekst;
    for (int knop = 1; knop < tot; ++knop)
        tekst += QStringLiteral("%1: %2 held blocked busy / ").arg(knop).arg(kPinnenVan[knop]);
    return tekst;
}

// The 7-segment trainer without its window.
class TestDisplayModel : public QObject {
    Q_OBJECT
private slots:
    // Each picture lights its segments, and each button lights its picture's pins for
    // the hold time; the pictures past the point light nothing.
    void plaatje_data() {
        QTest::addColumn<int>("plaatje");
        for (int plaatje = 0; plaatje <= kPlaatjeAbc; ++plaatje)
            QTest::addRow("%d", plaatje) << plaatje;
    }
    void plaatje() {
        QFETCH(int, plaatje);
        QCOMPARE(segmentenVan(plaatje), kSegmentenVan.value(plaatje));
        for (const char s : kSegmenten) {
            const QPoint m = segmentMidden(s);
            QCOMPARE(DisplayPlaatje(plaatje).pixel(m.x(), m.y()),
                     kSegmentenVan.value(plaatje).contains(s) ? kSegmentAan : kSegmentUit);
        }
        if (plaatje < kKnoppen)
            QCOMPARE(houden({plaatje}),
                     QStringLiteral("%1: %2 held / 99:").arg(plaatje).arg(kPinnenVan[plaatje]));
    }
    void segmentNamenPlaatje() {
        QVERIFY(DisplayPlaatje(kPlaatjeAbc).image() != DisplayPlaatje(kPlaatjeUit).image());
        QVERIFY(segmentenVan(-1).isEmpty());
        QCOMPARE(pinVan('h'), 0);
    }

    void reeks_data() {
        QTest::addColumn<QList<int>>("knoppen");
        QTest::addColumn<QList<QList<int>>>("tijdens");
        QTest::addColumn<QString>("gezien");
        QTest::newRow("play ignores the buttons")
            << QList<int>{kSpeel} << QList<QList<int>>{{0, kSegment, kSpeel}} << spel() + "99:";
        QTest::newRow("closing ends play")
            << QList<int>{kSpeel} << QList<QList<int>>{{}, {}, {kSluit}} << spel(4) + "99:";
        QTest::newRow("a digit lights over another")
            << QList<int>{1} << QList<QList<int>>{{7}} << "1: 4 6 held / 7: 4 6 7 held / 99:";
        QTest::newRow("segment names block the buttons")
            << QList<int>{kSegment} << QList<QList<int>>{{8, kSegment, kSpeel}}
            << "100: held blocked busy / 99:";
    }
    void reeks() {
        QFETCH(QList<int>, knoppen);
        QFETCH(QList<QList<int>>, tijdens);
        QTEST(houden(knoppen, tijdens), "gezien");
    }

    // Supply (not tested), voltage and current, and the value shown; "none" keeps it.
    void segmentWeerstand_data() {
        QTest::addColumn<QString>("voeding");
        QTest::addColumn<QString>("spanning");
        QTest::addColumn<QString>("stroom");
        QTest::addColumn<QString>("waarde");
        // clang-format off
        QTest::newRow("defaults") << "9" << "2" << "20" << " 350";
        QTest::newRow("grouped") << "30" << "2" << "20" << " 1400";
        QTest::newRow("supply below") << "5" << "9" << "20" << " -200";
        QTest::newRow("rounded") << "9.05" << "9" << "20" << " 3";
        QTest::newRow("rounds to 0") << "9" << "8.996" << "20" << " 0";
        QTest::newRow("exponent") << "30" << "2" << "0.001" << " 2.8E+07";
        QTest::newRow("supply empty") << "" << "2" << "20" << " -100";
        QTest::newRow("current reads zero") << "9" << "2" << "0.0" << "";
        QTest::newRow("voltage 0 keeps") << "9" << "0" << "20" << "none";
        QTest::newRow("voltage empty keeps") << "9" << "" << "20" << "none";
        QTest::newRow("current 0 keeps") << "9" << "2" << "0" << "none";
        QTest::newRow("current empty keeps") << "9" << "2" << "" << "none";
        // clang-format on
    }
    void segmentWeerstand() {
        QFETCH(QString, voeding);
        QFETCH(QString, spanning);
        QFETCH(QString, stroom);
        QTEST(SegmentWeerstand(voeding, spanning, stroom, QLocale::c()).value_or("none"), "waarde");
    }
    void segmentWeerstandNaarLocale() {
        QCOMPARE(SegmentWeerstand("30", "2", "0.001", QLocale(QLocale::Dutch)), " 2,8E+07");
    }
};

VOLTARIX_TEST(TestDisplayModel)
#include "tst_displaymodel.moc"

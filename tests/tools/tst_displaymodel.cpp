#include "ScriptedPlatform.h"
#include "TestRunner.h"
#include "tools/DisplayModel.h"
#include "tools/DisplayTekening.h"
#include "ui/Twips.h"

#include <QtTest>

#include <array>

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
        kolommen<int>("plaatje");
        for (int plaatje = 0; plaatje <= kPlaatjeAbc; ++plaatje)
            QTest::addRow("%d", plaatje) << plaatje;
    }
    void plaatje() {
        auto [plaatje] = velden<int>("plaatje");
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
    void outsideTheTables() {
        QVERIFY(DisplayPlaatje(kPlaatjeAbc).image() != DisplayPlaatje(kPlaatjeUit).image());
        QCOMPARE(segmentenVan(-1) + QString::number(pinVan('h')), "0");
    }

    void reeks_data() {
        const Tabel<QList<int>, QList<QList<int>>, QString> rij("knoppen", "tijdens", "gezien");
        rij("play ignores the buttons", {kSpeel}, {{0, kSegment, kSpeel}}, spel() + "99:");
        rij("closing ends play", {kSpeel}, {{}, {}, {kSluit}}, spel(4) + "99:");
        rij("a digit lights over another", {1}, {{7}}, "1: 4 6 held / 7: 4 6 7 held / 99:");
        rij("segment names block the buttons", {kSegment}, {{8, kSegment, kSpeel}},
            "100: held blocked busy / 99:");
    }
    void reeks() {
        auto [knoppen, tijdens] = velden<QList<int>, QList<QList<int>>>("knoppen", "tijdens");
        QTEST(houden(knoppen, tijdens), "gezien");
    }

    // Supply (not tested), voltage and current, and the value shown; "none" keeps it. The
    // "Dutch" row writes as on a Dutch desktop.
    void segmentWeerstand_data() {
        kolommen<QString, QString, QString, QString>("voeding", "spanning", "stroom", "waarde");
        // clang-format off
        const std::array<const char *, 5> rijen[] = {
            {"defaults", "9", "2", "20", " 350"}, {"grouped", "30", "2", "20", " 1400"},
            {"supply below", "5", "9", "20", " -200"}, {"rounded", "9.05", "9", "20", " 3"},
            {"rounds to 0", "9", "8.996", "20", " 0"}, {"exponent", "30", "2", "0.001", " 2.8E+07"},
            {"exponent, Dutch", "30", "2", "0.001", " 2,8E+07"}, {"supply empty", "", "2", "20", " -100"},
            {"current reads zero", "9", "2", "0.0", ""}, {"voltage 0 keeps", "9", "0", "20", "none"},
            {"voltage empty keeps", "9", "", "20", "none"}, {"current 0 keeps", "9", "2", "0", "none"},
            {"current empty keeps", "9", "2", "", "none"}};
        // clang-format on
        for (const auto &[naam, vs, vf, i, waarde] : rijen)
            QTest::newRow(naam) << QString(vs) << QString(vf) << QString(i) << QString(waarde);
    }
    void segmentWeerstand() {
        auto [vs, vf, i] = velden<QString, QString, QString>("voeding", "spanning", "stroom");
        const bool nl = QByteArray(QTest::currentDataTag()).contains("Dutch");
        const QLocale taal = nl ? QLocale(QLocale::Dutch) : QLocale::c();
        QTEST(SegmentWeerstand(vs, vf, i, taal).value_or("none"), "waarde");
    }
};

VOLTARIX_TEST(TestDisplayModel)
#include "tst_displaymodel.moc"

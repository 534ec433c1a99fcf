#include "ScriptedPlatform.h"
#include "TestRunner.h"
#include "tools/BitsModel.h"
#include "tools/DisplayModel.h"
#include "tools/DisplayTekening.h"
#include "tools/GetalTekst.h"
#include "tools/KleurcodeModel.h"
#include "tools/LedCalcModel.h"
#include "tools/LedTekening.h"
#include "tools/WeerstandTekening.h"
#include "ui/Twips.h"

#include <QtTest>

#include <array>

Q_DECLARE_METATYPE(LedModus)

static constexpr int kReset = 1000; // not a bit weight
static const QRgb kZwart = qRgb(0, 0, 0), kRood = qRgb(255, 0, 0), kAchter = kSchemaAchtergrond;
// The band colours in the order of their digits, then gold (brown and orange are its own).
static const QStringList kNamen{"Zwart", "Bruin",  "Rood",  "Oranje", "Geel", "Groen",
                                "Blauw", "Violet", "Grijs", "Wit",    "Goud"};
static const QRgb kKleuren[] = {0xff000000, 0xffeb6c00, 0xffff0000, 0xffffc080,
                                0xffffff00, 0xff00ff00, 0xff0000ff, 0xffff00ff,
                                0xffc0c0c0, 0xffffffff, 0xffc3a128};

// The symbol as it should be: the plain one with its bands in the drawing's colours.
static Surface symboolMet(const std::array<QRgb, 3> &kleuren) {
    Surface symbool = WeerstandSymbool();
    for (int b = 0; b < 3; ++b)
        symbool.fillBox(10 + 6 * b, 16, 12 + 6 * b, 32, kleuren[size_t(b)]);
    return symbool;
}

// LEDs (S standing, L lying) | draad | massaDraad ("-" hidden) | ground | label; then misdrawn.
static QString beschrijf(const LedSchema &s) {
    Surface tekening(kSchemaMaat.width(), kSchemaMaat.height());
    TekenSchema(tekening, s);
    const bool staand = s.soort == LedSchema::Led::Staand;
    QString tekst = staand ? "S" : "L", fout;
    const auto kijk = [&](int x, int y, QRgb kleur = kZwart) {
        if (tekening.rect().contains(x, y) && tekening.pixel(x, y) != kleur)
            fout += QStringLiteral(" [%1,%2 wrong]").arg(x).arg(y);
    };
    const auto punt = [&](QPoint p) { tekst += QStringLiteral(" %1,%2").arg(p.x()).arg(p.y()); };
    for (const QPoint p : s.leds)
        punt(p), kijk(p.x() + (staand ? 24 : 41), p.y() + (staand ? 8 : 24), kRood);
    for (const QLine l : {s.draad, s.massaDraad}) {
        const bool zichtbaar = s.massaDraadZichtbaar || l != s.massaDraad;
        zichtbaar ? (tekst += " |", punt(l.p1()), punt(l.p2())) : void(tekst += " | -");
        if (zichtbaar)
            kijk(l.x1(), l.y1()), kijk(std::min(l.x2(), kSchemaMaat.width() - 1), l.y2());
    }
    for (const QPoint p : {s.massaPunt, s.massaTekst})
        tekst += " |", punt(p);
    kijk(s.massaPunt.x() + 8, s.massaPunt.y() + 4);
    return tekst + fout;
}

using namespace SegmentTabel;

// The segments that the buttons 0 .. 9 and "dp" light, and their pins.
static const QStringList kSegmentenVan{"abcdef", "bc",  "abdeg",   "abcdg",  "bcfg", "acdfg",
                                       "acdefg", "abc", "abcdefg", "abcdfg", "p"};
static const QStringList kPinnenVan{
    "1 2 4 6 7 9",  "4 6",   "1 2 6 7 10",     "2 4 6 7 10",   "4 6 9 10", "2 4 7 9 10",
    "1 2 4 7 9 10", "4 6 7", "1 2 4 6 7 9 10", "2 4 6 7 9 10", "5"};

// Picture, lit pins, held, blocked, busy; then misdrawn wires (red if lit, else black).
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

enum Druk { kSegment = 100, kSpeel, kSluit };

static QLocale taalVanRij() { // Dutch for a row whose name says so
    return QByteArray(QTest::currentDataTag()).contains("Dutch") ? QLocale(QLocale::Dutch)
                                                                 : QLocale::c();
}

// Presses on a fresh display, during hold n those of tijdens[n - 1]; what each hold showed.
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

class TestRekenaars : public QObject {
    Q_OBJECT
private slots:
    // On a Dutch desktop "2.5" is not 25, and "9,5" is 9.5.
    void leesGetal_data() {
        kolommen<QString, double>("tekst", "getal");
        // clang-format off
        const std::pair<const char *, double> rijen[] = {{"2.5", 2.5}, {"  \t12", 12}, {"20 mA", 20},
            {"1.5,3", 1.5}, {"1,000", 1}, {",5 V", 0.5}, {"-2,5e1", -25}, {",", 0}, {"1.2.3", 1.2},
            {"7e+x", 7}, {"abc", 0}, {"", 0}, {"-", 0}, {"1e-400", 0}, {"1e999", qInf()}, {"-1e999", -qInf()}};
        // clang-format on
        for (const auto &[tekst, getal] : rijen)
            QTest::addRow("'%s'", tekst) << QString(tekst) << getal;
    }
    void leesGetal() {
        const auto terug = qScopeGuard([vorige = QLocale()] { QLocale::setDefault(vorige); });
        QLocale::setDefault(QLocale(QLocale::Dutch));
        QTEST(LeesGetal(std::get<0>(velden<QString>("tekst"))), "getal");
    }

    // "#,###,###" for the resistor, the default text form for the rest.
    void getalTekst_data() {
        // clang-format off
        const Tabel<double, QLocale, QString, QString> rij("waarde", "taal", "patroon", "standaard");
        const QLocale c = QLocale::c(), nl(QLocale::Dutch);
        const std::tuple<double, const char *, const char *> rijen[] = {
            {1285.714, "1,286", "1285.714"}, {116.5, "117", "116.5"}, {-2.5, "-3", "-2.5"},
            {0.4, "", "0.4"}, {-0.4, "", "-0.4"}, {-0.0, "", "0"}, {2.0 / 3, "1", "0.666666666666667"},
            {0.00001, "", "1E-05"}, {0.0001, "", "0.0001"}, {1e15, "1,000,000,000,000,000", "1E+15"},
            {qInf(), "", ""}, {qQNaN(), "", ""}};
        for (const auto &[waarde, patroon, standaard] : rijen)
            QTest::addRow("%g", waarde) << waarde << c << QString(patroon) << QString(standaard);
        rij("Dutch, grouped", -1234567.8, nl, "-1.234.568", "-1234567,8");
        rij("Dutch, exponent", 1.5e16, nl, "15.000.000.000.000.000", "1,5E+16");
        // clang-format on
    }
    void getalTekst() {
        auto [waarde, taal] = velden<double, QLocale>("waarde", "taal");
        QTEST(GetalPatroon(waarde, taal), "patroon");
        QTEST(StandaardTekst(waarde, taal), "standaard");
    }

    // Clicks on the bit buttons (kReset: "Reset"); no bit switched since Reset: empty texts.
    void bits_data() {
        // clang-format off
        const Tabel<QList<int>, QString, QString, int> rij("klikken", "decimaal", "binair", "waarde");
        rij("no click", {}, "", "", 0);
        rij("one bit twice", {8, 8}, " 0", " 0", 0);
        rij("all bits", {128, 64, 32, 16, 8, 4, 2, 1}, " 255", " 11111111", 255);
        rij("reset", {32, 2, kReset}, "", "", 0);
        rij("after reset", {32, 2, kReset, 2}, " 2", " 10", 2);
        rij("weights no bit has", {4, 3, 256, -1, 0}, " 4", " 100", 4);
        // clang-format on
    }
    void bits() {
        auto [klikken, waarde] = velden<QList<int>, int>("klikken", "waarde");
        BitsModel bits;
        for (const int klik : klikken)
            klik == kReset ? bits.reset() : bits.schakel(klik);
        QTEST(bits.decimaal(), "decimaal");
        QTEST(bits.binair(), "binair");
        QCOMPARE(bits.waarde(), double(waarde));
        for (const int gewicht : BitsModel::kGewichten)
            QCOMPARE(bits.opschrift(gewicht), QString(waarde & gewicht ? "X" : ""));
    }

    // Vs, Vf, I and N; a field empty or exactly "0" stops it (the count only where shown).
    void ledResults_data() {
        const Tabel<LedModus, QStringList, QString, int> rij("modus", "velden", "uitkomst", "leds");
        const LedModus S = LedModus::Single, P = LedModus::Parallel, R = LedModus::Serie;
        // clang-format off
        rij("single", S, {"9", "2", "20", "1"}, "350|0.18|0.02", 1);
        rij("series", R, {"9", "2", "20", "3"}, "150|0.18|0.02", 3);
        rij("single ignores the hidden count", S, {"9", "2", "20", "0"}, "350|0.18|0.02", 1);
        rij("single, supply too low", S, {"1.5", "2", "20", "1"}, "||", 0);
        rij("single, supply equal", S, {"2", "2", "20", "1"}, "|0.04|0.02", 1);
        rij("parallel", P, {"9", "2", "20", "3"}, "117|0.54|0.06", 3);
        rij("parallel, supply too low", P, {"1", "2", "20", "2"}, "-25|0.04|0.04", 2);
        rij("parallel, half count even", P, {"9", "2", "20", "2.5"}, "140|0.45|0.05", 2);
        rij("parallel, half count odd", P, {"9", "2", "20", "3.5"}, "100|0.63|0.07", 4);
        rij("parallel, Dutch", P, {"9.5", "2", "20", "3"}, "125|0,57|0,06", 3);
        rij("count not a number", P, {"9", "2", "20", "abc"}, "||", 0);
        rij("current reads zero, comma", R, {"9", "2", "0,0", "3"}, "||", 3);
        rij("supply too large", S, {"1e999", "2", "20", "1"}, "||", 1);
        rij("huge parallel count", P, {"9", "2", "20", "1e9"}, "|180000000|20000000", 7);
        rij("long series", R, {"1000000", "0.001", "20", "1000"}, "49,999,950|20000|0.02", 7);
        rij("supply 0 stops", P, {"0", "2", "20", "3"}, "||", 1);
        rij("count empty stops", P, {"9", "2", "20", ""}, "||", 1);
        // clang-format on
    }
    void ledResults() {
        auto [modus, v] = velden<LedModus, QStringList>("modus", "velden");
        LedCalcModel rekenaar(taalVanRij());
        rekenaar.kiesModus(modus);
        rekenaar.bereken(LedInvoer{v[0], v[1], v[2], v[3]});
        const LedUitkomst &u = rekenaar.uitkomst(); // resistance | watts | current
        QTEST(u.weerstandTekst + '|' + u.wattTekst + '|' + u.stroomTekst, "uitkomst");
        QTEST(int(rekenaar.schema().leds.size()), "leds");
        // A current that reads zero clears the answer before it (unless a field that is
        // empty or "0" stops the calculation).
        rekenaar.bereken(LedInvoer{v[0], v[1], "0.0", v[3]});
        QVERIFY(v.contains("0") || v.contains("") || u.weerstandTekst.isEmpty());
    }

    // A mode (results cleared) or "Calculate" with a count, at 1e12 V, 2 V, 20 mA.
    void ledSchema_data() {
        const Tabel<QStringList, QString> rij("stappen", "schema");
        // clang-format off
        rij("parallel, one LED", {"P", "1"}, "L 150,103 | 150,102 159,102 | 158,153 189,153 | 187,150 | 204,160");
        rij("series, three LEDs", {"R", "3"}, "S 140,61 190,61 240,61 | 190,102 194,102 | - | 290,98 | 290,95");
        rij("series, then parallel", {"R", "3", "P"}, "L 150,103 | 158,153 194,153 | 158,400 168,400 | 187,150 | 290,160");
        rij("single ignores the count", {"R", "3", "P", "S", "4"}, "S 140,61 | 190,102 194,102 | - | 187,98 | 204,95");
        rij("count not whole", {"P", "3", "2.5"}, "L 150,103 200,103 | 150,102 259,102 | 158,153 280,153 | 280,150 | 280,160");
        rij("huge count", {"P", "700000"}, "L 150,103 200,103 250,103 300,103 350,103 400,103 450,103 "
            "| 150,102 10000,102 | 158,153 10000,153 | 10000,150 | 10000,160");
        // clang-format on
    }
    void ledSchema() {
        auto [stappen] = velden<QStringList>("stappen");
        LedCalcModel rekenaar(QLocale::c());
        for (const QString &stap : stappen)
            if (stap[0].isLetter())
                rekenaar.kiesModus(LedModus(QStringLiteral("SPR").indexOf(stap)));
            else
                rekenaar.bereken(LedInvoer{"1e12", "2", "20", stap});
        QTEST(beschrijf(rekenaar.schema()), "schema");
        QCOMPARE(rekenaar.uitkomst().wattTekst.isEmpty(), stappen.back()[0].isLetter());
    }

    // An unknown colour name keeps the last colour; band 0 paints nothing.
    void colourCodeOpening() {
        KleurcodeModel keuze;
        for (const char *naam : {"Violet", "Zilver", "bruin", " Rood", ""})
            keuze.ZetOm(naam);
        QCOMPARE(keuze.kleur(), kKleuren[7]);
        Surface symbool = WeerstandSymbool();
        VerfBand(symbool, 0, kRood);
        QCOMPARE(symbool.image(), WeerstandSymbool().image());
    }

    // Row 12 d + k + 1 is E12 value k x 10^(d - 1); outside: the nearest end; 0: the start.
    void colourCodeRows_data() {
        kolommen<int, QString, QList<int>>("rij", "waarde", "cijfers");
        QTest::newRow("at the start") << 0 << " 1 Ohm" << QList<int>{1, 0, 10};
        const int e12[] = {10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};
        const char *eenheid[] = {" Ohm", " KOhm", " MOhm"};
        for (int r = 0; r <= WeerstandTabel::kRijen + 1; ++r) {
            const int n = std::clamp(r, 1, WeerstandTabel::kRijen), mantisse = e12[(n - 1) % 12],
                      macht = (n - 1) / 12 - 1, kilo = (n - 1) / 36;
            const QString waarde =
                QString::number(mantisse * std::pow(10, macht - 3 * kilo)) + eenheid[kilo];
            const QString naam = r < 1 ? "below" : r > n ? "above" : waarde;
            const int rij = r < 1 ? -1 : r > n ? 500 : n;
            QTest::addRow("%s", qPrintable(naam))
                << rij << ' ' + waarde
                << QList<int>{mantisse / 10, mantisse % 10, macht < 0 ? 10 : macht};
        }
    }
    void colourCodeRows() {
        auto [rij, cijfers] = velden<int, QList<int>>("rij", "cijfers");
        KleurcodeModel keuze;
        if (rij != 0) keuze.toonRij(rij);
        QTEST(keuze.waardeTekst(), "waarde");
        for (int band = 1; band <= 3; ++band)
            QCOMPARE(keuze.bandTekst(band), ' ' + kNamen[cijfers[band - 1]]);
        const std::array kleuren{rij ? kKleuren[cijfers[0]] : 0xffff8000, kKleuren[cijfers[1]],
                                 kKleuren[cijfers[2]]};
        ALLE_WAAR(keuze.lijnKleuren() == kleuren,
                  keuze.symbool().image() == symboolMet(kleuren).image());
    }

    // Points of each drawing that a lost line, a square corner or a misplaced band changes.
    void tekening_data() {
        const Tabel<int, QPoint, QRgb> rij("tekening", "punt", "kleur");
        const QRgb lijf = qRgb(192, 64, 0), grijs = qRgb(224, 224, 224), wit = Surface::kWhite;
        // clang-format off
        rij("symbol: corner cut", 0, {5, 14}, wit);    rij("symbol: edge", 0, {6, 14}, kZwart);
        rij("symbol: light rim", 0, {7, 16}, qRgb(248, 248, 248));
        rij("symbol: between bands", 0, {14, 24}, grijs);
        rij("symbol: left lead", 0, {0, 24}, kZwart);  rij("symbol: right lead", 0, {48, 23}, kZwart);
        rij("board: round corner", 1, {39, 21}, kAchter);
        rij("board: border", 1, {45, 21}, kZwart);
        rij("board: body", 1, {45, 30}, lijf);         rij("board: band 1", 1, {51, 30}, kRood);
        rij("board: band 2", 1, {60, 42}, kZwart);     rij("board: band 3", 1, {69, 24}, kRood);
        rij("board: leader", 1, {156, 51}, kZwart);    rij("board: leader's end", 1, {157, 51}, kAchter);
        rij("board: lead", 1, {9, 33}, kZwart);        rij("board: tolerance", 1, {254, 60}, kZwart);
        rij("schema: Vcc wire", 2, {29, 103}, kZwart);
        rij("schema: resistor", 2, {100, 103}, lijf);
        rij("schema: its box", 2, {78, 100}, kZwart);  rij("schema: on to the LED", 2, {159, 102}, kZwart);
        rij("explained LED: anode", 3, {74, 12}, kZwart);
        rij("explained LED: bar", 3, {84, 58}, kZwart);
        rij("explained LED: its size", 3, {99, 99}, kAchter);
        rij("standing LED: + leg", 4, {21, 31}, kZwart); rij("standing LED: - leg", 4, {28, 35}, kZwart);
        // clang-format on
    }
    void tekening() {
        auto [tekening, punt, kleur] = velden<int, QPoint, QRgb>("tekening", "punt", "kleur");
        Surface bord(kKleurcodeBordMaat.width(), kKleurcodeBordMaat.height()),
            schema(kSchemaMaat.width(), kSchemaMaat.height());
        TekenGroteWeerstand(bord, {kRood, kZwart, kRood}, kAchter);
        TekenSchema(schema, LedCalcModel(QLocale::c()).schema());
        const Surface tekeningen[] = {WeerstandSymbool(), bord, schema, UitlegLed(kAchter),
                                      StaandeLed(kAchter)};
        QCOMPARE(tekeningen[tekening].pixel(punt.x(), punt.y()), kleur);
    }

    // Each picture lights its segments, each button its pins for the hold time.
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
        // The names stand beside their segments: "A" under the top one.
        const QRect naamA(36, 20, 12, 12);
        QVERIFY(DisplayPlaatje(kPlaatjeAbc).image().copy(naamA) !=
                DisplayPlaatje(kPlaatjeUit).image().copy(naamA));
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

    // Supply (not tested), voltage and current, and the value shown; "none" keeps it.
    void segmentWeerstand_data() {
        const Tabel<QString, QString, QString, QString> rij("voeding", "spanning", "stroom",
                                                            "waarde");
        // clang-format off
        rij("grouped", "30", "2", "20", " 1400");
        rij("supply below", "5", "9", "20", " -200");
        rij("rounds to 0", "9", "8.996", "20", " 0");
        rij("exponent, Dutch", "30", "2", "0.001", " 2,8E+07");
        rij("supply empty", "", "2", "20", " -100");
        rij("current reads zero", "9", "2", "0.0", "");
        rij("voltage 0 keeps", "9", "0", "20", "none");
        rij("current empty keeps", "9", "2", "", "none");
        // clang-format on
    }
    void segmentWeerstand() {
        auto [vs, vf, i] = velden<QString, QString, QString>("voeding", "spanning", "stroom");
        QTEST(SegmentWeerstand(vs, vf, i, taalVanRij()).value_or("none"), "waarde");
    }
};

VOLTARIX_TEST(TestRekenaars)
#include "tst_rekenaars.moc"

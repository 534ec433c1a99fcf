#include "TestRunner.h"
#include "tools/BitsModel.h"
#include "tools/GetalTekst.h"
#include "tools/KleurcodeModel.h"
#include "tools/LedCalcModel.h"
#include "tools/LedTekening.h"
#include "tools/WeerstandTekening.h"

#include <QtTest>

#include <array>
#include <cmath>

Q_DECLARE_METATYPE(LedModus)

static constexpr int kReset = 1000; // not a bit weight
static const QRgb kZwart = qRgb(0, 0, 0), kRood = qRgb(255, 0, 0), kAchter = kSchemaAchtergrond,
                  kWit = Surface::kWhite;
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

// Which of these pixels of a picture are not of this colour, so that one comparison
// with an empty list names every wrong pixel.
static QStringList verkeerd(const Surface &s, QRgb kleur, std::initializer_list<QPoint> pixels) {
    QStringList fout;
    for (const QPoint p : pixels)
        if (s.pixel(p.x(), p.y()) != kleur) fout << QStringLiteral("%1,%2").arg(p.x()).arg(p.y());
    return fout;
}

// The schematic: the LED pictures (S standing, L lying) and their places | draad | massaDraad
// ("-" while hidden) | ground terminal | ground label; then what is wrong with its drawing:
// the fixed parts, the LEDs, the wires to their ends or the edge, the ground and the texts.
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
    for (const QPoint p : {QPoint(8, 75), s.massaTekst}) // "+ Vcc", "O (gnd)"
        if (tekening.image().copy(QRect(p, QSize(30, 10))) == Surface(30, 10, kAchter).image())
            kijk(p.x(), p.y(), 0);
    kijk(50, 103), kijk(78, 93), kijk(145, 102), kijk(24, 99); // supply, wires, resistor
    kijk(100, 103, qRgb(192, 64, 0)), kijk(5, 5, kAchter);
    return tekst + fout;
}

// The side tools without their windows: the number texts, the byte of "Bits & Bytes", the LED
// calculator and the resistor colour code.
class TestRekenaars : public QObject {
    Q_OBJECT
private slots:
    // A field reads the same on a Dutch desktop: "2.5" is not 25, and "9,5" is 9.5 as a
    // Dutch user means it.
    void leesGetal_data() {
        kolommen<QString, double>("tekst", "getal");
        // clang-format off
        const std::pair<const char *, double> rijen[] = {{"9", 9}, {"2.5", 2.5}, {"  \t12", 12},
            {"20 mA", 20}, {"0,5", 0.5}, {"1,5,3", 1.5}, {"1.5,3", 1.5}, {"1,000", 1}, {",5 V", 0.5},
            {"-2,5e1", -25}, {",", 0}, {"1.2.3", 1.2}, {".5", 0.5}, {"-3.5", -3.5},
            {"+4", 4}, {"1.5e3", 1500}, {"25E-1", 2.5}, {"7e", 7}, {"7e+x", 7}, {"abc", 0}, {"", 0},
            {"-", 0}, {".", 0}, {"1 2", 1}, {"1e-400", 0}, {"1e999", qInf()}, {"-1e999", -qInf()}};
        // clang-format on
        for (const auto &[tekst, getal] : rijen)
            QTest::addRow("'%s'", tekst) << QString(tekst) << getal;
    }
    void leesGetal() {
        const auto terug = qScopeGuard([vorige = QLocale()] { QLocale::setDefault(vorige); });
        QLocale::setDefault(QLocale(QLocale::Dutch));
        QTEST(LeesGetal(std::get<0>(velden<QString>("tekst"))), "getal");
    }

    // The result texts: "#,###,###" for the resistor, the default text form for the rest;
    // a Dutch desktop's separators in the last two rows.
    void getalTekst_data() {
        const Tabel<double, QLocale, QString, QString> rij("waarde", "taal", "patroon",
                                                           "standaard");
        const QLocale c = QLocale::c(), nl(QLocale::Dutch);
        // clang-format off
        const std::tuple<double, const char *, const char *> rijen[] = {
            {350, "350", "350"}, {1285.714, "1,286", "1285.714"}, {116.5, "117", "116.5"},
            {-2.5, "-3", "-2.5"}, {12345678, "12,345,678", "12345678"}, {1234567890,
            "1,234,567,890", "1234567890"}, {0.4, "", "0.4"}, {-0.4, "", "-0.4"}, {0, "", "0"},
            {-0.0, "", "0"}, {0.18, "", "0.18"}, {2.0 / 3, "1", "0.666666666666667"},
            {0.00001, "", "1E-05"}, {0.0001, "", "0.0001"}, {1e15, "1,000,000,000,000,000",
            "1E+15"}, {1.5e16, "15,000,000,000,000,000", "1.5E+16"}, {qInf(), "", ""},
            {qQNaN(), "", ""}};
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

    // The clicks on the bit buttons (kReset for "Reset"): the two texts and the value;
    // the texts stay empty while no bit was switched since the start or Reset.
    void bits_data() {
        kolommen<QList<int>, QString, QString, int>("klikken", "decimaal", "binair", "waarde");
        // clang-format off
        const std::tuple<const char *, QList<int>, const char *, const char *, int> rijen[] = {
            {"no click", {}, "", "", 0}, {"two bits", {1, 4}, " 5", " 101", 5},
            {"one bit twice", {8, 8}, " 0", " 0", 0}, {"top bit", {128}, " 128", " 10000000", 128},
            {"all, then 128 off", {1, 2, 4, 8, 16, 32, 64, 128, 128}, " 127", " 1111111", 127},
            {"all bits", {128, 64, 32, 16, 8, 4, 2, 1}, " 255", " 11111111", 255},
            {"reset", {32, 2, kReset}, "", "", 0}, {"after reset", {32, 2, kReset, 2}, " 2", " 10", 2},
            {"weights no bit has", {4, 3, 256, -1, 0}, " 4", " 100", 4}};
        // clang-format on
        for (const auto &[naam, klikken, decimaal, binair, waarde] : rijen)
            QTest::newRow(naam) << klikken << QString(decimaal) << QString(binair) << waarde;
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

    // Vs, Vf, I and N; a field that is empty or reads exactly "0" stops the calculation
    // (the count only where it is shown). A "Dutch" row reads and writes as on a Dutch
    // desktop: its supply keeps its fraction.
    void ledResults_data() {
        const Tabel<LedModus, QStringList, QString, QString, QString, int> rij(
            "modus", "velden", "weerstand", "watt", "stroom", "leds");
        const LedModus S = LedModus::Single, P = LedModus::Parallel, R = LedModus::Serie;
        // clang-format off
        rij("single", S, {"9", "2", "20", "1"}, "350", "0.18", "0.02", 1);
        rij("single, grouped", S, {"12", "3", "7", "1"}, "1,286", "0.084", "0.007", 1);
        rij("single ignores the hidden count", S, {"9", "2", "20", "0"}, "350", "0.18", "0.02", 1);
        rij("single, supply too low", S, {"1.5", "2", "20", "1"}, "", "", "", 0);
        rij("single, supply equal", S, {"2", "2", "20", "1"}, "", "0.04", "0.02", 1);
        rij("series", R, {"9", "2", "20", "3"}, "150", "0.18", "0.02", 3);
        rij("series, supply equal", R, {"6", "2", "20", "3"}, "", "0.12", "0.02", 3);
        rij("series, supply too low", R, {"5", "2", "20", "3"}, "", "", "", 0);
        rij("parallel", P, {"9", "2", "20", "3"}, "117", "0.54", "0.06", 3);
        rij("parallel, supply too low", P, {"1", "2", "20", "2"}, "-25", "0.04", "0.04", 2);
        rij("parallel, half count even", P, {"9", "2", "20", "2.5"}, "140", "0.45", "0.05", 2);
        rij("parallel, half count odd", P, {"9", "2", "20", "3.5"}, "100", "0.63", "0.07", 4);
        rij("parallel, Dutch", P, {"9.5", "2", "20", "3"}, "125", "0,57", "0,06", 3);
        rij("current reads zero", S, {"9", "2", "0.0", "1"}, "", "", "", 1);
        rij("current reads zero, comma", R, {"9", "2", "0,0", "3"}, "", "", "", 3);
        rij("count not a number", P, {"9", "2", "20", "abc"}, "", "", "", 0);
        rij("supply too large", S, {"1e999", "2", "20", "1"}, "", "", "", 1);
        rij("huge parallel count", P, {"9", "2", "20", "1e9"}, "", "180000000", "20000000", 7);
        rij("long series", R, {"1000000", "0.001", "20", "1000"}, "49,999,950", "20000", "0.02", 7);
        rij("supply 0 stops", P, {"0", "2", "20", "3"}, "", "", "", 1);
        rij("voltage empty stops", P, {"9", "", "20", "3"}, "", "", "", 1);
        rij("current 0 stops", P, {"9", "2", "0", "3"}, "", "", "", 1);
        rij("count empty stops", P, {"9", "2", "20", ""}, "", "", "", 1);
        // clang-format on
    }
    void ledResults() {
        auto [modus, v] = velden<LedModus, QStringList>("modus", "velden");
        const bool nl = QByteArray(QTest::currentDataTag()).contains("Dutch");
        LedCalcModel rekenaar(nl ? QLocale(QLocale::Dutch) : QLocale::c());
        rekenaar.kiesModus(modus);
        rekenaar.bereken(LedInvoer{v[0], v[1], v[2], v[3]});
        QTEST(rekenaar.uitkomst().weerstandTekst, "weerstand");
        QTEST(rekenaar.uitkomst().wattTekst, "watt");
        QTEST(rekenaar.uitkomst().stroomTekst, "stroom");
        QTEST(int(rekenaar.schema().leds.size()), "leds");
    }

    // The user's steps, a mode or "Calculate" with a count (1e12 V, 2 V, 20 mA): a mode
    // clears the results, shows its empty schematic and keeps the ground label's x; a
    // count that is not whole places no wires, a huge one puts them out of sight.
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

    void ledPictures() {
        // Standing LEDs chain at wire height, lying ones hang between rails; "+" is longer.
        const Surface staand = StaandeLed(), liggend = LiggendeLed(), uitleg = UitlegLed(kAchter);
        // clang-format off
        QCOMPARE(verkeerd(staand, kZwart, {{0, 41}, {49, 41}}) + verkeerd(staand, kAchter, {{0, 40}})
            + verkeerd(liggend, kZwart, {{9, 0}, {16, 49}}) + verkeerd(liggend, kAchter, {{16, 0}})
            + verkeerd(uitleg, kZwart, {{22, 92}, {31, 82}}) + verkeerd(uitleg, kAchter, {{22, 93}, {31, 83}}),
            QStringList());
        // clang-format on
    }

    // The start shows row 1 with a brighter brown than the table's; rows outside the table
    // show its nearest end; a colour name it does not know keeps the last colour.
    void colourCodeOpening() {
        KleurcodeModel keuze;
        QCOMPARE(keuze.waardeTekst(), " 1 Ohm");
        QCOMPARE(keuze.bandTekst(1) + keuze.bandTekst(2) + keuze.bandTekst(3), " Bruin Zwart Goud");
        const std::array<QRgb, 3> kleuren{0xffff8000, 0xff000000, 0xffc3a128};
        QCOMPARE(keuze.lijnKleuren(), kleuren);
        QCOMPARE(keuze.symbool().image(), symboolMet(kleuren).image());
        keuze.toonRij(500);
        QCOMPARE(keuze.waardeTekst(), " 82 MOhm");
        keuze.toonRij(-1);
        QCOMPARE(keuze.waardeTekst(), " 1 Ohm");
        for (const char *naam : {"Violet", "Zilver", "bruin", " Rood", ""})
            keuze.ZetOm(naam);
        QCOMPARE(keuze.kleur(), kKleuren[7]);
    }

    // Row 12 x decade + k + 1 is E12 value k times 10 to the power decade - 1, from
    // 1 ohm to 82 megohm; the band colours by digit, 10 for gold.
    void colourCodeRows_data() {
        kolommen<int, QString, QList<int>>("rij", "waarde", "cijfers");
        const int e12[] = {10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};
        const char *eenheid[] = {" Ohm", " KOhm", " MOhm"};
        for (int n = 1; n <= WeerstandTabel::kRijen; ++n) {
            const int mantisse = e12[(n - 1) % 12], macht = (n - 1) / 12 - 1, kilo = (n - 1) / 36;
            const QString waarde =
                QString::number(mantisse * std::pow(10, macht - 3 * kilo)) + eenheid[kilo];
            QTest::addRow("%s", qPrintable(waarde))
                << n << ' ' + waarde
                << QList<int>{mantisse / 10, mantisse % 10, macht < 0 ? 10 : macht};
        }
    }
    void colourCodeRows() {
        auto [rij, cijfers] = velden<int, QList<int>>("rij", "cijfers");
        KleurcodeModel keuze;
        keuze.toonRij(rij);
        QTEST(keuze.waardeTekst(), "waarde");
        std::array<QRgb, 3> kleuren{};
        for (int band = 1; band <= 3; ++band) {
            QCOMPARE(keuze.bandTekst(band), ' ' + kNamen[cijfers[band - 1]]);
            kleuren[size_t(band - 1)] = kKleuren[cijfers[band - 1]];
        }
        QCOMPARE(keuze.lijnKleuren(), kleuren);
        QCOMPARE(keuze.symbool().image(), symboolMet(kleuren).image());
    }

    void colourCodePictures() {
        Surface symbool = WeerstandSymbool();
        VerfBand(symbool, 0, kRood); // no band: nothing painted
        VerfBand(symbool, 4, kRood);
        // Leads three rows high to both edges; a two-pixel outline with cut corners.
        // clang-format off
        QCOMPARE(verkeerd(symbool, kZwart, {{0, 24}, {2, 23}, {2, 25}, {48, 24}, {6, 20}, {20, 33}, {6, 14}})
            + verkeerd(symbool, kWit, {{2, 22}, {5, 14}, {20, 13}, {48, 48}})
            + verkeerd(symbool, qRgb(248, 248, 248), {{7, 20}})
            + verkeerd(symbool, qRgb(224, 224, 224), {{30, 24}}), QStringList());
        Surface bord(kKleurcodeBordMaat.width(), kKleurcodeBordMaat.height());
        const QRgb groen = kKleuren[5], blauw = kKleuren[6], achter = qRgb(212, 208, 200);
        TekenGroteWeerstand(bord, {kRood, groen, blauw}, achter);
        // Bands three wide on the rounded body, leads, and leader lines to the texts.
        QCOMPARE(verkeerd(bord, kRood, {{51, 30}, {50, 24}}) + verkeerd(bord, groen, {{60, 42}})
            + verkeerd(bord, blauw, {{69, 35}}) + verkeerd(bord, qRgb(192, 64, 0), {{76, 30}})
            + verkeerd(bord, kZwart, {{84, 30}, {100, 21}, {9, 33}, {165, 33}, {51, 51}, {156, 51}})
            + verkeerd(bord, kZwart, {{69, 89}, {84, 110}, {246, 61}, {254, 60}})
            + verkeerd(bord, achter, {{39, 21}, {8, 33}, {157, 51}, {255, 60}}), QStringList());
        // clang-format on
    }
};

VOLTARIX_TEST(TestRekenaars)
#include "tst_rekenaars.moc"

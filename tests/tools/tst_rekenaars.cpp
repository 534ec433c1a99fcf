#include "TestRunner.h"
#include "Verwacht.h"
#include "tools/BitsModel.h"
#include "tools/GetalTekst.h"
#include "tools/LedCalcModel.h"
#include "tools/LedTekening.h"

#include <QtTest>

Q_DECLARE_METATYPE(LedModus)

static constexpr int kReset = 1000; // not a bit weight
static const QRgb kZwart = qRgb(0, 0, 0), kRood = qRgb(255, 0, 0), kAchter = kSchemaAchtergrond;

// "Calculate" with the four fields.
static void bereken(LedCalcModel &rekenaar, const QString &voeding, const QString &spanning,
                    const QString &stroom, const QString &aantal) {
    rekenaar.bereken(LedInvoer{voeding, spanning, stroom, aantal});
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

// The number texts of the side tools, the byte of "Bits & Bytes" and the LED calculator.
class TestRekenaars : public QObject {
    Q_OBJECT
private slots:
    // A field reads the same on a Dutch desktop: "2.5" is not 25, and "9,5" is 9.5 as a
    // Dutch user means it.
    void leesGetal_data() {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<double>("getal");
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
        QFETCH(QString, tekst);
        QFETCH(double, getal);
        const auto terug = qScopeGuard([vorige = QLocale()] { QLocale::setDefault(vorige); });
        QLocale::setDefault(QLocale(QLocale::Dutch));
        QCOMPARE(LeesGetal(tekst), getal);
    }

    // The result texts: "#,###,###" for the resistor, the default text form for the rest.
    void getalTekst_data() {
        QTest::addColumn<double>("waarde");
        QTest::addColumn<QString>("patroon");
        QTest::addColumn<QString>("standaard");
        // clang-format off
        const std::tuple<double, const char *, const char *> rijen[] = {
            {350, "350", "350"}, {1285.714, "1,286", "1285.714"}, {116.5, "117", "116.5"},
            {-2.5, "-3", "-2.5"}, {12345678, "12,345,678", "12345678"}, {1234567890,
            "1,234,567,890", "1234567890"}, {0.4, "", "0.4"}, {-0.4, "", "-0.4"}, {0, "", "0"},
            {-0.0, "", "0"}, {0.18, "", "0.18"}, {2.0 / 3, "1", "0.666666666666667"},
            {0.00001, "", "1E-05"}, {0.0001, "", "0.0001"}, {1e15, "1,000,000,000,000,000",
            "1E+15"}, {1.5e16, "15,000,000,000,000,000", "1.5E+16"}, {qInf(), "", ""},
            {qQNaN(), "", ""}};
        // clang-format on
        for (const auto &[waarde, patroon, standaard] : rijen)
            QTest::addRow("%g", waarde) << waarde << QString(patroon) << QString(standaard);
    }
    void getalTekst() {
        QFETCH(double, waarde);
        QFETCH(QString, patroon);
        QFETCH(QString, standaard);
        QCOMPARE(GetalPatroon(waarde, QLocale::c()), patroon);
        QCOMPARE(StandaardTekst(waarde, QLocale::c()), standaard);
    }
    void getalTekstNaarLocale() {
        const QLocale nl(QLocale::Dutch); // its group and decimal separators
        QCOMPARE(GetalPatroon(-1234567.8, nl), "-1.234.568");
        QCOMPARE(StandaardTekst(1.5e16, nl), "1,5E+16");
    }

    // The clicks on the bit buttons (kReset for "Reset"): the two texts and the value;
    // the texts stay empty while no bit was switched since the start or Reset.
    void bits_data() {
        QTest::addColumn<QList<int>>("klikken");
        QTest::addColumn<QString>("decimaal");
        QTest::addColumn<QString>("binair");
        QTest::addColumn<int>("waarde");
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
        QFETCH(QList<int>, klikken);
        QFETCH(int, waarde);
        BitsModel bits;
        for (const int klik : klikken)
            klik == kReset ? bits.reset() : bits.schakel(klik);
        QTEST(bits.decimaal(), "decimaal");
        QTEST(bits.binair(), "binair");
        QCOMPARE(bits.waarde(), double(waarde));
        for (const int gewicht : BitsModel::kGewichten)
            QCOMPARE(bits.opschrift(gewicht), QString(waarde & gewicht ? "X" : ""));
    }

    // A field that is empty or reads exactly "0" stops the calculation (the count only
    // where it is shown).
    void ledResults_data() {
        QTest::addColumn<LedModus>("modus");
        QTest::addColumn<QStringList>("velden"); // Vs, Vf, I, N
        QTest::addColumn<QString>("weerstand");
        QTest::addColumn<QString>("watt");
        QTest::addColumn<QString>("stroom");
        QTest::addColumn<int>("leds");
        const LedModus S = LedModus::Single, P = LedModus::Parallel, R = LedModus::Serie;
        // clang-format off
        const std::tuple<const char *, LedModus, QStringList, const char *, const char *,
                         const char *, int> rijen[] = {
            {"single", S, {"9", "2", "20", "1"}, "350", "0.18", "0.02", 1},
            {"single, grouped", S, {"12", "3", "7", "1"}, "1,286", "0.084", "0.007", 1},
            {"single ignores the hidden count", S, {"9", "2", "20", "0"}, "350", "0.18", "0.02", 1},
            {"single, supply too low", S, {"1.5", "2", "20", "1"}, "", "", "", 0},
            {"single, supply equal", S, {"2", "2", "20", "1"}, "", "0.04", "0.02", 1},
            {"series", R, {"9", "2", "20", "3"}, "150", "0.18", "0.02", 3},
            {"series, supply equal", R, {"6", "2", "20", "3"}, "", "0.12", "0.02", 3},
            {"series, supply too low", R, {"5", "2", "20", "3"}, "", "", "", 0},
            {"parallel", P, {"9", "2", "20", "3"}, "117", "0.54", "0.06", 3},
            {"parallel, supply too low", P, {"1", "2", "20", "2"}, "-25", "0.04", "0.04", 2},
            {"parallel, half count even", P, {"9", "2", "20", "2.5"}, "140", "0.45", "0.05", 2},
            {"parallel, half count odd", P, {"9", "2", "20", "3.5"}, "100", "0.63", "0.07", 4},
            {"current reads zero", S, {"9", "2", "0.0", "1"}, "", "", "", 1},
            {"current reads zero, comma", R, {"9", "2", "0,0", "3"}, "", "", "", 3},
            {"count not a number", P, {"9", "2", "20", "abc"}, "", "", "", 0},
            {"supply too large", S, {"1e999", "2", "20", "1"}, "", "", "", 1},
            {"huge parallel count", P, {"9", "2", "20", "1e9"}, "", "180000000", "20000000", 7},
            {"long series", R, {"1000000", "0.001", "20", "1000"}, "49,999,950", "20000", "0.02", 7},
            {"supply 0 stops", P, {"0", "2", "20", "3"}, "", "", "", 1},
            {"voltage empty stops", P, {"9", "", "20", "3"}, "", "", "", 1},
            {"current 0 stops", P, {"9", "2", "0", "3"}, "", "", "", 1},
            {"count empty stops", P, {"9", "2", "20", ""}, "", "", "", 1}};
        // clang-format on
        for (const auto &[naam, modus, velden, weerstand, watt, stroom, leds] : rijen)
            QTest::newRow(naam) << modus << velden << QString(weerstand) << QString(watt)
                                << QString(stroom) << leds;
    }
    void ledResults() {
        QFETCH(LedModus, modus);
        QFETCH(QStringList, velden);
        LedCalcModel rekenaar(QLocale::c());
        rekenaar.kiesModus(modus);
        bereken(rekenaar, velden[0], velden[1], velden[2], velden[3]);
        QTEST(rekenaar.uitkomst().weerstandTekst, "weerstand");
        QTEST(rekenaar.uitkomst().wattTekst, "watt");
        QTEST(rekenaar.uitkomst().stroomTekst, "stroom");
        QTEST(int(rekenaar.schema().leds.size()), "leds");
    }
    void ledResultsNaarLocale() {
        LedCalcModel nl{QLocale(QLocale::Dutch)}; // a Dutch supply keeps its fraction
        nl.kiesModus(LedModus::Parallel);
        bereken(nl, "9.5", "2", "20", "3");
        QCOMPARE(nl.uitkomst().weerstandTekst, "125");
        QCOMPARE(nl.uitkomst().wattTekst, "0,57");
    }

    // The user's steps, a mode or "Calculate" with a count (1e12 V, 2 V, 20 mA): a mode
    // clears the results, shows its empty schematic and keeps the ground label's x; a
    // count that is not whole places no wires, a huge one puts them out of sight.
    void ledSchema_data() {
        QTest::addColumn<QStringList>("stappen");
        QTest::addColumn<QString>("schema");
        // clang-format off
        QTest::newRow("parallel, one LED") << QStringList{"P", "1"}
            << "L 150,103 | 150,102 159,102 | 158,153 189,153 | 187,150 | 204,160";
        QTest::newRow("series, three LEDs") << QStringList{"R", "3"}
            << "S 140,61 190,61 240,61 | 190,102 194,102 | - | 290,98 | 290,95";
        QTest::newRow("series, then parallel") << QStringList{"R", "3", "P"}
            << "L 150,103 | 158,153 194,153 | 158,400 168,400 | 187,150 | 290,160";
        QTest::newRow("single ignores the count") << QStringList{"R", "3", "P", "S", "4"}
            << "S 140,61 | 190,102 194,102 | - | 187,98 | 204,95";
        QTest::newRow("count not whole") << QStringList{"P", "3", "2.5"}
            << "L 150,103 200,103 | 150,102 259,102 | 158,153 280,153 | 280,150 | 280,160";
        QTest::newRow("huge count") << QStringList{"P", "700000"}
            << "L 150,103 200,103 250,103 300,103 350,103 400,103 450,103 "
               "| 150,102 10000,102 | 158,153 10000,153 | 10000,150 | 10000,160";
        // clang-format on
    }
    void ledSchema() {
        QFETCH(QStringList, stappen);
        LedCalcModel rekenaar(QLocale::c());
        for (const QString &stap : stappen)
            if (stap[0].isLetter())
                rekenaar.kiesModus(LedModus(QStringLiteral("SPR").indexOf(stap)));
            else
                bereken(rekenaar, "1e12", "2", "20", stap);
        QTEST(beschrijf(rekenaar.schema()), "schema");
        QCOMPARE(rekenaar.uitkomst().wattTekst.isEmpty(), stappen.back()[0].isLetter());
    }

    void ledPictures() {
        // Standing LEDs chain at wire height, lying ones hang between rails; "+" is longer.
        const Surface staand = StaandeLed(), liggend = LiggendeLed(), uitleg = UitlegLed(kAchter);
        QCOMPARE(verkeerd(staand, kZwart, {{0, 41}, {49, 41}}) +
                     verkeerd(staand, kAchter, {{0, 40}}) +
                     verkeerd(liggend, kZwart, {{9, 0}, {16, 49}}) +
                     verkeerd(liggend, kAchter, {{16, 0}}) +
                     verkeerd(uitleg, kZwart, {{22, 92}, {31, 82}}) +
                     verkeerd(uitleg, kAchter, {{22, 93}, {31, 83}}),
                 QStringList());
    }
};

VOLTARIX_TEST(TestRekenaars)
#include "tst_rekenaars.moc"

#include "TestRunner.h"
#include "Verwacht.h"
#include "tools/BitsModel.h"
#include "tools/GetalTekst.h"
#include "tools/LedCalcModel.h"
#include "tools/LedTekening.h"

#include <QtTest>

static const QRgb kZwart = qRgb(0, 0, 0), kRood = qRgb(255, 0, 0), kAchter = kSchemaAchtergrond;

// "Calculate" with the four fields "Vs Vf I N" ("_" for an empty one); returns the results.
static QString bereken(LedCalcModel &rekenaar, const QString &velden) {
    const QStringList v = velden.split(' ').replaceInStrings(QStringLiteral("_"), QString());
    rekenaar.bereken(LedInvoer{v[0], v[1], v[2], v[3]});
    const LedUitkomst &u = rekenaar.uitkomst();
    return u.weerstandTekst + '|' + u.wattTekst + '|' + u.stroomTekst;
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
    void getalTeksten() {
        // A field reads the same on a Dutch desktop: "2.5" is not 25, and "9,5" is 9.5 as
        // a Dutch user means it.
        const auto terug = qScopeGuard([vorige = QLocale()] { QLocale::setDefault(vorige); });
        QLocale::setDefault(QLocale(QLocale::Dutch));
        // clang-format off
        const std::pair<const char *, double> rijen[] = {{"9", 9}, {"2.5", 2.5}, {"  \t12", 12},
            {"20 mA", 20}, {"0,5", 0.5}, {"1,5,3", 1.5}, {"1.5,3", 1.5}, {"1,000", 1}, {",5 V", 0.5},
            {"-2,5e1", -25}, {",", 0}, {"1.2.3", 1.2}, {".5", 0.5}, {"-3.5", -3.5},
            {"+4", 4}, {"1.5e3", 1500}, {"25E-1", 2.5}, {"7e", 7}, {"7e+x", 7}, {"abc", 0}, {"", 0},
            {"-", 0}, {".", 0}, {"1 2", 1}, {"1e-400", 0}, {"1e999", qInf()}, {"-1e999", -qInf()}};
        const std::pair<const char *, double> patroon[] = {{"350", 350}, {"1,286", 1285.714},
            {"117", 116.5}, {"-3", -2.5}, {"12,345,678", 12345678}, {"1,234,567,890", 1234567890},
            {"-1,250", -1250}, {"", 0.4}, {"", -0.4}, {"", 0}, {"", qInf()}, {"", qQNaN()}};
        const std::pair<const char *, double> standaard[] = {{"0.18", 0.18}, {"1234567", 1234567},
            {"-0.5", -0.5}, {"0.666666666666667", 2.0 / 3}, {"1E-05", 0.00001}, {"0.0001", 0.0001},
            {"1E+15", 1e15}, {"1.5E+16", 1.5e16}, {"0", 0}, {"0", -0.0}, {"", qInf()}, {"", qQNaN()}};
        // clang-format on
        for (const auto &[tekst, getal] : rijen)
            QCOMPARE(LeesGetal(tekst), getal);
        for (const auto &[tekst, waarde] : patroon)
            QCOMPARE(GetalPatroon(waarde, QLocale::c()), tekst);
        for (const auto &[tekst, waarde] : standaard)
            QCOMPARE(StandaardTekst(waarde, QLocale::c()), tekst);
        const QLocale nl(QLocale::Dutch); // its group and decimal separators
        QCOMPARE(GetalPatroon(-1234567.8, nl) + StandaardTekst(1.5e16, nl), "-1.234.5681,5E+16");
    }

    void bits() {
        // The clicks on the bit buttons ("r" is "Reset") = the byte they make, -1 while no
        // bit has been switched since the start or the reset.
        // clang-format off
        const QStringList rijen{"=-1", "1 4=5", "8 8=0", "1 2 4 8 16 32 64 128 128=127", "128=128",
                                "128 64 32 16 8 4 2 1=255", "32 2 r=-1", "32 2 r 2=2", "4 3 256 -1 0=4"};
        // clang-format on
        for (const QString &rij : rijen) {
            const int byte = rij.section('=', 1).toInt();
            BitsModel bits;
            for (const QString &klik : rij.section('=', 0, 0).split(' '))
                klik == "r" ? bits.reset() : bits.schakel(klik.toInt());
            const QString labels = QStringLiteral(" %1| %2|%1").arg(byte).arg(byte, 0, 2);
            QCOMPARE(bits.decimaal() + '|' + bits.binair() + '|' + QString::number(bits.waarde()),
                     byte < 0 ? "||0" : labels);
            for (const int gewicht : BitsModel::kGewichten)
                QCOMPARE(bits.opschrift(gewicht), QString(byte > 0 && byte & gewicht ? "X" : ""));
        }
    }

    void ledResults() {
        // Mode, fields, the results and the number of LED pictures. A field that is empty or
        // reads exactly "0" stops the calculation (the count only where it is shown).
        // clang-format off
        const std::tuple<char, const char *, const char *, int> rijen[] = {
            {'S', "9 2 20 1", "350|0.18|0.02", 1}, {'S', "12 3 7 1", "1,286|0.084|0.007", 1},
            {'S', "9 2 20 0", "350|0.18|0.02", 1}, /* hidden count */ {'S', "1.5 2 20 1", "||", 0},
            {'S', "2 2 20 1", "|0.04|0.02", 1}, {'R', "9 2 20 3", "150|0.18|0.02", 3},
            {'R', "6 2 20 3", "|0.12|0.02", 3}, {'R', "5 2 20 3", "||", 0},
            {'P', "9 2 20 3", "117|0.54|0.06", 3}, {'P', "1 2 20 2", "-25|0.04|0.04", 2},
            {'P', "9 2 20 2.5", "140|0.45|0.05", 2}, {'P', "9 2 20 3.5", "100|0.63|0.07", 4},
            {'S', "9 2 0.0 1", "||", 1}, {'R', "9 2 0,0 3", "||", 3}, {'P', "9 2 20 abc", "||", 0},
            {'S', "1e999 2 20 1", "||", 1}, {'P', "9 2 20 1e9", "|180000000|20000000", 7},
            {'R', "1000000 0.001 20 1000", "49,999,950|20000|0.02", 7}, {'P', "0 2 20 3", "||", 1},
            {'P', "9 _ 20 3", "||", 1}, {'P', "9 2 0 3", "||", 1}, {'P', "9 2 20 _", "||", 1}};
        // clang-format on
        for (const auto &[modus, velden, tekst, leds] : rijen) {
            LedCalcModel rekenaar(QLocale::c());
            rekenaar.kiesModus(LedModus(QByteArray("SPR").indexOf(modus)));
            QCOMPARE(bereken(rekenaar, velden), tekst);
            QCOMPARE(rekenaar.schema().leds.size(), leds);
        }
        LedCalcModel nl{QLocale(QLocale::Dutch)}; // a Dutch supply keeps its fraction
        nl.kiesModus(LedModus::Parallel);
        QCOMPARE(bereken(nl, "9.5 2 20 3"), "125|0,57|0,06");
    }

    void ledSchema_data() {
        // Rows named by the user's steps: a mode (S, P, R) clears the results, shows its empty
        // schematic, keeps the ground label's x; "Calculate" with a count (1e12 V, 2 V, 20 mA):
        // no wires if not whole; a huge one (past 16-bit positions) goes out of sight.
        QTest::addColumn<QString>("schema");
        // clang-format off
        QTest::newRow("P 1") << "L 150,103 | 150,102 159,102 | 158,153 189,153 | 187,150 | 204,160";
        QTest::newRow("R 3") << "S 140,61 190,61 240,61 | 190,102 194,102 | - | 290,98 | 290,95";
        QTest::newRow("R 3 P") << "L 150,103 | 158,153 194,153 | 158,400 168,400 | 187,150 | 290,160";
        QTest::newRow("R 3 P S 4") << "S 140,61 | 190,102 194,102 | - | 187,98 | 204,95";
        QTest::newRow("P 3 2.5") << "L 150,103 200,103 | 150,102 259,102 | 158,153 280,153 "
                                    "| 280,150 | 280,160";
        QTest::newRow("P 700000") << "L 150,103 200,103 250,103 300,103 350,103 400,103 450,103 "
            "| 150,102 10000,102 | 158,153 10000,153 | 10000,150 | 10000,160";
        // clang-format on
    }
    void ledSchema() {
        QFETCH(QString, schema);
        LedCalcModel rekenaar(QLocale::c());
        const QString stappen = QTest::currentDataTag();
        for (const QString &stap : stappen.split(' '))
            if (stap[0].isLetter())
                rekenaar.kiesModus(LedModus(QStringLiteral("SPR").indexOf(stap)));
            else
                bereken(rekenaar, "1e12 2 20 " + stap);
        QCOMPARE(beschrijf(rekenaar.schema()), schema);
        QCOMPARE(rekenaar.uitkomst().wattTekst.isEmpty(), stappen.back().isLetter());
    }

    void ledPictures() {
        // Standing LEDs chain at wire height, lying ones hang between rails; "+" is longer.
        const Surface staand = StaandeLed(), liggend = LiggendeLed(), uitleg = UitlegLed(kAchter);
        QCOMPARE(verkeerd(staand, kZwart, "0,41 49,41") + verkeerd(staand, kAchter, "0,40") +
                     verkeerd(liggend, kZwart, "9,0 16,49") + verkeerd(liggend, kAchter, "16,0") +
                     verkeerd(uitleg, kZwart, "22,92 31,82") +
                     verkeerd(uitleg, kAchter, "22,93 31,83"),
                 QStringList());
    }
};

VOLTARIX_TEST(TestRekenaars)
#include "tst_rekenaars.moc"

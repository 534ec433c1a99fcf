#include "TestRunner.h"
#include "Verwacht.h"
#include "tools/KleurcodeModel.h"
#include "tools/WeerstandTekening.h"

#include <QtTest>

#include <array>
#include <cmath>

static const QRgb kZwart = qRgb(0, 0, 0), kWit = Surface::kWhite, kRood = qRgb(255, 0, 0);
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

// The resistor colour-code tool without its window: its rows and its pictures.
class TestKleurcode : public QObject {
    Q_OBJECT
private slots:
    // The start shows row 1 with a brighter brown than the table's; rows outside the table
    // show its nearest end; a colour name it does not know keeps the last colour.
    void opening() {
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
    void everyRow_data() {
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
    void everyRow() {
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

    void pictures() {
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

VOLTARIX_TEST(TestKleurcode)
#include "tst_kleurcode.moc"

#include "TestRunner.h"
#include "Verwacht.h"
#include "tools/KleurcodeModel.h"
#include "tools/WeerstandTekening.h"

#include <QtTest>

#include <cmath>

static const QRgb kZwart = qRgb(0, 0, 0), kWit = Surface::kWhite, kRood = qRgb(255, 0, 0);
// The band colours in the order of their digits, then gold (brown and orange are its own).
static const QStringList kNamen{"Zwart", "Bruin",  "Rood",  "Oranje", "Geel", "Groen",
                                "Blauw", "Violet", "Grijs", "Wit",    "Goud"};
static const QRgb kKleuren[] = {0xff000000, 0xffeb6c00, 0xffff0000, 0xffffc080,
                                0xffffff00, 0xff00ff00, 0xff0000ff, 0xffff00ff,
                                0xffc0c0c0, 0xffffffff, 0xffc3a128};

// The texts, the colours of the large drawing's bands, and whether the symbol is the plain
// one with its bands in those colours.
static QString toont(const KleurcodeModel &k) {
    Surface symbool = WeerstandSymbool();
    QString tekst =
        k.waardeTekst() + '|' + k.bandTekst(1) + '|' + k.bandTekst(2) + '|' + k.bandTekst(3);
    for (int b = 0; b < 3; ++b) {
        symbool.fillBox(10 + 6 * b, 16, 12 + 6 * b, 32, k.lijnKleuren()[size_t(b)]);
        tekst += ' ' + QString::number(k.lijnKleuren()[size_t(b)], 16);
    }
    return tekst + (k.symbool().image() == symbool.image() ? "" : " [symbol wrong]");
}

// The resistor colour-code tool without its window: its rows and its pictures.
class TestKleurcode : public QObject {
    Q_OBJECT
private slots:
    void everyRowShowsTheCodeOfItsValue() {
        KleurcodeModel keuze; // opens with a brighter brown than the table's
        QCOMPARE(toont(keuze), " 1 Ohm| Bruin| Zwart| Goud ffff8000 ff000000 ffc3a128");
        // Row 12 × decade + k + 1 is E12 value k times 10 to the power decade - 1.
        // Walking down makes row 1 follow another row: its brown is then the table's.
        const int e12[] = {10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};
        const char *eenheid[] = {" Ohm", " KOhm", " MOhm"};
        for (int n = WeerstandTabel::kRijen; n >= 1; --n) {
            keuze.toonRij(n);
            const int mantisse = e12[(n - 1) % 12], macht = (n - 1) / 12 - 1, kilo = (n - 1) / 36;
            QString tekst = ' ' + QString::number(mantisse * std::pow(10, macht - 3 * kilo));
            QString kleuren;
            for (const int b : {mantisse / 10, mantisse % 10, macht < 0 ? 10 : macht})
                tekst += "| " + kNamen[b], kleuren += ' ' + QString::number(kKleuren[b], 16);
            QCOMPARE(toont(keuze), tekst.insert(tekst.indexOf('|'), eenheid[kilo]) + kleuren);
        }
        keuze.toonRij(500);
        QCOMPARE(keuze.waardeTekst(), QStringLiteral(" 82 MOhm"));
        keuze.toonRij(-1);
        QCOMPARE(keuze.waardeTekst(), QStringLiteral(" 1 Ohm"));
        keuze.ZetOm(QStringLiteral("Violet")); // a name that is no band colour keeps it
        for (const char *geen : {"Zilver", "bruin", " Rood", ""})
            keuze.ZetOm(geen);
        QCOMPARE(keuze.kleur(), kKleuren[7]);
    }

    void pictures() {
        Surface symbool = WeerstandSymbool();
        VerfBand(symbool, 0, kRood); // no band: nothing painted
        VerfBand(symbool, 4, kRood);
        // Leads three rows high to both edges; a two-pixel outline with cut corners.
        QCOMPARE(verkeerd(symbool, kZwart, "0,24 2,23 2,25 48,24 6,20 20,33 6,14") +
                     verkeerd(symbool, kWit, "2,22 5,14 20,13 48,48") +
                     verkeerd(symbool, qRgb(248, 248, 248), "7,20") +
                     verkeerd(symbool, qRgb(224, 224, 224), "30,24"),
                 QStringList());
        Surface bord(kKleurcodeBordMaat.width(), kKleurcodeBordMaat.height());
        const QRgb groen = kKleuren[5], blauw = kKleuren[6], achter = qRgb(212, 208, 200);
        TekenGroteWeerstand(bord, {kRood, groen, blauw}, achter);
        // Bands three wide on the rounded body, leads, and leader lines to the texts.
        QCOMPARE(verkeerd(bord, kRood, "51,30 50,24") + verkeerd(bord, groen, "60,42") +
                     verkeerd(bord, blauw, "69,35") + verkeerd(bord, qRgb(192, 64, 0), "76,30") +
                     verkeerd(bord, kZwart, "84,30 100,21 9,33 165,33 51,51 156,51 69,89 84,110") +
                     verkeerd(bord, kZwart, "246,61 254,60") +
                     verkeerd(bord, achter, "39,21 8,33 157,51 255,60"),
                 QStringList());
    }
};

VOLTARIX_TEST(TestKleurcode)
#include "tst_kleurcode.moc"

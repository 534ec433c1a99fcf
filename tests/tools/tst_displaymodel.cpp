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

// Presses "0" .. "10", "s" (Segment), "p" (Play) or "x" (closing) on a fresh display, and
// during hold n those of tijdens[n - 1]; returns what each hold and the end showed.
static QString houden(const QString &knoppen, const QStringList &tijdens = {}) {
    ScriptedPlatform platform;
    DisplayModel display(platform);
    const auto druk = [&](const QString &knoppen) {
        for (const QString &k : knoppen.split(' ', Qt::SkipEmptyParts))
            k == "s"   ? display.toonSegmentNamen()
            : k == "p" ? display.speel()
            : k == "x" ? display.sluit()
                       : display.toonKnop(k.toInt());
    };
    QStringList gezien;
    platform.duringWait = [&](double seconden) {
        gezien << stand(display) + (seconden == 2 ? "" : " not 2 s");
        druk(tijdens.value(platform.waits - 1));
    };
    druk(knoppen);
    return (gezien << stand(display)).join(" / ");
}

// The 7-segment trainer without its window.
class TestDisplayModel : public QObject {
    Q_OBJECT
private slots:
    void holds() {
        QString spel; // "Play": 1 .. 9 and the point, each alone; the buttons do nothing
        for (int plaatje = 0; plaatje <= kPlaatjeAbc; ++plaatje) { // the others are unlit
            for (const char s : kSegmenten) {
                const QPoint m = segmentMidden(s);
                QCOMPARE(DisplayPlaatje(plaatje).pixel(m.x(), m.y()),
                         kSegmentenVan.value(plaatje).contains(s) ? kSegmentAan : kSegmentUit);
            }
            QCOMPARE(segmentenVan(plaatje), kSegmentenVan.value(plaatje));
            if (plaatje >= kKnoppen) continue;
            const QString stand =
                QStringLiteral("%1: %2 held").arg(plaatje).arg(kPinnenVan[plaatje]);
            QCOMPARE(houden(QString::number(plaatje)), stand + " / 99:");
            spel += plaatje > 0 ? stand + " blocked busy / " : "";
        }
        QCOMPARE(houden("p", {"0 s p"}), spel + "99:");
        QCOMPARE(houden("p", {"", "", "x"}), spel.section(" / ", 0, 2) + " / 99:"); // closed
        QCOMPARE(houden("1", {"7"}), "1: 4 6 held / 7: 4 6 7 held / 99:");          // lit over 1
        QCOMPARE(houden("s", {"8 s p"}), "100: held blocked busy / 99:");
        QVERIFY(DisplayPlaatje(kPlaatjeAbc).image() != DisplayPlaatje(kPlaatjeUit).image()); // A-G
        QVERIFY(segmentenVan(-1).isEmpty() && pinVan('h') == 0);
    }

    void segmentWeerstand() {
        // Supply (not tested), voltage and current, and the value shown; "none" keeps it.
        // clang-format off
        const std::tuple<const char *, const char *, const char *, const char *> rijen[] = {
            {"9", "2", "20", " 350"}, {"30", "2", "20", " 1400"}, {"5", "9", "20", " -200"},
            {"9.05", "9", "20", " 3"}, {"9", "8.996", "20", " 0"}, {"30", "2", "0.001", " 2.8E+07"},
            {"", "2", "20", " -100"}, {"9", "2", "0.0", ""}, {"9", "0", "20", "none"},
            {"9", "", "20", "none"}, {"9", "2", "0", "none"}, {"9", "2", "", "none"}};
        // clang-format on
        for (const auto &[voeding, spanning, stroom, waarde] : rijen)
            QCOMPARE(SegmentWeerstand(voeding, spanning, stroom, QLocale::c()).value_or("none"),
                     waarde);
        QCOMPARE(SegmentWeerstand("30", "2", "0.001", QLocale(QLocale::Dutch)), " 2,8E+07");
    }
};

VOLTARIX_TEST(TestDisplayModel)
#include "tst_displaymodel.moc"

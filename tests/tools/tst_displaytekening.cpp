#include "ScriptedPlatform.h"
#include "TestRunner.h"
#include "tools/DisplayTekening.h"
#include "tools/SegmentDisplay.h"
#include "ui/Twips.h"

#include <QtTest>

namespace {

const QRgb kAchtergrond = qRgb(212, 208, 200);

// The middle of a wire piece on the board, in pixels.
QPoint stukMidden(int pin, int stuk) {
    const QLine twips = SegmentTabel::draad(pin)[stuk];
    return QPoint(twipsToPixels((twips.x1() + twips.x2()) / 2.0),
                  twipsToPixels((twips.y1() + twips.y2()) / 2.0));
}

QRgb kleurVan(const Surface &bord, QPoint p) {
    return bord.pixel(p.x(), p.y());
}

// The left lead of pin p's resistor on the board.
QPoint weerstandDraad(int pin) {
    const QRect twips = SegmentTabel::weerstandPlaats(pin);
    return QPoint(twipsToPixels(twips.x()) + 5, twipsToPixels(twips.y()) + 6);
}

} // namespace

class TestDisplayTekening : public QObject {
    Q_OBJECT
private slots:
    void displayPlaatje_data();
    void displayPlaatje();
    void letterPictureIsUnlitWithLetters();
    void resistorPictures();
    void boardWhileHoldingAndAfter();
};

void TestDisplayTekening::displayPlaatje_data() {
    QTest::addColumn<int>("plaatje");
    QTest::addColumn<QString>("aan");
    // Which segments each button lights is checked against its own table in
    // tst_segmenttabel; here the picture must follow that table.
    for (int knop = 0; knop < SegmentTabel::kKnoppen; ++knop)
        QTest::addRow("button %d", knop) << knop << SegmentTabel::segmentenVan(knop);
    QTest::newRow("unlit") << int(SegmentTabel::kPlaatjeUit) << "";
    QTest::newRow("unknown index is unlit") << 42 << "";
}

void TestDisplayTekening::displayPlaatje() {
    QFETCH(int, plaatje);
    QFETCH(QString, aan);
    const Surface display = DisplayPlaatje(plaatje);
    QCOMPARE(display.size(), kDisplayMaat);
    for (const char segment : SegmentTabel::kSegmenten) {
        const QPoint midden = segmentMidden(segment);
        const QRgb verwacht = aan.contains(QLatin1Char(segment)) ? kSegmentAan : kSegmentUit;
        QCOMPARE(display.pixel(midden.x(), midden.y()), verwacht);
    }
}

void TestDisplayTekening::letterPictureIsUnlitWithLetters() {
    const Surface abc = DisplayPlaatje(SegmentTabel::kPlaatjeAbc);
    const Surface uit = DisplayPlaatje(SegmentTabel::kPlaatjeUit);
    for (const char segment : SegmentTabel::kSegmenten) {
        const QPoint midden = segmentMidden(segment);
        QCOMPARE(abc.pixel(midden.x(), midden.y()), kSegmentUit);
    }
    QVERIFY(abc.image() != uit.image()); // the letters
    for (int y = 0; y < abc.height(); ++y)
        for (int x = 0; x < abc.width(); ++x)
            QVERIFY(abc.pixel(x, y) != kSegmentAan);
}

void TestDisplayTekening::resistorPictures() {
    const Surface aan = WeerstandPlaatje(true, kAchtergrond);
    const Surface uit = WeerstandPlaatje(false, kAchtergrond);
    QCOMPARE(aan.size(), kWeerstandjeMaat);
    QCOMPARE(aan.pixel(3, 6), kDraadAan);
    QCOMPARE(aan.pixel(76, 7), kDraadAan);
    QCOMPARE(uit.pixel(3, 6), kDraadUit);
    QCOMPARE(aan.pixel(40, 6), uit.pixel(40, 6)); // the same ochre body
    QCOMPARE(uit.pixel(3, 1), kAchtergrond);
}

void TestDisplayTekening::boardWhileHoldingAndAfter() {
    ScriptedPlatform platform;
    SegmentDisplay display(platform);
    Surface bord(kDisplayBordMaat.width(), kDisplayBordMaat.height());
    bool getekend = false;
    platform.duringWait = [&](double) {
        TekenDisplayBord(bord, display, kAchtergrond);
        // Button 2: segments a, b, d, e, g on pins 7, 6, 2, 1, 10.
        for (const int pin : {1, 2, 6, 7, 10}) {
            for (int stuk = 0; stuk < 3; ++stuk)
                QCOMPARE(kleurVan(bord, stukMidden(pin, stuk)), kDraadAan);
            QCOMPARE(kleurVan(bord, weerstandDraad(pin)), kDraadAan);
        }
        for (const int pin : {4, 5, 9}) {
            QCOMPARE(kleurVan(bord, stukMidden(pin, 1)), kDraadUit);
            QCOMPARE(kleurVan(bord, weerstandDraad(pin)), kDraadUit);
        }
        const Surface twee = DisplayPlaatje(2);
        QCOMPARE(bord.image().copy(QRect(kDisplayPlaats, kDisplayMaat)), twee.image());
        getekend = true;
    };
    display.toonKnop(2);
    QVERIFY(getekend);
    TekenDisplayBord(bord, display, kAchtergrond);
    for (int pin = 1; pin <= 10; ++pin) {
        const bool segment = SegmentTabel::isSegmentPin(pin);
        QCOMPARE(kleurVan(bord, stukMidden(pin, 1)), segment ? kDraadUit : kDraadGemeen);
        // The piece from the resistor to the rail always carries the supply.
        QCOMPARE(kleurVan(bord, stukMidden(pin, 3)), segment ? kDraadAan : kDraadGemeen);
    }
    QCOMPARE(kleurVan(bord, QPoint(400, 150)), kDraadAan); // the supply rail at x 6000
    QCOMPARE(bord.image().copy(QRect(kDisplayPlaats, kDisplayMaat)),
             DisplayPlaatje(SegmentTabel::kPlaatjeUit).image());
}

VOLTARIX_TEST(TestDisplayTekening)
#include "tst_displaytekening.moc"

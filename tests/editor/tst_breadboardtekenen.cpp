#include "TestFolder.h"
#include "TestRunner.h"
#include "board/BoardDrawing.h"
#include "editor/BreadboardTekenen.h"
#include "ui/Surface.h"

#include <QtEndian>
#include <QtTest>

namespace {

const QRgb kRood = qRgb(255, 0, 0), kBlauw = qRgb(0, 0, 255);

// A board sheet with the user's work painted over all of it.
struct Blad {
    Surface GumPic{400, 300};
    Surface Pic2{400, 300};
    Blad() {
        TekenKleinBord(GumPic);
        Pic2.fillBox(0, 0, 399, 299, kRood);
    }
    // The pixels that show the pristine board again.
    QRect hersteld() const {
        QRect rect;
        for (int y = 0; y < Pic2.height(); ++y)
            for (int x = 0; x < Pic2.width(); ++x)
                if (Pic2.pixel(x, y) == GumPic.pixel(x, y) && GumPic.pixel(x, y) != kRood)
                    rect |= QRect(x, y, 1, 1);
        return rect;
    }
};

// A 3 x 2 part picture: white, blue, red / red, white, blue.
Surface onderdeel() {
    Surface BBPic(3, 2);
    BBPic.setPixel(1, 0, kBlauw);
    BBPic.setPixel(2, 0, kRood);
    BBPic.setPixel(0, 1, kRood);
    BBPic.setPixel(2, 1, kBlauw);
    return BBPic;
}

// An indexed picture: colour 0 (the transparent one in the files below) on the left
// half, colour 1 on the right.
QImage tweeKleuren(int breed, int hoog, QRgb links, QRgb rechts) {
    QImage picture(breed, hoog, QImage::Format_Indexed8);
    picture.setColorTable({links, rechts});
    for (int y = 0; y < hoog; ++y)
        for (int x = 0; x < breed; ++x)
            picture.setPixel(x, y, x < breed / 2 ? 0 : 1);
    return picture;
}

// A GIF whose header claims a far larger picture than its data holds.
QByteArray grootBeweerd(int breed, int hoog) {
    QByteArray gif = gifFile(tweeKleuren(4, 4, kRood, kBlauw));
    auto word = [&gif](int offset, int value) {
        gif[offset] = char(value & 0xff);
        gif[offset + 1] = char((value >> 8) & 0xff);
    };
    word(6, breed);
    word(8, hoog);
    const int beschrijving = int(gif.indexOf(','));
    word(beschrijving + 5, breed);
    word(beschrijving + 7, hoog);
    return gif;
}

} // namespace

class TestBreadboardTekenen : public QObject {
    Q_OBJECT
private slots:
    void gummen_data();
    void gummen();
    void stempelSlaatWitOver();
    void stempelAanDeRanden_data();
    void stempelAanDeRanden();
    void witOnderdeelLaatBladStaan();
    void onderdeelLaden();
    void slechteOnderdelen_data();
    void slechteOnderdelen();
    void voorbeeldIsDoorzichtigWaarWit();
};

void TestBreadboardTekenen::gummen_data() {
    QTest::addColumn<QPoint>("punt");
    QTest::addColumn<QRect>("hersteld"); // empty: nothing erased
    QTest::newRow("y = 55 erases nothing") << QPoint(200, 55) << QRect();
    QTest::newRow("y = 56 from row 41") << QPoint(200, 56) << QRect(185, 41, 16, 16);
    QTest::newRow("inside the sheet") << QPoint(300, 200) << QRect(285, 185, 16, 16);
    QTest::newRow("left edge") << QPoint(5, 100) << QRect(0, 85, 6, 16);
    QTest::newRow("bottom-right corner") << QPoint(405, 310) << QRect(390, 295, 10, 5);
    QTest::newRow("beyond the sheet") << QPoint(500, 400) << QRect();
}

void TestBreadboardTekenen::gummen() {
    QFETCH(QPoint, punt);
    QFETCH(QRect, hersteld);
    Blad blad;
    QCOMPARE(gum(blad.Pic2, blad.GumPic, punt.x(), punt.y()), punt.y() > 55);
    QCOMPARE(blad.hersteld(), hersteld);
}

void TestBreadboardTekenen::stempelSlaatWitOver() {
    Surface Pic2(20, 20, qRgb(0, 200, 0));
    stempel(Pic2, onderdeel(), QPoint(5, 7));
    const QRgb groen = qRgb(0, 200, 0);
    const QRgb verwacht[2][3] = {{groen, kBlauw, kRood}, {kRood, groen, kBlauw}};
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 3; ++j)
            QCOMPARE(Pic2.pixel(5 + j, 7 + i), verwacht[i][j]);
    QCOMPARE(Pic2.pixel(4, 7), groen);
    QCOMPARE(Pic2.pixel(8, 8), groen);
}

void TestBreadboardTekenen::stempelAanDeRanden_data() {
    QTest::addColumn<QPoint>("hoek");
    QTest::addColumn<int>("geschreven"); // non-white pixels that land on the sheet
    QTest::newRow("inside") << QPoint(2, 2) << 4;
    QTest::newRow("half off the left") << QPoint(-1, 2) << 3;
    QTest::newRow("off the top") << QPoint(2, -1) << 2;
    QTest::newRow("bottom-right corner") << QPoint(9, 9) << 0;
    QTest::newRow("off the right") << QPoint(8, 9) << 1;
    QTest::newRow("far away") << QPoint(-500, 9000) << 0;
}

void TestBreadboardTekenen::stempelAanDeRanden() {
    QFETCH(QPoint, hoek);
    QFETCH(int, geschreven);
    const QRgb groen = qRgb(0, 200, 0);
    Surface Pic2(10, 10, groen);
    stempel(Pic2, onderdeel(), hoek);
    int anders = 0;
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            anders += Pic2.pixel(x, y) != groen;
    QCOMPARE(anders, geschreven);
}

void TestBreadboardTekenen::witOnderdeelLaatBladStaan() {
    Blad blad;
    const QImage voor = blad.Pic2.image().copy();
    int veranderingen = 0;
    blad.Pic2.setChangeListener([&veranderingen] { ++veranderingen; });
    stempel(blad.Pic2, Surface(30, 30), QPoint(10, 10));
    QCOMPARE(blad.Pic2.image(), voor);
    QCOMPARE(veranderingen, 0);
}

void TestBreadboardTekenen::onderdeelLaden() {
    TestFolder map;
    // Colour 0 is transparent and must come out white; the name's case differs.
    map.writeFile(QStringLiteral("Breadboard/Weerstand.GIF"),
                  gifFile(tweeKleuren(6, 2, qRgb(10, 10, 10), kBlauw), 0));
    const auto plaatje = laadOnderdeelPlaatje(map.path("Breadboard"), QStringLiteral("weerstand"));
    QVERIFY(plaatje);
    QCOMPARE(plaatje->size(), QSize(6, 2));
    QCOMPARE(plaatje->pixel(0, 0), Surface::kWhite);
    QCOMPARE(plaatje->pixel(5, 1), kBlauw);
}

void TestBreadboardTekenen::slechteOnderdelen_data() {
    QTest::addColumn<QString>("bestand");
    QTest::addColumn<QByteArray>("inhoud");
    QTest::addColumn<QString>("entry");
    // Whether the file written is a picture that other parts of the program would
    // read: then it is the part-picture rules (or the name) alone that refuse it.
    QTest::addColumn<bool>("leesbaar");
    const QByteArray goed = gifFile(tweeKleuren(4, 4, kRood, kBlauw));
    QTest::newRow("missing") << "Breadboard/Ander.gif" << goed << "Weerstand" << true;
    QTest::newRow("tool name") << "Breadboard/Led.gif" << goed << "Draadverbinding" << true;
    QTest::newRow("empty file") << "Breadboard/Leeg.gif" << QByteArray() << "Leeg" << false;
    QTest::newRow("text") << "Breadboard/Tekst.gif" << QByteArray("no picture here") << "Tekst"
                          << false;
    QTest::newRow("cut off") << "Breadboard/Kort.gif" << goed.left(30) << "Kort" << false;
    QTest::newRow("PNG named .gif")
        << "Breadboard/Png.gif" << pictureFile(filledPicture(4, 4, kRood), "PNG") << "Png" << true;
    QTest::newRow("huge header") << "Breadboard/Reus.gif" << grootBeweerd(60000, 60000) << "Reus"
                                 << false;
    QTest::newRow("too wide") << "Breadboard/Breed.gif"
                              << gifFile(tweeKleuren(2001, 1, kRood, kBlauw)) << "Breed" << true;
    QByteArray hoogScherm = gifFile(tweeKleuren(3, 7, kRood, kBlauw)); // found by fuzzing
    qToLittleEndian<quint16>(2311, hoogScherm.data() + 8); // a screen taller than the frame
    QTest::newRow("screen taller than its picture")
        << "Breadboard/Hoog.gif" << hoogScherm << "Hoog" << true;
    QTest::newRow("backslash is no folder")
        << "Breadboard/sub/deel.gif" << goed << "sub\\deel" << true;
    QTest::newRow("slash is no folder") << "Breadboard/sub/deel.gif" << goed << "sub/deel" << true;
    QTest::newRow("a folder") << "Breadboard/Map.gif/x.gif" << goed << "Map" << true;
}

void TestBreadboardTekenen::slechteOnderdelen() {
    QFETCH(QString, bestand);
    QFETCH(QByteArray, inhoud);
    QFETCH(QString, entry);
    QFETCH(bool, leesbaar);
    TestFolder map;
    const QString pad = map.writeFile(bestand, inhoud);
    QCOMPARE(Surface::readPicture(pad).has_value(), leesbaar);
    QVERIFY(!laadOnderdeelPlaatje(map.path("Breadboard"), entry));
}

void TestBreadboardTekenen::voorbeeldIsDoorzichtigWaarWit() {
    const QImage voorbeeld = onderdeelVoorbeeld(onderdeel());
    QCOMPARE(voorbeeld.size(), QSize(3, 2));
    QCOMPARE(qAlpha(voorbeeld.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(voorbeeld.pixel(1, 1)), 0);
    QCOMPARE(voorbeeld.pixel(1, 0), kBlauw);
    QCOMPARE(voorbeeld.pixel(0, 1), kRood);
}

VOLTARIX_TEST(TestBreadboardTekenen)
#include "tst_breadboardtekenen.moc"

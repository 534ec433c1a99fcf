#include "TestRunner.h"
#include "board/Raster.h"
#include "editor/Design.h"
#include "editor/Ontwerpblad.h"
#include "ui/Surface.h"

#include <QtTest>

namespace {

const QRgb kZwart = qRgb(0, 0, 0);
const QRgb kRasterGrijs = grey(kRasterStart);

// A design sheet with its raster, 300 x 200 pixels (6 x 4 blocks).
Surface rasterBlad(int breed = 300, int hoog = 200) {
    Surface Pic(breed, hoog);
    tekenRasterLijnen(Pic, kRasterStart);
    return Pic;
}

// A symbol that is black everywhere, with a marked corner pixel so that a shifted
// copy would show.
Surface symbool() {
    Surface icon(kSymboolGrootte, kSymboolGrootte, kZwart);
    icon.setPixel(0, 0, qRgb(255, 0, 0));
    return icon;
}

// The pixels of `rect` on the sheet, as one colour, or 0 when they differ.
QRgb effenKleur(const Surface &blad, const QRect &rect) {
    const QRgb eerste = blad.pixel(rect.left(), rect.top());
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (blad.pixel(x, y) != eerste) return 0;
    return eerste;
}

bool isRaster(int x, int y) {
    return x % kBlok == 0 || y % kBlok == 0;
}

// Everything of the sheet outside `rect` is raster (on the lines) or white.
bool restIsLeeg(const Surface &blad, const QRect &rect) {
    for (int y = 0; y < blad.height(); ++y)
        for (int x = 0; x < blad.width(); ++x) {
            if (rect.contains(x, y)) continue;
            const QRgb verwacht = isRaster(x, y) ? kRasterGrijs : Surface::kWhite;
            if (blad.pixel(x, y) != verwacht) return false;
        }
    return true;
}

} // namespace

class TestOntwerpblad : public QObject {
    Q_OBJECT
private slots:
    void linksDrukkenPlaatstSymbool_data();
    void linksDrukkenPlaatstSymbool();
    void andereKnopMaaktBlokLeeg_data();
    void andereKnopMaaktBlokLeeg();
    void geenSymboolGeeftWit();
    void plaatsenAanDeRandKnipt();
    void verschuiven_data();
    void verschuiven();
    void verschuivenNaarLinksVerliestKolomA();
    void onbekendeRichtingLaatBladStaan();
};

void TestOntwerpblad::linksDrukkenPlaatstSymbool_data() {
    QTest::addColumn<QPoint>("druk");
    QTest::addColumn<QPoint>("hoek");
    QTest::newRow("(49, 49)") << QPoint(49, 49) << QPoint(1, 1);
    QTest::newRow("(50, 50)") << QPoint(50, 50) << QPoint(51, 51);
    QTest::newRow("on a raster line") << QPoint(100, 0) << QPoint(101, 1);
    QTest::newRow("inside a block") << QPoint(177, 123) << QPoint(151, 101);
}

void TestOntwerpblad::linksDrukkenPlaatstSymbool() {
    QFETCH(QPoint, druk);
    QFETCH(QPoint, hoek);
    Surface Pic = rasterBlad();
    plaatsBlok(Pic, symbool(), Qt::LeftButton, druk.x(), druk.y());
    const QRect blok(hoek, QSize(kSymboolGrootte, kSymboolGrootte));
    QCOMPARE(Pic.pixel(hoek.x(), hoek.y()), qRgb(255, 0, 0));
    QCOMPARE(effenKleur(Pic, blok.adjusted(1, 1, 0, 0)), kZwart);
    QVERIFY(restIsLeeg(Pic, blok));
}

void TestOntwerpblad::andereKnopMaaktBlokLeeg_data() {
    QTest::addColumn<Qt::MouseButton>("knop");
    QTest::newRow("right") << Qt::RightButton;
    QTest::newRow("middle") << Qt::MiddleButton;
}

void TestOntwerpblad::andereKnopMaaktBlokLeeg() {
    QFETCH(Qt::MouseButton, knop);
    Surface Pic = rasterBlad();
    // Fill the whole sheet, raster lines included, then clear one block.
    Pic.fillBox(0, 0, Pic.width() - 1, Pic.height() - 1, kZwart);
    plaatsBlok(Pic, symbool(), knop, 120, 60);
    QCOMPARE(effenKleur(Pic, QRect(101, 51, 49, 49)), Surface::kWhite);
    // The frame of the block and everything else stay as they were.
    for (const QPoint p : {QPoint(100, 50), QPoint(150, 100), QPoint(100, 75), QPoint(125, 100),
                           QPoint(99, 75), QPoint(151, 75)})
        QCOMPARE(Pic.pixel(p.x(), p.y()), kZwart);
}

void TestOntwerpblad::geenSymboolGeeftWit() {
    Design design;
    design.Pic = rasterBlad();
    design.Pic.fillBox(1, 1, 49, 49, kZwart);
    plaatsBlok(design.Pic, design.IconPic, Qt::LeftButton, 10, 10);
    QCOMPARE(effenKleur(design.Pic, QRect(1, 1, 49, 49)), Surface::kWhite);
}

void TestOntwerpblad::plaatsenAanDeRandKnipt() {
    // A sheet whose last block is cut off by the edge.
    Surface Pic = rasterBlad(130, 80);
    plaatsBlok(Pic, symbool(), Qt::LeftButton, 129, 79);
    QCOMPARE(effenKleur(Pic, QRect(102, 52, 28, 28)), kZwart);
    QCOMPARE(Pic.pixel(101, 51), qRgb(255, 0, 0));
}

void TestOntwerpblad::verschuiven_data() {
    QTest::addColumn<int>("richting");
    QTest::addColumn<QPoint>("naar");  // where the symbol of block (1, 1) goes
    QTest::addColumn<QRect>("strook"); // the uncovered strip
    QTest::newRow("left") << 1 << QPoint(1, 51) << QRect(250, 0, 50, 200);
    QTest::newRow("up") << 2 << QPoint(51, 1) << QRect(0, 150, 300, 50);
    QTest::newRow("right") << 3 << QPoint(101, 51) << QRect(0, 0, 50, 200);
    QTest::newRow("down") << 4 << QPoint(51, 101) << QRect(0, 0, 300, 50);
}

void TestOntwerpblad::verschuiven() {
    QFETCH(int, richting);
    QFETCH(QPoint, naar);
    QFETCH(QRect, strook);
    Surface Pic = rasterBlad(), LoadPic;
    // Ink along the sheet's whole edge, so that the uncovered strip must be cleared.
    Pic.fillBox(0, 0, 299, 199, kZwart);
    Pic.fillBox(1, 1, 298, 198, Surface::kWhite);
    tekenRasterLijnen(Pic, kRasterStart);
    plaatsBlok(Pic, symbool(), Qt::LeftButton, 60, 60);
    QVERIFY(verschuifTekening(Pic, LoadPic, richting, 90));
    QCOMPARE(Pic.pixel(naar.x(), naar.y()), qRgb(255, 0, 0));
    QCOMPARE(effenKleur(Pic, QRect(naar + QPoint(1, 1), QSize(48, 48))), kZwart);
    // The raster is drawn anew in the given grey, the strip is empty.
    for (int y = strook.top(); y <= strook.bottom(); ++y)
        for (int x = strook.left(); x <= strook.right(); ++x)
            QCOMPARE(Pic.pixel(x, y), isRaster(x, y) ? grey(90) : Surface::kWhite);
    QCOMPARE(Pic.pixel(0, 0), grey(90));
    QCOMPARE(Pic.pixel(150, 150), grey(90));
}

void TestOntwerpblad::verschuivenNaarLinksVerliestKolomA() {
    Surface Pic = rasterBlad(), LoadPic;
    Surface a(kSymboolGrootte, kSymboolGrootte, qRgb(0, 0, 200));
    Surface b(kSymboolGrootte, kSymboolGrootte, qRgb(0, 200, 0));
    plaatsBlok(Pic, a, Qt::LeftButton, 10, 10);  // A - 1
    plaatsBlok(Pic, b, Qt::LeftButton, 60, 10);  // B - 1
    plaatsBlok(Pic, a, Qt::LeftButton, 260, 10); // F - 1, the rightmost block
    verschuifTekening(Pic, LoadPic, 1, kRasterStart);
    QCOMPARE(effenKleur(Pic, QRect(1, 1, 49, 49)), qRgb(0, 200, 0));
    QCOMPARE(effenKleur(Pic, QRect(201, 1, 49, 49)), qRgb(0, 0, 200));
    QVERIFY(restIsLeeg(Pic, QRect(1, 1, 49, 49).united(QRect(201, 1, 49, 49))));
    // LoadPic holds the sheet as it was before the shift.
    QCOMPARE(LoadPic.pixel(5, 5), qRgb(0, 0, 200));
}

void TestOntwerpblad::onbekendeRichtingLaatBladStaan() {
    for (const int richting : {0, 5, -1}) {
        Surface Pic = rasterBlad(), LoadPic;
        plaatsBlok(Pic, symbool(), Qt::LeftButton, 60, 60);
        const QImage voor = Pic.image().copy();
        QVERIFY(!verschuifTekening(Pic, LoadPic, richting, 0));
        QCOMPARE(Pic.image(), voor);
    }
}

VOLTARIX_TEST(TestOntwerpblad)
#include "tst_ontwerpblad.moc"

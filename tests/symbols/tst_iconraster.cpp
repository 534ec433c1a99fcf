#include "TestRunner.h"
#include "editor/Design.h"
#include "symbols/IconRaster.h"

#include <QtTest>

using namespace IconRaster;

namespace {

const QRgb kRood = qRgb(255, 0, 0);
const QRgb kZwart = qRgb(0, 0, 0);
const QRgb kGrijs = grey(190);

// A drawing where every pixel has its own colour, so a cell showing the wrong pixel
// cannot go unnoticed.
Surface bonteTekening() {
    Surface tekening(kSymboolGrootte, kSymboolGrootte);
    for (int y = 0; y < kSymboolGrootte; ++y)
        for (int x = 0; x < kSymboolGrootte; ++x)
            tekening.setPixel(x, y, qRgb(5 * x, 5 * y, 100 + x + y));
    return tekening;
}

} // namespace

class TestIconRaster : public QObject {
    Q_OBJECT
private slots:
    void gridPixels_data();
    void gridPixels();
    void paintedCellsEqualRepaint();
    void coordinatesLine_data();
    void coordinatesLine();
    void palette_data();
    void palette();
    void colourHint_data();
    void colourHint();
};

void TestIconRaster::gridPixels_data() {
    QTest::addColumn<QPoint>("punt");
    QTest::addColumn<QRgb>("kleur");
    const auto cel = [](int x, int y) { return qRgb(5 * x, 5 * y, 100 + x + y); };
    QTest::newRow("cell 0,0 inside, top left") << QPoint(6, 6) << cel(0, 0);
    QTest::newRow("cell 0,0 inside, bottom right") << QPoint(14, 14) << cel(0, 0);
    QTest::newRow("cell 1,0") << QPoint(16, 10) << cel(1, 0);
    QTest::newRow("middle cell") << QPoint(250, 250) << cel(24, 24);
    QTest::newRow("last cell") << QPoint(494, 494) << cel(48, 48);
    QTest::newRow("first line") << QPoint(5, 100) << kGrijs;
    QTest::newRow("line between cells") << QPoint(15, 100) << kGrijs;
    QTest::newRow("horizontal line") << QPoint(100, 255) << kGrijs;
    QTest::newRow("last line") << QPoint(495, 100) << kGrijs;
    QTest::newRow("last corner") << QPoint(495, 495) << kGrijs;
    QTest::newRow("margin left") << QPoint(4, 100) << Surface::kWhite;
    QTest::newRow("margin right") << QPoint(496, 100) << Surface::kWhite;
    QTest::newRow("outside the cell area") << QPoint(502, 502) << Surface::kWhite;
    QTest::newRow("left marker inside") << QPoint(2, 250) << kRood;
    QTest::newRow("left marker outline") << QPoint(1, 245) << kZwart;
    QTest::newRow("right marker") << QPoint(498, 250) << kRood;
    QTest::newRow("right marker edge") << QPoint(499, 255) << kZwart;
    QTest::newRow("top marker") << QPoint(250, 2) << kRood;
    QTest::newRow("bottom marker") << QPoint(250, 498) << kRood;
    QTest::newRow("beside a marker") << QPoint(2, 244) << Surface::kWhite;
}

void TestIconRaster::gridPixels() {
    QFETCH(QPoint, punt);
    QFETCH(QRgb, kleur);
    Surface raster(kRasterGrootte, kRasterGrootte);
    raster.fillBox(0, 0, 503, 503, qRgb(1, 2, 3)); // the cells must be painted over
    raster.clear();
    ToonIcon(raster, bonteTekening());
    QCOMPARE(raster.pixel(punt.x(), punt.y()), kleur);
}

void TestIconRaster::paintedCellsEqualRepaint() {
    // Painting cells one at a time, as the mouse does, must give the very picture
    // that a full repaint from the drawing gives.
    const Surface tekening = bonteTekening();
    Surface herhaald(kRasterGrootte, kRasterGrootte), stuk(kRasterGrootte, kRasterGrootte);
    ToonIcon(herhaald, tekening);
    TekenRaster(stuk);
    for (int y = 0; y < kSymboolGrootte; ++y)
        for (int x = 0; x < kSymboolGrootte; ++x)
            kleurCel(stuk, QPoint(x, y), tekening.pixel(x, y));
    QCOMPARE(stuk.image(), herhaald.image());
}

void TestIconRaster::coordinatesLine_data() {
    QTest::addColumn<QPoint>("punt");
    QTest::addColumn<QString>("tekst");
    QTest::newRow("left margin") << QPoint(2, 100) << "X:0 - Y:10";
    QTest::newRow("middle pixel") << QPoint(250, 250) << "X:25 - Y:25";
    QTest::newRow("first cell") << QPoint(5, 5) << "X:1 - Y:1";
    QTest::newRow("right and bottom margin") << QPoint(497, 499) << "X:50 - Y:50";
    QTest::newRow("dragged out to the left") << QPoint(-7, 3) << "X:-1 - Y:0";
}

void TestIconRaster::coordinatesLine() {
    QFETCH(QPoint, punt);
    QFETCH(QString, tekst);
    QCOMPARE(coordinaten(punt.x(), punt.y()), tekst);
}

void TestIconRaster::palette_data() {
    QTest::addColumn<QPoint>("punt");
    QTest::addColumn<QRgb>("kleur");
    QTest::newRow("top-left swatch") << QPoint(0, 0) << qRgb(0, 0, 0);
    QTest::newRow("bottom-left swatch") << QPoint(3, 230) << qRgb(255, 255, 255);
    QTest::newRow("column 1 top") << QPoint(10, 5) << qRgb(0, 255, 255);
    QTest::newRow("column 1 bottom") << QPoint(10, 230) << qRgb(0, 0, 0);
    QTest::newRow("column 2 bottom") << QPoint(20, 230) << qRgb(0, 0, 255);
    QTest::newRow("column 3 top") << QPoint(28, 5) << qRgb(255, 0, 255);
    QTest::newRow("column 4 bottom") << QPoint(36, 230) << qRgb(255, 255, 0);
    QTest::newRow("column 5 top") << QPoint(44, 5) << qRgb(255, 0, 0);
    QTest::newRow("column 6 bottom, last pixel") << QPoint(56, 234) << qRgb(0, 255, 0);
    QTest::newRow("shared edge goes right and down") << QPoint(8, 13) << qRgb(0, 240, 240);
    QTest::newRow("column 0 row 5") << QPoint(4, 70) << qRgb(75, 75, 75);
    QTest::newRow("right of the swatches") << QPoint(58, 100) << kPaletAchtergrond;
    QTest::newRow("below the swatches") << QPoint(20, 237) << kPaletAchtergrond;
}

void TestIconRaster::palette() {
    QFETCH(QPoint, punt);
    QFETCH(QRgb, kleur);
    Surface palet(kPaletBreedte, kPaletHoogte);
    TekenPalet(palet);
    QCOMPARE(palet.pixel(punt.x(), punt.y()), kleur);
}

void TestIconRaster::colourHint_data() {
    QTest::addColumn<QRgb>("kleur");
    QTest::addColumn<QString>("hint");
    QTest::newRow("cyan") << qRgb(0, 255, 255) << " R:0 / G:255 / B:255 ";
    QTest::newRow("mixed") << qRgb(12, 34, 56) << " R:12 / G:34 / B:56 ";
    QTest::newRow("background grey") << kPaletAchtergrond << " R:240 / G:240 / B:240 ";
}

void TestIconRaster::colourHint() {
    QFETCH(QRgb, kleur);
    QFETCH(QString, hint);
    QCOMPARE(kleurHint(kleur), hint);
}

VOLTARIX_TEST(TestIconRaster)
#include "tst_iconraster.moc"

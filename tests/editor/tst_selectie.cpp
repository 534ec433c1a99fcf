// Selecting, moving, copying and pasting: whole cells on the design sheet, drawn pixels
// on the breadboard; and what the clipboard may hand over.
#include "TestFolder.h"
#include "TestRunner.h"
#include "board/BoardDrawing.h"
#include "board/Raster.h"
#include "editor/KlembordBeeld.h"
#include "editor/Ontwerpblad.h"
#include "editor/Selectie.h"

#include <QMimeData>
#include <QtTest>

namespace {
// The raster lines alone: every pixel on a multiple of 50.
QList<QRgb> lijnen(const Surface &blad) {
    QList<QRgb> uit;
    for (int y = 0; y < blad.height(); ++y)
        for (int x = 0; x < blad.width(); ++x)
            if (x % kBlok == 0 || y % kBlok == 0) uit << blad.pixel(x, y);
    return uit;
}
} // namespace

class TestSelectie : public QObject {
    Q_OBJECT
private slots:
    // A drag from inside cell B2 to inside C3 takes four cells, a drag from inside them moves
    // them; a paste near the edge is clipped; no raster line ever changes. (What the cells
    // hold after a move: the end-to-end test's design sheet.)
    void blokken() {
        Surface Pic(420, 260);
        tekenRasterLijnen(Pic, 128);
        const Surface rood(49, 49, qRgb(255, 0, 0)), blauw(49, 49, qRgb(0, 0, 255));
        plaatsBlok(Pic, rood, Qt::LeftButton, 60, 60);    // B2
        plaatsBlok(Pic, blauw, Qt::LeftButton, 110, 110); // C3
        plaatsBlok(Pic, blauw, Qt::LeftButton, 10, 10);   // A1, outside the selection
        const QList<QRgb> raster = lijnen(Pic);
        Selectie selectie(Pic);
        QVERIFY(selectie.druk(Qt::LeftButton, {70, 70}, true));
        selectie.sleep({140, 120});
        QCOMPARE(selectie.rand(), QRect(50, 50, 101, 101));
        QVERIFY(!selectie.los({140, 120}));
        QVERIFY(selectie.druk(Qt::LeftButton, {100, 100}, false));
        selectie.sleep({260, 100});
        QCOMPARE(selectie.rand(), QRect(200, 50, 101, 101));
        QVERIFY(selectie.los({260, 100}));
        QCOMPARE(lijnen(Pic), raster);

        const QImage kopie = selectie.kopie();
        QCOMPARE(kopie.size(), QSize(99, 99));
        selectie.plak(kopie, {405, 10}); // I1, the last column, cut by the sheet's edge
        QCOMPARE(Pic.pixel(419, 10), qRgb(255, 0, 0));
        QCOMPARE(selectie.rand(), QRect(400, 0, 51, 101));
        QCOMPARE(lijnen(Pic), raster);
        QVERIFY(selectie.druk(Qt::RightButton, {5, 5}, true)); // a press outside drops it
        QVERIFY(!selectie.actief());
    }

    // On the breadboard the drawing alone is taken (that a move leaves bare board behind: the
    // end-to-end test's breadboard); its copy is the wire alone, a paste adds it elsewhere,
    // deleting it leaves bare board.
    void tekening() {
        Surface Pic2(800, 600), GumPic(800, 600);
        TekenBord(false, Pic2, GumPic);
        Pic2.setLineWidth(3);
        Pic2.drawLine(200, 200, 300, 200, qRgb(255, 0, 0));
        Selectie selectie(Pic2, &GumPic);
        QVERIFY(selectie.druk(Qt::LeftButton, {190, 190}, true));
        QVERIFY(!selectie.los({310, 210}));
        QVERIFY(selectie.druk(Qt::LeftButton, {250, 200}, true));
        QVERIFY(selectie.los({250, 240}));
        const QImage kopie = selectie.kopie();
        QCOMPARE(qAlpha(kopie.pixel(0, 0)), 0);
        selectie.plak(kopie, {400, 400});
        QCOMPARE(Pic2.pixel(460, 410), qRgb(255, 0, 0));
        QCOMPARE(Pic2.pixel(250, 240), qRgb(255, 0, 0));
        selectie.wis();
        QCOMPARE(Pic2.image().copy(400, 400, 121, 21), GumPic.image().copy(400, 400, 121, 21));
    }

    // A picture claiming 10000 x 10000 pixels (a BMP header alone) is refused by its size,
    // text is no picture; a real picture comes through.
    void klembord() {
        QImage beeld(30, 20, QImage::Format_RGB32);
        beeld.fill(Qt::red);
        for (const auto &[soort, bytes, fout] :
             {std::tuple{"image/bmp", bmpHeader(10000, 10000), KlembordBeeld::kTeGroot},
              std::tuple{"text/plain", QByteArray("R1"), KlembordBeeld::kGeenBeeld}}) {
            QMimeData data;
            data.setData(soort, bytes);
            QCOMPARE(KlembordBeeld::lees(&data).fout, fout);
        }
        QMimeData data;
        data.setData("image/png", pictureFile(beeld, "PNG"));
        QCOMPARE(KlembordBeeld::lees(&data).beeld.convertToFormat(QImage::Format_RGB32), beeld);
    }
};

VOLTARIX_TEST(TestSelectie)
#include "tst_selectie.moc"

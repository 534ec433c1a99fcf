#include "TestFolder.h"
#include "TestRunner.h"
#include "ui/Surface.h"

#include <QPainter>
#include <QtEndian>
#include <QtTest>

namespace {

const QRgb kRed = qRgb(255, 0, 0);

// The pixels of a surface that are not white, as "x,y" texts, in row order.
QStringList inked(const Surface &surface) {
    QStringList points;
    for (int y = 0; y < surface.height(); ++y)
        for (int x = 0; x < surface.width(); ++x)
            if (surface.pixel(x, y) != Surface::kWhite)
                points << QStringLiteral("%1,%2").arg(x).arg(y);
    return points;
}

} // namespace

class TestSurface : public QObject {
    Q_OBJECT
private slots:
    void thinLines_data();
    void thinLines();
    void boxesIncludeTheirEdges();
    void drawingOutsideIsClipped();
    void invertingTwiceRestores_data();
    void invertingTwiceRestores();
    void wideLineCoversItsWidth();
    void copyClipsAndHandlesOverlap();
    void stretchedCopy();
    void circleIsSymmetricAndThin_data();
    void circleIsSymmetricAndThin();
    void textChangesOnlyItsLetters();
    void resizeKeepsPixels();
    void bmpRoundTripIsExact();
    void gifTransparencyBecomesWhite();
    void loadKeepsSizeAndClips();
    void badFilesAreRefused_data();
    void badFilesAreRefused();
    void changeListenerHearsEveryChange();
};

void TestSurface::thinLines_data() {
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<QStringList>("pixels");
    QTest::newRow("right, end left out")
        << QPoint(1, 1) << QPoint(4, 1) << QStringList{"1,1", "2,1", "3,1"};
    QTest::newRow("left, end left out")
        << QPoint(4, 1) << QPoint(1, 1) << QStringList{"2,1", "3,1", "4,1"};
    QTest::newRow("down") << QPoint(2, 0) << QPoint(2, 3) << QStringList{"2,0", "2,1", "2,2"};
    QTest::newRow("up") << QPoint(2, 3) << QPoint(2, 0) << QStringList{"2,1", "2,2", "2,3"};
    QTest::newRow("diagonal") << QPoint(0, 0) << QPoint(3, 3) << QStringList{"0,0", "1,1", "2,2"};
    QTest::newRow("zero length") << QPoint(2, 2) << QPoint(2, 2) << QStringList{};
}

void TestSurface::thinLines() {
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QFETCH(QStringList, pixels);
    Surface surface(6, 6);
    surface.drawLine(from.x(), from.y(), to.x(), to.y(), kRed);
    QCOMPARE(inked(surface), pixels);
}

void TestSurface::boxesIncludeTheirEdges() {
    Surface outline(8, 8);
    outline.drawBox(1, 1, 3, 3, kRed);
    QCOMPARE(inked(outline), (QStringList{"1,1", "2,1", "3,1", "1,2", "3,2", "1,3", "2,3", "3,3"}));
    Surface filled(8, 8);
    filled.fillBox(3, 3, 1, 2, kRed); // corners in any order
    QCOMPARE(inked(filled), (QStringList{"1,2", "2,2", "3,2", "1,3", "2,3", "3,3"}));
}

void TestSurface::drawingOutsideIsClipped() {
    Surface surface(4, 4);
    surface.setPixel(-1, 0, kRed);
    surface.setPixel(4, 0, kRed);
    surface.fillBox(-10, -10, 0, 0, kRed);
    surface.drawLine(-5, 3, 10, 3, kRed);
    QCOMPARE(inked(surface), (QStringList{"0,0", "0,3", "1,3", "2,3", "3,3"}));
    QCOMPARE(surface.pixel(-1, 0), Surface::kOutside);
    QCOMPARE(surface.pixel(0, 4), Surface::kOutside);
}

void TestSurface::invertingTwiceRestores_data() {
    QTest::addColumn<int>("width");
    QTest::newRow("1 pixel") << 1;
    QTest::newRow("3 pixels") << 3;
}

void TestSurface::invertingTwiceRestores() {
    QFETCH(int, width);
    Surface surface(40, 40);
    surface.fillBox(5, 5, 30, 12, qRgb(10, 200, 30));
    const QImage before = surface.image().copy();
    surface.setDrawMode(Surface::DrawMode::Invert);
    surface.setLineWidth(width);
    surface.drawLine(2, 3, 37, 29, kRed);
    QVERIFY(surface.image() != before);
    QCOMPARE(surface.pixel(2, 3), qRgb(0, 0, 0)); // white inverted
    surface.drawLine(2, 3, 37, 29, kRed);
    QCOMPARE(surface.image(), before);
}

void TestSurface::wideLineCoversItsWidth() {
    Surface surface(20, 20);
    surface.setLineWidth(3);
    surface.drawLine(5, 10, 15, 10, kRed);
    for (int y : {9, 10, 11})
        QCOMPARE(surface.pixel(10, y), kRed);
    QCOMPARE(surface.pixel(10, 8), Surface::kWhite);
    QCOMPARE(surface.pixel(10, 12), Surface::kWhite);
}

void TestSurface::copyClipsAndHandlesOverlap() {
    Surface source(10, 10);
    source.setPixel(0, 0, kRed);
    source.setPixel(9, 9, qRgb(0, 0, 255));
    Surface target(5, 5);
    target.copyFrom(source, source.rect(), QPoint(-9, -9)); // only (9, 9) lands, at (0, 0)
    QCOMPARE(inked(target), QStringList{"0,0"});
    QCOMPARE(target.pixel(0, 0), qRgb(0, 0, 255));

    Surface self(6, 1);
    for (int x = 0; x < 6; ++x)
        self.setPixel(x, 0, qRgb(x, x, x));
    self.copyFrom(self, QRect(0, 0, 4, 1), QPoint(2, 0)); // overlapping move to the right
    for (int x = 2; x < 6; ++x)
        QCOMPARE(self.pixel(x, 0), qRgb(x - 2, x - 2, x - 2));
}

void TestSurface::stretchedCopy() {
    QImage source(2, 1, QImage::Format_RGB32);
    source.setPixel(0, 0, kRed);
    source.setPixel(1, 0, qRgb(0, 0, 255));
    Surface target(8, 2);
    target.stretchFrom(source, source.rect(), target.rect());
    QCOMPARE(target.pixel(0, 0), kRed);
    QCOMPARE(target.pixel(3, 1), kRed);
    QCOMPARE(target.pixel(4, 0), qRgb(0, 0, 255));
    QCOMPARE(target.pixel(7, 1), qRgb(0, 0, 255));
}

void TestSurface::circleIsSymmetricAndThin_data() {
    QTest::addColumn<int>("radius");
    for (int r : {1, 2, 5, 11, 24})
        QTest::addRow("r = %d", r) << r;
}

void TestSurface::circleIsSymmetricAndThin() {
    QFETCH(int, radius);
    Surface surface(49, 49);
    surface.drawCircle(24, 24, radius, kRed);
    const QStringList points = inked(surface);
    QVERIFY(points.contains(QStringLiteral("%1,24").arg(24 - radius)));
    QVERIFY(points.contains(QStringLiteral("%1,24").arg(24 + radius)));
    QVERIFY(points.contains(QStringLiteral("24,%1").arg(24 - radius)));
    QVERIFY(points.contains(QStringLiteral("24,%1").arg(24 + radius)));
    for (int y = 0; y < 49; ++y) {
        for (int x = 0; x < 49; ++x) {
            const bool on = surface.pixel(x, y) == kRed;
            // Mirrored in both axes and in the diagonal.
            QCOMPARE(surface.pixel(48 - x, y) == kRed, on);
            QCOMPARE(surface.pixel(x, 48 - y) == kRed, on);
            QCOMPARE(surface.pixel(y, x) == kRed, on);
            if (on) { // every pixel lies within half a pixel of the radius
                const double distance = std::hypot(x - 24, y - 24);
                QVERIFY2(std::abs(distance - radius) < 0.75, qPrintable(points.join(' ')));
            }
        }
    }
    QCOMPARE(surface.pixel(24, 24) == kRed, false);
}

void TestSurface::textChangesOnlyItsLetters() {
    Surface surface(100, 40, qRgb(0, 0, 255));
    surface.clear();
    Surface::TextStyle style;
    style.pointSize = 12;
    style.colour = qRgb(255, 255, 0);
    surface.drawText(10, 10, QStringLiteral("Hg"), style);
    const QSize size = Surface::textSize(QStringLiteral("Hg"), style);
    QVERIFY(size.height() >= 16); // 12 points at 96 DPI: letters of 16 pixels
    int inside = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 100; ++x) {
            const bool text = surface.pixel(x, y) != qRgb(0, 0, 255);
            const bool inBox =
                x >= 10 && y >= 10 && x < 10 + size.width() && y < 10 + size.height();
            if (text) {
                QVERIFY2(inBox, qPrintable(QStringLiteral("ink at %1,%2").arg(x).arg(y)));
                ++inside;
            }
        }
    QVERIFY(inside > 20);
    QCOMPARE(surface.pixel(12, 10), qRgb(0, 0, 255)); // the line box's top is above the H
}

void TestSurface::resizeKeepsPixels() {
    Surface surface(4, 4, qRgb(1, 2, 3));
    surface.setPixel(3, 3, kRed);
    surface.resize(6, 2);
    QCOMPARE(surface.size(), QSize(6, 2));
    QCOMPARE(surface.pixel(3, 1), qRgb(1, 2, 3));
    surface.resize(6, 6);
    QCOMPARE(surface.pixel(3, 3), qRgb(1, 2, 3)); // cut off before, background now
}

void TestSurface::bmpRoundTripIsExact() {
    TestFolder folder;
    Surface surface(30, 20);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 30; ++x)
            surface.setPixel(x, y, qRgb(x * 8, y * 12, (x * y) % 256));
    const QString file = folder.path(QStringLiteral("sheet.bmp"));
    QVERIFY(surface.saveBmp(file));
    QFile bmp(file);
    QVERIFY(bmp.open(QIODevice::ReadOnly));
    const QByteArray header = bmp.read(30);
    QCOMPARE(header.left(2), QByteArray("BM"));
    QCOMPARE(qFromLittleEndian<quint16>(header.constData() + 28), quint16(24));
    Surface loaded(30, 20);
    QVERIFY(loaded.load(file));
    QCOMPARE(loaded.image(), surface.image());
}

void TestSurface::gifTransparencyBecomesWhite() {
    TestFolder folder;
    QImage picture(4, 2, QImage::Format_Indexed8);
    picture.setColorTable({qRgba(0, 0, 0, 0), qRgb(0, 128, 0)});
    picture.fill(0);
    picture.setPixel(1, 1, 1);
    const QString file = folder.writeFile(QStringLiteral("part.gif"), gifFile(picture, 0));
    const std::optional<QImage> loaded = Surface::readPicture(file);
    QVERIFY(loaded);
    QCOMPARE(loaded->size(), QSize(4, 2));
    QCOMPARE(loaded->format(), QImage::Format_RGB32);
    QCOMPARE(loaded->pixel(0, 0), qRgb(255, 255, 255));
    QCOMPARE(loaded->pixel(1, 1), qRgb(0, 128, 0));
}

void TestSurface::loadKeepsSizeAndClips() {
    TestFolder folder;
    const QString small =
        folder.writePicture(QStringLiteral("small.bmp"), filledPicture(3, 3, kRed));
    const QString big = folder.writePicture(QStringLiteral("big.bmp"), filledPicture(80, 60, kRed));
    Surface icon(49, 49, qRgb(9, 9, 9));
    icon.clear();
    QVERIFY(icon.load(small));
    QCOMPARE(icon.size(), QSize(49, 49));
    QCOMPARE(icon.pixel(2, 2), kRed);
    QCOMPARE(icon.pixel(3, 3), qRgb(9, 9, 9));
    QVERIFY(icon.load(big));
    QCOMPARE(icon.size(), QSize(49, 49));
    QCOMPARE(icon.pixel(48, 48), kRed);
}

void TestSurface::badFilesAreRefused_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("text") << QByteArray("not a picture at all");
    QTest::newRow("huge header") << bmpHeader(100000, 100000);
    QTest::newRow("negative size") << bmpHeader(-5, 0);
    QByteArray truncated = pictureFile(filledPicture(40, 40, kRed));
    truncated.truncate(truncated.size() / 3);
    QTest::newRow("truncated") << truncated;
}

void TestSurface::badFilesAreRefused() {
    QFETCH(QByteArray, content);
    TestFolder folder;
    const QString file = folder.writeFile(QStringLiteral("bad.bmp"), content);
    Surface surface(10, 10);
    surface.setPixel(5, 5, kRed);
    const QImage before = surface.image().copy();
    QVERIFY(!surface.load(file));
    QCOMPARE(surface.image(), before);
    QVERIFY(!surface.load(folder.path(QStringLiteral("missing.bmp"))));
}

void TestSurface::changeListenerHearsEveryChange() {
    Surface surface(5, 5);
    int changes = 0;
    surface.setChangeListener([&] { ++changes; });
    surface.setPixel(1, 1, kRed);
    surface.fillBox(0, 0, 1, 1, kRed);
    surface.clear();
    QVERIFY(changes >= 3);
}

VOLTARIX_TEST(TestSurface)
#include "tst_surface.moc"

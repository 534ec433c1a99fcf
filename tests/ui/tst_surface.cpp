#include "TestFolder.h"
#include "TestRunner.h"
#include "ui/Surface.h"

#include <QtTest>

namespace {

const QRgb kRed = qRgb(255, 0, 0), kBlue = qRgb(0, 0, 255);

// The pixels that are not the background, as "x,y" in row order.
QString inked(const Surface &surface) {
    QStringList points;
    for (int y = 0; y < surface.height(); ++y)
        for (int x = 0; x < surface.width(); ++x)
            if (surface.pixel(x, y) != surface.background())
                points << QStringLiteral("%1,%2").arg(x).arg(y);
    return points.join(' ');
}

} // namespace

class TestSurface : public QObject {
    Q_OBJECT
private slots:
    void shapes_data() {
        QTest::addColumn<char>("kind"); // 'l' line, 'b' outlined box, 'f' filled box
        QTest::addColumn<QLine>("corners");
        QTest::addColumn<QString>("pixels");
        const auto row = [](const char *name, char kind, QLine corners, const char *pixels) {
            QTest::newRow(name) << kind << corners << QString(pixels);
        };
        row("right, end left out", 'l', {1, 1, 4, 1}, "1,1 2,1 3,1");
        row("left, end left out", 'l', {4, 1, 1, 1}, "2,1 3,1 4,1");
        row("down", 'l', {2, 0, 2, 3}, "2,0 2,1 2,2");
        row("up", 'l', {2, 3, 2, 0}, "2,1 2,2 2,3");
        row("diagonal", 'l', {0, 0, 3, 3}, "0,0 1,1 2,2");
        row("steep", 'l', {3, 4, 2, 0}, "2,1 2,2 3,3 3,4");
        row("zero length", 'l', {2, 2, 2, 2}, "");
        row("line clipped", 'l', {-5, 5, 10, 5}, "0,5 1,5 2,5 3,5 4,5 5,5");
        row("box", 'b', {1, 1, 3, 3}, "1,1 2,1 3,1 1,2 3,2 1,3 2,3 3,3");
        row("box clipped, corners swapped", 'b', {1, 1, -60, -60}, "1,0 0,1 1,1");
        row("filled, corners in any order", 'f', {3, 3, 1, 2}, "1,2 2,2 3,2 1,3 2,3 3,3");
        row("filled clipped", 'f', {-10, -10, 0, 0}, "0,0");
    }
    void shapes() {
        QFETCH(char, kind);
        QFETCH(QLine, corners);
        QFETCH(QString, pixels);
        Surface surface(6, 6);
        int changes = 0;
        surface.setChangeListener([&changes] { ++changes; });
        const auto draw = kind == 'l'   ? &Surface::drawLine
                          : kind == 'b' ? &Surface::drawBox
                                        : &Surface::fillBox;
        (surface.*draw)(corners.x1(), corners.y1(), corners.x2(), corners.y2(), kRed);
        QCOMPARE(inked(surface), pixels);
        QVERIFY(changes > 0); // the view repaints
        QCOMPARE(surface.pixel(0, 6), Surface::kOutside);
    }

    // Inverting again undoes it: every pixel of a shape is inverted once. A line of
    // width w covers w rows.
    void inverting() {
        for (const int width : {1, 3}) {
            Surface surface(40, 40);
            surface.fillBox(5, 5, 30, 12, qRgb(10, 200, 30));
            const QImage before = surface.image().copy();
            surface.setDrawMode(Surface::DrawMode::Invert);
            surface.setLineWidth(width);
            for (const QRgb expected : {qRgb(0, 0, 0), Surface::kWhite}) {
                surface.drawLine(2, 3, 37, 29, kRed);
                surface.drawBox(1, 30, 20, 38, kRed);
                for (const QPoint p : {QPoint(2, 3), QPoint(1, 30), QPoint(20, 38)})
                    QCOMPARE(surface.pixel(p.x(), p.y()), expected);
            }
            QCOMPARE(surface.image(), before);
            surface.setDrawMode(Surface::DrawMode::Copy);
            surface.drawLine(5, 34, 15, 34, kRed);
            for (int dy = -width / 2 - 1; dy <= width / 2 + 1; ++dy)
                QCOMPARE(surface.pixel(10, 34 + dy) == kRed, std::abs(dy) <= width / 2);
        }
    }

    void copies() {
        Surface source(10, 10);
        source.setPixel(0, 0, kRed);
        source.setPixel(9, 9, kBlue);
        Surface target(5, 5);
        target.copyFrom(source, source.rect(), QPoint(-9, -9)); // only (9, 9) lands, at (0, 0)
        QCOMPARE(inked(target), "0,0");
        QCOMPARE(target.pixel(0, 0), kBlue);
        Surface self(6, 1);
        for (int x = 0; x < 6; ++x)
            self.setPixel(x, 0, qRgb(x, x, x));
        self.copyFrom(self, QRect(0, 0, 4, 1), QPoint(2, 0)); // overlapping move to the right
        for (int x = 2; x < 6; ++x)
            QCOMPARE(self.pixel(x, 0), qRgb(x - 2, x - 2, x - 2));
        Surface stretched(8, 2); // without smoothing: each source pixel becomes a block
        stretched.stretchFrom(source.image(), QRect(8, 9, 2, 1), stretched.rect());
        QCOMPARE(inked(stretched), "4,0 5,0 6,0 7,0 4,1 5,1 6,1 7,1");
        QCOMPARE(stretched.pixel(7, 1), kBlue);
    }

    void circleIsSymmetricAndThin() {
        for (const int radius : {1, 2, 5, 11, 24}) {
            Surface surface(49, 49);
            surface.drawCircle(24, 24, radius, kRed);
            const QImage circle = surface.image(); // mirrored in both axes and in the diagonal
            QCOMPARE(circle.mirrored(true, false), circle);
            QCOMPARE(circle.mirrored(false, true), circle);
            QCOMPARE(
                circle.transformed(QTransform(0, 1, 1, 0, 0, 0)).convertToFormat(circle.format()),
                circle);
            QCOMPARE(surface.pixel(24 - radius, 24), kRed);
            for (int y = 0; y < 49; ++y)
                for (int x = 0; x < 49; ++x) // every pixel within half a pixel of the radius
                    if (surface.pixel(x, y) == kRed)
                        QVERIFY(std::abs(std::hypot(x - 24, y - 24) - radius) < 0.75);
        }
    }

    void textStandsInItsLineBox() {
        Surface surface(100, 40, kBlue);
        Surface::TextStyle style;
        style.pointSize = 12;
        style.colour = qRgb(255, 255, 0);
        surface.drawText(10, 10, QStringLiteral("Hg"), style);
        const QSize size = Surface::textSize(QStringLiteral("Hg"), style);
        QVERIFY(size.height() >= 16); // 12 points at 96 DPI: letters of 16 pixels
        const QRect ink = differingRect(surface.image(), Surface(100, 40, kBlue).image());
        QVERIFY2(QRect(QPoint(10, 10), size).contains(ink) && ink.height() >= 12,
                 qPrintable(QStringLiteral("%1 %2").arg(ink.top()).arg(ink.height())));
        QVERIFY(ink.top() > 10); // the line box's top is above the H
    }

    void resizeKeepsPixels() {
        Surface surface(4, 4, qRgb(1, 2, 3));
        surface.setPixel(3, 3, kRed);
        surface.setPixel(1, 1, kRed);
        surface.resize(6, 2);
        QCOMPARE(surface.size(), QSize(6, 2));
        QCOMPARE(inked(surface), "1,1");
        surface.resize(6, 6);
        QCOMPARE(inked(surface), "1,1"); // (3, 3) was cut off: background now
    }
};

VOLTARIX_TEST(TestSurface)
#include "tst_surface.moc"

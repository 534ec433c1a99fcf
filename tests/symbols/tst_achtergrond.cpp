#include "TestFolder.h"
#include "TestRunner.h"
#include "symbols/AchtergrondOpslag.h"
#include "symbols/Patronen.h"
#include "symbols/Texturen.h"
#include "ui/Surface.h"

#include <QSet>
#include <QtTest>

namespace {

QImage patroonOver(QImage onder, int patroon, QRgb kleur) {
    Surface tegel(onder);
    Patronen::teken(tegel, patroon, kleur);
    return tegel.image();
}

} // namespace

class TestAchtergrond : public QObject {
    Q_OBJECT
private slots:
    // Each pattern as a rule on the pixel, drawn over a ground it otherwise leaves alone.
    void patronen() {
        const std::function<bool(int, int)> regels[] = {
            [](int, int) { return true; },
            [](int, int y) { return y % 4 == 0; },
            [](int x, int y) { return x % 4 == 0 || y % 4 == 0; },
            [](int, int y) { return y % 8 == 0; },
            [](int x, int y) { return x % 8 == 0 || y % 8 == 0; },
            [](int x, int y) {
                return std::min(std::min(x, 80 - x), std::min(y, 80 - y)) % 4 == 0;
            },
            {}, // circles, below
            [](int x, int y) { return x % 4 == y % 4 && x % 2 == 0; },
            [](int x, int y) { return x % 6 == y % 6 && x % 3 == 0; }, // last dots at 78, 81
            [](int x, int y) { return x % 8 <= 4 && y % 8 <= 4 && (x % 4 == 0 || y % 4 == 0); },
            [](int x, int y) {
                const int a = x % 16, b = y % 16;
                return (a <= 8 && b <= 8 && (a % 8 == 0 || b % 8 == 0)) ||
                       (a >= 2 && a <= 6 && b >= 2 && b <= 6 && (a % 4 == 2 || b % 4 == 2));
            },
            [](int, int) { return false; }}; // any other index draws nothing
        for (int patroon = -1; patroon <= Patronen::kAantal; ++patroon) {
            const auto &regel = regels[patroon < 0 ? Patronen::kAantal : patroon];
            QImage verwacht = filledPicture(80, 80, qRgb(10, 120, 10));
            for (int i = 0; i < 6400 && regel; ++i)
                if (regel(i % 80, i / 80)) verwacht.setPixel(i % 80, i / 80, qRgb(200, 30, 90));
            const QImage getekend =
                patroonOver(filledPicture(80, 80, qRgb(10, 120, 10)), patroon, qRgb(200, 30, 90));
            QVERIFY2(!regel || getekend == verwacht, qPrintable(QString::number(patroon)));
        }
        // Circles of radius 0, 4, ..., 80 around (40, 40) cross the axes at every fourth pixel.
        const QImage cirkels = patroonOver(Surface(80, 80).image(), 6, 0);
        for (int d = 0; d < 40; ++d)
            for (const QPoint p : {QPoint(40 + d, 40), QPoint(40 - d, 40), QPoint(40, 40 + d)})
                QCOMPARE(cirkels.pixel(p), d % 4 ? Surface::kWhite : qRgb(0, 0, 0));
    }

    // Size, average colour, colours (1 plain, 4 tracks, else many); seamless at 80 pixels.
    void texturen_data() {
        // rij: the average red, green, blue; side; colours
        kolommen<int, QList<int>>("i", "rij");
        const QList<int> rijen[] = {
            {227, 227, 227, 81, 20}, {234, 225, 225, 81, 20}, {244, 244, 221, 81, 20},
            {219, 248, 219, 81, 20}, {201, 203, 254, 81, 20}, {201, 201, 254, 81, 20},
            {244, 244, 244, 81, 1},  {240, 240, 255, 81, 1},  {236, 232, 255, 81, 1},
            {219, 227, 162, 81, 20}, {221, 221, 221, 80, 4},  {231, 231, 231, 80, 20},
            {227, 231, 239, 80, 20}, {246, 229, 203, 80, 20}};
        for (int i = 0; i < Texturen::kAantal; ++i)
            QTest::addRow("texture %d", i) << i << rijen[i];
    }
    void texturen() {
        auto [i, rij] = velden<int, QList<int>>("i", "rij");
        const int zijde = rij[3];
        const QImage beeld = Texturen::textuur(i);
        QCOMPARE(beeld.size(), QSize(zijde, zijde));
        QCOMPARE(beeld, Texturen::textuur(i));
        double som[3] = {};
        QSet<QRgb> gezien;
        for (int j = 0; j < zijde * zijde; ++j) {
            const int x = j % zijde, y = j / zijde;
            const QRgb p = beeld.pixel(x, y);
            som[0] += qRed(p), som[1] += qGreen(p), som[2] += qBlue(p);
            gezien.insert(p);
            QCOMPARE(p, beeld.pixel(i == 10 && !x ? 79 : x % 80, i == 10 && !y ? 79 : y % 80));
        }
        for (int kleur = 0; kleur < 3; ++kleur)
            QCOMPARE_LE(std::abs(som[kleur] / (zijde * zijde) - rij[kleur]), 1);
        QCOMPARE(std::min(int(gezien.size()), 20), rij[4]);
        QVERIFY(Texturen::textuur(-1).isNull());
        QVERIFY(Texturen::textuur(Texturen::kAantal).isNull());
    }

    // A broken BMP converts to nothing and leaves the old picture.
    void kapotteBmp() {
        TestFolder folder;
        const QString jpg = folder.writeFile("b.jpg", "old"), bmp = folder.writeFile("k.bmp", "BM");
        QVERIFY(!AchtergrondOpslag::BmpToJpeg(bmp, jpg, 99));
        QCOMPARE(folder.readFile("b.jpg"), "old");
    }
};

VOLTARIX_TEST(TestAchtergrond)
#include "tst_achtergrond.moc"

#include "TestRunner.h"
#include "tools/WeerstandTekening.h"

#include <QtTest>

namespace {

const QRgb kZwart = qRgb(0, 0, 0);
const QRgb kBlauw = qRgb(0, 0, 255);
const QRgb kAchtergrond = qRgb(212, 208, 200);

} // namespace

class TestWeerstandTekening : public QObject {
    Q_OBJECT
private slots:
    void symboolPixels_data();
    void symboolPixels();
    void bandsCoverExactlyTheirColumns_data();
    void bandsCoverExactlyTheirColumns();
    void otherBandNumbersPaintNothing();
    void groteTekening_data();
    void groteTekening();
};

void TestWeerstandTekening::symboolPixels_data() {
    QTest::addColumn<QPoint>("punt");
    QTest::addColumn<QRgb>("kleur");
    QTest::newRow("left lead at the edge") << QPoint(0, 24) << kZwart;
    QTest::newRow("lead is three rows: 23") << QPoint(2, 23) << kZwart;
    QTest::newRow("lead is three rows: 25") << QPoint(2, 25) << kZwart;
    QTest::newRow("above the lead") << QPoint(2, 22) << Surface::kWhite;
    QTest::newRow("right lead at the edge") << QPoint(48, 24) << kZwart;
    QTest::newRow("outline, two pixels") << QPoint(6, 20) << kZwart;
    QTest::newRow("outline bottom") << QPoint(20, 33) << kZwart;
    QTest::newRow("corner cut") << QPoint(5, 14) << Surface::kWhite;
    QTest::newRow("beside the cut corner") << QPoint(6, 14) << kZwart;
    QTest::newRow("lighter inner edge") << QPoint(7, 20) << qRgb(248, 248, 248);
    QTest::newRow("body") << QPoint(30, 24) << qRgb(224, 224, 224);
    QTest::newRow("outside the body") << QPoint(20, 13) << Surface::kWhite;
}

void TestWeerstandTekening::symboolPixels() {
    QFETCH(QPoint, punt);
    QFETCH(QRgb, kleur);
    const Surface symbool = WeerstandSymbool();
    QCOMPARE(symbool.size(), QSize(49, 49));
    QCOMPARE(symbool.pixel(punt.x(), punt.y()), kleur);
}

void TestWeerstandTekening::bandsCoverExactlyTheirColumns_data() {
    QTest::addColumn<int>("band");
    QTest::addColumn<int>("links");
    QTest::newRow("band 1") << 1 << 10;
    QTest::newRow("band 2") << 2 << 16;
    QTest::newRow("band 3") << 3 << 22;
}

void TestWeerstandTekening::bandsCoverExactlyTheirColumns() {
    QFETCH(int, band);
    QFETCH(int, links);
    Surface symbool = WeerstandSymbool();
    const Surface kaal = WeerstandSymbool();
    VerfBand(symbool, band, kBlauw);
    for (int y = 0; y < 49; ++y) {
        for (int x = 0; x < 49; ++x) {
            const bool inBand = x >= links && x <= links + 2 && y >= 16 && y <= 32;
            QCOMPARE(symbool.pixel(x, y), inBand ? kBlauw : kaal.pixel(x, y));
        }
    }
}

void TestWeerstandTekening::otherBandNumbersPaintNothing() {
    Surface symbool = WeerstandSymbool();
    VerfBand(symbool, 0, kBlauw);
    VerfBand(symbool, 4, kBlauw);
    QCOMPARE(symbool.image(), WeerstandSymbool().image());
}

void TestWeerstandTekening::groteTekening_data() {
    QTest::addColumn<QPoint>("punt");
    QTest::addColumn<QRgb>("kleur");
    const QRgb lijf = qRgb(192, 64, 0);
    QTest::newRow("band 1") << QPoint(51, 30) << qRgb(255, 0, 0);
    QTest::newRow("band 1 is 3 wide") << QPoint(50, 24) << qRgb(255, 0, 0);
    QTest::newRow("band 2") << QPoint(60, 42) << qRgb(0, 255, 0);
    QTest::newRow("band 3") << QPoint(69, 35) << kBlauw;
    QTest::newRow("tolerance band") << QPoint(84, 30) << kZwart;
    QTest::newRow("body between bands") << QPoint(76, 30) << lijf;
    QTest::newRow("body border") << QPoint(100, 21) << kZwart;
    QTest::newRow("rounded corner") << QPoint(39, 21) << kAchtergrond;
    QTest::newRow("left lead") << QPoint(9, 33) << kZwart;
    QTest::newRow("before the left lead") << QPoint(8, 33) << kAchtergrond;
    QTest::newRow("right lead end") << QPoint(165, 33) << kZwart;
    QTest::newRow("band 1 leader corner") << QPoint(51, 51) << kZwart;
    QTest::newRow("band 1 leader end") << QPoint(156, 51) << kZwart;
    QTest::newRow("past the leader") << QPoint(157, 51) << kAchtergrond;
    QTest::newRow("band 3 leader") << QPoint(69, 89) << kZwart;
    QTest::newRow("tolerance leader down") << QPoint(84, 110) << kZwart;
    QTest::newRow("tolerance leader up") << QPoint(246, 61) << kZwart;
    QTest::newRow("tolerance leader end") << QPoint(254, 60) << kZwart;
    QTest::newRow("past the tolerance leader") << QPoint(255, 60) << kAchtergrond;
}

void TestWeerstandTekening::groteTekening() {
    QFETCH(QPoint, punt);
    QFETCH(QRgb, kleur);
    Surface bord(kKleurcodeBordMaat.width(), kKleurcodeBordMaat.height());
    TekenGroteWeerstand(bord, {qRgb(255, 0, 0), qRgb(0, 255, 0), kBlauw}, kAchtergrond);
    QCOMPARE(bord.pixel(punt.x(), punt.y()), kleur);
}

VOLTARIX_TEST(TestWeerstandTekening)
#include "tst_weerstandtekening.moc"

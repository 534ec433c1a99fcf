#include "TestRunner.h"
#include "tools/KleurcodeKeuze.h"
#include "tools/WeerstandTekening.h"

#include <QtTest>

namespace {

// The colour of each band of the symbol, checked over the band's whole area; an
// invalid colour when the band is not of one colour.
QRgb bandOpSymbool(const Surface &symbool, int band) {
    const QRect vlak = bandVlak(band);
    const QRgb kleur = symbool.pixel(vlak.left(), vlak.top());
    for (int y = vlak.top(); y <= vlak.bottom(); ++y)
        for (int x = vlak.left(); x <= vlak.right(); ++x)
            if (symbool.pixel(x, y) != kleur) return Surface::kOutside;
    return kleur;
}

// True when the symbol equals the plain symbol everywhere outside the three bands.
bool kaalBuitenBanden(const Surface &symbool) {
    const Surface kaal = WeerstandSymbool();
    for (int y = 0; y < 49; ++y)
        for (int x = 0; x < 49; ++x) {
            const bool inBand = bandVlak(1).contains(x, y) || bandVlak(2).contains(x, y) ||
                                bandVlak(3).contains(x, y);
            if (!inBand && symbool.pixel(x, y) != kaal.pixel(x, y)) return false;
        }
    return true;
}

} // namespace

class TestKleurcodeKeuze : public QObject {
    Q_OBJECT
private slots:
    void opensWithItsOwnColours();
    void toonRij_data();
    void toonRij();
    void backToRowOnePaintsTheTableBrown();
    void unknownColourKeepsTheLastColour();
    void sliderValuesOutsideTheTable();
};

void TestKleurcodeKeuze::opensWithItsOwnColours() {
    const KleurcodeKeuze keuze;
    QCOMPARE(keuze.Text4(), QStringLiteral(" 1 Ohm"));
    QCOMPARE(keuze.Text1(), QStringLiteral(" Bruin"));
    QCOMPARE(keuze.Text2(), QStringLiteral(" Zwart"));
    QCOMPARE(keuze.Text3(), QStringLiteral(" Goud"));
    const std::array<QRgb, 3> begin{qRgb(255, 128, 0), qRgb(0, 0, 0), qRgb(195, 161, 40)};
    QCOMPARE(keuze.lijnKleuren(), begin);
    for (int band = 1; band <= 3; ++band)
        QCOMPARE(bandOpSymbool(keuze.WeerPic(), band), begin[size_t(band - 1)]);
    QVERIFY(kaalBuitenBanden(keuze.WeerPic()));
}

void TestKleurcodeKeuze::toonRij_data() {
    QTest::addColumn<int>("rij");
    QTest::addColumn<QString>("text4");
    QTest::addColumn<QStringList>("namen");
    QTest::addColumn<QList<QRgb>>("kleuren");
    const QRgb bruin = qRgb(235, 108, 0), zwart = qRgb(0, 0, 0), goud = qRgb(195, 161, 40),
               rood = qRgb(255, 0, 0), grijs = qRgb(192, 192, 192), geel = qRgb(255, 255, 0),
               groen = qRgb(0, 255, 0), blauw = qRgb(0, 0, 255), violet = qRgb(255, 0, 255);
    QTest::newRow("1") << 1 << " 1 Ohm" << QStringList{" Bruin", " Zwart", " Goud"}
                       << QList<QRgb>{bruin, zwart, goud};
    QTest::newRow("12") << 12 << " 8.2 Ohm" << QStringList{" Grijs", " Rood", " Goud"}
                        << QList<QRgb>{grijs, rood, goud};
    QTest::newRow("13") << 13 << " 10 Ohm" << QStringList{" Bruin", " Zwart", " Zwart"}
                        << QList<QRgb>{bruin, zwart, zwart};
    QTest::newRow("36") << 36 << " 820 Ohm" << QStringList{" Grijs", " Rood", " Bruin"}
                        << QList<QRgb>{grijs, rood, bruin};
    QTest::newRow("37") << 37 << " 1 KOhm" << QStringList{" Bruin", " Zwart", " Rood"}
                        << QList<QRgb>{bruin, zwart, rood};
    QTest::newRow("45") << 45 << " 4.7 KOhm" << QStringList{" Geel", " Violet", " Rood"}
                        << QList<QRgb>{geel, violet, rood};
    QTest::newRow("72") << 72 << " 820 KOhm" << QStringList{" Grijs", " Rood", " Geel"}
                        << QList<QRgb>{grijs, rood, geel};
    QTest::newRow("73") << 73 << " 1 MOhm" << QStringList{" Bruin", " Zwart", " Groen"}
                        << QList<QRgb>{bruin, zwart, groen};
    QTest::newRow("96") << 96 << " 82 MOhm" << QStringList{" Grijs", " Rood", " Blauw"}
                        << QList<QRgb>{grijs, rood, blauw};
}

void TestKleurcodeKeuze::toonRij() {
    QFETCH(int, rij);
    QFETCH(QString, text4);
    QFETCH(QStringList, namen);
    QFETCH(QList<QRgb>, kleuren);
    KleurcodeKeuze keuze;
    keuze.toonRij(60); // an earlier row, whose bands must not show through
    keuze.toonRij(rij);
    QCOMPARE(keuze.Text4(), text4);
    QCOMPARE((QStringList{keuze.Text1(), keuze.Text2(), keuze.Text3()}), namen);
    for (int band = 1; band <= 3; ++band) {
        QCOMPARE(keuze.lijnKleuren()[size_t(band - 1)], kleuren[band - 1]);
        QCOMPARE(bandOpSymbool(keuze.WeerPic(), band), kleuren[band - 1]);
    }
    QVERIFY(kaalBuitenBanden(keuze.WeerPic()));
}

void TestKleurcodeKeuze::backToRowOnePaintsTheTableBrown() {
    KleurcodeKeuze keuze;
    keuze.toonRij(30);
    keuze.toonRij(1);
    QCOMPARE(keuze.lijnKleuren()[0], qRgb(235, 108, 0));
    QCOMPARE(bandOpSymbool(keuze.WeerPic(), 1), qRgb(235, 108, 0));
    QVERIFY(keuze.lijnKleuren()[0] != KleurcodeKeuze::kBeginBruin);
    QCOMPARE(keuze.Text4(), QStringLiteral(" 1 Ohm"));
}

void TestKleurcodeKeuze::unknownColourKeepsTheLastColour() {
    KleurcodeKeuze keuze;
    keuze.ZetOm(QStringLiteral("Violet"));
    QCOMPARE(keuze.kleur(), qRgb(255, 0, 255));
    keuze.ZetOm(QStringLiteral("Zilver"));
    QCOMPARE(keuze.kleur(), qRgb(255, 0, 255));
    keuze.ZetOm(QString());
    QCOMPARE(keuze.kleur(), qRgb(255, 0, 255));
    keuze.ZetOm(QStringLiteral("Goud"));
    QCOMPARE(keuze.kleur(), qRgb(195, 161, 40));
}

void TestKleurcodeKeuze::sliderValuesOutsideTheTable() {
    KleurcodeKeuze keuze;
    keuze.toonRij(500);
    QCOMPARE(keuze.Text4(), QStringLiteral(" 82 MOhm"));
    keuze.toonRij(-1);
    QCOMPARE(keuze.Text4(), QStringLiteral(" 1 Ohm"));
}

VOLTARIX_TEST(TestKleurcodeKeuze)
#include "tst_kleurcodekeuze.moc"

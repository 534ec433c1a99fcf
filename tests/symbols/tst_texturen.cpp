#include "TestRunner.h"
#include "symbols/Texturen.h"

#include <QSet>
#include <QtTest>

#include <cmath>

namespace {

struct Gemiddelde {
    double rood = 0, groen = 0, blauw = 0;
};

Gemiddelde gemiddelde(const QImage &beeld) {
    Gemiddelde som;
    for (int y = 0; y < beeld.height(); ++y)
        for (int x = 0; x < beeld.width(); ++x) {
            const QRgb kleur = beeld.pixel(x, y);
            som.rood += qRed(kleur), som.groen += qGreen(kleur), som.blauw += qBlue(kleur);
        }
    const double n = double(beeld.width()) * beeld.height();
    return {som.rood / n, som.groen / n, som.blauw / n};
}

int aantalKleuren(const QImage &beeld) {
    QSet<QRgb> kleuren;
    for (int y = 0; y < beeld.height(); ++y)
        for (int x = 0; x < beeld.width(); ++x)
            kleuren.insert(beeld.pixel(x, y));
    return int(kleuren.size());
}

} // namespace

class TestTexturen : public QObject {
    Q_OBJECT
private slots:
    void maatEnKleur_data();
    void maatEnKleur();
    void naadloos();
    void vastePlaatjes();
    void onbekendeIndex();
};

// Each texture's size and average colour, and how many colours make its look: one for
// the plain ones, four for the circuit tracks, many for papers and grains.
void TestTexturen::maatEnKleur_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("zijde");
    QTest::addColumn<QColor>("kleur");
    QTest::addColumn<int>("minKleuren");
    QTest::addColumn<int>("maxKleuren");
    const int veel = 81 * 81;
    QTest::newRow("0 grey paper") << 0 << 81 << QColor(227, 227, 227) << 20 << veel;
    QTest::newRow("1 pink paper") << 1 << 81 << QColor(234, 225, 225) << 20 << veel;
    QTest::newRow("2 yellow paper") << 2 << 81 << QColor(244, 244, 221) << 20 << veel;
    QTest::newRow("3 green paper") << 3 << 81 << QColor(219, 248, 219) << 20 << veel;
    QTest::newRow("4 blue rough") << 4 << 81 << QColor(201, 203, 254) << 20 << veel;
    QTest::newRow("5 blue wavy") << 5 << 81 << QColor(201, 201, 254) << 20 << veel;
    QTest::newRow("6 plain") << 6 << 81 << QColor(244, 244, 244) << 1 << 1;
    QTest::newRow("7 plain") << 7 << 81 << QColor(240, 240, 255) << 1 << 1;
    QTest::newRow("8 plain") << 8 << 81 << QColor(236, 232, 255) << 1 << 1;
    QTest::newRow("9 ring") << 9 << 81 << QColor(219, 227, 162) << 20 << veel;
    QTest::newRow("10 tracks") << 10 << 80 << QColor(221, 221, 221) << 4 << 4;
    QTest::newRow("11 grey grain") << 11 << 80 << QColor(231, 231, 231) << 20 << veel;
    QTest::newRow("12 blue-grey grain") << 12 << 80 << QColor(227, 231, 239) << 20 << veel;
    QTest::newRow("13 beige grain") << 13 << 80 << QColor(246, 229, 203) << 20 << veel;
}

void TestTexturen::maatEnKleur() {
    QFETCH(int, index);
    QFETCH(int, zijde);
    QFETCH(QColor, kleur);
    QFETCH(int, minKleuren);
    QFETCH(int, maxKleuren);
    const QImage beeld = Texturen::textuur(index);
    QCOMPARE(beeld.size(), QSize(zijde, zijde));
    QCOMPARE(beeld.format(), QImage::Format_RGB32);
    const Gemiddelde g = gemiddelde(beeld);
    const QString uitleg = QStringLiteral("average %1 %2 %3").arg(g.rood).arg(g.groen).arg(g.blauw);
    QVERIFY2(std::abs(g.rood - kleur.red()) <= 1.0, qPrintable(uitleg));
    QVERIFY2(std::abs(g.groen - kleur.green()) <= 1.0, qPrintable(uitleg));
    QVERIFY2(std::abs(g.blauw - kleur.blue()) <= 1.0, qPrintable(uitleg));
    const int kleuren = aantalKleuren(beeld);
    QVERIFY2(kleuren >= minKleuren && kleuren <= maxKleuren, qPrintable(QString::number(kleuren)));
}

// The 80 x 80 tile of every texture repeats without a seam: an 81st row or column
// repeats the first, and the first row and column continue the last ones smoothly.
void TestTexturen::naadloos() {
    for (int index = 0; index < Texturen::kAantal; ++index) {
        const QImage beeld = Texturen::textuur(index);
        if (beeld.width() == 81)
            for (int i = 0; i < 81; ++i) {
                QCOMPARE(beeld.pixel(80, i), beeld.pixel(0, i));
                QCOMPARE(beeld.pixel(i, 80), beeld.pixel(i, 0));
            }
    }
    // The tracks run on across the edges of the tile.
    const QImage sporen = Texturen::textuur(10);
    for (int i = 0; i < 80; ++i) {
        QCOMPARE(sporen.pixel(0, i), sporen.pixel(79, i));
        QCOMPARE(sporen.pixel(i, 0), sporen.pixel(i, 79));
    }
}

// The textures are pictures of the program: the same on every call.
void TestTexturen::vastePlaatjes() {
    for (int index = 0; index < Texturen::kAantal; ++index)
        QCOMPARE(Texturen::textuur(index), Texturen::textuur(index));
    QVERIFY(Texturen::textuur(0) != Texturen::textuur(11));
}

void TestTexturen::onbekendeIndex() {
    QVERIFY(Texturen::textuur(-1).isNull());
    QVERIFY(Texturen::textuur(Texturen::kAantal).isNull());
}

VOLTARIX_TEST(TestTexturen)
#include "tst_texturen.moc"

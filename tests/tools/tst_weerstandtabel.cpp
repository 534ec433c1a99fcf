#include "TestRunner.h"
#include "tools/WeerstandTabel.h"

#include <QtTest>

#include <cmath>

namespace {

// The digit of a band colour in the standard colour code; gold is the multiplier 0.1.
int cijferVan(const QString &kleur) {
    static const QStringList cijfers{"Zwart", "Bruin", "Rood",   "Oranje", "Geel",
                                     "Groen", "Blauw", "Violet", "Grijs",  "Wit"};
    return kleur == QLatin1String("Goud") ? -1 : int(cijfers.indexOf(kleur));
}

double eenheidFactor(const QString &eenheid) {
    if (eenheid == QLatin1String(" KOhm")) return 1e3;
    if (eenheid == QLatin1String(" MOhm")) return 1e6;
    return 1;
}

} // namespace

class TestWeerstandTabel : public QObject {
    Q_OBJECT
private slots:
    void bandsReadBackToTheValueOfEveryRow();
    void fillingTwiceGivesTheSameTable();
    void rowsOutsideTheTableGiveTheNearest();
    void bandKleur_data();
    void bandKleur();
};

void TestWeerstandTabel::bandsReadBackToTheValueOfEveryRow() {
    // Reading the bands as a resistor code must give the value and unit the row
    // shows, and the values must rise through the whole series.
    const WeerstandTabel tabel;
    double vorige = 0;
    for (int n = 1; n <= WeerstandTabel::kRijen; ++n) {
        const WeerstandRij &r = tabel.rij(n);
        const int eerste = cijferVan(r.band1), tweede = cijferVan(r.band2);
        QVERIFY2(eerste >= 1 && tweede >= 0, qPrintable(QString::number(n)));
        const double gecodeerd = (10 * eerste + tweede) * std::pow(10.0, cijferVan(r.band3));
        const double getoond = r.waarde.toDouble() * eenheidFactor(WeerstandTabel::eenheid(n));
        QVERIFY2(std::fabs(gecodeerd - getoond) < 1e-6 * getoond, qPrintable(QString::number(n)));
        QVERIFY(getoond > vorige);
        vorige = getoond;
        for (const QString &band : {r.band1, r.band2, r.band3})
            QVERIFY(BandKleur(band).has_value());
    }
}

void TestWeerstandTabel::fillingTwiceGivesTheSameTable() {
    WeerstandTabel tabel;
    const WeerstandRij voor = tabel.rij(50);
    tabel.CodeWeerstanden();
    tabel.CodeWeerstanden();
    QCOMPARE(tabel.rij(50).waarde, voor.waarde);
    QCOMPARE(tabel.rij(50).band3, voor.band3);
    QCOMPARE(tabel.rij(50).waarde, QStringLiteral("12")); // 12 kilohm
}

void TestWeerstandTabel::rowsOutsideTheTableGiveTheNearest() {
    const WeerstandTabel tabel;
    QCOMPARE(tabel.rij(0).waarde, QStringLiteral("1"));
    QCOMPARE(tabel.rij(-5).band3, QStringLiteral("Goud"));
    QCOMPARE(tabel.rij(97).band3, QStringLiteral("Blauw"));
    QCOMPARE(tabel.rij(97).waarde, QStringLiteral("82"));
}

void TestWeerstandTabel::bandKleur_data() {
    QTest::addColumn<QString>("naam");
    QTest::addColumn<bool>("bekend");
    QTest::addColumn<QRgb>("kleur");
    QTest::newRow("Zwart") << "Zwart" << true << qRgb(0, 0, 0);
    QTest::newRow("Bruin, the program's own") << "Bruin" << true << qRgb(235, 108, 0);
    QTest::newRow("Rood") << "Rood" << true << qRgb(255, 0, 0);
    QTest::newRow("Oranje, the program's own") << "Oranje" << true << qRgb(255, 192, 128);
    QTest::newRow("Geel") << "Geel" << true << qRgb(255, 255, 0);
    QTest::newRow("Groen") << "Groen" << true << qRgb(0, 255, 0);
    QTest::newRow("Blauw") << "Blauw" << true << qRgb(0, 0, 255);
    QTest::newRow("Violet") << "Violet" << true << qRgb(255, 0, 255);
    QTest::newRow("Grijs") << "Grijs" << true << qRgb(192, 192, 192);
    QTest::newRow("Wit") << "Wit" << true << qRgb(255, 255, 255);
    QTest::newRow("Goud") << "Goud" << true << qRgb(195, 161, 40);
    QTest::newRow("Zilver is no band colour") << "Zilver" << false << QRgb(0);
    QTest::newRow("case counts") << "bruin" << false << QRgb(0);
    QTest::newRow("blanks count") << " Rood" << false << QRgb(0);
}

void TestWeerstandTabel::bandKleur() {
    QFETCH(QString, naam);
    QFETCH(bool, bekend);
    QFETCH(QRgb, kleur);
    const std::optional<QRgb> gevonden = BandKleur(naam);
    QCOMPARE(gevonden.has_value(), bekend);
    if (bekend) QCOMPARE(*gevonden, kleur);
}

VOLTARIX_TEST(TestWeerstandTabel)
#include "tst_weerstandtabel.moc"

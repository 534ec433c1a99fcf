#include "TestRunner.h"
#include "tools/BitsWaarde.h"

#include <QtTest>

#include <limits>

class TestBitsWaarde : public QObject {
    Q_OBJECT
private slots:
    void bin_data();
    void bin();
    void schakelen_data();
    void schakelen();
    void emptyUntilTheFirstBit();
    void resetClearsEverything();
    void weightsThatAreNoBitChangeNothing();
};

void TestBitsWaarde::bin_data() {
    QTest::addColumn<double>("x");
    QTest::addColumn<QString>("bits");
    QTest::newRow("0") << 0.0 << "0";
    QTest::newRow("1") << 1.0 << "1";
    QTest::newRow("2") << 2.0 << "10";
    QTest::newRow("5") << 5.0 << "101";
    QTest::newRow("127") << 127.0 << "1111111";
    QTest::newRow("128") << 128.0 << "10000000";
    QTest::newRow("255") << 255.0 << "11111111";
    QTest::newRow("256") << 256.0 << "100000000";
    QTest::newRow("negative uses the absolute value") << -6.0 << "110";
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << "";
}

void TestBitsWaarde::bin() {
    QFETCH(double, x);
    QFETCH(QString, bits);
    QCOMPARE(Bin(x), bits);
}

void TestBitsWaarde::schakelen_data() {
    QTest::addColumn<QList<int>>("klikken");
    QTest::addColumn<QString>("label1");
    QTest::addColumn<QString>("label2");
    QTest::addColumn<QString>("opschriften"); // the eight buttons, 128 first; '.' empty
    QTest::newRow("bit 1") << QList<int>{1} << " 1"
                           << " 1"
                           << ".......X";
    QTest::newRow("then bit 4") << QList<int>{1, 4} << " 5"
                                << " 101"
                                << ".....X.X";
    QTest::newRow("set and clear") << QList<int>{8, 8} << " 0"
                                   << " 0"
                                   << "........";
    QTest::newRow("all eight") << QList<int>{128, 64, 32, 16, 8, 4, 2, 1} << " 255"
                               << " 11111111"
                               << "XXXXXXXX";
    QTest::newRow("then clear 128") << QList<int>{1, 2, 4, 8, 16, 32, 64, 128, 128} << " 127"
                                    << " 1111111"
                                    << ".XXXXXXX";
    QTest::newRow("only 128") << QList<int>{128} << " 128"
                              << " 10000000"
                              << "X.......";
}

void TestBitsWaarde::schakelen() {
    QFETCH(QList<int>, klikken);
    QFETCH(QString, label1);
    QFETCH(QString, label2);
    QFETCH(QString, opschriften);
    BitsWaarde bits;
    for (const int gewicht : klikken)
        bits.schakel(gewicht);
    QCOMPARE(bits.Label1(), label1);
    QCOMPARE(bits.Label2(), label2);
    QString gezien;
    for (const int gewicht : BitsWaarde::kGewichten)
        gezien += bits.opschrift(gewicht).isEmpty() ? QLatin1Char('.') : bits.opschrift(gewicht)[0];
    QCOMPARE(gezien, opschriften);
    QCOMPARE(QLatin1Char(' ') + QString::number(bits.waarde()), label1);
}

void TestBitsWaarde::emptyUntilTheFirstBit() {
    const BitsWaarde bits;
    QVERIFY(bits.Label1().isEmpty());
    QVERIFY(bits.Label2().isEmpty());
    QCOMPARE(bits.waarde(), 0.0);
}

void TestBitsWaarde::resetClearsEverything() {
    BitsWaarde bits;
    bits.schakel(32);
    bits.schakel(2);
    bits.reset();
    QVERIFY(bits.Label1().isEmpty());
    QVERIFY(bits.Label2().isEmpty());
    QCOMPARE(bits.waarde(), 0.0);
    for (const int gewicht : BitsWaarde::kGewichten)
        QVERIFY(bits.opschrift(gewicht).isEmpty());
    bits.schakel(2); // counting starts again from 0
    QCOMPARE(bits.Label1(), QStringLiteral(" 2"));
}

void TestBitsWaarde::weightsThatAreNoBitChangeNothing() {
    BitsWaarde bits;
    bits.schakel(4);
    for (const int geen : {0, 3, 256, -1})
        bits.schakel(geen);
    QCOMPARE(bits.Label1(), QStringLiteral(" 4"));
    QCOMPARE(bits.Label2(), QStringLiteral(" 100"));
}

VOLTARIX_TEST(TestBitsWaarde)
#include "tst_bitswaarde.moc"

#include "TestRunner.h"
#include "tools/GetalTekst.h"

#include <QtTest>

// A Dutch user types "9,5" where the program always read "9.5"; the LED calculator and
// the 7-segment tool read every field this way.
class TestDecimaleKomma : public QObject {
    Q_OBJECT
private slots:
    void commaIsADecimalSeparator_data();
    void commaIsADecimalSeparator();
};

void TestDecimaleKomma::commaIsADecimalSeparator_data() {
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<double>("getal");
    QTest::newRow("comma") << "9,5" << 9.5;
    QTest::newRow("comma then comma") << "1,5,3" << 1.5;
    QTest::newRow("point then comma") << "1.5,3" << 1.5;
    QTest::newRow("no thousands point") << "1.000" << 1.0;
    QTest::newRow("no thousands comma") << "1,000" << 1.0;
    QTest::newRow("comma first") << ",5 V" << 0.5;
    QTest::newRow("sign and exponent") << "-2,5e1" << -25.0;
    QTest::newRow("comma alone") << "," << 0.0;
}

void TestDecimaleKomma::commaIsADecimalSeparator() {
    QFETCH(QString, tekst);
    QFETCH(double, getal);
    QCOMPARE(LeesGetal(tekst), getal);
}

VOLTARIX_TEST(TestDecimaleKomma)
#include "tst_decimalekomma.moc"

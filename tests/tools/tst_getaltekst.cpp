#include "TestRunner.h"
#include "tools/GetalTekst.h"

#include <QtTest>

#include <cmath>
#include <limits>

namespace {

const QLocale kEngels(QLocale::English, QLocale::UnitedStates);
const QLocale kNederlands(QLocale::Dutch, QLocale::Netherlands);

} // namespace

class TestGetalTekst : public QObject {
    Q_OBJECT
private slots:
    void leesGetal_data();
    void leesGetal();
    void leesGetalHoudtGeenRekeningMetDeTaal();
    void tooLargeNumbersReadAsInfinity();
    void patroon_data();
    void patroon();
    void standaardTekst_data();
    void standaardTekst();
};

void TestGetalTekst::leesGetal_data() {
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<double>("getal");
    QTest::newRow("whole") << "9" << 9.0;
    QTest::newRow("point") << "2.5" << 2.5;
    QTest::newRow("leading blanks") << "  \t12" << 12.0;
    QTest::newRow("text after the number") << "20 mA" << 20.0;
    QTest::newRow("decimal comma") << "0,5" << 0.5;
    QTest::newRow("comma after digits") << "1,5" << 1.5;
    QTest::newRow("second point ends it") << "1.2.3" << 1.2;
    QTest::newRow("no digit before the point") << ".5" << 0.5;
    QTest::newRow("minus") << "-3.5" << -3.5;
    QTest::newRow("plus") << "+4" << 4.0;
    QTest::newRow("exponent") << "1.5e3" << 1500.0;
    QTest::newRow("capital exponent, sign") << "25E-1" << 2.5;
    QTest::newRow("exponent without digits") << "7e" << 7.0;
    QTest::newRow("exponent sign without digits") << "7e+x" << 7.0;
    QTest::newRow("not a number") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("sign alone") << "-" << 0.0;
    QTest::newRow("point alone") << "." << 0.0;
    QTest::newRow("blank inside the number") << "1 2" << 1.0;
    QTest::newRow("tiny underflows to 0") << "1e-400" << 0.0;
}

void TestGetalTekst::leesGetal() {
    QFETCH(QString, tekst);
    QFETCH(double, getal);
    QCOMPARE(LeesGetal(tekst), getal);
}

void TestGetalTekst::leesGetalHoudtGeenRekeningMetDeTaal() {
    // A Dutch desktop must not make "2.5" read as 25.
    const QLocale vorige;
    QLocale::setDefault(kNederlands);
    QCOMPARE(LeesGetal(QStringLiteral("2.5")), 2.5);
    QCOMPARE(LeesGetal(QStringLiteral("2,5")), 2.5);
    QLocale::setDefault(vorige);
}

void TestGetalTekst::tooLargeNumbersReadAsInfinity() {
    QVERIFY(std::isinf(LeesGetal(QStringLiteral("1e999"))));
    QVERIFY(LeesGetal(QStringLiteral("-1e999")) < 0);
    QVERIFY(std::isinf(LeesGetal(QStringLiteral("-1e999"))));
}

void TestGetalTekst::patroon_data() {
    QTest::addColumn<double>("waarde");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("tekst");
    QTest::newRow("350") << 350.0 << kEngels << "350";
    QTest::newRow("round up") << 1285.714 << kEngels << "1,286";
    QTest::newRow("Dutch groups") << 1285.714 << kNederlands << "1.286";
    QTest::newRow("half away from zero") << 116.5 << kEngels << "117";
    QTest::newRow("negative half away from zero") << -2.5 << kEngels << "-3";
    QTest::newRow("millions") << 12345678.0 << kEngels << "12,345,678";
    QTest::newRow("beyond the pattern") << 1234567890.0 << kNederlands << "1.234.567.890";
    QTest::newRow("negative") << -1250.0 << kEngels << "-1,250";
    QTest::newRow("rounds to 0") << 0.4 << kEngels << "";
    QTest::newRow("negative rounds to 0") << -0.4 << kEngels << "";
    QTest::newRow("zero") << 0.0 << kEngels << "";
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << kEngels << "";
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << kEngels << "";
}

void TestGetalTekst::patroon() {
    QFETCH(double, waarde);
    QFETCH(QLocale, locale);
    QFETCH(QString, tekst);
    QCOMPARE(GetalPatroon(waarde, locale), tekst);
}

void TestGetalTekst::standaardTekst_data() {
    QTest::addColumn<double>("waarde");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<int>("cijfers");
    QTest::addColumn<QString>("tekst");
    QTest::newRow("watt") << 9 * 20 / 1000.0 << kEngels << 15 << "0.18";
    QTest::newRow("ampere") << 20 / 1000.0 << kEngels << 15 << "0.02";
    QTest::newRow("Dutch comma") << 20 / 1000.0 << kNederlands << 15 << "0,02";
    QTest::newRow("whole, no groups") << 1234567.0 << kEngels << 15 << "1234567";
    QTest::newRow("negative") << -0.5 << kEngels << 15 << "-0.5";
    QTest::newRow("15 digits") << 2.0 / 3 << kEngels << 15 << "0.666666666666667";
    QTest::newRow("small, exponent") << 0.00001 << kEngels << 15 << "1E-05";
    QTest::newRow("still plain") << 0.0001 << kEngels << 15 << "0.0001";
    QTest::newRow("large, exponent") << 1e15 << kEngels << 15 << "1E+15";
    QTest::newRow("large, Dutch") << 1.5e16 << kNederlands << 15 << "1,5E+16";
    QTest::newRow("single 1400") << double(1400.0f) << kEngels << 7 << "1400";
    QTest::newRow("single 0.1") << double(0.1f) << kEngels << 7 << "0.1";
    QTest::newRow("single large") << double(12345678.0f) << kEngels << 7 << "1.234568E+07";
    QTest::newRow("zero") << 0.0 << kEngels << 15 << "0";
    QTest::newRow("minus zero") << -0.0 << kEngels << 15 << "0";
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << kEngels << 15 << "";
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << kEngels << 15 << "";
}

void TestGetalTekst::standaardTekst() {
    QFETCH(double, waarde);
    QFETCH(QLocale, locale);
    QFETCH(int, cijfers);
    QFETCH(QString, tekst);
    QCOMPARE(StandaardTekst(waarde, locale, cijfers), tekst);
}

VOLTARIX_TEST(TestGetalTekst)
#include "tst_getaltekst.moc"

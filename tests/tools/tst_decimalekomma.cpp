#include "TestRunner.h"
#include "tools/GetalTekst.h"
#include "tools/LedRekenaar.h"
#include "tools/SegmentDisplay.h"

#include <QtTest>

namespace {

const QLocale kNederlands(QLocale::Dutch, QLocale::Netherlands);

} // namespace

// A Dutch user types "9,5" where the program always read "9.5".
class TestDecimaleKomma : public QObject {
    Q_OBJECT
private slots:
    void toolsReadACommaAsAPoint_data();
    void toolsReadACommaAsAPoint();
    void secondSeparatorEndsTheNumber_data();
    void secondSeparatorEndsTheNumber();
};

void TestDecimaleKomma::toolsReadACommaAsAPoint_data() {
    QTest::addColumn<int>("modus");
    QTest::addColumn<QStringList>("velden"); // Vs, Vf, I, N with commas
    QTest::addColumn<QStringList>("uitkomst");
    QTest::addColumn<QString>("segment"); // the 7-segment tool on Vs, Vf and I
    QTest::newRow("single") << 0 << QStringList{"9,5", "2", "20", "1"}
                            << QStringList{"375", "0,19", "0,02"} << " 375";
    QTest::newRow("parallel") << 1 << QStringList{"12", "1,8", "12,5", "2"}
                              << QStringList{"408", "0,3", "0,025"} << " 816";
    QTest::newRow("serie") << 2 << QStringList{"5", "1,5", "10", "3"}
                           << QStringList{"50", "0,05", "0,01"} << " 350";
}

void TestDecimaleKomma::toolsReadACommaAsAPoint() {
    QFETCH(int, modus);
    QFETCH(QStringList, velden);
    QFETCH(QStringList, uitkomst);
    QFETCH(QString, segment);
    for (const QString &scheiding : {QStringLiteral(","), QStringLiteral(".")}) {
        QStringList tekst = velden;
        tekst.replaceInStrings(QStringLiteral(","), scheiding);
        LedRekenaar rekenaar(kNederlands);
        rekenaar.kiesModus(LedModus(modus));
        LedInvoer invoer;
        invoer.txtSV = tekst[0];
        invoer.txtDFV = tekst[1];
        invoer.txtDFC = tekst[2];
        invoer.txtNoLED = tekst[3];
        rekenaar.bereken(invoer);
        const LedUitkomst &u = rekenaar.uitkomst();
        QCOMPARE(QStringList({u.lblResistorValue, u.lblWatt, u.lbltotCur}), uitkomst);
        QCOMPARE(SegmentWeerstand(tekst[0], tekst[1], tekst[2], kNederlands), segment);
    }
}

void TestDecimaleKomma::secondSeparatorEndsTheNumber_data() {
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<double>("getal");
    QTest::newRow("comma then comma") << "1,5,3" << 1.5;
    QTest::newRow("point then comma") << "1.5,3" << 1.5;
    QTest::newRow("no thousands point") << "1.000" << 1.0;
    QTest::newRow("no thousands comma") << "1,000" << 1.0;
    QTest::newRow("comma first") << ",5" << 0.5;
    QTest::newRow("comma and exponent") << "-2,5e1" << -25.0;
    QTest::newRow("comma alone") << "," << 0.0;
}

void TestDecimaleKomma::secondSeparatorEndsTheNumber() {
    QFETCH(QString, tekst);
    QFETCH(double, getal);
    QCOMPARE(LeesGetal(tekst), getal);
}

VOLTARIX_TEST(TestDecimaleKomma)
#include "tst_decimalekomma.moc"

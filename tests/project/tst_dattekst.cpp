// The component list's characters on their way to the ".dat" file and back. Cases
// found by fuzzing the reader and writer against each other (tests/fuzz).
#include "TestRunner.h"
#include "project/DatTekst.h"

#include <QtTest>

class TestDatTekst : public QObject {
    Q_OBJECT
private slots:
    void opgeslagenLijstLeestTerug_data();
    void opgeslagenLijstLeestTerug();
};

void TestDatTekst::opgeslagenLijstLeestTerug_data() {
    QTest::addColumn<QString>("lijst");
    QTest::addColumn<QByteArray>("bytes");
    // Plain Windows-1252 stays what the old program wrote.
    QTest::newRow("Windows-1252") << QString::fromUtf8("R1 = 4k7 \u00b5F \u20ac\r\n")
                                  << QByteArray("R1 = 4k7 \xB5"
                                                "F \x80\r\n");
    // "Ã©" is C3 A9 in Windows-1252, which reads as UTF-8 for "é": such a list was
    // opened with other characters than it was saved with.
    QTest::newRow("Windows-1252 bytes that are UTF-8")
        << QString::fromUtf8("Ã© weerstand\r\n") << QByteArray("\xC3\x83\xC2\xA9 weerstand\r\n");
    // "ï»¿" is EF BB BF, the UTF-8 byte order mark, which the reader passes over.
    QTest::newRow("Windows-1252 bytes that are a byte order mark")
        << QString::fromUtf8("ï»¿R1\r\n") << QByteArray("\xC3\xAF\xC2\xBB\xC2\xBFR1\r\n");
    // A list that starts with a byte order mark of its own keeps it.
    QTest::newRow("byte order mark at the start")
        << QChar(0xFEFF) + QString::fromUtf8("R1 \u03a9\r\n")
        << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBFR1 \xCE\xA9\r\n");
}

void TestDatTekst::opgeslagenLijstLeestTerug() {
    QFETCH(QString, lijst);
    QFETCH(QByteArray, bytes);
    QCOMPARE(DatTekst::codeer(lijst), bytes);
    QCOMPARE(DatTekst::decodeer(bytes), lijst);
    QCOMPARE(DatTekst::lijstUit(bytes), lijst);
}

VOLTARIX_TEST(TestDatTekst)
#include "tst_dattekst.moc"

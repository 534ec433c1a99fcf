#include "TestRunner.h"
#include "editor/StatusTekst.h"

#include <QtTest>

class TestStatusTekst : public QObject {
    Q_OBJECT
private slots:
    void blokNamen_data();
    void blokNamen();
    void contactpunten_data();
    void contactpunten();
};

void TestStatusTekst::blokNamen_data() {
    QTest::addColumn<QPoint>("punt");
    QTest::addColumn<QString>("tekst");
    QTest::newRow("first pixel") << QPoint(0, 0) << "Block : A - 1";
    QTest::newRow("last pixel of the first block") << QPoint(49, 49) << "Block : A - 1";
    QTest::newRow("first pixel of the next block") << QPoint(50, 50) << "Block : B - 2";
    QTest::newRow("third column, first row") << QPoint(120, 10) << "Block : C - 1";
    QTest::newRow("column Z") << QPoint(25 * 50 + 49, 0) << "Block : Z - 1";
    QTest::newRow("past Z on a wide sheet") << QPoint(26 * 50, 0) << "Block : [ - 1";
    QTest::newRow("row 22") << QPoint(0, 21 * 50 + 3) << "Block : A - 22";
}

void TestStatusTekst::blokNamen() {
    QFETCH(QPoint, punt);
    QFETCH(QString, tekst);
    QCOMPARE(blokTekst(punt.x(), punt.y()), tekst);
}

void TestStatusTekst::contactpunten_data() {
    QTest::addColumn<QPoint>("punt");
    QTest::addColumn<QString>("tekst"); // empty: the status line keeps its text
    QTest::newRow("first hole") << QPoint(196, 146) << "Contactpunt : 1, 1";
    QTest::newRow("last pixel of the first step") << QPoint(215, 165) << "Contactpunt : 1, 1";
    QTest::newRow("next column") << QPoint(216, 146) << "Contactpunt : 2, 1";
    QTest::newRow("next row") << QPoint(196, 166) << "Contactpunt : 1, 2";
    QTest::newRow("far on the big board") << QPoint(955, 570) << "Contactpunt : 38, 22";
    QTest::newRow("left of the holes") << QPoint(195, 300) << QString();
    QTest::newRow("above the holes") << QPoint(300, 145) << QString();
    QTest::newRow("corner just outside") << QPoint(195, 145) << QString();
}

void TestStatusTekst::contactpunten() {
    QFETCH(QPoint, punt);
    QFETCH(QString, tekst);
    const std::optional<QString> status = contactpuntTekst(punt.x(), punt.y());
    QCOMPARE(status.has_value(), !tekst.isEmpty());
    if (status) QCOMPARE(*status, tekst);
}

VOLTARIX_TEST(TestStatusTekst)
#include "tst_statustekst.moc"

#include "TestRunner.h"
#include "tools/SegmentTabel.h"

#include <QtTest>

#include <algorithm>

using namespace SegmentTabel;

namespace {

// Two wire ends meet when they lie within one pixel of each other.
bool raakt(QPoint a, QPoint b) {
    return (a - b).manhattanLength() <= 15;
}

QList<int> gesorteerd(QList<int> lijst) {
    std::sort(lijst.begin(), lijst.end());
    return lijst;
}

} // namespace

class TestSegmentTabel : public QObject {
    Q_OBJECT
private slots:
    void knoppen_data();
    void knoppen();
    void segmentPins_data();
    void segmentPins();
    void onlyTheCommonsHaveNoResistor();
    void wirePiecesJoin();
    void segmentWiresRunThroughTheirResistorToTheRail();
    void commonWiresRunPastTheResistors();
};

void TestSegmentTabel::knoppen_data() {
    QTest::addColumn<int>("knop");
    QTest::addColumn<QString>("segmenten");
    QTest::addColumn<QList<int>>("pinnen");
    QTest::newRow("0") << 0 << "abcdef" << QList<int>{1, 2, 4, 6, 7, 9};
    QTest::newRow("1") << 1 << "bc" << QList<int>{4, 6};
    QTest::newRow("2") << 2 << "abdeg" << QList<int>{1, 2, 6, 7, 10};
    QTest::newRow("3") << 3 << "abcdg" << QList<int>{2, 4, 6, 7, 10};
    QTest::newRow("4") << 4 << "bcfg" << QList<int>{4, 6, 9, 10};
    QTest::newRow("5") << 5 << "acdfg" << QList<int>{2, 4, 7, 9, 10};
    QTest::newRow("6") << 6 << "acdefg" << QList<int>{1, 2, 4, 7, 9, 10};
    QTest::newRow("7") << 7 << "abc" << QList<int>{4, 6, 7};
    QTest::newRow("8") << 8 << "abcdefg" << QList<int>{1, 2, 4, 6, 7, 9, 10};
    QTest::newRow("9") << 9 << "abcdfg" << QList<int>{2, 4, 6, 7, 9, 10};
    QTest::newRow("dp") << 10 << "p" << QList<int>{5};
    QTest::newRow("no such button") << 11 << "" << QList<int>{};
    QTest::newRow("negative") << -1 << "" << QList<int>{};
}

void TestSegmentTabel::knoppen() {
    QFETCH(int, knop);
    QFETCH(QString, segmenten);
    QFETCH(QList<int>, pinnen);
    QCOMPARE(segmentenVan(knop), segmenten);
    QCOMPARE(gesorteerd(pinnenVan(knop)), pinnen);
}

void TestSegmentTabel::segmentPins_data() {
    QTest::addColumn<char>("segment");
    QTest::addColumn<int>("pin");
    QTest::newRow("a") << 'a' << 7;
    QTest::newRow("b") << 'b' << 6;
    QTest::newRow("c") << 'c' << 4;
    QTest::newRow("d") << 'd' << 2;
    QTest::newRow("e") << 'e' << 1;
    QTest::newRow("f") << 'f' << 9;
    QTest::newRow("g") << 'g' << 10;
    QTest::newRow("dp") << 'p' << 5;
    QTest::newRow("not a segment") << 'h' << 0;
}

void TestSegmentTabel::segmentPins() {
    QFETCH(char, segment);
    QFETCH(int, pin);
    QCOMPARE(pinVan(segment), pin);
}

void TestSegmentTabel::onlyTheCommonsHaveNoResistor() {
    QList<int> zonder;
    for (int pin = 0; pin <= 11; ++pin)
        if (!isSegmentPin(pin)) zonder << pin;
    QCOMPARE(zonder, (QList<int>{0, 3, 8, 11}));
}

void TestSegmentTabel::wirePiecesJoin() {
    // Each wire starts at its pin on the display and its pieces follow each other,
    // except across the resistor between pieces 2 and 3 of a segment wire.
    const int pinX[] = {0, 540, 795, 1050, 1305, 1560, 1560, 1305, 1050, 795, 540};
    for (int pin = 1; pin <= kPinnen; ++pin) {
        const QVector<QLine> &stukken = draad(pin);
        QVERIFY(stukken.size() >= 4);
        QCOMPARE(stukken[0].x1(), pinX[pin]);
        QCOMPARE(stukken[0].y1() == 2850, pin <= 5); // bottom pins 1 .. 5
        for (int i = 1; i < stukken.size(); ++i) {
            if (i == 3 && isSegmentPin(pin)) continue;
            QVERIFY2(raakt(stukken[i - 1].p2(), stukken[i].p1()) ||
                         raakt(stukken[i - 1].p1(), stukken[i].p1()),
                     qPrintable(QStringLiteral("pin %1 piece %2").arg(pin).arg(i)));
        }
    }
    QVERIFY(draad(0).isEmpty());
    QVERIFY(draad(11).isEmpty());
}

void TestSegmentTabel::segmentWiresRunThroughTheirResistorToTheRail() {
    const QLine rail = stijglijn()[0];
    for (int pin = 1; pin <= kPinnen; ++pin) {
        if (!isSegmentPin(pin)) continue;
        const QRect weerstand = weerstandPlaats(pin);
        const QVector<QLine> &stukken = draad(pin);
        QCOMPARE(stukken.size(), 4);
        QCOMPARE(stukken[2].x2(), weerstand.left());
        QVERIFY(stukken[2].y2() >= weerstand.top() && stukken[2].y2() <= weerstand.bottom());
        // Piece 3 leaves the resistor's right end (within two pixels) at the same height.
        QVERIFY(std::abs(stukken[3].x1() - (weerstand.left() + weerstand.width())) <= 30);
        QCOMPARE(stukken[3].y1(), stukken[2].y2());
        QCOMPARE(stukken[3].x2(), rail.x1());
        QVERIFY(stukken[3].y2() >= rail.y1() && stukken[3].y2() <= rail.y2());
    }
    QCOMPARE(stijglijn()[1].p1(), rail.p2());
}

void TestSegmentTabel::commonWiresRunPastTheResistors() {
    for (const int pin : {3, 8}) {
        const QLine laatste = draad(pin).last();
        QVERIFY(laatste.x2() > stijglijn()[0].x1()); // past the rail, to the minus terminal
    }
    // Both commons end at the minus terminal, at the same height within a pixel.
    QVERIFY(std::abs(draad(3).last().y2() - draad(8).last().y2()) <= 15);
}

VOLTARIX_TEST(TestSegmentTabel)
#include "tst_segmenttabel.moc"

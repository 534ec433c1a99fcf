#include "TestRunner.h"
#include "editor/ComponentList.h"
#include "editor/Loep.h"

#include <QFontMetricsF>
#include <QtTest>

namespace {

ComponentList lijstBox(qreal breedte = 300) {
    ComponentList lijst;
    QFont letter(QStringLiteral("Arial"), 12);
    letter.setBold(true);
    lijst.zetLetterEnBreedte(letter, breedte);
    return lijst;
}

} // namespace

class TestComponentList : public QObject {
    Q_OBJECT
private slots:
    void tekstRegels_data();
    void tekstRegels();
    void longLineWrapsAtTheWidth();
    void wordLongerThanTheBox();
    void changingTheWidthWrapsAnew();
    void magnifierSource_data();
    void magnifierSource();
};

void TestComponentList::tekstRegels_data() {
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QStringList>("regels");
    QTest::newRow("empty") << "" << QStringList{"", ""};
    QTest::newRow("two lines with breaks") << "A\r\nB\r\n" << QStringList{"A", "B", "", ""};
    QTest::newRow("heading") << "Componentenlijst\r\n----------------------------\r\n"
                             << QStringList{"Componentenlijst", "----------------------------", "",
                                            ""};
    QTest::newRow("no final break") << "R1\r\nR2" << QStringList{"R1", "R2", ""};
    QTest::newRow("box's own line ends") << "R1\nR2\n" << QStringList{"R1", "R2", "", ""};
}

void TestComponentList::tekstRegels() {
    QFETCH(QString, tekst);
    QFETCH(QStringList, regels);
    ComponentList lijst = lijstBox();
    QCOMPARE(lijst.TekstRegels(tekst), regels);
    QCOMPARE(lijst.regelAantal(tekst), regels.size() - 1);
    QCOMPARE(ComponentList::regelTekst(lijst.regelAantal(tekst)),
             QString::number(regels.size() - 1) + " Regels tekst.");
}

void TestComponentList::longLineWrapsAtTheWidth() {
    ComponentList lijst = lijstBox(200);
    const QString regel = QStringLiteral("R1 weerstand van 330 ohm voor de rode led op de voeding");
    const QStringList regels = lijst.weergaveRegels(regel);
    QVERIFY(regels.size() >= 2);
    QCOMPARE(regels.join(QString()), regel); // nothing lost or doubled
    QFont letter(QStringLiteral("Arial"), 12);
    letter.setBold(true);
    const QFontMetricsF maat(letter);
    for (const QString &deel : regels) {
        QVERIFY2(maat.horizontalAdvance(deel.trimmed()) <= 200, qPrintable(deel));
        QVERIFY(!deel.trimmed().isEmpty());
    }
    QCOMPARE(lijst.regelAantal(regel + "\r\n"), regels.size() + 1);
}

void TestComponentList::wordLongerThanTheBox() {
    ComponentList lijst = lijstBox(60);
    const QStringList regels = lijst.weergaveRegels(QString(40, 'W'));
    QVERIFY(regels.size() > 3);
    QCOMPARE(regels.join(QString()), QString(40, 'W'));
}

void TestComponentList::changingTheWidthWrapsAnew() {
    ComponentList lijst = lijstBox(100);
    const QString regel = QStringLiteral("een twee drie vier vijf zes zeven acht");
    const int smal = lijst.regelAantal(regel);
    QFont letter(QStringLiteral("Arial"), 12);
    letter.setBold(true);
    lijst.zetLetterEnBreedte(letter, 2000);
    QCOMPARE(lijst.regelAantal(regel), 1);
    QVERIFY(smal > 1);
}

void TestComponentList::magnifierSource_data() {
    QTest::addColumn<QSize>("box");
    QTest::addColumn<int>("z");
    QTest::addColumn<QRect>("bron");
    const QPoint p(500, 400);
    QTest::newRow("z 3") << QSize(148, 221) << 3 << QRect(p.x() - 24, p.y() - 37, 49, 74);
    QTest::newRow("half to even") << QSize(149, 221) << 2 << QRect(p.x() - 37, p.y() - 55, 74, 110);
    QTest::newRow("z 1") << QSize(148, 221) << 1 << QRect(p.x() - 74, p.y() - 110, 148, 221);
    QTest::newRow("z 9") << QSize(148, 221) << 9 << QRect(p.x() - 8, p.y() - 12, 16, 25);
}

void TestComponentList::magnifierSource() {
    QFETCH(QSize, box);
    QFETCH(int, z);
    QFETCH(QRect, bron);
    QCOMPARE(Loep::bron(QPoint(500, 400), box, z), bron);
    QCOMPARE(Loep::rondAf(2.5), 2);
    QCOMPARE(Loep::rondAf(3.5), 4);
}

VOLTARIX_TEST(TestComponentList)
#include "tst_componentlist.moc"

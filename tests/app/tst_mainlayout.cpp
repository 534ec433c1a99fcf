#include "TestRunner.h"
#include "app/MainLayout.h"

#include <QtTest>

class TestMainLayout : public QObject {
    Q_OBJECT
private slots:
    void screen1024x768_data();
    void screen1024x768();
    void rowsOfButtons();
    void unknownName();
};

void TestMainLayout::screen1024x768_data() {
    QTest::addColumn<QString>("naam");
    QTest::addColumn<QString>("ouder");
    QTest::addColumn<QRect>("twips");
    QTest::newRow("work area") << "Frame3"
                               << "" << QRect(2745, 1320, 12435, 8790);
    QTest::newRow("breadboard sheet") << "Pic2"
                                      << "Frame3" << QRect(210, 450, 12010, 8115);
    QTest::newRow("pristine board") << "GumPic"
                                    << "Frame3" << QRect(210, 450, 12010, 8115);
    QTest::newRow("design sheet") << "Pic"
                                  << "Frame3" << QRect(210, 300, 12010, 8265);
    QTest::newRow("list") << "Text1"
                          << "Frame3" << QRect(210, 300, 12010, 8265);
    QTest::newRow("browser") << "WebBrowser"
                             << "Frame3" << QRect(120, 210, 12210, 8460);
    QTest::newRow("top strip") << "Frame1"
                               << "" << QRect(90, 90, 15090, 1230);
    QTest::newRow("raster panel") << "Frame6"
                                  << "" << QRect(90, 8670, 2550, 1440);
    QTest::newRow("tool bar") << "WerkBalk"
                              << "Frame3" << QRect(210, 300, 12030, 510);
    QTest::newRow("print button") << "PrintKnop"
                                  << "Frame3" << QRect(11385, 405, 750, 300);
    QTest::newRow("self-sizing label") << "Label8"
                                       << "Frame6" << QRect(180, 1050, -1, -1);
}

void TestMainLayout::screen1024x768() {
    QFETCH(QString, naam);
    QFETCH(QString, ouder);
    QFETCH(QRect, twips);
    const auto plaats = MainLayout::plaats(naam, QSize(15360, 11520));
    QVERIFY(plaats);
    QCOMPARE(plaats->ouder, ouder);
    QCOMPARE(plaats->twips, twips);
}

void TestMainLayout::rowsOfButtons() {
    const QSize screen(15360, 11520);
    QCOMPARE(MainLayout::venster(screen), QRect(15, 15, 15330, 10980));
    QCOMPARE(MainLayout::plaats("Knop", screen, 0)->twips, QRect(240, 285, 735, 735));
    QCOMPARE(MainLayout::plaats("Knop", screen, 15)->twips, QRect(240 + 915 * 15, 285, 735, 735));
    QCOMPARE(MainLayout::plaats("Knop2", screen, 2)->twips, QRect(1650, 240, 750, 750));
}

void TestMainLayout::unknownName() {
    QVERIFY(!MainLayout::plaats("Knop99", QSize(15360, 11520)));
}

VOLTARIX_TEST(TestMainLayout)
#include "tst_mainlayout.moc"

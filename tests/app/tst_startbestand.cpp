// The project the program is started with, among the options it takes.
#include "TestRunner.h"
#include "app/StartBestand.h"

#include <QtTest>

class TestStartBestand : public QObject {
    Q_OBJECT
private slots:
    void pad_data();
    void pad();
};

void TestStartBestand::pad_data() {
    QTest::addColumn<QStringList>("argumenten");
    QTest::addColumn<QString>("pad");
    QTest::newRow("none") << QStringList{"voltarix", "--app-folder", "A"} << "";
    QTest::newRow("absolute") << QStringList{"voltarix", "/elders/Proef.ovb"}
                              << "/elders/Proef.ovb";
    QTest::newRow("after the folder")
        << QStringList{"voltarix", "--app-folder", "A.ovb", "Proef.zip"} << "/thuis/Proef.zip";
    QTest::newRow("folder with =")
        << QStringList{"voltarix", "--app-folder=A", "../x/Proef.dat"} << "/x/Proef.dat";
    QTest::newRow("before the folder")
        << QStringList{"voltarix", "Proef.ovb", "--app-folder", "A"} << "/thuis/Proef.ovb";
    QTest::newRow("after --") << QStringList{"voltarix", "--", "-Proef.ovb"} << "/thuis/-Proef.ovb";
}

void TestStartBestand::pad() {
    QFETCH(QStringList, argumenten);
    QFETCH(QString, pad);
    QCOMPARE(StartBestand::pad(argumenten, "/thuis"), pad);
}

VOLTARIX_TEST(TestStartBestand)
#include "tst_startbestand.moc"

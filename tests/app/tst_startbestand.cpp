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
    QTest::newRow("after the folder")
        << QStringList{"voltarix", "--app-folder", "A.ovb", "../x/P.zip"} << "/x/P.zip";
    QTest::newRow("before, folder with =")
        << QStringList{"voltarix", "P.ovb", "--app-folder=A"} << "/thuis/P.ovb";
    QTest::newRow("after --") << QStringList{"voltarix", "--", "-P.ovb"} << "/thuis/-P.ovb";
}

void TestStartBestand::pad() {
    QFETCH(QStringList, argumenten);
    QFETCH(QString, pad);
    QCOMPARE(StartBestand::pad(argumenten, "/thuis"), pad);
}

VOLTARIX_TEST(TestStartBestand)
#include "tst_startbestand.moc"

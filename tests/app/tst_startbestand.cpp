// The project the program is started with, among the options it takes.
#include "TestRunner.h"
#include "app/StartBestand.h"

#include <QtTest>

class TestStartBestand : public QObject {
    Q_OBJECT
private slots:
    void pad_data() {
        const Tabel<QStringList, QString> rij("argumenten", "pad");
        rij("none", {"voltarix", "--app-folder", "A"}, "");
        rij("after the folder", {"voltarix", "--app-folder", "A.ovb", "../x/P.zip"}, "/x/P.zip");
        rij("before, folder with =", {"voltarix", "P.ovb", "--app-folder=A"}, "/thuis/P.ovb");
        rij("after --", {"voltarix", "--", "-P.ovb"}, "/thuis/-P.ovb");
    }
    void pad() {
        auto [argumenten, pad] = velden<QStringList, QString>("argumenten", "pad");
        QCOMPARE(StartBestand::pad(argumenten, "/thuis"), pad);
    }
};

VOLTARIX_TEST(TestStartBestand)
#include "tst_startbestand.moc"

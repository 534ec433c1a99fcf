#include "ScriptedPlatform.h"
#include "TestFolder.h"
#include "TestRunner.h"

#include <QFile>
#include <QtTest>

class TestPlatform : public QObject {
    Q_OBJECT
private slots:
    void bestaatBestand_data();
    void bestaatBestand();
};

void TestPlatform::bestaatBestand_data() {
    QTest::addColumn<QString>("pad"); // relative to a fresh folder; "" for the empty path
    QTest::addColumn<bool>("bestaat");
    QTest::newRow("bestand") << "Projecten/a.ovb" << true;
    QTest::newRow("leeg bestand") << "Projecten/leeg.dat" << true;
    QTest::newRow("map") << "Projecten" << false;
    QTest::newRow("map met schuine streep") << "Projecten/" << false;
    QTest::newRow("ontbreekt") << "Projecten/b.ovb" << false;
    QTest::newRow("leeg pad") << "" << false;
    QTest::newRow("link naar bestand") << "link-bestand" << true;
    QTest::newRow("link naar niets") << "link-weg" << false;
    QTest::newRow("link naar map") << "link-map" << false;
}

void TestPlatform::bestaatBestand() {
    QFETCH(QString, pad);
    QFETCH(bool, bestaat);
    TestFolder folder;
    folder.writeFile(QStringLiteral("Projecten/a.ovb"), "BM");
    folder.writeFile(QStringLiteral("Projecten/leeg.dat"), QByteArray());
    QFile::link(folder.path(QStringLiteral("Projecten/a.ovb")),
                folder.path(QStringLiteral("link-bestand")));
    QFile::link(folder.path(QStringLiteral("weg")), folder.path(QStringLiteral("link-weg")));
    QFile::link(folder.path(QStringLiteral("Projecten")), folder.path(QStringLiteral("link-map")));
    ScriptedPlatform platform;
    QCOMPARE(platform.bestaatBestand(pad.isEmpty() ? QString() : folder.path(pad)), bestaat);
}

VOLTARIX_TEST(TestPlatform)
#include "tst_platform.moc"

#include "TestFolder.h"
#include "TestRunner.h"
#include "app/StarterFolder.h"

#include <QtTest>

class TestStarterFolder : public QObject {
    Q_OBJECT
private slots:
    // Each starter file the application folder lacks is laid out once and listed in the
    // manifest; the user's files are never overwritten, however their folders are spelled.
    // Later only files never laid out come: what the user changed, deleted or renamed stays
    // so. What cannot be laid out is reported and tried again the next time.
    void layOut() {
        const QStringList starter = {
            "Breadboard/LED.gif",    "Plugins/Images/a.jpg",         "Plugins/index.htm",
            "Symbolen/Diodes/D.bmp", "Symbolen/Weerstanden/LDR.bmp", "Symbolen/Weerstanden/R.bmp"};
        TestFolder werk; // every starter file holds its own name
        for (const QString &pad : starter + QStringList{".verborgen"})
            werk.writeFile("starter/" + pad, pad.toUtf8());
        werk.writeFile("app/symbolen/weerstanden/r.BMP", "eigen");
        werk.writeFile("app/Plugins", "in de weg");
        const QString eerder = QDir::currentPath();
        QDir::setCurrent(werk.root()); // relative names work too
        const StarterFolder::Result eerste = StarterFolder::layOut("starter", "app");
        QDir::setCurrent(eerder);
        QVERIFY(!eerste.ok());
        QCOMPARE(eerste.copied, (QStringList{starter[0], starter[3], starter[4]}));
        QCOMPARE(eerste.kept, QStringList{starter[5]});
        QCOMPARE(eerste.failed, starter.mid(1, 2));
        QCOMPARE(StarterFolder::laidOut(werk.path("app")), eerste.copied + eerste.kept);
        QCOMPARE(werk.readFile("app/symbolen/weerstanden/r.BMP") + werk.readFile("app/Plugins") +
                     werk.readFile("app/symbolen/weerstanden/LDR.bmp"),
                 "eigenin de wegSymbolen/Weerstanden/LDR.bmp");
        QVERIFY(!QFileInfo::exists(werk.path("app/.verborgen")));
        QVERIFY2(!QFileInfo::exists(werk.path("app/Symbolen")), "a second library");

        for (const char *weg :
             {"app/Plugins", "app/symbolen/weerstanden/r.BMP", "app/Breadboard/LED.gif"})
            QVERIFY2(QFile::remove(werk.path(weg)), weg);
        QVERIFY(QDir(werk.path("app/symbolen")).rename("weerstanden", "Mijn weerstanden"));
        werk.writeFile("app/symbolen/Diodes/D.bmp", "eigen diode");
        QByteArray manifest = werk.readFile("app/" + StarterFolder::kManifest);
        manifest.replace(starter[0].toUtf8() + "\n", "\n# een opmerking\n"); // brings it back
        werk.writeFile("app/" + StarterFolder::kManifest, manifest);
        werk.writeFile("starter/Symbolen/IC/Opamp.bmp", "opamp");
        const StarterFolder::Result tweede =
            StarterFolder::layOut(werk.path("starter"), werk.path("app"));
        QVERIFY(tweede.ok());
        QCOMPARE(tweede.copied,
                 (QStringList{starter[0], starter[1], starter[2], "Symbolen/IC/Opamp.bmp"}));
        QCOMPARE(werk.readFile("app/Breadboard/LED.gif") + werk.readFile("app/Plugins/index.htm") +
                     werk.readFile("app/symbolen/Diodes/D.bmp"),
                 starter[0] + starter[2] + "eigen diode");
        QVERIFY(!QFileInfo::exists(werk.path("app/symbolen/weerstanden")));
        QCOMPARE(StarterFolder::laidOut(werk.path("app")).size(), starter.size() + 1);

        // A target that is a file, and a starter folder that is missing.
        const QString bestand = werk.path("app/Plugins/index.htm");
        QCOMPARE(StarterFolder::layOut(werk.path("starter"), bestand).failed.size(), 7);
        QCOMPARE(werk.readFile("app/Plugins/index.htm"), starter[2].toUtf8());
        const StarterFolder::Result niets =
            StarterFolder::layOut(werk.path("geen"), werk.path("x"));
        QVERIFY(niets.ok());
        QCOMPARE(niets.copied, QStringList());
        QVERIFY(!QFileInfo::exists(werk.path("x/") + StarterFolder::kManifest));
    }
};

VOLTARIX_TEST(TestStarterFolder)
#include "tst_starterfolder.moc"

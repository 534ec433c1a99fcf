// The projects last opened or saved, for the menu "Bestand": newest first, each once,
// at most six, gone projects left out; a broken list file gives what can be read of it.
#include "TestFolder.h"
#include "TestRunner.h"
#include "project/ProjectMap.h"
#include "project/RecenteProjecten.h"

#include <QtTest>

class TestRecenteProjecten : public QObject {
    Q_OBJECT
private slots:
    void lijst() {
        TestFolder folder;
        const RecenteProjecten recent(folder.path("Recente projecten.txt"));
        QVERIFY(recent.namen().isEmpty());
        for (const QString naam : {"A", "B", "C", "D", "E", "F", "B", "G"})
            QVERIFY(recent.voegToe(naam));
        QCOMPARE(recent.namen(), (QStringList{"G", "B", "F", "E", "D", "C"}));
        for (const char *naam : {"G", "F", "C"})
            folder.writeFile(QStringLiteral("Projecten/%1.ovb").arg(naam), "BM");
        QCOMPARE(recent.bestaande(ProjectMap(folder.path("Projecten"))),
                 (QStringList{"G", "F", "C"}));
        // Names that are no project names, empty lines and CR LF line ends from an editor.
        folder.writeFile("Recente projecten.txt", "R&D\r\n\r\na/b\r\nR&D\nLED \xc3\xa9\xc3\xa9n\n");
        QCOMPARE(recent.namen(), (QStringList{"R&D", "LED één"}));
        QVERIFY(!RecenteProjecten(folder.path("geen map/lijst")).voegToe("A"));
    }
};

VOLTARIX_TEST(TestRecenteProjecten)
#include "tst_recenteprojecten.moc"

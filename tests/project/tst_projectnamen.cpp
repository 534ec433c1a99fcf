// Projects as other systems leave them: extensions in capitals from a FAT stick, names
// in Windows-1252 from an old archive (which Qt's listing skips). Each is listed,
// opens, and is saved over under its own file names.
#include "TestFolder.h"
#include "TestRunner.h"
#include "project/ProjectMap.h"
#include "ui/DiskNames.h"
#include "ui/Surface.h"

#include <QtTest>

#include <cstdio>
#include <unistd.h>

class TestProjectNamen : public QObject {
    Q_OBJECT
private slots:
    void vreemdeNamen_data() {
        const Tabel<QByteArray, QByteArrayList, QString> rij("stam", "extensies", "naam");
        rij("FAT stick", "ROOD", {".OVB", ".BRB", ".DAT"}, "ROOD");
        rij("Windows-1252", "weerstand\xe9", {".ovb", ".Brb", ".dat"}, "weerstandé");
    }

    void vreemdeNamen() {
        auto [stam, extensies, naam] =
            velden<QByteArray, QByteArrayList, QString>("stam", "extensies", "naam");
        TestFolder folder;
        const ProjectMap map(folder.makeDir("Projecten"));
        const QImage oud = filledPicture(30, 20, qRgb(255, 0, 0));
        const QByteArray inhoud[] = {pictureFile(oud), pictureFile(oud), "R1 \xb5\r\n"};
        QByteArrayList bestanden;
        for (int i = 0; i < 3; ++i) { // written, then given the name an archive would give
            bestanden << QFile::encodeName(map.folder()) + '/' + stam + extensies[i];
            const QByteArray pad = QFile::encodeName(folder.writeFile("f", inhoud[i]));
            QCOMPARE(::rename(pad.constData(), bestanden[i].constData()), 0);
        }
        QCOMPARE(map.namen(), QStringList{naam});
        const ProjectMap::Geladen geladen = map.laad(naam);
        QCOMPARE(*geladen.breadboard, oud);
        QCOMPARE(geladen.lijst, "R1 µ\r\n");

        const Surface nieuw(30, 20, qRgb(0, 0, 255));
        QCOMPARE(map.opslaan(naam, nieuw, nieuw, "nieuw\r\n"), ProjectMap::Geen);
        QCOMPARE(*map.laad(naam).breadboard, nieuw.image());
        QCOMPARE(DiskNames::files(map.folder()).size(), size_t(3)); // no second project beside it
        for (const QByteArray &bestand : bestanden) // Qt cannot remove what it cannot list
            QCOMPARE(::unlink(bestand.constData()), 0);
    }
};

VOLTARIX_TEST(TestProjectNamen)
#include "tst_projectnamen.moc"

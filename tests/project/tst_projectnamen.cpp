// Projects as other systems leave them: extensions in capitals from a FAT stick, names
// in Windows-1252 from an old archive (which Qt's own listing skips without a word).
// Each is listed under its name, opens, and is saved over under its own file names.
#include "TestFolder.h"
#include "TestRunner.h"
#include "project/ProjectMap.h"
#include "ui/DiskNames.h"
#include "ui/Surface.h"

#include <QtTest>

#include <fcntl.h>
#include <unistd.h>

namespace {

// Writes a file under a name of raw bytes, as an unpacked archive would.
void schrijfRuw(const QString &map, const QByteArray &naam, const QByteArray &inhoud) {
    const int fd = ::open((QFile::encodeName(map) + '/' + naam).constData(),
                          O_WRONLY | O_CREAT | O_TRUNC, 0644);
    QVERIFY(fd >= 0);
    QCOMPARE(::write(fd, inhoud.constData(), size_t(inhoud.size())), ssize_t(inhoud.size()));
    ::close(fd);
}

QStringList ruweNamen(const QString &map) {
    QStringList namen;
    for (const DiskNames::Entry &entry : DiskNames::files(map))
        namen << QString::fromLatin1(entry.path.mid(entry.path.lastIndexOf('/') + 1).toHex());
    namen.sort();
    return namen;
}

// Qt cannot remove what it cannot list: the test folder is emptied by the names' bytes.
struct Opruimen {
    QString map;
    ~Opruimen() {
        for (const DiskNames::Entry &entry : DiskNames::files(map))
            ::unlink(entry.path.constData());
    }
};

} // namespace

class TestProjectNamen : public QObject {
    Q_OBJECT
private slots:
    void vreemdeNamen_data();
    void vreemdeNamen();
};

void TestProjectNamen::vreemdeNamen_data() {
    QTest::addColumn<QByteArray>("stam");
    QTest::addColumn<QStringList>("extensies");
    QTest::addColumn<QString>("naam");
    const QStringList klein{".ovb", ".brb", ".dat"}, groot{".OVB", ".BRB", ".DAT"};
    QTest::newRow("FAT stick") << QByteArray("ROOD") << groot << "ROOD";
    QTest::newRow("mixed case") << QByteArray("Rood") << QStringList{".Ovb", ".BRB", ".dat"}
                                << "Rood";
    QTest::newRow("Windows-1252 name")
        << QByteArray("weerstand\xe9") << klein << QString::fromUtf8("weerstandé");
    QTest::newRow("both") << QByteArray("\x80 ") << groot << QString::fromUtf8("€ ");
}

void TestProjectNamen::vreemdeNamen() {
    QFETCH(QByteArray, stam);
    QFETCH(QStringList, extensies);
    QFETCH(QString, naam);
    TestFolder folder;
    const ProjectMap map(folder.makeDir("Projecten"));
    const Opruimen opruimen{map.folder()};
    const QImage oud = filledPicture(30, 20, qRgb(255, 0, 0));
    schrijfRuw(map.folder(), stam + extensies[0].toLatin1(), pictureFile(oud));
    schrijfRuw(map.folder(), stam + extensies[1].toLatin1(), pictureFile(oud));
    schrijfRuw(map.folder(), stam + extensies[2].toLatin1(), "R1 \xb5\r\n");
    const QStringList bestanden = ruweNamen(map.folder());

    QCOMPARE(map.namen(), QStringList{naam});
    QVERIFY(map.bestaat(naam));
    const ProjectMap::Geladen geladen = map.laad(naam);
    QCOMPARE(*geladen.ontwerpBlad, oud);
    QCOMPARE(*geladen.breadboard, oud);
    QCOMPARE(geladen.lijst, QString::fromUtf8("R1 µ\r\n"));

    // Saved over: the same three files, no second project beside them.
    const Surface nieuw(30, 20, qRgb(0, 0, 255));
    QCOMPARE(map.opslaan(naam, nieuw, nieuw, "nieuw\r\n"), ProjectMap::Geen);
    QCOMPARE(ruweNamen(map.folder()), bestanden);
    QCOMPARE(*map.laad(naam).breadboard, nieuw.image());
    QCOMPARE(map.laad(naam).lijst, QStringLiteral("nieuw\r\n"));
}

VOLTARIX_TEST(TestProjectNamen)
#include "tst_projectnamen.moc"

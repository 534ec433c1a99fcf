#include "TestFolder.h"
#include "TestRunner.h"
#include "project/DatTekst.h"
#include "project/ProjectMap.h"
#include "ui/Surface.h"

#include <QDir>
#include <QtTest>

namespace {

Surface sheet(int width, int height, QRgb colour) {
    Surface surface(width, height);
    surface.fillBox(5, 5, 20, 20, colour);
    return surface;
}

QStringList leftovers(const QString &folder) {
    return QDir(folder).entryList({"*.nieuw", "*.opslaan"}, QDir::Files | QDir::Dirs);
}

} // namespace

class TestProjectMap : public QObject {
    Q_OBJECT
private slots:
    void saveAndOpenGiveTheSameDesign();
    void overwriteWithAShorterList();
    void listEndsInOneLineBreak_data();
    void listEndsInOneLineBreak();
    void listing();
    void unsafeNamesAreRefused_data();
    void unsafeNamesAreRefused();
    void interruptedSave_data();
    void interruptedSave();
    void failedWriteKeepsTheOldProject();
    void brokenFilesOpenAsNothing();
    void characterSets_data();
    void characterSets();
};

void TestProjectMap::saveAndOpenGiveTheSameDesign() {
    TestFolder folder;
    const ProjectMap map(folder.path("Projecten"));
    const Surface Pic = sheet(800, 551, qRgb(10, 20, 30));
    const Surface Pic2 = sheet(801, 541, qRgb(200, 100, 0));
    const QString lijst = QStringLiteral("Componentenlijst\r\n---\r\nR1 = 330 Ω\r\n");
    QCOMPARE(map.opslaan("Led", Pic, Pic2, lijst), ProjectMap::Geen);
    QVERIFY(map.bestaat("Led"));
    const ProjectMap::Geladen geladen = map.laad("Led");
    QVERIFY(geladen.ontwerpBlad && geladen.breadboard);
    QCOMPARE(*geladen.ontwerpBlad, Pic.image());
    QCOMPARE(*geladen.breadboard, Pic2.image());
    QCOMPARE(geladen.lijst, lijst);
    QCOMPARE(folder.readFile("Projecten/Led.ovb").mid(28, 2), QByteArray("\x18\x00", 2)); // 24 bits
    QCOMPARE(leftovers(map.folder()), QStringList());
}

void TestProjectMap::overwriteWithAShorterList() {
    TestFolder folder;
    const ProjectMap map(folder.path("Projecten"));
    const Surface Pic(60, 40), Pic2(60, 40);
    QCOMPARE(map.opslaan("P", Pic, Pic2, "een\r\ntwee\r\ndrie\r\nvier\r\n"), ProjectMap::Geen);
    QCOMPARE(map.opslaan("P", Pic, Pic2, "een\r\n"), ProjectMap::Geen);
    QCOMPARE(map.laad("P").lijst, QStringLiteral("een\r\n"));
    QCOMPARE(folder.readFile("Projecten/P.dat"), QByteArray("een\r\n"));
}

void TestProjectMap::listEndsInOneLineBreak_data() {
    QTest::addColumn<QString>("lijst");
    QTest::addColumn<QString>("terug");
    QTest::newRow("without final break") << "A\r\nB"
                                         << "A\r\nB\r\n";
    QTest::newRow("with final break") << "A\r\nB\r\n"
                                      << "A\r\nB\r\n";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("empty lines kept") << "\r\n\r\nC\r\n"
                                      << "\r\n\r\nC\r\n";
}

void TestProjectMap::listEndsInOneLineBreak() {
    QFETCH(QString, lijst);
    QFETCH(QString, terug);
    TestFolder folder;
    const ProjectMap map(folder.path("Projecten"));
    QCOMPARE(map.opslaan("L", Surface(4, 4), Surface(4, 4), lijst), ProjectMap::Geen);
    QCOMPARE(map.laad("L").lijst, terug);
}

void TestProjectMap::listing() {
    TestFolder folder;
    folder.writeFile("Projecten/abc.ovb", "x"); // a design sheet alone is a project
    folder.writeFile("Projecten/.ovb", "x");    // four characters: an empty name
    folder.writeFile("Projecten/Zon.OVB.bak", "x");
    folder.writeFile("Projecten/alleen.dat", "x");
    folder.writeFile("Projecten/Bel.ovb", "x");
    const ProjectMap map(folder.path("Projecten"));
    QCOMPARE(map.namen(), (QStringList{"", "abc", "Bel"}));
    QCOMPARE(ProjectMap(folder.path("Leeg")).namen(), QStringList());
}

void TestProjectMap::unsafeNamesAreRefused_data() {
    QTest::addColumn<QString>("naam");
    for (const char *naam : {"", ".", "..", "*.*", "a/b", "a\\b", "a:b", "wat?", "x\"y", "<a>",
                             "a|b", "tab\there", "../buiten"})
        QTest::newRow(naam) << QString::fromUtf8(naam);
}

void TestProjectMap::unsafeNamesAreRefused() {
    QFETCH(QString, naam);
    TestFolder folder;
    const ProjectMap map(folder.path("Projecten"));
    QVERIFY(!ProjectMap::geldigeNaam(naam));
    QCOMPARE(map.opslaan(naam, Surface(4, 4), Surface(4, 4), "x"), ProjectMap::OngeldigeNaam);
    QCOMPARE(QDir(folder.root()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

void TestProjectMap::interruptedSave_data() {
    QTest::addColumn<int>("stap");
    QTest::addColumn<bool>("nieuw");
    for (int stap = 1; stap <= 7; ++stap)
        QTest::addRow("stopped after step %d", stap) << stap << (stap >= 4);
}

void TestProjectMap::interruptedSave() {
    QFETCH(int, stap);
    QFETCH(bool, nieuw);
    TestFolder folder;
    const ProjectMap map(folder.path("Projecten"));
    const Surface oud = sheet(50, 40, qRgb(255, 0, 0)), nieuwBlad = sheet(50, 40, qRgb(0, 0, 255));
    QCOMPARE(map.opslaan("P", oud, oud, "oud\r\n"), ProjectMap::Geen);
    map.opslaan("P", nieuwBlad, nieuwBlad, "nieuw\r\n",
                [stap](int gedaan) { return gedaan < stap; });

    // The next time the folder is read, as after a restart of the program.
    const ProjectMap later(folder.path("Projecten"));
    QCOMPARE(later.namen(), QStringList{"P"});
    const ProjectMap::Geladen geladen = later.laad("P");
    const Surface &verwacht = nieuw ? nieuwBlad : oud;
    QCOMPARE(*geladen.ontwerpBlad, verwacht.image());
    QCOMPARE(*geladen.breadboard, verwacht.image());
    QCOMPARE(geladen.lijst, QString(nieuw ? "nieuw\r\n" : "oud\r\n"));
    QCOMPARE(leftovers(later.folder()), QStringList());
}

void TestProjectMap::failedWriteKeepsTheOldProject() {
    TestFolder folder;
    const ProjectMap map(folder.path("Projecten"));
    const Surface oud = sheet(50, 40, qRgb(255, 0, 0));
    QCOMPARE(map.opslaan("P", oud, oud, "oud\r\n"), ProjectMap::Geen);
    folder.makeDir("Projecten/P.brb.nieuw"); // a folder in the way: the file cannot be written
    QCOMPARE(map.opslaan("P", Surface(50, 40), Surface(50, 40), "nieuw\r\n"),
             ProjectMap::SchrijvenMislukt);
    QCOMPARE(*map.laad("P").ontwerpBlad, oud.image());
    QCOMPARE(map.laad("P").lijst, QStringLiteral("oud\r\n"));
    QVERIFY(!QFileInfo::exists(folder.path("Projecten/P.dat.nieuw")));

    folder.writeFile("Bestand", "x"); // a file where the projects folder should be
    QCOMPARE(ProjectMap(folder.path("Bestand/Projecten")).opslaan("P", oud, oud, ""),
             ProjectMap::MapNietGemaakt);
}

void TestProjectMap::brokenFilesOpenAsNothing() {
    TestFolder folder;
    QByteArray huge("BM");
    huge += QByteArray(52, '\0');
    huge[14] = 40;
    huge[18] = char(0xA0); // 100000 x 100000 pixels, claimed
    huge[19] = char(0x86);
    huge[20] = 0x01;
    huge[22] = char(0xA0);
    huge[23] = char(0x86);
    huge[24] = 0x01;
    huge[26] = 1;
    huge[28] = 24;
    folder.writeFile("Projecten/K.ovb", huge);
    folder.writeFile("Projecten/K.brb", "geen plaatje");
    const ProjectMap::Geladen geladen = ProjectMap(folder.path("Projecten")).laad("K");
    QVERIFY(!geladen.ontwerpBlad);
    QVERIFY(!geladen.breadboard);
    QCOMPARE(geladen.lijst, QString()); // no .dat: an empty list
}

void TestProjectMap::characterSets_data() {
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("plain") << "R1 330\r\n" << QByteArray("R1 330\r\n");
    QTest::newRow("Windows-1252") << QString::fromUtf8("é €5\r\n")
                                  << QByteArray("\xE9 \x80"
                                                "5\r\n");
    QTest::newRow("beyond Windows-1252")
        << QString::fromUtf8("Ω 10k\r\n") << QByteArray("\xCE\xA9 10k\r\n");
}

void TestProjectMap::characterSets() {
    QFETCH(QString, tekst);
    QFETCH(QByteArray, bytes);
    QCOMPARE(DatTekst::codeer(tekst), bytes);
    QCOMPARE(DatTekst::decodeer(bytes), tekst);
    // A file of the old program: one byte per character, which is not UTF-8.
    QCOMPARE(DatTekst::decodeer("\x93"
                                "LED\x94 \xB5"
                                "F"),
             QString::fromUtf8("“LED” µF"));
    QCOMPARE(DatTekst::lijstUit("a\rb\nc"), QStringLiteral("a\r\nb\r\nc\r\n"));
}

VOLTARIX_TEST(TestProjectMap)
#include "tst_projectmap.moc"

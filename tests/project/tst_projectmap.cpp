#include "ScriptedPlatform.h"
#include "TestFolder.h"
#include "TestRunner.h"
#include "project/OpenForm.h"
#include "project/ProjectMap.h"
#include "project/ProjectOpslaan.h"
#include "ui/Surface.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

namespace {

Surface sheet(int width, int height, QRgb colour) {
    Surface surface(width, height);
    surface.fillBox(5, 5, 20, 20, colour);
    return surface;
}

} // namespace

class TestProjectMap : public QObject {
    Q_OBJECT
private slots:
    void saveAndOpenGiveTheSameDesign() {
        TestFolder folder;
        const ProjectMap map(folder.path("Projecten"));
        const Surface Pic = sheet(800, 551, qRgb(10, 20, 30)),
                      Pic2 = sheet(801, 541, qRgb(200, 100, 0));
        QCOMPARE(map.opslaan("Led", Pic, Pic2, "een\r\ntwee\r\ndrie\r\n"), ProjectMap::Geen);
        // Again, with a shorter list without its last line end.
        QCOMPARE(map.opslaan("Led", Pic, Pic2, "R1 = 330 Ω"), ProjectMap::Geen);
        QVERIFY(map.bestaat("Led"));
        const ProjectMap::Geladen geladen = map.laad("Led");
        QVERIFY(geladen.ontwerpBlad && geladen.breadboard);
        QCOMPARE(*geladen.ontwerpBlad, Pic.image());
        QCOMPARE(*geladen.breadboard, Pic2.image());
        QCOMPARE(geladen.lijst, QStringLiteral("R1 = 330 Ω\r\n"));
        QCOMPARE(folder.readFile("Projecten/Led.dat"), QByteArray("R1 = 330 \xCE\xA9"));
        QCOMPARE(folder.readFile("Projecten/Led.ovb"), pictureFile(Pic.image())); // a 24-bit BMP
        QCOMPARE(QDir(map.folder()).entryList(QDir::Files),
                 (QStringList{"Led.brb", "Led.dat", "Led.ovb"}));
    }

    void listingAndNames() {
        TestFolder folder;
        for (const char *file : {"abc.ovb", ".ovb", "Zon.OVB.bak", "alleen.dat", "Bel.ovb"})
            folder.writeFile(QStringLiteral("Projecten/") + file, "x");
        // Files that are no pictures, or claim a size no sheet has, open as nothing.
        folder.writeFile("Projecten/K.ovb", bmpHeader(100000, 100000));
        folder.writeFile("Projecten/K.brb", "geen plaatje");
        const ProjectMap map(folder.path("Projecten"));
        const ProjectMap::Geladen geladen = map.laad("K");
        QVERIFY(!geladen.ontwerpBlad && !geladen.breadboard);
        QCOMPARE(geladen.lijst, QString()); // no .dat: an empty list
        // A design sheet alone is a project; ".ovb" is one with an empty name.
        QCOMPARE(map.namen(), (QStringList{"", "abc", "Bel", "K"}));
        QCOMPARE(ProjectMap(folder.path("Leeg")).namen(), QStringList());
        QVERIFY(!map.bestaat("alleen"));
        // Names that are no file name everywhere write nothing at all.
        for (const char *naam : {"", ".", "..", "*.*", "a/b", "a\\b", "a:b", "wat?", "x\"y", "<a>",
                                 "a|b", "tab\there", "../buiten"}) {
            QVERIFY2(!ProjectMap::geldigeNaam(naam), naam);
            QCOMPARE(
                ProjectMap(folder.path("Nieuw")).opslaan(naam, Surface(4, 4), Surface(4, 4), "x"),
                ProjectMap::OngeldigeNaam);
        }
        QVERIFY(!QFileInfo::exists(folder.path("Nieuw")));
        QVERIFY(ProjectMap::geldigeNaam("Led .. 1 é"));
    }

    // The save command asks for the name, proposing the design's, and tells the user
    // about a name that cannot be a file name; it asks before replacing a project.
    void saveCommand() {
        TestFolder folder;
        const ProjectMap map(folder.path("Projecten"));
        ScriptedPlatform platform;
        platform.inputAnswers = {"", "*.*", "P", "P", "P"};
        platform.answers = {Platform::Answer::No, Platform::Answer::Yes};
        const auto opslaan = [&](const char *lijst) {
            return ProjectOpslaan(platform, map, "*.*", Surface(8, 8), Surface(8, 8), lijst);
        };
        QVERIFY(!opslaan("leeg")); // cancelled
        QVERIFY(!opslaan("ongeldig"));
        QVERIFY(!QFileInfo::exists(map.folder()));
        QVERIFY(opslaan("oud\r\n"));
        QVERIFY(!opslaan("nee\r\n"));
        QCOMPARE(folder.readFile("Projecten/P.dat"), QByteArray("oud\r\n"));
        QVERIFY(opslaan("ja\r\n"));
        QCOMPARE(folder.readFile("Projecten/P.dat"), QByteArray("ja\r\n"));
        QCOMPARE(platform.inputs.size(), 5);
        QCOMPARE(platform.inputs[0].prompt, QStringLiteral("Geef een naam voor dit project..."));
        QCOMPARE(platform.inputs[0].title, QStringLiteral(" Project opslaan"));
        QCOMPARE(platform.inputs[0].defaultAnswer, QStringLiteral("*.*"));
        QCOMPARE(platform.messages.size(), 3);
        QCOMPARE(platform.messages[0].text,
                 QStringLiteral("Fout bij het opslaan van het project!\r\n(foutnummer: 1)"));
        QCOMPARE(platform.messages[1].text, QStringLiteral("Project bestaat reeds, vernieuwen?"));
        QCOMPARE(platform.messages[1].title, QStringLiteral(" Exist"));
    }

    // The open dialog lists the projects and their number; Open hands over the chosen
    // one, and asks for a choice when there is none.
    void openDialog() {
        TestFolder folder;
        for (const char *naam : {"b.ovb", "a.ovb", "c.ovb", ".ovb"})
            folder.writeFile(QStringLiteral("Projecten/") + naam, "x");
        ScriptedPlatform platform;
        QStringList geopend;
        OpenForm form(ProjectMap(folder.path("Projecten")), platform,
                      [&](const QString &naam) { geopend << naam; });
        form.show();
        QCOMPARE(form.windowTitle(), QStringLiteral(" Open project"));
        QCOMPARE(form.findChild<QLabel *>("Label1")->text(),
                 QStringLiteral("4 Projecten in de lijst..."));
        auto *lijst = form.findChild<QListWidget *>("List1");
        auto *open = form.findChild<QPushButton *>("OpenKnop");
        open->click(); // nothing chosen
        lijst->setCurrentRow(0);
        open->click(); // the empty name
        QCOMPARE(platform.messages.size(), 2);
        QCOMPARE(platform.messages[1].text, QStringLiteral("Eerst een project selecteren!"));
        QVERIFY(form.isVisible() && geopend.isEmpty());
        lijst->setCurrentRow(2);
        emit lijst->itemDoubleClicked(lijst->currentItem());
        QCOMPARE(geopend, QStringList{"b"});
        QCOMPARE(form.result(), int(QDialog::Accepted));
    }
};

VOLTARIX_TEST(TestProjectMap)
#include "tst_projectmap.moc"

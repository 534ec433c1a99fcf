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

class TestProjectOpslaan : public QObject {
    Q_OBJECT
private slots:
    void askedWithTheDesignsName();
    void emptyAnswerWritesNothing();
    void unsafeNameIsReported();
    void existingProjectAnsweredNo();
    void existingProjectAnsweredYes();
    void openDialogListsAndOpens();
    void openWithoutChoiceAsksForOne();
};

void TestProjectOpslaan::askedWithTheDesignsName() {
    TestFolder folder;
    ScriptedPlatform platform;
    platform.inputAnswers = {"Led"};
    QVERIFY(ProjectOpslaan(platform, ProjectMap(folder.path("Projecten")), "*.*", Surface(8, 8),
                           Surface(8, 8), "a\r\n"));
    QCOMPARE(platform.inputs.size(), 1);
    QCOMPARE(platform.inputs[0].prompt, QStringLiteral("Geef een naam voor dit project..."));
    QCOMPARE(platform.inputs[0].title, QStringLiteral(" Project opslaan"));
    QCOMPARE(platform.inputs[0].defaultAnswer, QStringLiteral("*.*"));
    QCOMPARE(folder.readFile("Projecten/Led.dat"), QByteArray("a\r\n"));
    QVERIFY(platform.messages.isEmpty());
}

void TestProjectOpslaan::emptyAnswerWritesNothing() {
    TestFolder folder;
    ScriptedPlatform platform; // Cancel answers an empty text
    QVERIFY(!ProjectOpslaan(platform, ProjectMap(folder.path("Projecten")), "x", Surface(8, 8),
                            Surface(8, 8), ""));
    QVERIFY(!QFileInfo::exists(folder.path("Projecten")));
    QVERIFY(platform.messages.isEmpty());
}

void TestProjectOpslaan::unsafeNameIsReported() {
    TestFolder folder;
    ScriptedPlatform platform;
    platform.inputAnswers = {"*.*"};
    QVERIFY(!ProjectOpslaan(platform, ProjectMap(folder.path("Projecten")), "*.*", Surface(8, 8),
                            Surface(8, 8), ""));
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages[0].text,
             QStringLiteral("Fout bij het opslaan van het project!\r\n(foutnummer: 1)"));
    QVERIFY(!QFileInfo::exists(folder.path("Projecten")));
}

void TestProjectOpslaan::existingProjectAnsweredNo() {
    TestFolder folder;
    const ProjectMap map(folder.path("Projecten"));
    QCOMPARE(map.opslaan("P", Surface(8, 8), Surface(8, 8), "oud\r\n"), ProjectMap::Geen);
    ScriptedPlatform platform;
    platform.inputAnswers = {"P"};
    platform.answers = {Platform::Answer::No};
    QVERIFY(!ProjectOpslaan(platform, map, "P", Surface(8, 8), Surface(8, 8), "nieuw\r\n"));
    QCOMPARE(platform.messages[0].text, QStringLiteral("Project bestaat reeds, vernieuwen?"));
    QCOMPARE(platform.messages[0].title, QStringLiteral(" Exist"));
    QCOMPARE(folder.readFile("Projecten/P.dat"), QByteArray("oud\r\n"));
}

void TestProjectOpslaan::existingProjectAnsweredYes() {
    TestFolder folder;
    const ProjectMap map(folder.path("Projecten"));
    QCOMPARE(map.opslaan("P", Surface(8, 8), Surface(8, 8), "oud\r\n"), ProjectMap::Geen);
    ScriptedPlatform platform;
    platform.inputAnswers = {"P"};
    platform.answers = {Platform::Answer::Yes};
    QVERIFY(ProjectOpslaan(platform, map, "P", Surface(8, 8), Surface(8, 8), "nieuw\r\n"));
    QCOMPARE(folder.readFile("Projecten/P.dat"), QByteArray("nieuw\r\n"));
}

void TestProjectOpslaan::openDialogListsAndOpens() {
    TestFolder folder;
    const ProjectMap map(folder.path("Projecten"));
    for (const char *naam : {"b", "a", "c"})
        QCOMPARE(map.opslaan(naam, Surface(8, 8), Surface(8, 8), ""), ProjectMap::Geen);
    ScriptedPlatform platform;
    QString geopend;
    OpenForm form(map, platform, [&](const QString &naam) { geopend = naam; });
    QCOMPARE(form.windowTitle(), QStringLiteral(" Open project"));
    QCOMPARE(form.findChild<QLabel *>("Label1")->text(),
             QStringLiteral("3 Projecten in de lijst..."));
    auto *lijst = form.findChild<QListWidget *>("List1");
    QCOMPARE(lijst->item(1)->text(), QStringLiteral("b"));
    lijst->setCurrentRow(1);
    form.findChild<QPushButton *>("OpenKnop")->click();
    QCOMPARE(geopend, QStringLiteral("b"));
    QCOMPARE(form.result(), int(QDialog::Accepted));

    OpenForm leeg(ProjectMap(folder.path("Leeg")), platform, [](const QString &) {});
    QCOMPARE(leeg.findChild<QLabel *>("Label1")->text(),
             QStringLiteral("0 Projecten in de lijst..."));
}

void TestProjectOpslaan::openWithoutChoiceAsksForOne() {
    TestFolder folder;
    folder.writeFile("Projecten/.ovb", "x"); // listed as an empty name
    ScriptedPlatform platform;
    bool geopend = false;
    OpenForm form(ProjectMap(folder.path("Projecten")), platform,
                  [&](const QString &) { geopend = true; });
    form.show();
    form.findChild<QPushButton *>("OpenKnop")->click(); // nothing chosen
    form.findChild<QListWidget *>("List1")->setCurrentRow(0);
    form.findChild<QPushButton *>("OpenKnop")->click(); // the empty entry
    QVERIFY(!geopend);
    QCOMPARE(platform.messages.size(), 2);
    QCOMPARE(platform.messages[1].text, QStringLiteral("Eerst een project selecteren!"));
    QVERIFY(form.isVisible());
}

VOLTARIX_TEST(TestProjectOpslaan)
#include "tst_projectopslaan.moc"

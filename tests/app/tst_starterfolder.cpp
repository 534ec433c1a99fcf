#include "TestFolder.h"
#include "TestRunner.h"
#include "app/StarterFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QtTest>

namespace {

// A small starter folder: a few files in folders of the application folder's layout.
const QMap<QString, QByteArray> kStarter = {
    {QStringLiteral("Symbolen/Weerstanden/Weerstand.bmp"), "weerstand"},
    {QStringLiteral("Symbolen/Weerstanden/LDR.bmp"), "ldr"},
    {QStringLiteral("Symbolen/Halfgeleiders/Diode.bmp"), "diode"},
    {QStringLiteral("Breadboard/LED rood.gif"), "led"},
    {QStringLiteral("Plugins/index.htm"), "<html>index</html>"},
    {QStringLiteral("Plugins/Images/background.jpg"), "jpeg"},
    {QStringLiteral("Projecten/Voorbeeld LED.dat"), "Componentenlijst\r\n"},
};

void vulStarter(const TestFolder &starter) {
    for (auto it = kStarter.begin(); it != kStarter.end(); ++it)
        starter.writeFile(it.key(), it.value());
}

// Every file under a folder with its content, the manifest included.
QMap<QString, QByteArray> inhoud(const QString &folder) {
    QMap<QString, QByteArray> bestanden;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString pad = it.next();
        QFile file(pad);
        file.open(QIODevice::ReadOnly);
        bestanden.insert(QDir(folder).relativeFilePath(pad), file.readAll());
    }
    return bestanden;
}

} // namespace

class TestStarterFolder : public QObject {
    Q_OBJECT
private slots:
    void firstLayOutCopiesEveryFile();
    void secondLayOutLeavesUserChanges_data();
    void secondLayOutLeavesUserChanges();
    void newStarterFilesArriveLater();
    void userFileIsNeverOverwritten();
    void foldersAreFoundWhateverTheirCase();
    void relativeFolderNames();
    void removingAManifestLineBringsTheFileBack();
    void blockedPathsFailAndAreTriedAgain();
    void targetThatIsAFile();
    void missingStarterFolder();
};

void TestStarterFolder::firstLayOutCopiesEveryFile() {
    TestFolder starter, app;
    vulStarter(starter);
    starter.writeFile(QStringLiteral(".verborgen"), "not laid out");
    const QString doel = app.path(QStringLiteral("nieuw/app"));

    const StarterFolder::Result result = StarterFolder::layOut(starter.root(), doel);

    QVERIFY(result.ok());
    QCOMPARE(result.copied, kStarter.keys());
    QVERIFY(result.kept.isEmpty());
    QMap<QString, QByteArray> verwacht = kStarter;
    verwacht.insert(StarterFolder::kManifest, inhoud(doel).value(StarterFolder::kManifest));
    QCOMPARE(inhoud(doel), verwacht);
    QCOMPARE(StarterFolder::laidOut(doel), kStarter.keys());
}

enum class Actie { Veranderd, Verwijderd, Hernoemd, MapHernoemd, MapVerwijderd };

void TestStarterFolder::secondLayOutLeavesUserChanges_data() {
    QTest::addColumn<Actie>("actie");
    QTest::newRow("changed file") << Actie::Veranderd;
    QTest::newRow("deleted file") << Actie::Verwijderd;
    QTest::newRow("renamed file") << Actie::Hernoemd;
    QTest::newRow("renamed category") << Actie::MapHernoemd;
    QTest::newRow("deleted folder") << Actie::MapVerwijderd;
}

void TestStarterFolder::secondLayOutLeavesUserChanges() {
    QFETCH(Actie, actie);
    TestFolder starter, app;
    vulStarter(starter);
    QVERIFY(StarterFolder::layOut(starter.root(), app.root()).ok());

    QDir root(app.root());
    switch (actie) {
    case Actie::Veranderd:
        app.writeFile(QStringLiteral("Plugins/index.htm"), "<html>mijn eigen pagina</html>");
        break;
    case Actie::Verwijderd:
        QVERIFY(root.remove(QStringLiteral("Breadboard/LED rood.gif")));
        break;
    case Actie::Hernoemd:
        QVERIFY(root.rename(QStringLiteral("Symbolen/Weerstanden/LDR.bmp"),
                            QStringLiteral("Symbolen/Weerstanden/Lichtgevoelig.bmp")));
        break;
    case Actie::MapHernoemd:
        QVERIFY(root.rename(QStringLiteral("Symbolen/Weerstanden"),
                            QStringLiteral("Symbolen/Mijn weerstanden")));
        break;
    case Actie::MapVerwijderd:
        QVERIFY(QDir(app.path(QStringLiteral("Plugins"))).removeRecursively());
        break;
    }
    const QMap<QString, QByteArray> zoAlsDeGebruikerHetLiet = inhoud(app.root());

    const StarterFolder::Result tweede = StarterFolder::layOut(starter.root(), app.root());

    QVERIFY(tweede.ok());
    QVERIFY(tweede.copied.isEmpty());
    QCOMPARE(inhoud(app.root()), zoAlsDeGebruikerHetLiet);
}

void TestStarterFolder::newStarterFilesArriveLater() {
    TestFolder starter, app;
    vulStarter(starter);
    QVERIFY(StarterFolder::layOut(starter.root(), app.root()).ok());
    app.writeFile(QStringLiteral("Plugins/index.htm"), "veranderd");
    starter.writeFile(QStringLiteral("Symbolen/IC/Opamp.bmp"), "opamp");

    const StarterFolder::Result tweede = StarterFolder::layOut(starter.root(), app.root());

    QCOMPARE(tweede.copied, QStringList{QStringLiteral("Symbolen/IC/Opamp.bmp")});
    QCOMPARE(app.readFile(QStringLiteral("Symbolen/IC/Opamp.bmp")), QByteArray("opamp"));
    QCOMPARE(app.readFile(QStringLiteral("Plugins/index.htm")), QByteArray("veranderd"));
    QVERIFY(StarterFolder::laidOut(app.root()).contains(QStringLiteral("Symbolen/IC/Opamp.bmp")));
}

void TestStarterFolder::userFileIsNeverOverwritten() {
    TestFolder starter, app;
    vulStarter(starter);
    app.writeFile(QStringLiteral("Plugins/index.htm"), "van de gebruiker");

    const StarterFolder::Result eerste = StarterFolder::layOut(starter.root(), app.root());
    QVERIFY(eerste.ok());
    QCOMPARE(eerste.kept, QStringList{QStringLiteral("Plugins/index.htm")});
    QCOMPARE(app.readFile(QStringLiteral("Plugins/index.htm")), QByteArray("van de gebruiker"));

    // Once the user's own file is gone, ours does not take its place.
    QVERIFY(QFile::remove(app.path(QStringLiteral("Plugins/index.htm"))));
    QVERIFY(StarterFolder::layOut(starter.root(), app.root()).copied.isEmpty());
    QVERIFY(!QFile::exists(app.path(QStringLiteral("Plugins/index.htm"))));
}

void TestStarterFolder::foldersAreFoundWhateverTheirCase() {
    TestFolder starter, app;
    vulStarter(starter);
    app.writeFile(QStringLiteral("symbolen/weerstanden/WEERSTAND.BMP"), "eigen");

    const StarterFolder::Result result = StarterFolder::layOut(starter.root(), app.root());

    QVERIFY(result.ok());
    QCOMPARE(result.kept, QStringList{QStringLiteral("Symbolen/Weerstanden/Weerstand.bmp")});
    QCOMPARE(app.readFile(QStringLiteral("symbolen/weerstanden/WEERSTAND.BMP")),
             QByteArray("eigen"));
    QCOMPARE(app.readFile(QStringLiteral("symbolen/weerstanden/LDR.bmp")), QByteArray("ldr"));
    QCOMPARE(app.readFile(QStringLiteral("symbolen/Halfgeleiders/Diode.bmp")), QByteArray("diode"));
    QVERIFY2(!QFileInfo::exists(app.path(QStringLiteral("Symbolen"))),
             "a second library folder was made beside the user's");
}

void TestStarterFolder::relativeFolderNames() {
    TestFolder werk;
    for (auto it = kStarter.begin(); it != kStarter.end(); ++it)
        werk.writeFile(QStringLiteral("starter/") + it.key(), it.value());
    const QString eerder = QDir::currentPath();
    QDir::setCurrent(werk.root());

    const StarterFolder::Result result =
        StarterFolder::layOut(QStringLiteral("starter"), QStringLiteral("app"));

    QDir::setCurrent(eerder);
    QVERIFY(result.ok());
    QCOMPARE(result.copied, kStarter.keys());
    QCOMPARE(werk.readFile(QStringLiteral("app/Breadboard/LED rood.gif")), QByteArray("led"));
}

void TestStarterFolder::removingAManifestLineBringsTheFileBack() {
    TestFolder starter, app;
    vulStarter(starter);
    QVERIFY(StarterFolder::layOut(starter.root(), app.root()).ok());
    QVERIFY(QFile::remove(app.path(QStringLiteral("Symbolen/Halfgeleiders/Diode.bmp"))));
    QByteArray manifest = app.readFile(StarterFolder::kManifest);
    manifest.replace("Symbolen/Halfgeleiders/Diode.bmp\n", "");
    app.writeFile(StarterFolder::kManifest, manifest + "\n\n# een opmerking\n");

    const StarterFolder::Result result = StarterFolder::layOut(starter.root(), app.root());

    QCOMPARE(result.copied, QStringList{QStringLiteral("Symbolen/Halfgeleiders/Diode.bmp")});
    QCOMPARE(app.readFile(QStringLiteral("Symbolen/Halfgeleiders/Diode.bmp")), QByteArray("diode"));
    QCOMPARE(StarterFolder::laidOut(app.root()).size(), kStarter.size());
}

void TestStarterFolder::blockedPathsFailAndAreTriedAgain() {
    TestFolder starter, app;
    vulStarter(starter);
    // A file where the help pages' folder should be.
    app.writeFile(QStringLiteral("Plugins"), "in de weg");

    const StarterFolder::Result eerste = StarterFolder::layOut(starter.root(), app.root());

    QVERIFY(!eerste.ok());
    QCOMPARE(eerste.failed, QStringList({QStringLiteral("Plugins/Images/background.jpg"),
                                         QStringLiteral("Plugins/index.htm")}));
    QCOMPARE(app.readFile(QStringLiteral("Plugins")), QByteArray("in de weg"));
    QCOMPARE(app.readFile(QStringLiteral("Breadboard/LED rood.gif")), QByteArray("led"));
    QVERIFY(!StarterFolder::laidOut(app.root()).contains(QStringLiteral("Plugins/index.htm")));

    QVERIFY(QFile::remove(app.path(QStringLiteral("Plugins"))));
    const StarterFolder::Result tweede = StarterFolder::layOut(starter.root(), app.root());
    QVERIFY(tweede.ok());
    QCOMPARE(tweede.copied, eerste.failed);
}

void TestStarterFolder::targetThatIsAFile() {
    TestFolder starter, app;
    vulStarter(starter);
    const QString bestand = app.writeFile(QStringLiteral("app"), "geen map");

    const StarterFolder::Result result = StarterFolder::layOut(starter.root(), bestand);

    QVERIFY(!result.ok());
    QCOMPARE(result.failed, kStarter.keys());
    QVERIFY(result.copied.isEmpty());
    QCOMPARE(app.readFile(QStringLiteral("app")), QByteArray("geen map"));
}

void TestStarterFolder::missingStarterFolder() {
    TestFolder app;
    const StarterFolder::Result result =
        StarterFolder::layOut(app.path(QStringLiteral("bestaat-niet")), app.root());
    QVERIFY(result.ok());
    QVERIFY(result.copied.isEmpty());
    QVERIFY(!QFile::exists(app.path(StarterFolder::kManifest)));
}

VOLTARIX_TEST(TestStarterFolder)
#include "tst_starterfolder.moc"

#include "TestFolder.h"
#include "TestRunner.h"
#include "ui/AppFolder.h"
#include "ui/Platform.h"

#include <QtTest>

namespace {

class BarePlatform : public Platform {
public:
    Answer message(const QString &, const QString &, Buttons, Icon) override { return Answer::Ok; }
    QString inputBox(const QString &, const QString &, const QString &) override { return {}; }
    QString openFileName(const QString &, const QString &, const QString &) override { return {}; }
    QString saveFileName(const QString &, const QString &, const QString &) override { return {}; }
    std::optional<QRgb> chooseColour(QRgb) override { return std::nullopt; }
    QPagedPaintDevice *printer() override { return nullptr; }
    void printerSetup() override {}
    void openAdres(const QString &) override {}
    void wacht(double) override {}
};

} // namespace

class TestAppFolder : public QObject {
    Q_OBJECT
private slots:
    void pathsIgnoreCase_data();
    void pathsIgnoreCase();
    void exactSpellingWinsOverOtherCase();
    void chooseRoot_data();
    void chooseRoot();
    void listingsAreSortedIgnoringCase();
    void fileExistsOnlyForFiles();
    void fileFilter();
};

void TestAppFolder::pathsIgnoreCase_data() {
    QTest::addColumn<QString>("relative");
    QTest::addColumn<QString>("found");
    QTest::newRow("lower-case plugins") << "\\plugins\\help.htm"
                                        << "/Plugins/help.htm";
    QTest::newRow("category shown in lower case") << "\\Symbolen\\weerstanden\\R 1.bmp"
                                                  << "/Symbolen/Weerstanden/R 1.bmp";
    QTest::newRow("folder with its backslash") << "\\Symbolen\\"
                                               << "/Symbolen/";
    QTest::newRow("file that does not exist yet") << "\\Projecten\\Nieuw.ovb"
                                                  << "/Projecten/Nieuw.ovb";
    QTest::newRow("folder that does not exist yet") << "\\projecten2\\A.dat"
                                                    << "/projecten2/A.dat";
    QTest::newRow("forward slashes") << "/PLUGINS/Images/X.jpg"
                                     << "/Plugins/Images/X.jpg";
}

void TestAppFolder::pathsIgnoreCase() {
    QFETCH(QString, relative);
    QFETCH(QString, found);
    TestFolder folder;
    folder.writeFile("Plugins/help.htm", "<html/>");
    folder.writeFile("Symbolen/Weerstanden/R 1.bmp", "x");
    folder.makeDir("Projecten");
    folder.makeDir("Plugins/Images");
    const AppFolder app(folder.root());
    QCOMPARE(app.path(relative), folder.root() + found);
}

void TestAppFolder::exactSpellingWinsOverOtherCase() {
    TestFolder folder;
    folder.makeDir("Symbolen/IC");
    folder.makeDir("Symbolen/ic");
    QCOMPARE(AppFolder::findEntry(folder.path("Symbolen"), "ic"), QStringLiteral("ic"));
    QCOMPARE(AppFolder::findEntry(folder.path("Symbolen"), "IC"), QStringLiteral("IC"));
    QCOMPARE(AppFolder::findEntry(folder.path("Symbolen"), "Ic"), QStringLiteral("IC"));
    QCOMPARE(AppFolder::findEntry(folder.path("Symbolen"), "xyz"), QString());
}

void TestAppFolder::chooseRoot_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("home");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("executable's folder") << QStringList{"voltarix"} << ""
                                         << "/opt/voltarix";
    QTest::newRow("environment") << QStringList{"voltarix"} << "/srv/v"
                                 << "/srv/v";
    QTest::newRow("option wins") << QStringList{"voltarix", "--app-folder", "/data/v"} << "/srv/v"
                                 << "/data/v";
    QTest::newRow("option with =") << QStringList{"voltarix", "--app-folder=/data/w"} << ""
                                   << "/data/w";
    QTest::newRow("option without folder") << QStringList{"voltarix", "--app-folder"} << ""
                                           << "/opt/voltarix";
}

void TestAppFolder::chooseRoot() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, home);
    QFETCH(QString, chosen);
    QCOMPARE(AppFolder::chooseRoot(arguments, home, "/opt/voltarix"), chosen);
}

void TestAppFolder::listingsAreSortedIgnoringCase() {
    TestFolder folder;
    for (const char *name : {"b.gif", "A.gif", "c.GIF", ".hidden.gif"})
        folder.writeFile(QStringLiteral("Breadboard/") + name, "x");
    folder.makeDir("Breadboard/Zfolder");
    QCOMPARE(AppFolder::files(folder.path("Breadboard")), (QStringList{"A.gif", "b.gif", "c.GIF"}));
    QCOMPARE(AppFolder::subfolders(folder.path("Breadboard")), QStringList{"Zfolder"});
    QCOMPARE(AppFolder::files(folder.path("missing")), QStringList());
}

void TestAppFolder::fileExistsOnlyForFiles() {
    TestFolder folder;
    BarePlatform platform;
    QVERIFY(platform.bestaatBestand(folder.writeFile("a.ovb", "x")));
    QVERIFY(!platform.bestaatBestand(folder.makeDir("folder")));
    QVERIFY(!platform.bestaatBestand(QString()));
    QVERIFY(!platform.bestaatBestand(folder.path("missing.ovb")));
}

void TestAppFolder::fileFilter() {
    QCOMPARE(qtFileFilter("Icons ( Bitmap )|*.bmp"), QStringLiteral("Icons ( Bitmap ) (*.bmp)"));
    QCOMPARE(qtFileFilter("A|*.a|B|*.b"), QStringLiteral("A (*.a);;B (*.b)"));
}

VOLTARIX_TEST(TestAppFolder)
#include "tst_appfolder.moc"

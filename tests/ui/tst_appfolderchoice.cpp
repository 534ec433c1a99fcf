#include "TestFolder.h"
#include "TestRunner.h"
#include "ui/AppFolderChoice.h"

#include <QDir>
#include <QtTest>

namespace {

using Reason = AppFolderChoice::Reason;

const QString kExe = QStringLiteral("/opt/bin");
const QString kStarter = QStringLiteral("/opt/share/voltarix/starter");

// What the start-up sees, in one line of a table: arguments and environment, and
// what it found beside the executable.
struct Beside {
    bool folders;
    bool writable;
    bool installed;
};

AppFolderChoice::Inputs inputs(const QStringList &arguments, const QString &voltarixHome,
                               Beside beside, const QString &xdgDataHome, const QString &home) {
    AppFolderChoice::Inputs in;
    in.arguments = QStringList{QStringLiteral("/opt/bin/voltarix")} + arguments;
    in.voltarixHome = voltarixHome;
    in.executableFolder = kExe;
    in.holdsProgramFolders = beside.folders;
    in.writable = beside.writable;
    in.installedStarter = beside.installed ? kStarter : QString();
    in.xdgDataHome = xdgDataHome;
    in.home = home;
    return in;
}

} // namespace

Q_DECLARE_METATYPE(AppFolderChoice::Inputs)
Q_DECLARE_METATYPE(AppFolderChoice::Reason)

class TestAppFolderChoice : public QObject {
    Q_OBJECT
private slots:
    void choose_data();
    void choose();
    void holdsProgramFolders_data();
    void holdsProgramFolders();
};

void TestAppFolderChoice::choose_data() {
    QTest::addColumn<AppFolderChoice::Inputs>("in");
    QTest::addColumn<QString>("root");
    QTest::addColumn<Reason>("reason");
    QTest::addColumn<QString>("starter");

    const Beside system{false, false, true};     // /usr/bin after `cmake --install`
    const Beside userPrefix{false, true, true};  // ~/.local/bin after `cmake --install`
    const Beside buildTree{true, true, false};   // build/app
    const Beside bareCopy{false, true, false};   // the executable alone in a folder of one's own
    const Beside readOnlyKit{true, false, true}; // a prepared folder on a read-only share
    const Beside lostBinary{false, false, false};
    const QString home = QStringLiteral("/home/anna");
    const QString own = QStringLiteral("/home/anna/.local/share/voltarix");

    QTest::newRow("option wins over all")
        << inputs({"--app-folder", "/data/v"}, "/srv/v", system, "/x", home) << "/data/v"
        << Reason::Option << "";
    QTest::newRow("option with =") << inputs({"--app-folder=/data/w"}, "", system, "", home)
                                   << "/data/w" << Reason::Option << "";
    QTest::newRow("relative option")
        << inputs({"--app-folder", "mijn map"}, "", system, "", home)
        << QDir::current().absoluteFilePath("mijn map") << Reason::Option << "";
    QTest::newRow("option without folder") << inputs({"--app-folder"}, "/srv/v", system, "", home)
                                           << "/srv/v" << Reason::Environment << "";
    QTest::newRow("environment") << inputs({}, "/srv/v", system, "", home) << "/srv/v"
                                 << Reason::Environment << "";
    QTest::newRow("build tree") << inputs({}, "", buildTree, "", home) << kExe << Reason::Portable
                                << "";
    QTest::newRow("bare portable copy")
        << inputs({}, "", bareCopy, "", home) << kExe << Reason::Portable << "";
    QTest::newRow("prepared folder, read-only")
        << inputs({}, "", readOnlyKit, "", home) << kExe << Reason::Portable << "";
    QTest::newRow("system install")
        << inputs({}, "", system, "", home) << own << Reason::PerUser << kStarter;
    QTest::newRow("install in the user's prefix")
        << inputs({}, "", userPrefix, "", home) << own << Reason::PerUser << kStarter;
    QTest::newRow("XDG_DATA_HOME") << inputs({}, "", system, "/data/anna/", home)
                                   << "/data/anna/voltarix" << Reason::PerUser << kStarter;
    QTest::newRow("relative XDG_DATA_HOME ignored")
        << inputs({}, "", system, "data", home) << own << Reason::PerUser << kStarter;
    QTest::newRow("not installed, not writable")
        << inputs({}, "", lostBinary, "", home) << own << Reason::PerUser << "";
    QTest::newRow("no home at all")
        << inputs({}, "", system, "", "") << kExe << Reason::Portable << "";
    QTest::newRow("relative home")
        << inputs({}, "", system, "", "anna") << kExe << Reason::Portable << "";
}

void TestAppFolderChoice::choose() {
    QFETCH(AppFolderChoice::Inputs, in);
    QFETCH(QString, root);
    QFETCH(Reason, reason);
    QFETCH(QString, starter);
    const AppFolderChoice choice = AppFolderChoice::choose(in);
    QCOMPARE(choice.root, root);
    QCOMPARE(choice.reason, reason);
    QCOMPARE(choice.starter, starter);
}

void TestAppFolderChoice::holdsProgramFolders_data() {
    QTest::addColumn<QStringList>("folders");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<bool>("holds");
    QTest::newRow("empty") << QStringList{} << QStringList{} << false;
    QTest::newRow("symbol library") << QStringList{"Symbolen"} << QStringList{} << true;
    QTest::newRow("other case") << QStringList{"plugins"} << QStringList{} << true;
    QTest::newRow("projects only") << QStringList{"PROJECTEN"} << QStringList{} << true;
    QTest::newRow("part pictures") << QStringList{"Breadboard"} << QStringList{} << true;
    QTest::newRow("files of those names")
        << QStringList{} << QStringList{"Symbolen", "Breadboard"} << false;
    QTest::newRow("settings file alone") << QStringList{} << QStringList{"Voltarix.ini"} << false;
    QTest::newRow("similar names")
        << QStringList{"Symbolen2", "MyPlugins"} << QStringList{} << false;
}

void TestAppFolderChoice::holdsProgramFolders() {
    QFETCH(QStringList, folders);
    QFETCH(QStringList, files);
    QFETCH(bool, holds);
    TestFolder folder;
    for (const QString &name : folders)
        folder.makeDir(name);
    for (const QString &name : files)
        folder.writeFile(name, "x");
    QCOMPARE(AppFolderChoice::holdsProgramFolders(folder.root()), holds);
    QVERIFY(!AppFolderChoice::holdsProgramFolders(folder.path("missing")));
}

VOLTARIX_TEST(TestAppFolderChoice)
#include "tst_appfolderchoice.moc"

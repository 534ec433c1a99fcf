// Where the program meets the desktop: the application folder and its choice, paths
// in any case, the file-exists test, dialog filters, the responsive wait and the message box.
#include "ScriptedPlatform.h"
#include "TestFolder.h"
#include "TestRunner.h"
#include "ui/AppFolder.h"
#include "ui/AppFolderChoice.h"
#include "ui/QtPlatform.h"
#include "ui/Wacht.h"

#include <QMessageBox>
#include <QtTest>

#include <ctime>

namespace {

const QString kExe = "/opt/bin", kStarter = "/opt/share/starter",
              kOwn = "/home/a/.local/share/voltarix";

// What the start-up sees: arguments, VOLTARIX_HOME, beside the executable (f) the program's
// folders, (w) a writable folder, (i) installed starter content; XDG_DATA_HOME and HOME.
AppFolderChoice::Inputs inputs(QStringList arguments, const QString &voltarixHome,
                               const QString &beside, const QString &xdg = {},
                               const QString &home = "/home/a") {
    arguments.prepend("/opt/bin/voltarix");
    const QString starter = beside.contains('i') ? kStarter : QString();
    return {arguments, voltarixHome, kExe, beside.contains('f'), beside.contains('w'),
            starter,   xdg,          home};
}

double processorTijd() {
    timespec tijd{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &tijd);
    return double(tijd.tv_sec) + double(tijd.tv_nsec) / 1e9;
}

} // namespace

Q_DECLARE_METATYPE(AppFolderChoice::Inputs)

class TestAppFolder : public QObject {
    Q_OBJECT
private slots:
    void choose_data() {
        QTest::addColumn<AppFolderChoice::Inputs>("in");
        QTest::addColumn<QString>("root");
        QTest::addColumn<int>("reason"); // Option, Environment, Portable, PerUser
        const auto row = [](const char *name, auto in, QString root, int reason) {
            QTest::newRow(name) << in << root << reason;
        };
        row("option wins over all", inputs({"--app-folder", "/d/v"}, "/srv/v", "i", "/x"), "/d/v",
            0);
        row("relative option with =", inputs({"--app-folder=mijn map"}, "", "i"),
            QDir::current().absoluteFilePath("mijn map"), 0);
        row("option without folder", inputs({"--app-folder"}, "/srv/v", "i"), "/srv/v", 1);
        row("build tree", inputs({}, "", "fw"), kExe, 2);
        row("bare portable copy", inputs({}, "", "w"), kExe, 2);
        row("prepared folder, read-only", inputs({}, "", "fi"), kExe, 2);
        row("installed in the user's prefix", inputs({}, "", "wi"), kOwn, 3);
        row("XDG_DATA_HOME", inputs({}, "", "i", "/data/a/"), "/data/a/voltarix", 3);
        row("relative XDG_DATA_HOME ignored", inputs({}, "", "i", "data"), kOwn, 3);
        row("relative home", inputs({}, "", "i", "", "a"), kExe, 2);
    }
    void choose() {
        QFETCH(AppFolderChoice::Inputs, in);
        QFETCH(QString, root);
        QFETCH(int, reason);
        const AppFolderChoice choice = AppFolderChoice::choose(in);
        QCOMPARE(choice.root, root);
        QCOMPARE(int(choice.reason), reason);
        QCOMPARE(choice.starter, reason == 3 ? kStarter : QString()); // for the user's own folder
        // Without the start-up's probing, the executable's folder counts as prepared.
        QCOMPARE(AppFolder::chooseRoot(in.arguments, in.voltarixHome, kExe),
                 reason < 2 ? root : kExe);
    }

    // The program's "\Symbolen\weerstanden\R 1.bmp" finds every part whatever its case;
    // what does not exist yet keeps its spelling.
    void pathsIgnoreCase_data() {
        QTest::addColumn<QString>("relative");
        QTest::addColumn<QString>("found");
        const auto row = [](const char *relative, const char *found) {
            QTest::newRow(relative) << QString(relative) << QString(found);
        };
        row("\\Symbolen\\weerstanden\\R 1.bmp", "/Symbolen/Weerstanden/R 1.bmp");
        row("/PLUGINS/images\\X.jpg", "/Plugins/Images/X.jpg");
        row("\\Symbolen\\", "/Symbolen/");
        row("\\projecten\\nieuw\\A.dat", "/Projecten/nieuw/A.dat");
        row("\\Symbolen\\ic", "/Symbolen/ic"); // the exact spelling first,
        row("\\Symbolen\\Ic", "/Symbolen/IC"); // else the first in name order
    }
    void pathsIgnoreCase() {
        QFETCH(QString, relative);
        QFETCH(QString, found);
        TestFolder folder;
        for (const char *dir :
             {"Plugins/Images", "Symbolen/Weerstanden", "Symbolen/IC", "Symbolen/ic", "Projecten"})
            folder.makeDir(dir);
        folder.writeFile("Symbolen/Weerstanden/R 1.bmp", "x");
        QCOMPARE(AppFolder(folder.root()).path(relative), folder.root() + found);
    }

    void folderContents() {
        TestFolder folder;
        for (const char *name : {"B.gif", "a.gif", "c.GIF", ".h.gif", "Symbolen2", "Breadboard"})
            folder.writeFile(name, "x");
        for (const char *name : {"Zmap", "MyPlugins", "appel"})
            folder.makeDir(name);
        // Sorted ignoring case, patterns matching case, hidden files only when asked for.
        QCOMPARE(AppFolder::files(folder.root(), {"*.gif"}), (QStringList{"a.gif", "B.gif"}));
        QCOMPARE(AppFolder::files(folder.root(), {"*.gif"}, true),
                 (QStringList{".h.gif", "a.gif", "B.gif"}));
        QCOMPARE(AppFolder::subfolders(folder.root()), (QStringList{"appel", "MyPlugins", "Zmap"}));
        QCOMPARE(AppFolder::files(folder.path("weg")), QStringList());
        // Only the program's own folders, in any case, make a prepared application folder.
        QVERIFY(!AppFolderChoice::holdsProgramFolders(folder.root()));
        QVERIFY(!AppFolderChoice::holdsProgramFolders(folder.path("weg")));
        folder.makeDir("projecten");
        QVERIFY(AppFolderChoice::holdsProgramFolders(folder.root()));
        // A file exists for the program when it is a file, or a link to one.
        ScriptedPlatform platform;
        QFile::link(folder.path("a.gif"), folder.path("link"));
        QFile::link(folder.path("Zmap"), folder.path("link-map"));
        QFile::link(folder.path("weg"), folder.path("link-weg"));
        for (const char *name : {"a.gif", "link"})
            QVERIFY2(platform.bestaatBestand(folder.path(name)), name);
        for (const char *name : {"Zmap", "Zmap/", "weg", "link-map", "link-weg"})
            QVERIFY2(!platform.bestaatBestand(folder.path(name)), name);
        QVERIFY(!platform.bestaatBestand(QString()));
        QCOMPARE(qtFileFilter("Icons ( Bitmap )|*.bmp|A|*.a"),
                 QStringLiteral("Icons ( Bitmap ) (*.bmp);;A (*.a)"));
    }

    // The responsive wait: at least as long as asked, handling events all along and
    // without a busy loop; for no time it returns at once, running no other handler.
    void wacht() {
        for (const double seconden : {0.0, -5.0, std::nan(""), 0.01, 0.2}) {
            bool gelopen = false;
            QTimer::singleShot(0, [&gelopen] { gelopen = true; });
            const double processor = processorTijd();
            QElapsedTimer klok;
            klok.start();
            wachtMetEvents(seconden);
            QCOMPARE(gelopen, seconden > 0);
            QCoreApplication::processEvents();
            QVERIFY(!(seconden > 0) || klok.nsecsElapsed() >= qint64(seconden * 1e9));
            // A busy loop would use the whole 0.2 s of one core.
            QVERIFY2(!(seconden >= 0.2) || processorTijd() - processor < 0.05,
                     qPrintable(QString::number(processorTijd() - processor)));
        }
    }

    // A message often holds a name the user typed: "<b>R1" is a name, not markup, and the
    // program's CR LF breaks are the box's line breaks.
    void messageShowsItsTextAsItStands() {
        QtPlatform platform;
        QString titel, tekst;
        Qt::TextFormat vorm = Qt::AutoText;
        bijModaalVenster([&](QWidget *venster) {
            auto *box = qobject_cast<QMessageBox *>(venster);
            titel = box->windowTitle(), tekst = box->text(), vorm = box->textFormat();
        });
        QCOMPARE(platform.message("<b>R1</b> opslaan?\r\nJa", "", Platform::Buttons::YesNo,
                                  Platform::Icon::Question),
                 Platform::Answer::No);
        QCOMPARE(titel + '|' + tekst, "Voltarix|<b>R1</b> opslaan?\nJa");
        QCOMPARE(vorm, Qt::PlainText);
    }
};

VOLTARIX_TEST(TestAppFolder)
#include "tst_appfolder.moc"

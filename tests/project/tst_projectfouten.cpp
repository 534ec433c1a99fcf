// Saving a project when the file system will not have it: a folder that cannot be
// written, a full disk, a program killed in the middle of its save. Whatever goes
// wrong, the project saved before opens whole afterwards.
#include "ScriptedPlatform.h"
#include "TestFolder.h"
#include "TestRunner.h"
#include "app/Settings.h"
#include "project/ProjectMap.h"
#include "project/ProjectOpslaan.h"
#include "ui/Surface.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QtTest>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/mount.h>
#include <unistd.h>

namespace {

const char kHelperVlag[] = "--opslaan-tot-stap";

Surface sheet(int width, int height, QRgb colour) {
    Surface surface(width, height);
    surface.fillBox(3, 3, width - 4, height - 4, colour);
    return surface;
}

const Surface &oudBlad() {
    static const Surface blad = sheet(60, 40, qRgb(255, 0, 0));
    return blad;
}
const Surface &nieuwBlad() {
    static const Surface blad = sheet(60, 40, qRgb(0, 0, 255));
    return blad;
}
const QString kOudeLijst = QStringLiteral("oud\r\n"), kNieuweLijst = QStringLiteral("nieuw\r\n");

// The project as the program opens it, after a restart: listed, with the old sheets
// and list, and nothing half-written left in the folder.
void opentOud(const QString &projecten) {
    const ProjectMap map(projecten);
    QCOMPARE(map.namen(), QStringList{"P"});
    const ProjectMap::Geladen geladen = map.laad(QStringLiteral("P"));
    QVERIFY(geladen.ontwerpBlad && geladen.breadboard);
    QCOMPARE(*geladen.ontwerpBlad, oudBlad().image());
    QCOMPARE(*geladen.breadboard, oudBlad().image());
    QCOMPARE(geladen.lijst, kOudeLijst);
    QCOMPARE(QDir(projecten).entryList({"*.nieuw", "*.opslaan"}, QDir::Files), QStringList());
}

// A tmpfs of its own, for the root user who may mount one; unmounted however the
// test ends.
class KleineSchijf {
public:
    KleineSchijf(const QString &map, int kilobytes) : map_(map) {
        QDir().mkpath(map);
        const QByteArray opties = "size=" + QByteArray::number(kilobytes) + "k,mode=0755";
        gemount_ = ::mount("tmpfs", QFile::encodeName(map).constData(), "tmpfs", 0,
                           opties.constData()) == 0;
        if (!gemount_) fout_ = QString::fromLocal8Bit(std::strerror(errno));
    }
    ~KleineSchijf() {
        if (gemount_) ::umount2(QFile::encodeName(map_).constData(), MNT_DETACH);
    }
    bool gemount() const { return gemount_; }
    const QString &fout() const { return fout_; }
    bool alleenLezen() {
        return ::mount("tmpfs", QFile::encodeName(map_).constData(), "tmpfs",
                       MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

private:
    QString map_;
    bool gemount_ = false;
    QString fout_;
};

// Fills the file system of `map` to the last byte.
bool vul(const QString &map) {
    QFile vulsel(map + QStringLiteral("/vulsel"));
    if (!vulsel.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
    for (const int blok : {65536, 4096, 1}) {
        const QByteArray bytes(blok, 'x');
        while (vulsel.write(bytes) == blok) {
        }
    }
    return true;
}

// The helper process: saves the new project and stops at step `stap`, telling the
// test it is there; the test then kills it.
int opslaanTotStap(const QString &projecten, int stap) {
    QFile uit;
    uit.open(stdout, QIODevice::WriteOnly);
    ProjectMap(projecten).opslaan(QStringLiteral("P"), nieuwBlad(), nieuwBlad(), kNieuweLijst,
                                  [&uit, stap](int gedaan) {
                                      if (gedaan != stap) return true;
                                      uit.write("stap\n");
                                      uit.flush();
                                      for (;;)
                                          ::pause();
                                  });
    return 1; // never reached for a step the save gets to
}

} // namespace

class TestProjectFouten : public QObject {
    Q_OBJECT
private slots:
    void onbeschrijfbareMap_data();
    void onbeschrijfbareMap();
    void volleSchijf();
    void gedodeOpslag_data();
    void gedodeOpslag();
};

void TestProjectFouten::onbeschrijfbareMap_data() {
    QTest::addColumn<QString>("manier");
    QTest::newRow("a file where the projects folder should be") << "bestand";
    QTest::newRow("folder without write permission") << "rechten";
    QTest::newRow("read-only file system") << "alleen-lezen";
}

void TestProjectFouten::onbeschrijfbareMap() {
    QFETCH(QString, manier);
    TestFolder folder;
    QString projecten = folder.path("Projecten");
    std::unique_ptr<KleineSchijf> schijf;
    if (manier == "alleen-lezen") {
        schijf = std::make_unique<KleineSchijf>(projecten, 1024);
        if (!schijf->gemount()) QSKIP(qPrintable("no tmpfs to mount: " + schijf->fout()));
    }
    if (manier != "bestand") {
        QCOMPARE(ProjectMap(projecten).opslaan("P", oudBlad(), oudBlad(), kOudeLijst),
                 ProjectMap::Geen);
    }
    if (manier == "bestand") {
        folder.writeFile("Bestand", "geen map");
        projecten = folder.path("Bestand/Projecten");
    } else if (manier == "rechten") {
        QFile::setPermissions(projecten, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        QFile proef(projecten + "/proef");
        if (proef.open(QIODevice::WriteOnly)) { // root: permissions do not bite
            proef.remove();
            QSKIP("running as root: a folder without write permission can still be written");
        }
    } else {
        QVERIFY(schijf->alleenLezen());
    }

    // The save command tells the user, so the work is not taken for saved.
    ScriptedPlatform platform;
    platform.inputAnswers << "P";
    platform.answers << Platform::Answer::Yes;
    QVERIFY(!ProjectOpslaan(platform, ProjectMap(projecten), "P", nieuwBlad(), nieuwBlad(),
                            kNieuweLijst));
    QVERIFY(!platform.messages.isEmpty());
    QVERIFY(platform.messages.constLast().text.startsWith("Fout bij het opslaan van het project!"));

    if (manier == "rechten")
        QFile::setPermissions(projecten, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                             QFileDevice::ExeOwner);
    if (manier != "bestand") opentOud(projecten);
}

void TestProjectFouten::volleSchijf() {
    TestFolder folder;
    const QString projecten = folder.path("Projecten");
    KleineSchijf schijf(projecten, 1024);
    if (!schijf.gemount()) QSKIP(qPrintable("no tmpfs to mount: " + schijf.fout()));
    const QString ini = projecten + "/Voltarix.ini";
    QVERIFY(Settings::schrijf(ini, true));
    QCOMPARE(ProjectMap(projecten).opslaan("P", oudBlad(), oudBlad(), kOudeLijst),
             ProjectMap::Geen);
    QVERIFY(vul(projecten));

    // Sheets far larger than the space that is left.
    const Surface groot = sheet(300, 200, qRgb(0, 0, 255));
    QCOMPARE(ProjectMap(projecten).opslaan("P", groot, groot, kNieuweLijst),
             ProjectMap::SchrijvenMislukt);
    // The settings file also stays as it was (it used to be replaced by an empty one).
    QVERIFY(!Settings::schrijf(ini, false));
    QCOMPARE(Settings::lees(ini), std::optional<bool>(true));
    QFile::remove(projecten + "/vulsel");
    opentOud(projecten);

    // With room again the same save goes through.
    QCOMPARE(ProjectMap(projecten).opslaan("P", groot, groot, kNieuweLijst), ProjectMap::Geen);
    QCOMPARE(*ProjectMap(projecten).laad("P").ontwerpBlad, groot.image());
}

void TestProjectFouten::gedodeOpslag_data() {
    QTest::addColumn<int>("stap");
    QTest::addColumn<bool>("nieuw");
    const char *namen[] = {"",
                           "killed after writing the new list",
                           "killed after writing the new breadboard",
                           "killed after writing the new design sheet",
                           "killed after writing the marker",
                           "killed after moving the list into place",
                           "killed after moving the breadboard into place",
                           "killed after moving the design sheet into place"};
    // Before the marker the old project stays; from the marker on the save is finished
    // the next time the folder is read.
    for (int stap = 1; stap <= 7; ++stap)
        QTest::newRow(namen[stap]) << stap << (stap >= 4);
}

void TestProjectFouten::gedodeOpslag() {
    QFETCH(int, stap);
    QFETCH(bool, nieuw);
    TestFolder folder;
    const QString projecten = folder.path("Projecten");
    QCOMPARE(ProjectMap(projecten).opslaan("P", oudBlad(), oudBlad(), kOudeLijst),
             ProjectMap::Geen);

    QProcess helper;
    helper.start(QCoreApplication::applicationFilePath(),
                 {kHelperVlag, projecten, QString::number(stap)});
    QVERIFY(helper.waitForStarted());
    while (!helper.canReadLine())
        QVERIFY2(helper.waitForReadyRead(30000), "the helper never reached its step");
    QCOMPARE(helper.readLine(), QByteArray("stap\n"));
    helper.kill();
    QVERIFY(helper.waitForFinished());
    QCOMPARE(helper.exitStatus(), QProcess::CrashExit);

    if (!nieuw) {
        opentOud(projecten);
        return;
    }
    const ProjectMap map(projecten);
    const ProjectMap::Geladen geladen = map.laad("P");
    QCOMPARE(*geladen.ontwerpBlad, nieuwBlad().image());
    QCOMPARE(*geladen.breadboard, nieuwBlad().image());
    QCOMPARE(geladen.lijst, kNieuweLijst);
    QCOMPARE(QDir(projecten).entryList({"*.nieuw", "*.opslaan"}, QDir::Files), QStringList());
}

VOLTARIX_TEST(TestProjectFouten)
static const bool kHelperGeregistreerd =
    TestRunner::registreerHelper(kHelperVlag, [](int argc, char **argv) {
        return argc == 4 ? opslaanTotStap(QString::fromLocal8Bit(argv[2]), std::atoi(argv[3])) : 2;
    });

#include "tst_projectfouten.moc"

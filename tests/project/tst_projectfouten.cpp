// Saving a project when the file system will not have it: a folder that cannot be
// written, a full disk, a program killed in the middle of its save. Whatever goes
// wrong, the project saved before opens whole afterwards, or the new one does.
#include "ScriptedPlatform.h"
#include "TestFolder.h"
#include "TestRunner.h"
#include "app/Settings.h"
#include "project/ProjectMap.h"
#include "project/ProjectOpslaan.h"
#include "ui/Surface.h"

#include <QProcess>
#include <QtTest>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/mount.h>
#include <unistd.h>

namespace {

const char kHelperVlag[] = "--opslaan-tot-stap";

Surface blad(QRgb kleur) {
    Surface surface(60, 40);
    surface.fillBox(3, 3, 56, 36, kleur);
    return surface;
}
const Surface kOud = blad(qRgb(255, 0, 0)), kNieuw = blad(qRgb(0, 0, 255));

// The project as the program opens it after a restart: listed, with the old or the new
// sheets and list, and nothing half-written left in the folder.
void opent(const QString &projecten, bool nieuw) {
    const ProjectMap map(projecten);
    QCOMPARE(map.namen(), QStringList{"P"});
    const ProjectMap::Geladen geladen = map.laad(QStringLiteral("P"));
    QVERIFY(geladen.ontwerpBlad && geladen.breadboard);
    QCOMPARE(*geladen.ontwerpBlad, (nieuw ? kNieuw : kOud).image());
    QCOMPARE(*geladen.breadboard, (nieuw ? kNieuw : kOud).image());
    QCOMPARE(geladen.lijst, nieuw ? "nieuw\r\n" : "oud\r\n");
    QCOMPARE(QDir(projecten).entryList({"*.nieuw", "*.opslaan"}, QDir::Files), QStringList());
}

// A small tmpfs of its own at `map` (none for an empty path), for the root user who may
// mount one; unmounted however the test ends.
struct KleineSchijf {
    QByteArray map;
    QString fout;
    explicit KleineSchijf(const QString &pad) : map(QFile::encodeName(pad)) {
        if (map.isEmpty() || (QDir().mkpath(pad) &&
                              ::mount("tmpfs", map.constData(), "tmpfs", 0, "size=1024k") == 0))
            return;
        fout = QString::fromLocal8Bit(std::strerror(errno));
        map.clear();
    }
    ~KleineSchijf() {
        if (!map.isEmpty()) ::umount2(map.constData(), MNT_DETACH);
    }
};

// The helper process: saves the new project and stops at step `stap`, telling the
// test it is there; the test then kills it.
int opslaanTotStap(const QString &projecten, int stap) {
    ProjectMap(projecten).opslaan("P", kNieuw, kNieuw, "nieuw\r\n", [stap](int gedaan) {
        if (gedaan != stap) return true;
        std::fputs("stap\n", stdout);
        std::fflush(stdout);
        for (;;)
            ::pause();
    });
    return 1; // never reached for a step the save gets to
}

} // namespace

class TestProjectFouten : public QObject {
    Q_OBJECT
private slots:
    // Killed after step 1-3 (a new file written), 4 (the marker) or 5-7 (a file moved into
    // place): before the marker the old project stays; from the marker on the save is
    // finished the next time the folder is read. Refused by the file system: the save
    // command reports the error number, and the old project stays.
    void opslagFaalt_data() {
        QTest::addColumn<QString>("manier");
        QTest::addColumn<int>("foutnummer");
        for (int stap = 1; stap <= 7; ++stap)
            QTest::addRow("killed after step %d", stap) << QString::number(stap) << 0;
        QTest::newRow("a file where the projects folder should be") << "bestand" << 2;
        QTest::newRow("a folder where a new file should go") << "map" << 3;
        QTest::newRow("folder without write permission") << "rechten" << 3;
        QTest::newRow("read-only file system") << "alleen-lezen" << 3;
        QTest::newRow("full disk") << "vol" << 3;
    }
    void opslagFaalt() {
        QFETCH(QString, manier);
        QFETCH(int, foutnummer);
        TestFolder folder;
        const QString projecten = folder.path("Projecten"), ini = projecten + "/Voltarix.ini";
        const KleineSchijf schijf(manier == "alleen-lezen" || manier == "vol" ? projecten
                                                                              : QString());
        if (!schijf.fout.isEmpty()) QSKIP(qPrintable("no tmpfs to mount: " + schijf.fout));
        QCOMPARE(ProjectMap(projecten).opslaan("P", kOud, kOud, "oud\r\n"), ProjectMap::Geen);
        QVERIFY(Settings::schrijf(ini, true));
        if (foutnummer == 0) {
            QProcess helper;
            helper.start(QCoreApplication::applicationFilePath(), {kHelperVlag, projecten, manier});
            QVERIFY(helper.waitForStarted());
            while (!helper.canReadLine())
                QVERIFY2(helper.waitForReadyRead(30000), "the helper never reached its step");
            QCOMPARE(helper.readLine(), QByteArray("stap\n"));
            helper.kill();
            QVERIFY(helper.waitForFinished() && helper.exitStatus() == QProcess::CrashExit);
            return opent(projecten, manier.toInt() >= 4);
        }
        QString doel = projecten;
        QFile vulsel(projecten + "/vulsel");
        if (manier == "bestand") {
            doel = folder.writeFile("Bestand", "geen map") + "/Projecten";
        } else if (manier == "map") {
            folder.makeDir("Projecten/P.brb.nieuw");
        } else if (manier == "rechten") {
            QFile::setPermissions(projecten, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
            if (QFile(projecten + "/proef").open(QIODevice::WriteOnly))
                QSKIP("running as root: a folder without write permission can still be written");
        } else if (manier == "alleen-lezen") {
            QVERIFY(::mount("tmpfs", schijf.map.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY,
                            nullptr) == 0);
        } else { // filled to the last byte
            QVERIFY(vulsel.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            for (const int blok : {65536, 4096, 1})
                while (vulsel.write(QByteArray(blok, 'x')) == blok) {
                }
        }
        // The save command tells the user, so that the work is not taken for saved.
        ScriptedPlatform platform;
        platform.inputAnswers << "P";
        platform.answers << Platform::Answer::Yes;
        QVERIFY(!ProjectOpslaan(platform, ProjectMap(doel), "P", kNieuw, kNieuw, "nieuw\r\n"));
        QCOMPARE(platform.messages.constLast().text,
                 QStringLiteral("Fout bij het opslaan van het project!\r\n(foutnummer: %1)")
                     .arg(foutnummer));
        // The settings file stays too (a full disk used to leave an empty one).
        if (manier == "vol") {
            QVERIFY(!Settings::schrijf(ini, false));
            QCOMPARE(Settings::lees(ini), std::optional<bool>(true));
        }
        QFile::setPermissions(projecten, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                             QFileDevice::ExeOwner);
        vulsel.remove();
        opent(projecten, false);
        if (manier != "vol") return;
        // With room again the same save goes through.
        QCOMPARE(ProjectMap(projecten).opslaan("P", kNieuw, kNieuw, "nieuw\r\n"), ProjectMap::Geen);
        opent(projecten, true);
    }
};

VOLTARIX_TEST(TestProjectFouten)
static const bool kHelperGeregistreerd =
    TestRunner::registreerHelper(kHelperVlag, [](int argc, char **argv) {
        return argc == 4 ? opslaanTotStap(QString::fromLocal8Bit(argv[2]), std::atoi(argv[3])) : 2;
    });

#include "tst_projectfouten.moc"

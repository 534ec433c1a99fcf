// Projects saved, listed and opened, also when the file system will not have them: a
// folder that cannot be written, a full disk, a program killed in the middle of its save.
// Whatever goes wrong, the project saved before opens whole afterwards, or the new one does.
#include "ScriptedPlatform.h"
#include "TestFolder.h"
#include "TestRunner.h"
#include "app/Settings.h"
#include "project/DatTekst.h"
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
const Surface kOud(60, 40, qRgb(255, 0, 0)), kNieuw(60, 40, qRgb(0, 0, 255));

// The project as the program opens it after a restart, with the old or the new sheets
// and list, and nothing half-written left in the folder. Opened before it is listed:
// opening finishes a save cut off after its marker by itself.
void opent(const QString &projecten, bool nieuw) {
    const ProjectMap map(projecten);
    const ProjectMap::Geladen geladen = map.laad(QStringLiteral("P"));
    QCOMPARE(map.namen(), QStringList{"P"});
    const QImage blad = (nieuw ? kNieuw : kOud).image();
    QVERIFY(geladen.ontwerpBlad);
    QCOMPARE(*geladen.ontwerpBlad, blad);
    QCOMPARE(*geladen.breadboard, blad);
    QCOMPARE(geladen.lijst, nieuw ? "nieuw\r\n" : "oud\r\n");
    QCOMPARE(QDir(projecten).entryList({"*.nieuw", "*.opslaan"}, QDir::Files), QStringList());
}

// A small tmpfs of its own at `map` (none for an empty path), for the root user who may
// mount one; unmounted however the test ends.
struct KleineSchijf {
    QByteArray map;
    QString fout;
    explicit KleineSchijf(const QString &pad) : map(QFile::encodeName(pad)) {
        if (!map.isEmpty() &&
            !(QDir().mkpath(pad) && ::mount("tmpfs", map, "tmpfs", 0, "size=1024k") == 0))
            fout = std::strerror(errno), map.clear();
    }
    ~KleineSchijf() { ::umount2(map, MNT_DETACH); }
};

} // namespace

class TestProject : public QObject {
    Q_OBJECT
private slots:
    // The list's characters to the ".dat" file and back. The Windows-1252 bytes that read as
    // UTF-8 were found by fuzzing reader and writer against each other (tests/fuzz): such a
    // list opened with other characters than it was saved with.
    void lijstTekst_data() {
        const Tabel<QString, QByteArray> rij("lijst", "bytes");
        rij("plain", "R1 330\r\n", "R1 330\r\n");
        // Windows-1252 stays what the old program wrote, one byte per character.
        rij("Windows-1252", "R1 = 4k7 µF €5 “LED” Ÿ\r\n",
            "R1 = 4k7 \265F \2005 \223LED\224 \237\r\n");
        rij("beyond Windows-1252", "Ω 10k\r\n", "\xCE\xA9 10k\r\n");
        // "Ã©" is C3 A9 in Windows-1252, which reads as UTF-8 for "é"; "ï»¿" is EF BB BF,
        // the UTF-8 byte order mark, which the reader passes over.
        rij("Windows-1252 bytes that are UTF-8", "Ã© weerstand\r\n",
            "\xC3\x83\xC2\xA9 weerstand\r\n");
        rij("Windows-1252 bytes that are a byte order mark", "ï»¿R1\r\n",
            "\xC3\xAF\xC2\xBB\xC2\xBFR1\r\n");
        rij("byte order mark at the start", QChar(0xFEFF) + QString("R1 Ω\r\n"),
            "\xEF\xBB\xBF\xEF\xBB\xBFR1 \xCE\xA9\r\n");
    }
    void lijstTekst() {
        auto [lijst, bytes] = velden<QString, QByteArray>("lijst", "bytes");
        QCOMPARE(DatTekst::codeer(lijst), bytes);
        QCOMPARE(DatTekst::decodeer(bytes), lijst);
        QCOMPARE(DatTekst::lijstUit(bytes), lijst);
        // Every line ends in CR LF, whatever ended it in the file, the last one included.
        QCOMPARE(DatTekst::lijstUit("a\rb\nc"), QStringLiteral("a\r\nb\r\nc\r\n"));
        QCOMPARE(DatTekst::lijstUit("\r\n\r\nC\r\n"), QStringLiteral("\r\n\r\nC\r\n"));
        QCOMPARE(DatTekst::lijstUit(""), QString());
        // The file is read in pieces of 64 KB: a CR LF or a character cut between two
        // pieces stays one.
        const QByteArray stuk(65535, 'x');
        QCOMPARE(DatTekst::lijstUit(stuk + "\r\ny"), QString(stuk) + "\r\ny\r\n");
        QCOMPARE(DatTekst::lijstUit(stuk + "\xCE\xA9"), QString(stuk) + "Ω\r\n");
    }

    // A saved project opens as it was (sheets as 24-bit BMPs, a last line end added); saving
    // again replaces it.
    void opslaanEnOpenen() {
        TestFolder folder;
        const ProjectMap map(folder.path("Projecten"));
        Surface Pic(800, 551, qRgb(10, 20, 30)), Pic2(801, 541);
        Pic2.fillBox(5, 5, 20, 20, qRgb(200, 100, 0));
        QCOMPARE(map.opslaan("Led", Pic, Pic2, "een\r\ntwee\r\ndrie\r\n"), ProjectMap::Geen);
        QCOMPARE(map.opslaan("Led", Pic, Pic2, "R1 = 330 Ω"), ProjectMap::Geen);
        QVERIFY(map.bestaat("Led"));
        const ProjectMap::Geladen geladen = map.laad("Led");
        QVERIFY(geladen.ontwerpBlad);
        QCOMPARE(*geladen.ontwerpBlad, Pic.image());
        QVERIFY(geladen.breadboard);
        QCOMPARE(*geladen.breadboard, Pic2.image());
        QCOMPARE(geladen.lijst, QStringLiteral("R1 = 330 Ω\r\n"));
        QCOMPARE(folder.readFile("Projecten/Led.dat"), QByteArray("R1 = 330 \xCE\xA9"));
        QCOMPARE(folder.readFile("Projecten/Led.ovb"), pictureFile(Pic.image()));
        QCOMPARE(QDir(map.folder()).entryList(QDir::Files),
                 (QStringList{"Led.brb", "Led.dat", "Led.ovb"}));
    }

    // A design sheet alone is a project, ".ovb" one with no name; files that are no pictures
    // or claim a size no sheet has open as nothing, no ".dat" is an empty list.
    void namenEnKapotteBestanden() {
        TestFolder folder;
        const ProjectMap map(folder.path("Projecten"));
        for (const char *file :
             {"abc.ovb", ".ovb", "Zon.OVB.bak", "alleen.dat", "Bel.ovb", "K.brb"})
            folder.writeFile(QStringLiteral("Projecten/") + file, "x");
        folder.writeFile("Projecten/K.ovb", bmpHeader(100000, 100000));
        const ProjectMap::Geladen kapot = map.laad("K");
        QVERIFY(!kapot.ontwerpBlad);
        QVERIFY(!kapot.breadboard);
        QCOMPARE(kapot.lijst, QString());
        QCOMPARE(map.namen(), (QStringList{"", "abc", "Bel", "K"}));
        QVERIFY(!map.bestaat("alleen"));
        QCOMPARE(ProjectMap(folder.path("Leeg")).namen(), QStringList());
    }

    // Names that are no file name everywhere write nothing at all.
    void ongeldigeNamen() {
        TestFolder folder;
        for (const char *naam : {"", ".", "..", "*.*", "a/b", "a\\b", "a:b", "wat?", "x\"y", "<a>",
                                 "a|b", "tab\there", "../buiten"}) {
            QVERIFY2(!ProjectMap::geldigeNaam(naam), naam);
            QCOMPARE(ProjectMap(folder.path("Nieuw")).opslaan(naam, kOud, kOud, "x"),
                     ProjectMap::OngeldigeNaam);
        }
        QVERIFY(!QFileInfo::exists(folder.path("Nieuw")));
        QVERIFY(ProjectMap::geldigeNaam("Led .. 1 é"));
    }

    // The save command asks for the name, proposing the design's, and tells the user about a
    // name that cannot be a file name; it asks before replacing a project.
    void opslaanVraagtNaam() {
        TestFolder folder;
        const ProjectMap map(folder.path("Projecten"));
        ScriptedPlatform platform;
        platform.inputAnswers = {"", "*.*", "P", "P", "P"};
        platform.answers = {Platform::Answer::No, Platform::Answer::Yes};
        const auto opslaan = [&](const char *lijst) {
            return ProjectOpslaan(platform, map, "*.*", Surface(8, 8), Surface(8, 8), lijst);
        };
        QVERIFY(!opslaan("leeg"));     // cancelled
        QVERIFY(!opslaan("ongeldig")); // no file name
        QVERIFY(!map.bestaat("P"));
        QVERIFY(opslaan("oud\r\n"));
        QVERIFY(!opslaan("nee\r\n"));
        QCOMPARE(folder.readFile("Projecten/P.dat"), QByteArray("oud\r\n"));
        QVERIFY(opslaan("ja\r\n"));
        QCOMPARE(folder.readFile("Projecten/P.dat"), QByteArray("ja\r\n"));
        QCOMPARE(platform.inputs.size(), 5);
        QCOMPARE(platform.inputs[0].prompt, QStringLiteral("Geef een naam voor dit project..."));
        QCOMPARE(platform.inputs[0].defaultAnswer, QStringLiteral("*.*"));
        QCOMPARE(platform.messages.size(), 3);
        QCOMPARE(platform.messages[0].text,
                 QStringLiteral("Fout bij het opslaan van het project!\r\n(foutnummer: 1)"));
        QCOMPARE(platform.messages[1].text, QStringLiteral("Project bestaat reeds, vernieuwen?"));
        QCOMPARE(platform.messages[1].title, QStringLiteral(" Exist"));
    }

    // Killed after step 1-3 (a new file written), 4 (the marker) or 5-7 (a file moved into
    // place): before the marker the old project stays; from the marker on the save is
    // finished the next time the folder is read. Refused by the file system: the save
    // command reports the error number, and the old project stays.
    void opslagFaalt_data() {
        kolommen<QString, int>("manier", "foutnummer");
        for (int stap = 1; stap <= 7; ++stap)
            QTest::addRow("killed after step %d", stap) << QString::number(stap) << 0;
        QTest::newRow("a file where the projects folder should be") << "bestand" << 2;
        QTest::newRow("a folder where a new file should go") << "map" << 3;
        QTest::newRow("folder without write permission") << "rechten" << 3;
        QTest::newRow("read-only file system") << "alleen-lezen" << 3;
        QTest::newRow("full disk") << "vol" << 3;
    }
    void opslagFaalt() {
        auto [manier, foutnummer] = velden<QString, int>("manier", "foutnummer");
        TestFolder folder;
        const QString projecten = folder.path("Projecten"), ini = projecten + "/Voltarix.ini";
        const KleineSchijf schijf(manier == "alleen-lezen" || manier == "vol" ? projecten : "");
        if (!schijf.fout.isEmpty()) QSKIP(qPrintable("no tmpfs to mount: " + schijf.fout));
        QCOMPARE(ProjectMap(projecten).opslaan("P", kOud, kOud, "oud\r\n"), ProjectMap::Geen);
        QVERIFY(Settings::schrijf(ini, true));
        if (foutnummer == 0) { // a helper process saves the new project and stops at the step
            QProcess helper;
            helper.start(QCoreApplication::applicationFilePath(), {kHelperVlag, projecten, manier});
            while (!helper.canReadLine())
                QVERIFY2(helper.waitForReadyRead(30000), "the helper never reached its step");
            QCOMPARE(helper.readLine(), QByteArray("stap\n"));
            helper.kill();
            QVERIFY(helper.waitForFinished());
            QCOMPARE(helper.exitStatus(), QProcess::CrashExit);
            return opent(projecten, manier.toInt() >= 4);
        }
        QString doel = projecten;
        QFile vulsel(projecten + "/vulsel");
        if (manier == "bestand") doel = folder.writeFile("Bestand", "geen map") + "/Projecten";
        if (manier == "map") folder.makeDir("Projecten/P.brb.nieuw");
        if (manier == "rechten") {
            QFile::setPermissions(projecten, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
            if (QFile(projecten + "/proef").open(QIODevice::WriteOnly))
                QSKIP("running as root: a folder without write permission can still be written");
        }
        if (manier == "alleen-lezen")
            QVERIFY(::mount("tmpfs", schijf.map, "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0);
        if (manier == "vol") { // filled to the last byte
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
        QVERIFY(manier != "vol" || !Settings::schrijf(ini, false));
        QCOMPARE(Settings::lees(ini), std::optional<bool>(true));
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

VOLTARIX_TEST(TestProject)
// The helper process: saves the new project and stops at step argv[3], telling the test it
// is there; the test then kills it.
static const bool kHelperGeregistreerd =
    TestRunner::registreerHelper(kHelperVlag, [](int argc, char **argv) {
        if (argc != 4) return 2;
        const int stap = std::atoi(argv[3]);
        ProjectMap(QString::fromLocal8Bit(argv[2]))
            .opslaan("P", kNieuw, kNieuw, "nieuw\r\n", [stap](int gedaan) {
                if (gedaan != stap) return true;
                std::fputs("stap\n", stdout);
                std::fflush(stdout);
                for (;;)
                    ::pause();
            });
        return 1; // never reached for a step the save gets to
    });

#include "tst_project.moc"

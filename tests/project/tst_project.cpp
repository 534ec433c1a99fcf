// Projects saved, listed and opened, also when the file system will not have them: a
// folder that cannot be written, a full disk, a program killed in the middle of its save or
// its recovery copy, two programs saving at once. What was saved before opens whole, or the new.
#include "ScriptedPlatform.h"
#include "TestFolder.h"
#include "TestRunner.h"
#include "app/Settings.h"
#include "project/DatTekst.h"
#include "project/HerstelSchrijver.h"
#include "project/Herstelmap.h"
#include "project/ProjectMap.h"
#include "project/ProjectOpslaan.h"
#include "project/StapKopie.h"
#include "ui/DiskNames.h"
#include "ui/Surface.h"

#include <QLockFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <QtTest>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/mount.h>
#include <unistd.h>

namespace {

const char kStapVlag[] = "--opslaan-tot-stap", kVaakVlag[] = "--sla-vaak-op",
           kTekenVlag[] = "--herstel-tekenen";
const Surface kOud(60, 40, qRgb(255, 0, 0)), kNieuw(60, 40, qRgb(0, 0, 255)), kKlein(8, 8);
using P = QFileDevice;

// The old or the new project opens whole, nothing half-written left; opened before it is
// listed, as opening finishes a save cut off after its marker.
void opent(const QString &projecten, bool nieuw) {
    const ProjectMap map(projecten);
    const ProjectMap::Geladen geladen = map.laad(QStringLiteral("P"));
    const QImage blad = (nieuw ? kNieuw : kOud).image();
    QVERIFY(geladen.ontwerpBlad == blad && geladen.breadboard == blad);
    QCOMPARE(geladen.lijst, nieuw ? "nieuw\r\n" : "oud\r\n");
    QCOMPARE(map.namen() + QDir(projecten).entryList({"*.nieuw", "*.opslaan"}, QDir::Files),
             QStringList{"P"});
}

// A small tmpfs at `map` (none for an empty path) for root, unmounted however the test ends.
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

// Save `keer` of program `programma` marks both sheets and the list; herkomst() gives the
// save a project came from, (0, 0) when its files come from different saves.
QString lijst(int programma, int keer) {
    return QStringLiteral("%1 %2\r\n").arg(programma).arg(keer);
}
QPoint herkomst(const ProjectMap::Geladen &geladen) {
    const QRgb kleur = geladen.ontwerpBlad ? geladen.ontwerpBlad->pixel(0, 0) : 0;
    const QPoint save(qRed(kleur), qGreen(kleur));
    const bool heel = geladen.breadboard && geladen.breadboard->pixel(0, 0) == kleur &&
                      geladen.lijst == lijst(save.x(), save.y());
    return heel ? save : QPoint();
}

// The drawing after `stappen` steps; the list names the step.
HerstelSchrijver::Momentopname tekening(int stappen) {
    Surface Pic(320, 240), Pic2(320, 240);
    for (int k = 1; k <= stappen; ++k) {
        Pic.fillBox(k % 300, k % 200, k % 300 + 19, k % 200 + 29, qRgb(k, 0, 255 - k));
        Pic2.drawLine(0, k % 240, 319, (k * 7) % 240, qRgb(0, k, 0));
    }
    return {Pic.image(), Pic2.image(), QStringLiteral("Regel %1\n").arg(stappen), {}};
}

} // namespace

class TestProject : public QObject {
    Q_OBJECT
private slots:
    // The list to the ".dat" file and back. Windows-1252 bytes that read as UTF-8 were found
    // by fuzzing (tests/fuzz): such a list opened with other characters.
    void lijstTekst_data() {
        const Tabel<QString, QByteArray> rij("lijst", "bytes");
        rij("Windows-1252", "R1 = 4k7 µF €5 “LED” Ÿ\r\n",
            "R1 = 4k7 \265F \2005 \223LED\224 \237\r\n");
        rij("beyond Windows-1252", "Ω 10k\r\n", "\xCE\xA9 10k\r\n");
        // "Ã©" is C3 A9, UTF-8 for "é"; "ï»¿" is EF BB BF, the byte order mark.
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
        // Lines end in CR LF; one or a character cut between two pieces of 64 KB stays one.
        QCOMPARE(DatTekst::lijstUit("a\rb\nc"), QStringLiteral("a\r\nb\r\nc\r\n"));
        QCOMPARE(DatTekst::lijstUit("\r\n\r\nC\r\n"), QStringLiteral("\r\n\r\nC\r\n"));
        QCOMPARE(DatTekst::lijstUit(""), QString());
        const QByteArray stuk(65535, 'x');
        QCOMPARE(DatTekst::lijstUit(stuk + "\r\ny"), QString(stuk) + "\r\ny\r\n");
        QCOMPARE(DatTekst::lijstUit(stuk + "\xCE\xA9"), QString(stuk) + "Ω\r\n");
    }

    // A design sheet alone is a project, ".ovb" one with no name; files that are no pictures
    // or claim a size no sheet has open as nothing, no ".dat" is an empty list. Names that
    // are no file name everywhere are refused.
    void namenEnKapotteBestanden() {
        TestFolder folder;
        const ProjectMap map(folder.path("Projecten"));
        for (const char *file :
             {"abc.ovb", ".ovb", "Zon.OVB.bak", "alleen.dat", "Bel.ovb", "K.brb"})
            folder.writeFile(QStringLiteral("Projecten/") + file, "x");
        folder.writeFile("Projecten/K.ovb", bmpHeader(100000, 100000));
        const ProjectMap::Geladen kapot = map.laad("K");
        QVERIFY(!kapot.ontwerpBlad && !kapot.breadboard && kapot.lijst.isEmpty());
        QCOMPARE(map.namen(), (QStringList{"", "abc", "Bel", "K"}));
        QVERIFY(!map.bestaat("alleen"));
        QCOMPARE(ProjectMap(folder.path("Leeg")).namen(), QStringList());
        for (const char *naam : {"", ".", "..", "*.*", "a/b", "a\\b", "a:b", "wat?", "x\"y", "<a>",
                                 "a|b", "tab\there", "../buiten"}) { // write nothing at all
            QVERIFY2(!ProjectMap::geldigeNaam(naam), naam);
            QCOMPARE(ProjectMap(folder.path("Nieuw")).opslaan(naam, kOud, kOud, "x"),
                     ProjectMap::OngeldigeNaam);
        }
        QVERIFY(!QFileInfo::exists(folder.path("Nieuw")) && ProjectMap::geldigeNaam("Led .. 1 é"));
    }

    // Capitals from a FAT stick, Windows-1252 names from an old archive (which Qt's listing
    // skips): listed, opened with a last line end added, saved over under their own names.
    void vreemdeNamen_data() {
        const Tabel<QByteArray, QByteArrayList, QString> rij("stam", "extensies", "naam");
        rij("FAT stick", "ROOD", {".OVB", ".BRB", ".DAT"}, "ROOD");
        rij("Windows-1252", "weerstand\xe9", {".ovb", ".Brb", ".dat"}, "weerstandé");
    }
    void vreemdeNamen() {
        auto [stam, extensies, naam] =
            velden<QByteArray, QByteArrayList, QString>("stam", "extensies", "naam");
        TestFolder folder;
        const ProjectMap map(folder.makeDir("Projecten"));
        const QByteArray inhoud[] = {pictureFile(kOud.image()), pictureFile(kOud.image()), "\xb5"};
        QByteArrayList bestanden;
        for (int i = 0; i < 3; ++i) { // written, then given the name an archive would give
            bestanden << QFile::encodeName(map.folder()) + '/' + stam + extensies[i];
            const QByteArray pad = QFile::encodeName(folder.writeFile("f", inhoud[i]));
            QCOMPARE(::rename(pad.constData(), bestanden[i].constData()), 0);
        }
        QCOMPARE(map.namen(), QStringList{naam});
        const ProjectMap::Geladen geladen = map.laad(naam);
        QVERIFY(geladen.breadboard == kOud.image() && geladen.lijst == "µ\r\n");
        QCOMPARE(map.opslaan(naam, kNieuw, kOud, "Ω"), ProjectMap::Geen);
        const ProjectMap::Geladen nieuw = map.laad(naam);
        QVERIFY(nieuw.ontwerpBlad == kNieuw.image() && nieuw.breadboard == kOud.image());
        QCOMPARE(nieuw.lijst, "Ω\r\n");
        QCOMPARE(DiskNames::files(map.folder()).size(), size_t(3)); // no second project beside it
        for (const QByteArray &bestand : bestanden) // Qt cannot remove what it cannot list
            QCOMPARE(::unlink(bestand.constData()), 0);
    }

    // Saving asks the name, proposing the design's; tells of a name that is no file name;
    // asks before replacing a project.
    void opslaanVraagtNaam() {
        TestFolder folder;
        const ProjectMap map(folder.path("Projecten"));
        ScriptedPlatform platform;
        platform.inputAnswers = {"", "*.*", "P", "P", "P"};
        platform.answers = {Platform::Answer::No, Platform::Answer::Yes};
        // Cancelled, no file name, saved, No, Yes.
        const QByteArrayList lijsten = {"leeg", "ongeldig", "oud\r\n", "nee\r\n", "ja\r\n"};
        const bool gelukt[] = {false, false, true, false, true};
        QByteArray opgeslagen;
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(ProjectOpslaan(platform, map, "*.*", kKlein, kKlein, lijsten[i]), gelukt[i]);
            if (gelukt[i]) opgeslagen = lijsten[i];
            QCOMPARE(folder.readFile("Projecten/P.dat"), opgeslagen);
            QCOMPARE(map.bestaat("P"), !opgeslagen.isEmpty());
        }
        QCOMPARE(platform.inputs.size(), 5);
        QCOMPARE(platform.inputs[0].prompt + '|' + platform.inputs[0].defaultAnswer,
                 "Geef een naam voor dit project...|*.*");
        QCOMPARE(platform.messages.size(), 3);
        QCOMPARE(platform.messages[0].text + '|' + platform.messages[1].text + '|' +
                     platform.messages[1].title,
                 "Fout bij het opslaan van het project!\r\n(foutnummer: 1)|Project bestaat "
                 "reeds, vernieuwen?| Exist");
    }

    // Killed after step 1-3 (new files written), 4 (the marker) or 5-7 (files moved): before
    // the marker the old project stays, from it on the next read finishes the save. Refused
    // by the file system: the error number is reported, the old project stays.
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
            helper.start(QCoreApplication::applicationFilePath(), {kStapVlag, projecten, manier});
            while (!helper.canReadLine())
                QVERIFY2(helper.waitForReadyRead(30000), "the helper never reached its step");
            QCOMPARE(helper.readLine(), QByteArray("stap\n"));
            helper.kill();
            QVERIFY(helper.waitForFinished() && helper.exitStatus() == QProcess::CrashExit);
            return opent(projecten, manier.toInt() >= 4);
        }
        QString doel = projecten;
        QFile vulsel(projecten + "/vulsel");
        if (manier == "bestand") doel = folder.writeFile("Bestand", "geen map") + "/Projecten";
        if (manier == "map") folder.makeDir("Projecten/P.brb.nieuw");
        if (manier == "rechten") {
            QFile::setPermissions(projecten, P::ReadOwner | P::ExeOwner);
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
        ScriptedPlatform platform;
        platform.inputAnswers << "P";
        platform.answers << Platform::Answer::Yes;
        QVERIFY(!ProjectOpslaan(platform, ProjectMap(doel), "P", kNieuw, kNieuw, "nieuw\r\n"));
        QCOMPARE(platform.messages.constLast().text,
                 QStringLiteral("Fout bij het opslaan van het project!\r\n(foutnummer: %1)")
                     .arg(foutnummer));
        // The settings file stays (a full disk used to leave an empty one).
        QVERIFY(manier != "vol" || !Settings::schrijf(ini, false));
        QCOMPARE(Settings::lees(ini), std::optional<bool>(true));
        QFile::setPermissions(projecten, P::ReadOwner | P::WriteOwner | P::ExeOwner);
        vulsel.remove();
        opent(projecten, false);
        if (manier != "vol") return;
        // With room again the same save goes through.
        QCOMPARE(ProjectMap(projecten).opslaan("P", kNieuw, kNieuw, "nieuw\r\n"), ProjectMap::Geen);
        opent(projecten, true);
    }

    // Two programs saving one project while a third opens it used to share their temporary
    // files: the project came from different saves while both said it was saved.
    void tweeProgrammasSlaanTegelijkOp() {
        TestFolder folder;
        const QString projecten = folder.path("Projecten");
        QProcess helpers[2];
        for (int i : {0, 1})
            helpers[i].start(QCoreApplication::applicationFilePath(),
                             {kVaakVlag, projecten, QString::number(i + 1)});
        while (helpers[0].state() != QProcess::NotRunning ||
               helpers[1].state() != QProcess::NotRunning) {
            const ProjectMap::Geladen geladen = ProjectMap(projecten).laad("P");
            QVERIFY(geladen.inGebruik || !geladen.ontwerpBlad || !herkomst(geladen).isNull());
            QTest::qWait(5);
        }
        const QPoint eind = herkomst(ProjectMap(projecten).laad("P"));
        QVERIFY(eind.x() == 1 || eind.x() == 2); // the last save of one of them that succeeded
        const QByteArrayList gelukt = helpers[eind.x() - 1].readAllStandardOutput().split('\n');
        QCOMPARE(eind.y(), gelukt.value(gelukt.size() - 2).toInt());
        QCOMPARE(QDir(projecten).entryList(QDir::Files), (QStringList{"P.brb", "P.dat", "P.ovb"}));
    }

    // A project another program saves is reported. An empty lock file, left by a program
    // killed before it wrote its name in, kept the project "in use" for five minutes (found
    // by the recovery copy's kill test): a second old, it is taken over.
    void bezetProject() {
        TestFolder folder;
        ProjectMap map(folder.path("Projecten"));
        QCOMPARE(map.opslaan("P", kKlein, kKlein, "oud\r\n"), ProjectMap::Geen);
        QLockFile ander(folder.path("Projecten/P.lock"));
        QVERIFY(ander.tryLock(0));
        map.zetWachttijd(200);
        ScriptedPlatform platform;
        platform.inputAnswers << "P";
        platform.answers << Platform::Answer::Yes;
        QVERIFY(!ProjectOpslaan(platform, map, "P", kKlein, kKlein, "nieuw\r\n"));
        QCOMPARE(platform.messages.constLast().text, inGebruikTekst());
        QVERIFY(map.laad("P").inGebruik);
        ander.unlock();

        map.zetWachttijd(0);
        QFile slot(folder.writeFile("Projecten/P.lock", {}));
        QCOMPARE(map.opslaan("P", kKlein, kKlein, "x\r\n"), ProjectMap::InGebruik);
        QVERIFY(slot.open(QIODevice::ReadWrite));
        QVERIFY(slot.setFileTime(QDateTime::currentDateTime().addSecs(-2),
                                 QFileDevice::FileModificationTime));
        QCOMPARE(map.opslaan("P", kKlein, kKlein, "x\r\n"), ProjectMap::Geen);
        QVERIFY(!QFile::exists(slot.fileName())); // and let go after the save
    }
    // The recovery copy when the program dies: a helper process draws and keeps a copy of its
    // work, killed at random moments; the next start restores one whole moment of the drawing.
    void gedoodTijdensTekenen() {
        TestFolder folder;
        const QString map = folder.path(".herstel");
        const quint32 zaad = QRandomGenerator::global()->generate();
        qInfo("random kill moments, seed %u", zaad);
        QRandomGenerator toeval(zaad);
        for (int ronde = 0; ronde < 8; ++ronde) {
            QProcess helper;
            helper.start(QCoreApplication::applicationFilePath(), {kTekenVlag, map});
            QVERIFY(helper.waitForReadyRead(30000));
            QThread::msleep(toeval.bounded(5, 400));
            QVERIFY(Herstelmap(map).achtergelaten().empty()); // a living program's copy is its own
            helper.kill();
            QVERIFY(helper.waitForFinished());

            ScriptedPlatform platform;
            platform.answers << (ronde % 2 ? Platform::Answer::No : Platform::Answer::Yes);
            std::optional<Herstelmap::Hersteld> kopie = Herstelmap(map).biedAan(platform);
            QCOMPARE(bool(kopie), !platform.messages.isEmpty() && ronde % 2 == 0);
            if (kopie) { // both sheets and the list of one step
                const auto moment = tekening(kopie->inhoud.lijst.section(' ', 1).toInt());
                QCOMPARE(kopie->inhoud.lijst, moment.lijst.trimmed() + "\r\n");
                QVERIFY(kopie->inhoud.ontwerpBlad == moment.Pic &&
                        kopie->inhoud.breadboard == moment.Pic2);
                QDir(kopie->kopie.map).removeRecursively();
                kopie.reset();
            }
            // No removes it; a copy cut off before it was whole is no copy.
            QCOMPARE(QDir(map).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).filter("-"),
                     QStringList());
        }
    }

    // A copy that cannot be read is set aside whole, reported once.
    void onleesbareKopieApart() {
        TestFolder folder;
        const QString map = folder.path(".herstel"), kopieMap = Herstelmap(map).nieuweKopieMap();
        HerstelSchrijver(kopieMap, tekening(0)).bewaar(tekening(3)); // ended without removing it
        folder.writeFile(QDir(folder.root()).relativeFilePath(kopieMap + "/herstel.ovb"),
                         "BM kapot");
        ScriptedPlatform platform;
        platform.answers << Platform::Answer::Yes;
        QVERIFY(!Herstelmap(map).biedAan(platform));
        QVERIFY(!Herstelmap(map).biedAan(platform)); // and not offered again
        QCOMPARE(platform.messages.size(), 1);
        QVERIFY(platform.messages[0].text.endsWith(kopieMap + ".onleesbaar"));
        QCOMPARE(QDir(kopieMap + ".onleesbaar").entryList(QDir::Files).size(), 3); // all kept
    }

    // A list too large to show is kept as its file: the copy used to hold the box's notice
    // instead, so that a restored design lost its list.
    void teGroteLijstByteVoorByte() {
        TestFolder folder;
        const QByteArray lijst = QByteArray(300000, 'x') + "\r\n\x80\r\n";
        auto bron = std::make_shared<QFile>(folder.writeFile("P.dat", lijst));
        QVERIFY(bron->open(QIODevice::ReadOnly) && bron->seek(7));
        HerstelSchrijver::Momentopname nu = tekening(2);
        nu.lijst.clear(), nu.datBron = bron;
        const QString kopieMap = Herstelmap(folder.path(".herstel")).nieuweKopieMap();
        HerstelSchrijver(kopieMap, tekening(0)).bewaar(nu);
        QCOMPARE(folder.readFile(QDir(folder.root()).relativeFilePath(kopieMap + "/herstel.dat")),
                 lijst);
    }

    // The sheets are copied a band a turn; a sheet drawn on in between is copied again from
    // the top, so that the copy is the sheet of one moment, never two halves of two.
    void kopieInBanden() {
        Surface blad(300, 200);
        StapKopie kopie;
        int stappen = 1;
        for (; !kopie.stap(blad.image(), 30 * 300 * 4); ++stappen) // 30 rows a turn
            if (stappen == 3) blad.fillBox(0, 0, 299, 199, qRgb(0, 0, 255));
        QCOMPARE(stappen, 3 + 7);
        QCOMPARE(kopie.neem(), blad.image());
        QVERIFY(!kopie.stap(blad.image(), 1)); // given away: the next copy begins anew
    }
};

VOLTARIX_TEST(TestProject)
// Helpers: saving the new project up to step argv[3], to be killed there; saving 40 times as
// program argv[3], writing the number of each save that succeeded.
static const bool kStapGeregistreerd =
    TestRunner::registreerHelper(kStapVlag, [](int argc, char **argv) {
        if (argc != 4) return 2;
        const int stap = std::atoi(argv[3]);
        ProjectMap(QString::fromLocal8Bit(argv[2]))
            .opslaan("P", kNieuw, kNieuw, "nieuw\r\n", [stap](int gedaan) {
                if (gedaan != stap) return true;
                std::fputs("stap\n", stdout), std::fflush(stdout);
                for (;;)
                    ::pause();
            });
        return 1; // never reached for a step the save gets to
    });
static const bool kVaakGeregistreerd =
    TestRunner::registreerHelper(kVaakVlag, [](int argc, char **argv) {
        if (argc != 4) return 2;
        const int programma = std::atoi(argv[3]);
        for (int keer = 1; keer <= 40; ++keer) {
            const Surface blad(8, 8, qRgb(programma, keer, 0));
            if (ProjectMap(QString::fromLocal8Bit(argv[2]))
                    .opslaan("P", blad, blad, lijst(programma, keer)) == ProjectMap::Geen)
                std::printf("%d\n", keer);
        }
        return 0;
    });
// The helper: draws step after step, handing each moment to the copy, until it is killed;
// now and then back to the start, which removes the copy again.
static const bool kTekenGeregistreerd =
    TestRunner::registreerHelper(kTekenVlag, [](int argc, char **argv) {
        if (argc != 3) return 2;
        HerstelSchrijver schrijver(Herstelmap(QString::fromLocal8Bit(argv[2])).nieuweKopieMap(),
                                   tekening(0));
        std::fputs("klaar\n", stdout), std::fflush(stdout);
        for (int stap = 1;; ++stap)
            schrijver.bewaar(tekening(stap % 150)), QThread::msleep(1);
    });

#include "tst_project.moc"

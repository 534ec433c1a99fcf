// Projects saved, listed, opened, imported, also when the disk refuses or a program dies.
#include "ScriptedPlatform.h"
#include "TestFolder.h"
#include "TestRunner.h"
#include "project/DatTekst.h"
#include "project/HerstelSchrijver.h"
#include "project/Herstelmap.h"
#include "project/ProjectImport.h"
#include "project/ProjectMap.h"
#include "project/ProjectOpslaan.h"
#include "project/ProjectZip.h"
#include "project/RecenteProjecten.h"
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
#include <zip.h>

namespace {

const char kStapVlag[] = "--opslaan-tot-stap", kVaakVlag[] = "--sla-vaak-op",
           kTekenVlag[] = "--herstel-tekenen";
const Surface kOud(60, 40, qRgb(255, 0, 0)), kNieuw(60, 40, qRgb(0, 0, 255)), kKlein(8, 8);
using P = QFileDevice;

// The old or the new project opens whole, nothing half-written left (opened before listed).
void opent(const QString &projecten, bool nieuw) {
    const ProjectMap map(projecten);
    const ProjectMap::Geladen geladen = map.laad(QStringLiteral("P"));
    const QImage blad = (nieuw ? kNieuw : kOud).image();
    ALLE_WAAR(geladen.ontwerpBlad == blad, geladen.breadboard == blad,
              geladen.lijst == (nieuw ? "nieuw\r\n" : "oud\r\n"));
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

// Save `keer` of program `programma` marks sheets and list; herkomst(): (0, 0) when mixed.
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

using Items = QList<QPair<QByteArray, QByteArray>>; // name in the archive, content

// `zo` then changes how each entry is stored.
void schrijfZip(const QString &pad, const Items &items,
                const std::function<void(zip_t *, zip_uint64_t)> &zo = {}) {
    zip_t *zip = zip_open(QFile::encodeName(pad).constData(), ZIP_CREATE | ZIP_TRUNCATE, nullptr);
    for (const auto &[naam, inhoud] : items) {
        zip_source_t *bron = zip_source_buffer(zip, inhoud.constData(), inhoud.size(), 0);
        const zip_int64_t i = zip_file_add(zip, naam.constData(), bron, 0);
        if (i < 0) zip_source_free(bron); // a refused entry leaves its source to the caller
        if (i >= 0 && zo) zo(zip, zip_uint64_t(i));
    }
    QVERIFY(zip_close(zip) == 0);
}

const QByteArray kOvb = pictureFile(kNieuw.image()), kBrb = pictureFile(kOud.image()),
                 kDat = "R1 = 330 Ohm\r\n";
const Items kProject = {{"Proef.ovb", kOvb}, {"Proef.brb", kBrb}, {"Proef.dat", kDat}};

} // namespace

Q_DECLARE_METATYPE(Items)
Q_DECLARE_METATYPE(ProjectZip::Fout)

class TestProject : public QObject {
    Q_OBJECT
private slots:
    // The list to the ".dat" file and back; Windows-1252 bytes that read as UTF-8 stay so.
    void lijstTekst_data() {
        const Tabel<QString, QByteArray> rij("lijst", "bytes");
        rij("Windows-1252", "R1 = 4k7 µF €5 “LED” Ÿ\r\n",
            "R1 = 4k7 \265F \2005 \223LED\224 \237\r\n");
        // "Ã©" is C3 A9, UTF-8 for "é"; "ï»¿" is EF BB BF, the byte order mark.
        rij("Windows-1252 bytes that are a byte order mark and UTF-8", "ï»¿R1 Ã©\r\n",
            "\xC3\xAF\xC2\xBB\xC2\xBFR1 \xC3\x83\xC2\xA9\r\n");
        rij("byte order mark at the start", QChar(0xFEFF) + QString("R1 Ω\r\n"),
            "\xEF\xBB\xBF\xEF\xBB\xBFR1 \xCE\xA9\r\n");
    }
    void lijstTekst() {
        auto [lijst, bytes] = velden<QString, QByteArray>("lijst", "bytes");
        ALLE_WAAR(DatTekst::codeer(lijst) == bytes, DatTekst::decodeer(bytes) == lijst,
                  DatTekst::lijstUit(bytes) == lijst);
        // Lines end in CR LF; one or a character cut between pieces of 64 KB stays one.
        const QByteArray stuk(65535, 'x');
        ALLE_WAAR(DatTekst::lijstUit("\r\na\rb\n\r\nc") == "\r\na\r\nb\r\n\r\nc\r\n",
                  DatTekst::lijstUit(stuk + "\r\ny") == QString(stuk) + "\r\ny\r\n",
                  DatTekst::lijstUit(stuk + "\xCE\xA9") == QString(stuk) + "Ω\r\n");
    }

    // Listing, bad names refused, and the last used: newest first, six at most, gone ones out.
    void namenEnRecenteProjecten() {
        TestFolder folder;
        const ProjectMap map(folder.path("Projecten"));
        for (const char *file :
             {"abc.ovb", ".ovb", "Zon.OVB.bak", "alleen.dat", "Bel.ovb", "K.brb"})
            folder.writeFile(QStringLiteral("Projecten/") + file, "x");
        folder.writeFile("Projecten/K.ovb", bmpHeader(100000, 100000));
        const ProjectMap::Geladen kapot = map.laad("K");
        ALLE_WAAR(!kapot.ontwerpBlad, !kapot.breadboard, kapot.lijst.isEmpty(),
                  map.namen() == (QStringList{"", "abc", "Bel", "K"}));
        ALLE_WAAR(!map.bestaat("alleen"), ProjectMap(folder.path("Leeg")).namen().isEmpty());
        for (const char *naam : {"", ".", "..", "*.*", "a/b", "a\\b", "a:b", "wat?", "x\"y", "<a>",
                                 "a|b", "tab\there", "../buiten"}) { // write nothing at all
            ALLE_WAAR_BIJ(naam, !ProjectMap::geldigeNaam(naam),
                          ProjectMap(folder.path("Nieuw")).opslaan(naam, kOud, kOud, "x") ==
                              ProjectMap::OngeldigeNaam);
        }
        ALLE_WAAR(!QFileInfo::exists(folder.path("Nieuw")), ProjectMap::geldigeNaam("Led .. 1 é"));
        const RecenteProjecten recent(folder.path("Recente projecten.txt"));
        for (const QString naam : {"A", "B", "C", "D", "E", "F", "B", "G"})
            QVERIFY(recent.voegToe(naam));
        QCOMPARE(recent.namen(), (QStringList{"G", "B", "F", "E", "D", "C"}));
        for (const char *naam : {"G", "F", "C"})
            folder.writeFile(QStringLiteral("Projecten/%1.ovb").arg(naam), "BM");
        QCOMPARE(recent.bestaande(map), (QStringList{"G", "F", "C"}));
        // Names that are no project names, empty lines and CR LF line ends from an editor.
        folder.writeFile("Recente projecten.txt", "R&D\r\n\r\na/b\r\nR&D\nLED \xc3\xa9\xc3\xa9n\n");
        ALLE_WAAR(recent.namen() == (QStringList{"R&D", "LED één"}),
                  !RecenteProjecten(folder.path("geen map/lijst")).voegToe("A"));
    }

    // A Windows-1252 name and extensions in capitals: listed, opened, saved over as itself.
    void vreemdeNamen() {
        const QByteArray stam = "weerstand\xe9", extensies[] = {".ovb", ".Brb", ".DAT"};
        const QString naam = "weerstandé";
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
        ALLE_WAAR(geladen.breadboard == kOud.image(), geladen.lijst == "µ\r\n",
                  map.opslaan(naam, kNieuw, kOud, "Ω") == ProjectMap::Geen);
        const ProjectMap::Geladen nieuw = map.laad(naam);
        ALLE_WAAR(nieuw.ontwerpBlad == kNieuw.image(), nieuw.breadboard == kOud.image(),
                  nieuw.lijst == "Ω\r\n");
        QCOMPARE(DiskNames::files(map.folder()).size(), size_t(3)); // no second project beside it
        for (const QByteArray &bestand : bestanden) // Qt cannot remove what it cannot list
            QCOMPARE(::unlink(bestand.constData()), 0);
    }

    // Save asks the name, replaces after Yes; a project in use is told, a dead lock taken over.
    void opslaanEnBezet() {
        TestFolder folder;
        ProjectMap map(folder.path("Projecten"));
        QCOMPARE(map.opslaan("P", kKlein, kKlein, "oud\r\n"), ProjectMap::Geen);
        ScriptedPlatform platform;
        platform.inputAnswers = {"*.*", "P", "P"};
        platform.answers = {Platform::Answer::No, Platform::Answer::Yes};
        for (const bool gelukt : {false, false, true}) {
            QCOMPARE(ProjectOpslaan(platform, map, "*.*", kKlein, kKlein, "nieuw\r\n"), gelukt);
            QCOMPARE(folder.readFile("Projecten/P.dat"), gelukt ? "nieuw\r\n" : "oud\r\n");
        }
        QCOMPARE(platform.inputs.value(0).prompt + '|' + platform.inputs.value(0).defaultAnswer +
                     '|' + platform.messages.value(0).text + '|' + platform.messages.value(1).title,
                 "Geef een naam voor dit project...|*.*|Fout bij het opslaan van het "
                 "project!\r\n(foutnummer: 1)| Exist");
        QLockFile ander(folder.path("Projecten/P.lock"));
        map.zetWachttijd(200);
        platform.inputAnswers << "P", platform.answers << Platform::Answer::Yes;
        ALLE_WAAR(ander.tryLock(0),
                  !ProjectOpslaan(platform, map, "P", kKlein, kKlein, "nieuw\r\n"),
                  platform.messages.constLast().text == inGebruikTekst(), map.laad("P").inGebruik);
        ander.unlock();
        map.zetWachttijd(0);
        QFile slot(folder.writeFile("Projecten/P.lock", {}));
        ALLE_WAAR(
            map.opslaan("P", kKlein, kKlein, "x\r\n") == ProjectMap::InGebruik,
            slot.open(QIODevice::ReadWrite),
            slot.setFileTime(QDateTime::currentDateTime().addSecs(-2), P::FileModificationTime));
        ALLE_WAAR(map.opslaan("P", kKlein, kKlein, "x\r\n") == ProjectMap::Geen,
                  !QFile::exists(slot.fileName())); // and let go after the save

        // 250 characters gave "(foutnummer: 3)"; 245 bytes fit, "N.ovb.nieuw" then 255.
        platform.inputAnswers << QString(123, u'é');
        ALLE_WAAR(map.opslaan(QString(245, 'x'), kKlein, kKlein, "x") == ProjectMap::Geen,
                  !ProjectOpslaan(platform, map, "P", kKlein, kKlein, "x\r\n"),
                  platform.messages.constLast().text.contains("De naam is te lang"));
    }

    // Killed at step 1-7 (from 4, the marker, the next read finishes); refused: told, old kept.
    void opslagFaalt_data() {
        const Tabel<QString, int> rij("manier", "foutnummer");
        for (const QString stap : {"1", "2", "3", "4", "5", "6", "7"})
            rij(qPrintable("killed after step " + stap), stap, 0);
        rij("a file where the projects folder should be", "bestand", 2);
        rij("folder without write permission", "rechten", 3), rij("full disk", "vol", 3);
        rij("read-only file system", "alleen-lezen", 3);
    }
    void opslagFaalt() {
        auto [manier, foutnummer] = velden<QString, int>("manier", "foutnummer");
        TestFolder folder;
        const QString projecten = folder.path("Projecten");
        const KleineSchijf schijf(manier == "alleen-lezen" || manier == "vol" ? projecten : "");
        if (!schijf.fout.isEmpty()) QSKIP(qPrintable("no tmpfs to mount: " + schijf.fout));
        QCOMPARE(ProjectMap(projecten).opslaan("P", kOud, kOud, "oud\r\n"), ProjectMap::Geen);
        if (foutnummer == 0) { // a helper process saves the new project and stops at the step
            QProcess helper;
            helper.start(QCoreApplication::applicationFilePath(), {kStapVlag, projecten, manier});
            while (!helper.canReadLine())
                QVERIFY2(helper.waitForReadyRead(30000), "the helper never reached its step");
            QCOMPARE(helper.readLine(), QByteArray("stap\n"));
            helper.kill();
            ALLE_WAAR(helper.waitForFinished(), helper.exitStatus() == QProcess::CrashExit);
            return opent(projecten, manier.toInt() >= 4);
        }
        QFile vulsel(projecten + "/vulsel");
        QString doel = projecten;
        if (manier == "bestand") doel = folder.writeFile("Bestand", "geen map") + "/Projecten";
        if (manier == "rechten" && geteuid() == 0) QSKIP("root writes where no one may");
        if (manier == "rechten") QFile::setPermissions(projecten, P::ReadOwner | P::ExeOwner);
        if (manier == "alleen-lezen")
            QVERIFY(::mount("tmpfs", schijf.map, "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0);
        if (manier == "vol") { // filled to the last byte
            QVERIFY(vulsel.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            for (const int blok : {65536, 4096, 1})
                while (vulsel.write(QByteArray(blok, 'x')) == blok)
                    continue;
        }
        ScriptedPlatform platform;
        platform.inputAnswers << "P", platform.answers << Platform::Answer::Yes;
        QVERIFY(!ProjectOpslaan(platform, ProjectMap(doel), "P", kNieuw, kNieuw, "nieuw\r\n"));
        QCOMPARE(platform.messages.constLast().text,
                 QStringLiteral("Fout bij het opslaan van het project!\r\n(foutnummer: %1)")
                     .arg(foutnummer));
        QFile::setPermissions(projecten, P::ReadOwner | P::WriteOwner | P::ExeOwner);
        vulsel.remove();
        opent(projecten, false);
    }

    // Two programs saving one project shared temporary files: a third read a mix of saves.
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

    // A copy that lost its design sheet is named by the newest part left, and set aside.
    void zonderOntwerpblad_data() {
        kolommen<bool>("bordNieuwer");
        QTest::newRow("board newer") << true;
        QTest::newRow("list newer") << false;
    }
    void zonderOntwerpblad() {
        auto [bordNieuwer] = velden<bool>("bordNieuwer");
        TestFolder folder;
        const QString kopie = Herstelmap(folder.path(".herstel")).nieuweKopieMap();
        QVERIFY(QDir().mkpath(kopie));
        const QDateTime oud(QDate(2026, 1, 2), QTime(10, 0)),
            nieuw(QDate(2026, 3, 4), QTime(11, 0));
        for (const QString soort : {".brb", ".dat"}) {
            QFile deel(kopie + "/herstel" + soort);
            ALLE_WAAR(deel.open(QIODevice::WriteOnly), deel.write("x") == 1, deel.flush(),
                      deel.setFileTime((soort == ".brb") == bordNieuwer ? nieuw : oud,
                                       QFileDevice::FileModificationTime));
        }
        ScriptedPlatform platform;
        QVERIFY(!Herstelmap(folder.path(".herstel")).biedAan(platform));
        QVERIFY(platform.messages.value(0).text.contains("van 4 maart 2026 om 11:00 bewaard"));
    }

    // A drawing helper killed at random: its copy restores one whole moment, or is set aside.
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
                ALLE_WAAR(kopie->inhoud.lijst == moment.lijst.trimmed() + "\r\n",
                          kopie->inhoud.ontwerpBlad == moment.Pic,
                          kopie->inhoud.breadboard == moment.Pic2);
                QDir(kopie->kopie.map).removeRecursively(), kopie.reset();
            }
            // No removes it; a copy cut off before it was whole is no copy.
            QCOMPARE(QDir(map).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).filter("-"),
                     QStringList());
        }
        const QString kopieMap = Herstelmap(map).nieuweKopieMap();
        HerstelSchrijver(kopieMap, tekening(0)).bewaar(tekening(3)); // ended without removing it
        folder.writeFile(QDir(folder.root()).relativeFilePath(kopieMap + "/herstel.ovb"),
                         "BM kapot");
        ScriptedPlatform platform;
        platform.answers << Platform::Answer::Yes;
        ALLE_WAAR(!Herstelmap(map).biedAan(platform),
                  !Herstelmap(map).biedAan(platform)); // and not offered again
        ALLE_WAAR(platform.messages.size() == 1,
                  platform.messages[0].text.endsWith(kopieMap + ".onleesbaar"),
                  QDir(kopieMap + ".onleesbaar").entryList(QDir::Files).size() == 3); // all kept
        // A list too large to show is kept as its file (the copy held the box's notice instead).
        const QByteArray lijst = QByteArray(300000, 'x') + "\r\n\x80\r\n";
        auto bron = std::make_shared<QFile>(folder.writeFile("P.dat", lijst));
        ALLE_WAAR(bron->open(QIODevice::ReadOnly), bron->seek(7));
        HerstelSchrijver::Momentopname nu = tekening(2);
        nu.lijst.clear(), nu.datBron = bron;
        const QString tweede = Herstelmap(map).nieuweKopieMap();
        HerstelSchrijver(tweede, tekening(0)).bewaar(nu);
        QCOMPARE(folder.readFile(QDir(folder.root()).relativeFilePath(tweede + "/herstel.dat")),
                 lijst);
    }

    void importeerZip_data() {
        using F = ProjectZip::Fout;
        const Tabel<Items, F> rij("items", "fout");
        rij("one project", kProject, F::Geen);
        rij("no zip", {}, F::Onleesbaar);
        rij("extensions in capitals",
            {{"Proef.OVB", kOvb}, {"Proef.Brb", kBrb}, {"Proef.DAT", kDat}}, F::Geen);
        rij("../x", Items{{"../x", "weg"}} + kProject, F::MapInNaam);
        rij("17 entries", kProject + Items(14, {"x", ""}), F::AnderBestand);
        rij("backslash", Items{{"..\\Proef.ovb", kOvb}} + kProject.mid(1), F::MapInNaam);
        rij("absolute", Items{{"/tmp/Proef.ovb", kOvb}} + kProject.mid(1), F::MapInNaam);
        rij("a fourth file", kProject + Items{{"leesmij.txt", "hallo"}}, F::AnderBestand);
        rij("two names", {{"A.ovb", kOvb}, {"B.brb", kBrb}, {"B.dat", kDat}}, F::AnderBestand);
        rij("two design sheets", kProject + Items{{"Proef.OVB", kOvb}}, F::AnderBestand);
        rij("no list", {{"Proef.ovb", kOvb}, {"Proef.brb", kBrb}}, F::Onvolledig);
        rij("65 MB", kProject.mid(0, 2) + Items{{"Proef.dat", QByteArray(65 << 20, '\0')}},
            F::TeGroot);
        rij("a colon", {{"a:b.ovb", kOvb}, {"a:b.brb", kBrb}, {"a:b.dat", kDat}},
            F::OngeldigeNaam); // was "meer dan de drie"
    }

    void importeerZip() {
        auto [items, fout] = velden<Items, ProjectZip::Fout>("items", "fout");
        TestFolder folder;
        const QString zip = items.isEmpty() ? folder.writeFile("Proef.zip", "PK\x03\x04 geen zip")
                                            : folder.path("Proef.zip");
        if (!items.isEmpty()) schrijfZip(zip, items);
        ScriptedPlatform platform;
        const ProjectMap map(folder.path("Projecten"));
        const QString naam = ProjectImport::importeer(platform, map, zip);
        const bool goed = fout == ProjectZip::Fout::Geen;
        ALLE_WAAR(naam == (goed ? "Proef" : ""), platform.messages.size() == (goed ? 0 : 1));
        if (!goed) QCOMPARE(platform.messages[0].text, ProjectZip::foutTekst(fout, zip));
        for (const auto &[naam, inhoud] : kProject) // nothing written on refusal
            QCOMPARE(folder.readFile("Projecten/" + naam), goed ? inhoud : "");
        ALLE_WAAR(!QFileInfo::exists(folder.path("x")),
                  goed == QFileInfo::exists(folder.path("Projecten")));
    }

    // A header may claim a few bytes for an entry of more than 64 MB: bytes counted as they come.
    void liegendeKop() {
        TestFolder folder;
        const quint32 groot = 65 * 1024 * 1024 + 7;
        schrijfZip(folder.path("echt.zip"),
                   {kProject[0], {"Proef.brb", QByteArray(groot, '\0')}, kProject[2]});
        QByteArray zip = folder.readFile("echt.zip");
        const quint32 gelogen = 1000; // every size field that says `groot` says 1000 instead
        const QByteArray van(reinterpret_cast<const char *>(&groot), 4);
        for (qsizetype plek = zip.indexOf(van); plek >= 0; plek = zip.indexOf(van, plek + 4))
            zip.replace(plek, 4, reinterpret_cast<const char *>(&gelogen), 4);
        const ProjectZip::Gelezen gelezen = ProjectZip::lees(folder.writeFile("gelogen.zip", zip));
        ALLE_WAAR((gelezen.fout == ProjectZip::Fout::TeGroot ||
                   gelezen.fout == ProjectZip::Fout::Onleesbaar),
                  gelezen.bestanden.brb.isEmpty());
    }

    // A pipe or folder as the zip cannot be read (no hang); a bad checksum or password is damage.
    void zipDieNietTeLezenIs() {
        TestFolder folder;
        QVERIFY(makePipe(folder.path("pijp.zip")));
        folder.makeDir("map.zip");
        for (const char *naam : {"pijp.zip", "map.zip"})
            QVERIFY(withoutWaiting(folder.path("pijp.zip"), [&] {
                QCOMPARE(ProjectZip::lees(folder.path(naam)).fout, ProjectZip::Fout::NietTeLezen);
            }));
        // Each entry stored as it is, or locked with a password.
        schrijfZip(folder.path("crc.zip"), kProject, [](zip_t *zip, zip_uint64_t i) {
            zip_set_file_compression(zip, i, ZIP_CM_STORE, 0);
        });
        schrijfZip(folder.path("geheim.zip"), kProject, [](zip_t *zip, zip_uint64_t i) {
            zip_file_set_encryption(zip, i, ZIP_EM_TRAD_PKWARE, "wachtwoord");
        });
        const QByteArray zip = folder.readFile("crc.zip");
        QVERIFY(zip.contains(kDat));
        folder.writeFile("crc.zip",
                         QByteArray(zip).replace(kDat, QByteArray(kDat).replace('3', '4')));
        for (const char *naam : {"crc.zip", "geheim.zip"})
            QCOMPARE(ProjectZip::lees(folder.path(naam)).fout, ProjectZip::Fout::Onleesbaar);
    }

    // Refused: a file linking elsewhere, an .ovb alone, a '"' in the name; each told why.
    void buitenDeMapGeweigerd() {
        TestFolder folder;
        for (const QString stam : {"Link", "Alleen", "Aan\"hal"})
            folder.writeFile("elders/" + stam + ".ovb", kOvb);
        folder.writeFile("elders/Link.brb", kBrb);
        QVERIFY(QFile::link(folder.writeFile("geheim", kDat), folder.path("elders/Link.dat")));
        for (const auto &[pad, reden] :
             {std::pair{"elders/Link.ovb", "Link.dat\" is een koppeling naar een ander bestand"},
              {"elders/Alleen.ovb", "Alleen.brb en Alleen.dat ontbreken"},
              {"elders/Aan\"hal.ovb", "zijn naam bevat een teken dat niet in een projectnaam"}}) {
            ScriptedPlatform platform;
            const ProjectMap map(folder.path("Projecten"));
            QVERIFY(ProjectImport::importeer(platform, map, folder.path(pad)).isEmpty());
            const QString tekst = platform.messages.value(0).text;
            QVERIFY2(tekst.startsWith("Het project \"" + folder.path(pad)) && tekst.contains(reden),
                     qPrintable(tekst));
        }
        QVERIFY(!QFileInfo::exists(folder.path("Projecten")));
    }

    // Any project file elsewhere brings all three in, over one only after Yes; no project: told.
    void buitenDeMap() {
        TestFolder folder;
        const ProjectMap map(folder.path("Projecten"));
        for (const auto &[naam, inhoud] : kProject)
            folder.writeFile("elders/" + naam, inhoud);
        folder.writeFile("elders/Kapot.ovb", "geen plaatje");
        folder.writeFile("Projecten/Proef.ovb", "oud");
        ScriptedPlatform platform;
        platform.answers = {Platform::Answer::No, Platform::Answer::Yes};
        ALLE_WAAR(
            ProjectImport::importeer(platform, map, folder.path("elders/Proef.brb")).isEmpty(),
            folder.readFile("Projecten/Proef.ovb") == "oud");
        QCOMPARE(ProjectImport::importeer(platform, map, folder.path("elders/Proef.brb")), "Proef");
        QCOMPARE(platform.messages.takeFirst().text, "Project bestaat reeds, vernieuwen?");
        for (const auto &[naam, inhoud] : kProject)
            QCOMPARE(folder.readFile("Projecten/" + naam), inhoud);
        QCOMPARE(ProjectImport::importeer(platform, map, folder.path("Projecten/Proef.dat")),
                 "Proef");
        for (const QString pad : {"elders/Kapot.ovb", "elders/Weg.ovb", "elders/Proef.txt"})
            ALLE_WAAR(ProjectImport::importeer(platform, map, folder.path(pad)).isEmpty(),
                      platform.messages.last().text ==
                          ProjectImport::geenProjectTekst(folder.path(pad)));
        ALLE_WAAR(platform.messages.size() == 4, map.namen() == QStringList{"Proef"});
    }
};

VOLTARIX_TEST(TestProject)

// Helper: saves the new project up to step argv[3] and waits there to be killed.
static int slaOpTotStap(int, char **argv) {
    const auto bijStap = [stap = std::atoi(argv[3])](int gedaan) {
        if (gedaan != stap) return true;
        std::fputs("stap\n", stdout), std::fflush(stdout);
        for (;;)
            ::pause();
    };
    ProjectMap(QString::fromLocal8Bit(argv[2])).opslaan("P", kNieuw, kNieuw, "nieuw\r\n", bijStap);
    return 1; // never reached for a step the save gets to
}

// Helper: saves 40 times as program argv[3], writing the number of each save that succeeded.
static int slaVaakOp(int, char **argv) {
    const int programma = std::atoi(argv[3]);
    for (int keer = 1; keer <= 40; ++keer) {
        const Surface blad(8, 8, qRgb(programma, keer, 0));
        if (ProjectMap(QString::fromLocal8Bit(argv[2]))
                .opslaan("P", blad, blad, lijst(programma, keer)) == ProjectMap::Geen)
            std::printf("%d\n", keer);
    }
    return 0;
}

// Helper: draws and keeps a recovery copy until killed, now and then back to the start.
static int tekenTotGedood(int, char **argv) {
    HerstelSchrijver schrijver(Herstelmap(QString::fromLocal8Bit(argv[2])).nieuweKopieMap(),
                               tekening(0));
    std::fputs("klaar\n", stdout), std::fflush(stdout);
    for (int stap = 1;; ++stap)
        schrijver.bewaar(tekening(stap % 150)), QThread::msleep(1);
}

static const bool kGeregistreerd = TestRunner::registreerHelper(kStapVlag, slaOpTotStap) &&
                                   TestRunner::registreerHelper(kVaakVlag, slaVaakOp) &&
                                   TestRunner::registreerHelper(kTekenVlag, tekenTotGedood);

#include "tst_project.moc"

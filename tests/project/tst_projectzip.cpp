// A project brought in from elsewhere or as one zip; an archive that holds anything but one
// project's three files, or would unpack to more than 64 MB, is refused and writes nothing.
#include "ScriptedPlatform.h"
#include "TestFolder.h"
#include "TestRunner.h"
#include "project/ProjectImport.h"
#include "project/ProjectMap.h"
#include "project/ProjectZip.h"

#include <QtTest>

#include <zip.h>

namespace {

using Items = QList<QPair<QByteArray, QByteArray>>; // name in the archive, content

// A zip of these entries, written by libzip.
void schrijfZip(const QString &pad, const Items &items) {
    zip_t *zip = zip_open(QFile::encodeName(pad).constData(), ZIP_CREATE | ZIP_TRUNCATE, nullptr);
    for (const auto &[naam, inhoud] : items)
        zip_file_add(zip, naam.constData(),
                     zip_source_buffer(zip, inhoud.constData(), inhoud.size(), 0), 0);
    QVERIFY(zip_close(zip) == 0);
}

const QByteArray kOvb = pictureFile(filledPicture(60, 40, qRgb(0, 0, 255)));
const QByteArray kBrb = pictureFile(filledPicture(30, 20, qRgb(255, 0, 0)));
const QByteArray kDat = "R1 = 330 Ohm\r\n";
const Items kProject = {{"Proef.ovb", kOvb}, {"Proef.brb", kBrb}, {"Proef.dat", kDat}};

} // namespace

Q_DECLARE_METATYPE(Items)
Q_DECLARE_METATYPE(ProjectZip::Fout)

class TestProjectZip : public QObject {
    Q_OBJECT
private slots:
    void importeerZip_data() {
        using F = ProjectZip::Fout;
        const Tabel<Items, F> rij("items", "fout");
        rij("one project", kProject, F::Geen);
        rij("extensions in capitals",
            {{"Proef.OVB", kOvb}, {"Proef.Brb", kBrb}, {"Proef.DAT", kDat}}, F::Geen);
        rij("../x", Items{{"../x", "weg"}} + kProject, F::MapInNaam);
        rij("in a folder", Items{{"map/Proef.ovb", kOvb}} + kProject.mid(1), F::MapInNaam);
        rij("backslash", Items{{"..\\Proef.ovb", kOvb}} + kProject.mid(1), F::MapInNaam);
        rij("a fourth file", kProject + Items{{"leesmij.txt", "hallo"}}, F::AnderBestand);
        rij("two names", {{"A.ovb", kOvb}, {"B.brb", kBrb}, {"B.dat", kDat}}, F::AnderBestand);
        rij("two design sheets", kProject + Items{{"Proef.OVB", kOvb}}, F::AnderBestand);
        rij("no list", {{"Proef.ovb", kOvb}, {"Proef.brb", kBrb}}, F::Onvolledig);
        rij("65 MB", kProject.mid(0, 2) + Items{{"Proef.dat", QByteArray(65 << 20, '\0')}},
            F::TeGroot);
        rij("no zip", {}, F::Onleesbaar);
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
        QCOMPARE(naam, goed ? "Proef" : "");
        QCOMPARE(platform.messages.size(), goed ? 0 : 1);
        if (!goed) QCOMPARE(platform.messages[0].text, ProjectZip::foutTekst(fout, zip));
        for (const auto &[naam, inhoud] : kProject) // nothing written on refusal
            QCOMPARE(folder.readFile("Projecten/" + naam), goed ? inhoud : "");
        QVERIFY(!QFileInfo::exists(folder.path("x")) &&
                goed == QFileInfo::exists(folder.path("Projecten")));
    }

    // Found in the making: a header may claim a few bytes for an entry that unpacks to more
    // than 64 MB; the bytes are counted as they come.
    void liegendeKop() {
        TestFolder folder;
        const quint32 groot = 65 * 1024 * 1024 + 7;
        schrijfZip(
            folder.path("echt.zip"),
            {{"Proef.ovb", kOvb}, {"Proef.brb", QByteArray(groot, '\0')}, {"Proef.dat", kDat}});
        QByteArray zip = folder.readFile("echt.zip");
        const quint32 gelogen = 1000; // every size field that says `groot` says 1000 instead
        const QByteArray van(reinterpret_cast<const char *>(&groot), 4);
        for (qsizetype plek = zip.indexOf(van); plek >= 0; plek = zip.indexOf(van, plek + 4))
            zip.replace(plek, 4, reinterpret_cast<const char *>(&gelogen), 4);
        const ProjectZip::Gelezen gelezen = ProjectZip::lees(folder.writeFile("gelogen.zip", zip));
        QVERIFY(gelezen.fout == ProjectZip::Fout::TeGroot ||
                gelezen.fout == ProjectZip::Fout::Onleesbaar);
        QVERIFY(gelezen.bestanden.brb.isEmpty());
    }

    // Any of a project's files elsewhere brings all three in; one in the folder opens as it
    // is; what is no project is told and changes nothing.
    void buitenDeMap() {
        TestFolder folder;
        const ProjectMap map(folder.path("Projecten"));
        for (const auto &[naam, inhoud] : kProject)
            folder.writeFile("elders/" + naam, inhoud);
        folder.writeFile("elders/Kapot.ovb", "geen plaatje");
        ScriptedPlatform platform;
        QCOMPARE(ProjectImport::importeer(platform, map, folder.path("elders/Proef.brb")), "Proef");
        for (const auto &[naam, inhoud] : kProject)
            QCOMPARE(folder.readFile("Projecten/" + naam), inhoud);
        QCOMPARE(ProjectImport::importeer(platform, map, folder.path("Projecten/Proef.dat")),
                 "Proef");
        for (const QString pad : {"elders/Kapot.ovb", "elders/Weg.ovb", "elders/Proef.txt"}) {
            QCOMPARE(ProjectImport::importeer(platform, map, folder.path(pad)), QString());
            QCOMPARE(platform.messages.last().text,
                     ProjectImport::geenProjectTekst(folder.path(pad)));
        }
        QVERIFY(platform.messages.size() == 3 && map.namen() == QStringList{"Proef"});
    }
};

VOLTARIX_TEST(TestProjectZip)
#include "tst_projectzip.moc"

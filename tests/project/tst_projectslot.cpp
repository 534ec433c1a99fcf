// Two programs saving one project at once, while a third opens it. They used to share
// their temporary files and finish or delete each other's, so that the project came
// from different saves while both said it was saved.
#include "ScriptedPlatform.h"
#include "TestFolder.h"
#include "TestRunner.h"
#include "project/ProjectMap.h"
#include "project/ProjectOpslaan.h"
#include "ui/Surface.h"

#include <QLockFile>
#include <QProcess>
#include <QtTest>

namespace {

const char kHelperVlag[] = "--sla-vaak-op";

// Save `keer` of program `programma` paints its number into both sheets and the list.
QString lijst(int programma, int keer) {
    return QStringLiteral("%1 %2\r\n").arg(programma).arg(keer);
}

// The save a project was opened from: (0, 0) when its files come from different saves.
QPoint herkomst(const ProjectMap::Geladen &geladen) {
    const QRgb kleur = geladen.ontwerpBlad ? geladen.ontwerpBlad->pixel(0, 0) : 0;
    const QPoint save(qRed(kleur), qGreen(kleur));
    const bool heel = geladen.breadboard && geladen.breadboard->pixel(0, 0) == kleur &&
                      geladen.lijst == lijst(save.x(), save.y());
    return heel ? save : QPoint();
}

// The helper: saves 40 times, writing the number of each save that succeeded.
int slaVaakOp(const QString &projecten, int programma) {
    QFile uit;
    uit.open(stdout, QIODevice::WriteOnly);
    for (int keer = 1; keer <= 40; ++keer) {
        const Surface blad(8, 8, qRgb(programma, keer, 0));
        if (ProjectMap(projecten).opslaan("P", blad, blad, lijst(programma, keer)) ==
            ProjectMap::Geen)
            uit.write(QByteArray::number(keer) + '\n');
    }
    return 0;
}

} // namespace

class TestProjectSlot : public QObject {
    Q_OBJECT
private slots:
    void tweeProgrammasSlaanTegelijkOp() {
        TestFolder folder;
        const QString projecten = folder.path("Projecten");
        QProcess helpers[2];
        for (int i : {0, 1})
            helpers[i].start(QCoreApplication::applicationFilePath(),
                             {kHelperVlag, projecten, QString::number(i + 1)});
        while (helpers[0].state() != QProcess::NotRunning ||
               helpers[1].state() != QProcess::NotRunning) {
            const ProjectMap::Geladen geladen = ProjectMap(projecten).laad("P");
            QVERIFY(geladen.inGebruik || !geladen.ontwerpBlad || !herkomst(geladen).isNull());
            QTest::qWait(5);
        }
        // The project is the last save that succeeded of one of them.
        const QPoint eind = herkomst(ProjectMap(projecten).laad("P"));
        QVERIFY(eind.x() == 1 || eind.x() == 2);
        const QByteArrayList gelukt = helpers[eind.x() - 1].readAllStandardOutput().split('\n');
        QCOMPARE(eind.y(), gelukt.value(gelukt.size() - 2).toInt());
        QCOMPARE(QDir(projecten).entryList(QDir::Files), (QStringList{"P.brb", "P.dat", "P.ovb"}));
    }

    void bezetProjectWordtGemeld() {
        TestFolder folder;
        ProjectMap map(folder.path("Projecten"));
        QCOMPARE(map.opslaan("P", Surface(8, 8), Surface(8, 8), "oud\r\n"), ProjectMap::Geen);
        QLockFile ander(folder.path("Projecten/P.lock"));
        QVERIFY(ander.tryLock(0));
        map.zetWachttijd(200);
        ScriptedPlatform platform;
        platform.inputAnswers << "P";
        platform.answers << Platform::Answer::Yes;
        QVERIFY(!ProjectOpslaan(platform, map, "P", Surface(8, 8), Surface(8, 8), "nieuw\r\n"));
        QCOMPARE(platform.messages.constLast().text, inGebruikTekst());
        QVERIFY(map.laad("P").inGebruik);
    }

    // A program killed between making its lock file and writing its name in left an empty
    // one, which kept the project "in use" for five minutes (found by the recovery copy's
    // kill test). A second old, it is taken over; a fresh one may belong to a save.
    void leegSlotVanEenGedoodProgramma() {
        TestFolder folder;
        ProjectMap map(folder.path("Projecten"));
        map.zetWachttijd(0);
        QFile slot(folder.writeFile("Projecten/P.lock", {}));
        QCOMPARE(map.opslaan("P", Surface(8, 8), Surface(8, 8), "x\r\n"), ProjectMap::InGebruik);
        QVERIFY(slot.open(QIODevice::ReadWrite));
        QVERIFY(slot.setFileTime(QDateTime::currentDateTime().addSecs(-2),
                                 QFileDevice::FileModificationTime));
        QCOMPARE(map.opslaan("P", Surface(8, 8), Surface(8, 8), "x\r\n"), ProjectMap::Geen);
        QVERIFY(!QFile::exists(slot.fileName())); // and let go after the save
    }
};

VOLTARIX_TEST(TestProjectSlot)
static const bool kHelperGeregistreerd =
    TestRunner::registreerHelper(kHelperVlag, [](int argc, char **argv) {
        return argc == 4 ? slaVaakOp(QString::fromLocal8Bit(argv[2]), std::atoi(argv[3])) : 2;
    });

#include "tst_projectslot.moc"

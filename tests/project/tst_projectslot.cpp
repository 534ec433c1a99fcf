// Two programs saving one project at the same time, a third opening it meanwhile.
// They used to share their temporary files and finish or delete each other's: the
// project came out of different saves while both said it was saved. Now the project
// on the disk is always wholly one save, and the last save that succeeded stays.
#include "ScriptedPlatform.h"
#include "TestFolder.h"
#include "TestRunner.h"
#include "project/ProjectMap.h"
#include "project/ProjectOpslaan.h"
#include "ui/Surface.h"

#include <QLockFile>
#include <QProcess>
#include <QtTest>

#include <array>

namespace {

const char kHelperVlag[] = "--sla-vaak-op";
constexpr int kKeer = 40;

// Every save paints its number into both sheets and writes it as the list.
QRgb kleur(int programma, int keer) {
    return qRgb(programma * 100, keer, 0);
}
QString lijst(int programma, int keer) {
    return QStringLiteral("%1 %2\r\n").arg(programma).arg(keer);
}

// The save a project was opened from; nothing when its files come from different saves.
std::optional<std::pair<int, int>> herkomst(const ProjectMap::Geladen &geladen) {
    if (!geladen.ontwerpBlad || !geladen.breadboard) return std::nullopt;
    const QRgb kleurOvb = geladen.ontwerpBlad->pixel(0, 0);
    const int programma = qRed(kleurOvb) / 100, keer = qGreen(kleurOvb);
    if (geladen.breadboard->pixel(0, 0) != kleurOvb || geladen.lijst != lijst(programma, keer))
        return std::nullopt;
    return std::pair(programma, keer);
}

// The helper program: saves again and again, telling each save that succeeded.
int slaVaakOp(const QString &projecten, int programma) {
    QFile uit;
    uit.open(stdout, QIODevice::WriteOnly);
    for (int keer = 1; keer <= kKeer; ++keer) {
        const Surface blad(8, 8, kleur(programma, keer));
        if (ProjectMap(projecten).opslaan("P", blad, blad, lijst(programma, keer)) ==
            ProjectMap::Geen) {
            uit.write(QByteArray::number(keer) + '\n');
            uit.flush();
        }
    }
    return 0;
}

} // namespace

class TestProjectSlot : public QObject {
    Q_OBJECT
private slots:
    void tweeProgrammasSlaanTegelijkOp();
    void bezetProjectWachtEnMeldt();
};

void TestProjectSlot::tweeProgrammasSlaanTegelijkOp() {
    TestFolder folder;
    const QString projecten = folder.path("Projecten");
    const Surface begin(8, 8, kleur(0, 0));
    QCOMPARE(ProjectMap(projecten).opslaan("P", begin, begin, lijst(0, 0)), ProjectMap::Geen);
    std::array<QProcess, 2> helpers;
    for (int i = 0; i < 2; ++i)
        helpers[i].start(QCoreApplication::applicationFilePath(),
                         {kHelperVlag, projecten, QString::number(i + 1)});
    for (QProcess &helper : helpers)
        QVERIFY(helper.waitForStarted());
    while (helpers[0].state() != QProcess::NotRunning ||
           helpers[1].state() != QProcess::NotRunning) {
        const ProjectMap::Geladen geladen = ProjectMap(projecten).laad("P");
        QVERIFY(geladen.inGebruik || herkomst(geladen));
        QTest::qWait(5);
    }
    std::array<int, 3> laatste{0, 0, 0};
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(helpers[i].exitStatus(), QProcess::NormalExit);
        QCOMPARE(helpers[i].exitCode(), 0);
        const QList<QByteArray> gelukt = helpers[i].readAllStandardOutput().split('\n');
        if (gelukt.size() > 1) laatste[i + 1] = gelukt[gelukt.size() - 2].toInt();
    }
    const auto eind = herkomst(ProjectMap(projecten).laad("P"));
    QVERIFY(eind);
    QCOMPARE(eind->second, laatste[eind->first]);
    QVERIFY(eind->second > 0);
    QCOMPARE(QDir(projecten).entryList(QDir::Files), (QStringList{"P.brb", "P.dat", "P.ovb"}));
}

void TestProjectSlot::bezetProjectWachtEnMeldt() {
    TestFolder folder;
    ProjectMap map(folder.path("Projecten"));
    const Surface oud(8, 8, qRgb(255, 0, 0)), nieuw(8, 8, qRgb(0, 0, 255));
    QCOMPARE(map.opslaan("P", oud, oud, "oud\r\n"), ProjectMap::Geen);
    QLockFile ander(folder.path("Projecten/P.lock"));
    QVERIFY(ander.tryLock(0));
    map.zetWachttijd(200);

    ScriptedPlatform platform;
    platform.inputAnswers << "P";
    platform.answers << Platform::Answer::Yes;
    QVERIFY(!ProjectOpslaan(platform, map, "P", nieuw, nieuw, "nieuw\r\n"));
    QCOMPARE(platform.messages.constLast().text, inGebruikTekst());
    QVERIFY(map.laad("P").inGebruik);

    ander.unlock();
    const ProjectMap::Geladen geladen = map.laad("P");
    QCOMPARE(*geladen.ontwerpBlad, oud.image());
    QCOMPARE(geladen.lijst, QStringLiteral("oud\r\n"));
}

VOLTARIX_TEST(TestProjectSlot)
static const bool kHelperGeregistreerd =
    TestRunner::registreerHelper(kHelperVlag, [](int argc, char **argv) {
        return argc == 4 ? slaVaakOp(QString::fromLocal8Bit(argv[2]), std::atoi(argv[3])) : 2;
    });

#include "tst_projectslot.moc"

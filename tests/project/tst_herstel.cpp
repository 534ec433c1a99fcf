// The recovery copy when the program dies: a helper process draws and keeps a copy
// of its work, and is killed at random moments, in the middle of a copy or between
// two. The next start offers what was left, and what it restores is one whole moment
// of the drawing: both sheets and the list of the same step.
#include "ScriptedPlatform.h"
#include "TestFolder.h"
#include "TestRunner.h"
#include "project/HerstelSchrijver.h"
#include "project/Herstelmap.h"
#include "ui/Surface.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <QtTest>

namespace {

const char kHelperVlag[] = "--herstel-tekenen";

// The drawing after `stappen` steps; the list names the step.
HerstelSchrijver::Momentopname tekening(int stappen) {
    Surface Pic(320, 240), Pic2(320, 240);
    for (int k = 1; k <= stappen; ++k) {
        Pic.fillBox(k % 300, k % 200, k % 300 + 19, k % 200 + 29, qRgb(k % 256, 0, 255 - k % 256));
        Pic2.drawLine(0, k % 240, 319, (k * 7) % 240, qRgb(0, k % 256, 0));
    }
    return {Pic.image(), Pic2.image(), QStringLiteral("Regel %1\n").arg(stappen)};
}

// The helper: draws step after step, handing each moment to the recovery copy, until
// it is killed. The drawing is done afresh each time, so the sheets are drawn on
// while a copy of them is being written.
int tekenEnBewaar(const QString &map) {
    HerstelSchrijver schrijver(Herstelmap(map).nieuweKopieMap(), tekening(0));
    QFile uit;
    uit.open(stdout, QIODevice::WriteOnly);
    uit.write("klaar\n");
    uit.flush();
    for (int stap = 1;; ++stap) {
        // Now and then back to the start: the copy is removed again.
        schrijver.bewaar(tekening(stap % 150));
        QThread::msleep(1);
    }
}

QStringList mappen(const QString &map) {
    return QDir(map).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
}

} // namespace

class TestHerstel : public QObject {
    Q_OBJECT
private slots:
    void gedoodTijdensTekenen();
    void onleesbareKopieApart();
};

void TestHerstel::gedoodTijdensTekenen() {
    TestFolder folder;
    const QString map = folder.path(".herstel");
    const quint32 zaad = QRandomGenerator::global()->generate();
    qInfo("random kill moments, seed %u", zaad);
    QRandomGenerator toeval(zaad);
    int hersteld = 0;
    for (int ronde = 0; ronde < 8; ++ronde) {
        QProcess helper;
        helper.start(QCoreApplication::applicationFilePath(), {kHelperVlag, map});
        QVERIFY(helper.waitForStarted());
        while (!helper.canReadLine())
            QVERIFY2(helper.waitForReadyRead(30000), "the helper never started drawing");
        QThread::msleep(toeval.bounded(5, 400));
        // A living program's copy is another program's business.
        QVERIFY(Herstelmap(map).achtergelaten().empty());
        helper.kill();
        QVERIFY(helper.waitForFinished());

        ScriptedPlatform platform;
        const bool ja = ronde % 2 == 0;
        platform.answers << (ja ? Platform::Answer::Yes : Platform::Answer::No);
        std::optional<Herstelmap::Hersteld> kopie = Herstelmap(map).biedAan(platform);
        if (platform.messages.isEmpty()) { // killed before its first copy was whole
            QVERIFY(!kopie);
            QCOMPARE(mappen(map), QStringList());
            continue;
        }
        QCOMPARE(platform.messages.size(), 1);
        QCOMPARE(platform.messages[0].title, Herstelmap::kTitel);
        QCOMPARE(platform.messages[0].buttons, Platform::Buttons::YesNo);
        if (!ja) {
            QVERIFY(!kopie);
            QCOMPARE(mappen(map), QStringList()); // No deletes it
            continue;
        }
        QVERIFY(kopie);
        ++hersteld;
        const QStringList regel = kopie->inhoud.lijst.split(QLatin1Char(' '));
        QCOMPARE(regel.size(), 2);
        const HerstelSchrijver::Momentopname moment = tekening(regel[1].toInt());
        QCOMPARE(kopie->inhoud.lijst, QString(moment.lijst).replace("\n", "\r\n"));
        QCOMPARE(*kopie->inhoud.ontwerpBlad, moment.Pic);
        QCOMPARE(*kopie->inhoud.breadboard, moment.Pic2);
        QCOMPARE(QDir(kopie->kopie.map).entryList({"*.nieuw", "*.opslaan"}, QDir::Files),
                 QStringList());
        QDir(kopie->kopie.map).removeRecursively();
    }
    qInfo("%d copies restored", hersteld);
}

void TestHerstel::onleesbareKopieApart() {
    TestFolder folder;
    const QString map = folder.path(".herstel");
    QString kopieMap;
    {
        // Ended without removing its copy, as a crash does.
        HerstelSchrijver schrijver(kopieMap = Herstelmap(map).nieuweKopieMap(), tekening(0));
        schrijver.bewaar(tekening(3));
    }
    const QString ontwerpBlad = kopieMap + "/herstel.ovb";
    QVERIFY(QFile::exists(ontwerpBlad));
    QFile kapot(ontwerpBlad);
    QVERIFY(kapot.open(QIODevice::WriteOnly | QIODevice::Truncate));
    kapot.write("BM geen plaatje");
    kapot.close();

    ScriptedPlatform platform;
    platform.answers << Platform::Answer::Yes;
    QVERIFY(!Herstelmap(map).biedAan(platform));
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages[0].buttons, Platform::Buttons::Ok);
    const QString apart = kopieMap + ".onleesbaar";
    QVERIFY(platform.messages[0].text.contains(apart));
    // Nothing of it is lost, and it is not offered again.
    QFile bewaard(apart + "/herstel.ovb");
    QVERIFY(bewaard.open(QIODevice::ReadOnly));
    QCOMPARE(bewaard.readAll(), QByteArray("BM geen plaatje"));
    QVERIFY(QFile::exists(apart + "/herstel.brb"));
    ScriptedPlatform later;
    QVERIFY(!Herstelmap(map).biedAan(later));
    QVERIFY(later.messages.isEmpty());
}

VOLTARIX_TEST(TestHerstel)
static const bool kHelperGeregistreerd =
    TestRunner::registreerHelper(kHelperVlag, [](int argc, char **argv) {
        return argc == 3 ? tekenEnBewaar(QString::fromLocal8Bit(argv[2])) : 2;
    });

#include "tst_herstel.moc"

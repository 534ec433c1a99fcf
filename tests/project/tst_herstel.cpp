// The recovery copy when the program dies: a helper process draws and keeps a copy of its
// work, killed at random moments; the next start restores one whole moment of the drawing.
#include "ScriptedPlatform.h"
#include "TestFolder.h"
#include "TestRunner.h"
#include "project/HerstelSchrijver.h"
#include "project/Herstelmap.h"
#include "project/StapKopie.h"
#include "ui/Surface.h"

#include <QDir>
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
        Pic.fillBox(k % 300, k % 200, k % 300 + 19, k % 200 + 29, qRgb(k, 0, 255 - k));
        Pic2.drawLine(0, k % 240, 319, (k * 7) % 240, qRgb(0, k, 0));
    }
    return {Pic.image(), Pic2.image(), QStringLiteral("Regel %1\n").arg(stappen), {}};
}

} // namespace

class TestHerstel : public QObject {
    Q_OBJECT
private slots:
    void gedoodTijdensTekenen() {
        TestFolder folder;
        const QString map = folder.path(".herstel");
        const quint32 zaad = QRandomGenerator::global()->generate();
        qInfo("random kill moments, seed %u", zaad);
        QRandomGenerator toeval(zaad);
        for (int ronde = 0; ronde < 8; ++ronde) {
            QProcess helper;
            helper.start(QCoreApplication::applicationFilePath(), {kHelperVlag, map});
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

VOLTARIX_TEST(TestHerstel)
// The helper: draws step after step, handing each moment to the copy, until it is killed;
// now and then back to the start, which removes the copy again.
static const bool kHelperGeregistreerd =
    TestRunner::registreerHelper(kHelperVlag, [](int argc, char **argv) {
        if (argc != 3) return 2;
        HerstelSchrijver schrijver(Herstelmap(QString::fromLocal8Bit(argv[2])).nieuweKopieMap(),
                                   tekening(0));
        std::fputs("klaar\n", stdout);
        std::fflush(stdout);
        for (int stap = 1;; ++stap)
            schrijver.bewaar(tekening(stap % 150)), QThread::msleep(1);
    });

#include "tst_herstel.moc"

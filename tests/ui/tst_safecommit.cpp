// Files written whole or not at all, also when the disk cannot take the last bytes.
// Qt's QSaveFile put a cut-off file over the old one when only its final buffered
// write failed (found by the full-disk test of tst_projectfouten); a file size limit
// makes the same failure here without a disk of its own.
#include "TestFolder.h"
#include "TestRunner.h"
#include "app/Settings.h"
#include "symbols/AchtergrondOpslag.h"
#include "symbols/IconBestand.h"
#include "ui/SafeCommit.h"

#include <QRandomGenerator>
#include <QSaveFile>
#include <QtTest>

#include <csignal>
#include <functional>
#include <sys/resource.h>

namespace {

// No file of this process may grow beyond `bytes` while it lives; a write past it
// fails (EFBIG) instead of ending the process.
class SchrijfGrens {
public:
    explicit SchrijfGrens(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &oud_);
        vorigSignaal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit grens = oud_;
        grens.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &grens);
    }
    ~SchrijfGrens() {
        setrlimit(RLIMIT_FSIZE, &oud_);
        std::signal(SIGXFSZ, vorigSignaal_);
    }

private:
    rlimit oud_{};
    void (*vorigSignaal_)(int) = nullptr;
};

QImage ruis(int zijde, quint32 zaad) {
    QImage beeld(zijde, zijde, QImage::Format_RGB32);
    QRandomGenerator toeval(zaad);
    for (int y = 0; y < zijde; ++y)
        for (int x = 0; x < zijde; ++x)
            beeld.setPixel(x, y, toeval.generate() | 0xff000000);
    return beeld;
}

using Schrijver = std::function<bool(const TestFolder &, const QString &pad, bool nieuw)>;

} // namespace

Q_DECLARE_METATYPE(Schrijver)

class TestSafeCommit : public QObject {
    Q_OBJECT
private slots:
    void afgekaptBestandVervangtNiets_data();
    void afgekaptBestandVervangtNiets();
};

void TestSafeCommit::afgekaptBestandVervangtNiets_data() {
    QTest::addColumn<Schrijver>("schrijf");
    QTest::addColumn<int>("grens");
    QTest::newRow("settings file")
        << Schrijver([](const TestFolder &, const QString &pad, bool nieuw) {
               return Settings::schrijf(pad, !nieuw);
           })
        << 40;
    QTest::newRow("symbol") << Schrijver([](const TestFolder &, const QString &pad, bool nieuw) {
        return IconBestand::bewaar(ruis(49, nieuw ? 2 : 1), pad);
    }) << 4000;
    QTest::newRow("background picture")
        << Schrijver([](const TestFolder &map, const QString &pad, bool nieuw) {
               const QString bmp =
                   map.writePicture(nieuw ? "nieuw.bmp" : "oud.bmp", ruis(64, nieuw ? 4 : 3));
               return AchtergrondOpslag::BmpToJpeg(bmp, pad, 99);
           })
        << 2000;
}

void TestSafeCommit::afgekaptBestandVervangtNiets() {
    QFETCH(Schrijver, schrijf);
    QFETCH(int, grens);
    TestFolder map;
    const QString pad = map.path("bestand");
    QVERIFY(schrijf(map, pad, false));
    const QByteArray oud = map.readFile("bestand");
    {
        const SchrijfGrens vol(rlim_t(grens + 0));
        QVERIFY(!schrijf(map, pad, true));
    }
    QCOMPARE(map.readFile("bestand"), oud);
    QCOMPARE(QDir(map.root()).entryList(QDir::Files | QDir::Hidden).filter("bestand"),
             QStringList{"bestand"}); // no temporary file left

    // With room again the same write goes through.
    QVERIFY(schrijf(map, pad, true));
    QVERIFY(map.readFile("bestand") != oud);
    QVERIFY(map.readFile("bestand").size() > grens);
}

VOLTARIX_TEST(TestSafeCommit)
#include "tst_safecommit.moc"

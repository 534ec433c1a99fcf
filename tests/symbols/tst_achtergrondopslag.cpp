#include "ScriptedPlatform.h"
#include "TestFolder.h"
#include "TestRunner.h"
#include "symbols/AchtergrondOpslag.h"
#include "symbols/AchtergrondTegel.h"
#include "ui/AppFolder.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <cstdlib>

using AchtergrondOpslag::slaOp;

namespace {

const QString kJpeg = QStringLiteral("Plugins/Images/background.jpg");

// The largest difference of one colour channel between two pictures of one size.
int grootsteVerschil(const QImage &a, const QImage &b) {
    int verschil = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            verschil = std::max({verschil, std::abs(qRed(p) - qRed(q)),
                                 std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
        }
    return verschil;
}

// An old background picture, so a test can see whether it was kept.
QByteArray oudeAchtergrond(const TestFolder &folder) {
    QImage oud(40, 40, QImage::Format_RGB32);
    oud.fill(qRgb(0, 90, 0));
    folder.writePicture(kJpeg, oud);
    return folder.readFile(kJpeg);
}

bool geenTijdelijkBestand(const TestFolder &folder) {
    return !QFileInfo(folder.path(QStringLiteral("mydummy.bmp"))).isFile();
}

} // namespace

class TestAchtergrondOpslag : public QObject {
    Q_OBJECT
private slots:
    void okSlaatTextuurOp();
    void vervangtOudePlaatje();
    void bmpNietTeSchrijven_data();
    void bmpNietTeSchrijven();
    void zonderAfbeeldingenMap();
    void kapotBmpBestand();
};

// OK right after opening stores texture 0, at a quality where hardly a pixel changes.
void TestAchtergrondOpslag::okSlaatTextuurOp() {
    TestFolder folder;
    folder.makeDir(QStringLiteral("Plugins/Images"));
    ScriptedPlatform platform;
    const AchtergrondTegel tegel;
    int herladen = 0;
    QVERIFY(slaOp(tegel.voorbeeld(), AppFolder(folder.root()), platform, [&] { ++herladen; }));
    const QImage opgeslagen(folder.path(kJpeg));
    QCOMPARE(opgeslagen.size(), QSize(80, 80));
    QVERIFY(grootsteVerschil(opgeslagen.convertToFormat(QImage::Format_RGB32),
                             tegel.voorbeeld().image()) <= 6);
    QVERIFY(geenTijdelijkBestand(folder));
    QCOMPARE(QDir(folder.path(QStringLiteral("Plugins/Images"))).entryList(QDir::Files),
             QStringList{QStringLiteral("background.jpg")});
    QCOMPARE(herladen, 1);
    QCOMPARE(platform.waits, 1);
    QCOMPARE(platform.waited, 1.0);
    QVERIFY(platform.messages.isEmpty());
}

// The old picture is replaced, whatever the case of its name and folders.
void TestAchtergrondOpslag::vervangtOudePlaatje() {
    TestFolder folder;
    QImage oud(40, 40, QImage::Format_RGB32);
    oud.fill(qRgb(0, 90, 0));
    folder.writePicture(QStringLiteral("plugins/IMAGES/Background.JPG"), oud);
    ScriptedPlatform platform;
    AchtergrondTegel tegel;
    tegel.VScroll1_Change(0);
    QVERIFY(slaOp(tegel.voorbeeld(), AppFolder(folder.root()), platform, {}));
    const QString pad = folder.path(QStringLiteral("plugins/IMAGES/Background.JPG"));
    QCOMPARE(QImage(pad).size(), QSize(80, 80));
    QCOMPARE(QDir(folder.path(QStringLiteral("plugins/IMAGES"))).entryList(QDir::Files).size(), 1);
    QCOMPARE(QDir(folder.root()).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("plugins")});
}

// When the temporary BMP cannot be written: the message, the reload and the wait, and
// the old picture stays.
void TestAchtergrondOpslag::bmpNietTeSchrijven_data() {
    QTest::addColumn<bool>("alleenLezen");
    QTest::newRow("read-only application folder") << true;
    QTest::newRow("name taken by a folder") << false;
}

void TestAchtergrondOpslag::bmpNietTeSchrijven() {
    QFETCH(bool, alleenLezen);
    TestFolder folder;
    const QByteArray oud = oudeAchtergrond(folder);
    QFile map(folder.root());
    const QFileDevice::Permissions rechten = map.permissions();
    if (alleenLezen) {
        QVERIFY(map.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        if (QFile(folder.writeFile(QStringLiteral("proef"), "x")).exists()) {
            QFile::remove(folder.path(QStringLiteral("proef")));
            map.setPermissions(rechten);
            QSKIP("this user writes into read-only folders");
        }
    } else {
        folder.makeDir(QStringLiteral("mydummy.bmp"));
    }
    ScriptedPlatform platform;
    int herladen = 0;
    const bool opgeslagen = slaOp(AchtergrondTegel().voorbeeld(), AppFolder(folder.root()),
                                  platform, [&] { ++herladen; });
    map.setPermissions(rechten);
    QVERIFY(!opgeslagen);
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages[0].text, QStringLiteral("File save not as JPG!"));
    QCOMPARE(platform.messages[0].title, QString()); // the application's title
    QCOMPARE(platform.messages[0].buttons, Platform::Buttons::Ok);
    QCOMPARE(folder.readFile(kJpeg), oud);
    QVERIFY(geenTijdelijkBestand(folder));
    QCOMPARE(herladen, 1);
    QCOMPARE(platform.waited, 1.0);
}

// Without the pictures folder nothing is said; the temporary file goes all the same.
void TestAchtergrondOpslag::zonderAfbeeldingenMap() {
    TestFolder folder;
    folder.makeDir(QStringLiteral("Plugins"));
    ScriptedPlatform platform;
    int herladen = 0;
    QVERIFY(!slaOp(AchtergrondTegel().voorbeeld(), AppFolder(folder.root()), platform,
                   [&] { ++herladen; }));
    QVERIFY(platform.messages.isEmpty());
    QVERIFY(geenTijdelijkBestand(folder));
    QVERIFY(!QFileInfo::exists(folder.path(QStringLiteral("Plugins/Images"))));
    QCOMPARE(herladen, 1);
    QCOMPARE(platform.waits, 1);
}

// A conversion that fails halfway leaves the old picture and no half-written file.
void TestAchtergrondOpslag::kapotBmpBestand() {
    TestFolder folder;
    const QByteArray oud = oudeAchtergrond(folder);
    const QString jpeg = folder.path(kJpeg);
    const QString kapot = folder.writeFile(QStringLiteral("kapot.bmp"), "BM not really a picture");
    QVERIFY(!AchtergrondOpslag::BmpToJpeg(kapot, jpeg, 99));
    QVERIFY(!AchtergrondOpslag::BmpToJpeg(folder.path(QStringLiteral("weg.bmp")), jpeg, 99));
    QCOMPARE(folder.readFile(kJpeg), oud);
    QCOMPARE(QDir(folder.path(QStringLiteral("Plugins/Images"))).entryList(QDir::Files),
             QStringList{QStringLiteral("background.jpg")});
}

VOLTARIX_TEST(TestAchtergrondOpslag)
#include "tst_achtergrondopslag.moc"

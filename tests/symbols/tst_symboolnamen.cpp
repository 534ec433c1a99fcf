// Symbols unpacked from an old Windows archive carry Windows-1252 names, which Qt's
// own listing skips without a word. The library lists them decoded, loads them, and
// renames and deletes them through their own bytes.
#include "ScriptedPlatform.h"
#include "TestFolder.h"
#include "TestRunner.h"
#include "symbols/SymbolLibrary.h"
#include "ui/Surface.h"

#include <QtTest>

#include <fcntl.h>
#include <unistd.h>

class TestSymboolNamen : public QObject {
    Q_OBJECT
private slots:
    void windows1252Namen();
};

void TestSymboolNamen::windows1252Namen() {
    TestFolder folder;
    const QString map = folder.makeDir("Symbolen/Weerstanden");
    const QByteArray symbool = pictureFile(filledPicture(49, 49, qRgb(0, 0, 255)));
    const QByteArray ruw = QFile::encodeName(map) + "/weerstand\xe9.bmp";
    for (const QByteArray &pad : {ruw, QFile::encodeName(map) + "/\x80uro.bmp"}) {
        const int fd = ::open(pad.constData(), O_WRONLY | O_CREAT, 0644);
        QVERIFY(fd >= 0);
        QCOMPARE(::write(fd, symbool.constData(), size_t(symbool.size())), ssize_t(symbool.size()));
        ::close(fd);
    }
    SymbolLibrary bibliotheek;
    bibliotheek.lees(map);
    QCOMPARE(bibliotheek.namen(), (QStringList{"weerstandé", "€uro"}));

    Surface IconPic(49, 49);
    QVERIFY(bibliotheek.laad(0, IconPic));
    QCOMPARE(IconPic.pixel(24, 24), qRgb(0, 0, 255));

    ScriptedPlatform platform;
    platform.inputAnswers << "weerstand2";
    QCOMPARE(bibliotheek.hernoem(0, platform), std::optional<int>(0));
    QVERIFY(::access(ruw.constData(), F_OK) != 0);
    QVERIFY(QFileInfo::exists(map + "/weerstand2.bmp"));

    platform.answers << Platform::Answer::Yes;
    QVERIFY(bibliotheek.verwijder(1, platform));
    bibliotheek.lees(map);
    QCOMPARE(bibliotheek.namen(), QStringList{"weerstand2"});
}

VOLTARIX_TEST(TestSymboolNamen)
#include "tst_symboolnamen.moc"

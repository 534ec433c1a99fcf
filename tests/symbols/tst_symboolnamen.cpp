// Symbols unpacked from an old Windows archive carry Windows-1252 names, which Qt's
// listing skips without a word: the library lists, loads and renames them.
#include "ScriptedPlatform.h"
#include "TestFolder.h"
#include "TestRunner.h"
#include "symbols/SymbolLibrary.h"
#include "ui/Surface.h"

#include <QtTest>

#include <unistd.h>

class TestSymboolNamen : public QObject {
    Q_OBJECT
private slots:
    void windows1252Namen() {
        TestFolder folder;
        const QString map = folder.makeDir("Symbolen/Weerstanden");
        const QString blauw =
            folder.writeFile("blauw", pictureFile(filledPicture(49, 49, qRgb(0, 0, 255))));
        const QByteArray ruw = QFile::encodeName(map) + "/\x80uro.bmp"; // "€uro" in Windows-1252
        QCOMPARE(::link(QFile::encodeName(blauw).constData(), ruw.constData()), 0);
        SymbolLibrary bibliotheek;
        bibliotheek.lees(map);
        QCOMPARE(bibliotheek.namen(), QStringList{"€uro"});
        Surface IconPic(49, 49);
        QVERIFY(bibliotheek.laad(0, IconPic));
        QCOMPARE(IconPic.pixel(24, 24), qRgb(0, 0, 255));

        ScriptedPlatform platform;
        platform.inputAnswers << "euro2";
        QCOMPARE(bibliotheek.hernoem(0, platform), std::optional<int>(0));
        bibliotheek.lees(map);
        QCOMPARE(bibliotheek.namen(), QStringList{"euro2"});
        QCOMPARE(::access(ruw.constData(), F_OK), -1);
    }
};

VOLTARIX_TEST(TestSymboolNamen)
#include "tst_symboolnamen.moc"

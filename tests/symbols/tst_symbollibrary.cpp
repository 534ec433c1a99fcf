// The symbol library: categories as folders, symbols loaded, renamed, deleted.
#include "ScriptedPlatform.h"
#include "TestFolder.h"
#include "TestRunner.h"
#include "symbols/SymbolLibrary.h"
#include "ui/Surface.h"

#include <QDir>
#include <QPainter>
#include <QtTest>

#include <unistd.h>

namespace {

const QString kKiesEerst = QStringLiteral("Eerst een symbool selecteren a.u.b!");
const QStringList kVooraf = {"R1", "R10", "r2"};

QString bestandenIn(const QString &map) {
    return QDir(map).entryList(QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase).join('|');
}

// Weerstanden holding R1, r2 and R10, listed; beside it a category Leeg and a loose file.
struct Bibliotheek {
    TestFolder folder;
    QString symbolen = QFileInfo(folder.makeDir(QStringLiteral("\\Symbolen\\Leeg"))).path();
    QString map = folder.makeDir(QStringLiteral("\\Symbolen\\Weerstanden"));
    SymbolLibrary lijst;
    ScriptedPlatform platform;
    Bibliotheek() {
        for (const QString &naam : kVooraf)
            folder.writePicture("\\Symbolen\\Weerstanden\\" + naam + ".bmp", bont(49, 49));
        folder.writeFile(QStringLiteral("\\Symbolen\\los.bmp"), "not a category");
        lijst.lees(map);
    }
};

// Rename on a row with a name typed: the list, the new row (-1 for none), the message.
using Hernoeming = std::tuple<int, QString, QStringList, int, QString>;

} // namespace

class TestSymbolLibrary : public QObject {
    Q_OBJECT
private slots:
    // Categories are folders, typed in any case, never paths; names sorted ignoring case.
    void namen() {
        Bibliotheek bib;
        const QVector<SymbolCategorie> lijst = SymbolLibrary::categorieen(bib.symbolen);
        QCOMPARE(lijst.size(), 2);
        QCOMPARE(
            QDir(SymbolLibrary::categorieMap("WEERSTANDEN", lijst, bib.symbolen)).canonicalPath(),
            QDir(bib.map).canonicalPath());
        for (const char *geen :
             {"weerst", "", ".", "Weerstanden/../Leeg", "..\\Symbolen", "los.bmp"})
            QVERIFY2(SymbolLibrary::categorieMap(geen, lijst, bib.symbolen).isEmpty(), geen);
        QCOMPARE(SymbolLibrary::symboolNamen(
                     {"a", "abc", "abcd", "b.bmp", "A.bmp", "a2.bmp", " R .bmp"}),
                 (QStringList{"", " R ", "A", "a2", "b"}));
    }

    // The top-left 49 x 49 pixels of any picture, white beyond; a broken one changes nothing.
    void laad() {
        TestFolder folder;
        const QImage plaatje = bont(3, 200).convertToFormat(QImage::Format_Indexed8);
        folder.writePicture(QStringLiteral("\\Symbolen\\IC\\A.BMP"), plaatje); // any case
        folder.writeFile("Symbolen/IC/B.bmp", bmpHeader(1 << 20, 1 << 20));    // huge
        // Regression: a BMP cut off part way used to load, its missing rows black.
        folder.writeFile("Symbolen/IC/C.bmp", pictureFile(bont(49, 49)).left(4000));
        SymbolLibrary lijst;
        lijst.lees(folder.path(QStringLiteral("\\Symbolen\\IC")));
        Surface IconPic(filledPicture(49, 49, qRgb(30, 30, 200))); // an earlier symbol
        QImage verwacht = filledPicture(49, 49, Surface::kWhite);
        QPainter(&verwacht).drawImage(0, 0, plaatje);
        QVERIFY(lijst.laad(0, IconPic));
        for (int rij : {1, 2, 3, -1})
            QVERIFY(!lijst.laad(rij, IconPic));
        QCOMPARE(IconPic.image(), verwacht);
    }

    // Rename keeps list and files sorted alike, never replaces nor moves out, tells why not.
    void hernoem_data() {
        QTest::addColumn<Hernoeming>("h");
        const QString fout = "Fout bij het herbenoemen van het symbool!\r\n(foutnummer: %1)";
        const QString bestaat = fout.arg(58), ongeldig = fout.arg(52);
        const Hernoeming rijen[] = {{-1, "X", kVooraf, -1, kKiesEerst},
                                    {0, "", kVooraf, -1, ""},
                                    {0, "   ", kVooraf, -1, ""},
                                    {2, " A ", {" A ", "R1", "R10"}, 0, ""},
                                    {0, "Z", {"R10", "r2", "Z"}, 2, ""},
                                    {2, "R2", {"R1", "R10", "R2"}, 2, ""},
                                    {0, "R1", kVooraf, 0, ""},
                                    {0, "R10", kVooraf, -1, bestaat},
                                    {2, "R1", kVooraf, -1, bestaat},
                                    {0, "../R1", kVooraf, -1, ongeldig},
                                    {0, "..\\R1", kVooraf, -1, ongeldig},
                                    {1, ".", kVooraf, -1, ongeldig},
                                    {1, "..", kVooraf, -1, ongeldig},
                                    {0, ".R1", kVooraf, -1, ongeldig},
                                    {0, QString(300, 'x'), kVooraf, -1, ongeldig}};
        for (const Hernoeming &h : rijen)
            QTest::addRow("%d to '%s'", std::get<0>(h), qPrintable(std::get<1>(h).left(9))) << h;
    }
    void hernoem() {
        QFETCH(Hernoeming, h);
        const auto &[rij, antwoord, namen, nieuweRij, melding] = h;
        Bibliotheek bib;
        const QByteArray r10 = bib.folder.readFile("\\Symbolen\\Weerstanden\\R10.bmp");
        bib.platform.inputAnswers << antwoord;
        QCOMPARE(bib.lijst.hernoem(rij, bib.platform).value_or(-1), nieuweRij);
        QCOMPARE(bib.lijst.namen(), namen);
        QCOMPARE(bestandenIn(bib.map), namen.join(".bmp|") + ".bmp");
        QCOMPARE(bib.folder.readFile("\\Symbolen\\Weerstanden\\R10.bmp"), r10);
        QCOMPARE(bestandenIn(bib.symbolen), "los.bmp");
        QCOMPARE(bib.platform.messages.isEmpty() ? "" : bib.platform.messages[0].text, melding);
        QCOMPARE(bib.platform.inputs.size(), rij < 0 ? 0 : 1);
        for (const auto &vraag : bib.platform.inputs)
            QCOMPARE(vraag.prompt + '|' + vraag.title + '|' + vraag.defaultAnswer,
                     QStringLiteral("Geef een nieuwe naam voor dit symbool... \r\n%1| Rename|%1")
                         .arg(kVooraf[rij]));
        QFile::remove(bib.map + "/R10.bmp");
        QCOMPARE(SymbolLibrary::hernoemBestand(bib.map, "R10", "R9"), SymbolLibrary::kNietGevonden);
    }

    // Delete asks first; the entry goes even when the file cannot; a read-only file stays.
    void verwijder() {
        Bibliotheek bib;
        bib.folder.writeFile(QStringLiteral("\\Symbolen\\Weerstanden\\abcd"), "four characters");
        QVERIFY(QFile::setPermissions(bib.map + "/R1.bmp", QFileDevice::ReadOwner));
        bib.lijst.lees({}); // the folder listed before, as it is now
        QCOMPARE(bib.lijst.namen(), (QStringList{"", "R1", "R10", "r2"}));
        ScriptedPlatform &platform = bib.platform;
        QVERIFY(!bib.lijst.verwijder(0, platform)); // an empty name counts as no choice
        QCOMPARE(platform.messages.last().text, kKiesEerst);
        QVERIFY(!bib.lijst.verwijder(2, platform)); // answered No
        QCOMPARE(platform.messages.last().text + platform.messages.last().title,
                 QStringLiteral("Wilt u symbool 'R10' verwijderen? Delete"));
        QFile::remove(bib.map + "/r2.bmp"); // deleted meanwhile
        platform.answers = {Platform::Answer::Yes, Platform::Answer::Yes, Platform::Answer::Yes};
        for (int rij : {2, 2, 1})
            QVERIFY(bib.lijst.verwijder(rij, platform));
        QCOMPARE(platform.messages.size(), 5); // the questions only
        QCOMPARE(bib.lijst.namen(), QStringList{""});
        QCOMPARE(bestandenIn(bib.map), "abcd|R1.bmp");
    }

    // Windows-1252 names from an old archive, which Qt's listing skips without a word, are
    // listed, loaded and renamed.
    void windows1252Namen() {
        Bibliotheek bib;
        const QByteArray ruw = QFile::encodeName(bib.map) + "/\x80uro.bmp"; // "€uro"
        QCOMPARE(::rename(QFile::encodeName(bib.map + "/R1.bmp").constData(), ruw.constData()), 0);
        bib.lijst.lees(bib.map);
        QCOMPARE(bib.lijst.namen(), (QStringList{"R10", "r2", "€uro"}));
        Surface IconPic(49, 49);
        QVERIFY(bib.lijst.laad(2, IconPic));
        QCOMPARE(IconPic.image(), bont(49, 49));
        bib.platform.inputAnswers << "euro2";
        QCOMPARE(bib.lijst.hernoem(2, bib.platform), std::optional<int>(0));
        QCOMPARE(bestandenIn(bib.map), "euro2.bmp|R10.bmp|r2.bmp");
        QCOMPARE(::access(ruw.constData(), F_OK), -1);
    }
};

VOLTARIX_TEST(TestSymbolLibrary)
#include "tst_symbollibrary.moc"

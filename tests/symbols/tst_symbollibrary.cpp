#include "ScriptedPlatform.h"
#include "TestFolder.h"
#include "TestRunner.h"
#include "symbols/SymbolLibrary.h"
#include "ui/Surface.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <unistd.h>

namespace {

const QRgb kRood = qRgb(200, 30, 30);
const QRgb kBlauw = qRgb(30, 30, 200);

// A picture with a different colour in every corner region, so that a wrong
// offset or a stretched copy shows.
QImage proefPlaatje(int width, int height) {
    QImage picture = filledPicture(width, height, kRood);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if ((x * 7 + y * 3) % 5 == 0) picture.setPixel(x, y, qRgb(x % 256, y % 256, 90));
    return picture;
}

QStringList bestandenIn(const QString &map) {
    return QDir(map).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

bool isRoot() {
    return geteuid() == 0;
}

// A library with the category Weerstanden holding R1, r2 and R10, and an empty one.
struct Bibliotheek {
    TestFolder folder;
    QString map = folder.makeDir(QStringLiteral("\\Symbolen\\Weerstanden"));
    Bibliotheek() {
        for (const char *naam : {"R1", "r2", "R10"})
            folder.writePicture(QStringLiteral("\\Symbolen\\Weerstanden\\%1.bmp").arg(naam),
                                proefPlaatje(49, 49));
        folder.makeDir(QStringLiteral("\\Symbolen\\Leeg"));
    }
    QString symbolen() const { return folder.path(QStringLiteral("\\Symbolen")); }
};

} // namespace

class TestSymbolLibrary : public QObject {
    Q_OBJECT
private slots:
    void categorieen();
    void categorieenZonderWortel();
    void categorieMap_data();
    void categorieMap();
    void symboolNamen_data();
    void symboolNamen();
    void invoegPlaats();
    void leesHoudtVorigeMap();
    void duizendenBestanden();
    void laad_data();
    void laad();
    void laadSlechteBestanden_data();
    void laadSlechteBestanden();
    void hernoemBestand_data();
    void hernoemBestand();
    void hernoemInAlleenLezenMap();
    void hernoemVragen_data();
    void hernoemVragen();
    void verwijder();
    void verwijderAlleenLezen();
};

void TestSymbolLibrary::categorieen() {
    Bibliotheek bib;
    bib.folder.writeFile(QStringLiteral("\\Symbolen\\los.bmp"), "not a category");
    bib.folder.makeDir(QStringLiteral("\\Symbolen\\Weerstanden\\Dieper"));
    const QVector<SymbolCategorie> lijst = SymbolLibrary::categorieen(bib.symbolen());
    QCOMPARE(lijst.size(), 2);
    QCOMPARE(lijst[0].naam, QStringLiteral("leeg"));
    QCOMPARE(lijst[1].naam, QStringLiteral("weerstanden"));
    // The shown name is lower case; the folder keeps its real name.
    QCOMPARE(QDir(lijst[1].map).canonicalPath(), QDir(bib.map).canonicalPath());
    QVERIFY(QFileInfo(lijst[1].map).isDir());
}

void TestSymbolLibrary::categorieenZonderWortel() {
    TestFolder folder;
    QVERIFY(SymbolLibrary::categorieen(folder.path(QStringLiteral("\\Symbolen"))).isEmpty());
    folder.makeDir(QStringLiteral("\\Symbolen"));
    // A link to a folder that is gone is no category.
    QVERIFY(QFile::link(folder.path(QStringLiteral("weg")),
                        folder.path(QStringLiteral("\\Symbolen\\Kapot"))));
    QVERIFY(SymbolLibrary::categorieen(folder.path(QStringLiteral("\\Symbolen"))).isEmpty());
}

void TestSymbolLibrary::categorieMap_data() {
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QString>("map"); // relative to the library, empty for none
    QTest::newRow("gekozen naam") << "weerstanden"
                                  << "Weerstanden";
    QTest::newRow("getypt, andere hoofdletters") << "WEERSTANDEN"
                                                 << "Weerstanden";
    QTest::newRow("half getypt") << "weerst" << QString();
    QTest::newRow("leeg") << QString() << QString();
    QTest::newRow("ouder") << ".." << QString();
    QTest::newRow("zelf") << "." << QString();
    QTest::newRow("pad") << "Weerstanden/../Leeg" << QString();
    QTest::newRow("windows pad") << "..\\Projecten" << QString();
    QTest::newRow("bestand") << "los.bmp" << QString();
}

void TestSymbolLibrary::categorieMap() {
    QFETCH(QString, tekst);
    QFETCH(QString, map);
    Bibliotheek bib;
    bib.folder.writeFile(QStringLiteral("\\Symbolen\\los.bmp"), "x");
    const QVector<SymbolCategorie> lijst = SymbolLibrary::categorieen(bib.symbolen());
    const QString gevonden = SymbolLibrary::categorieMap(tekst, lijst, bib.symbolen());
    if (map.isEmpty())
        QVERIFY2(gevonden.isEmpty(), qPrintable(gevonden));
    else
        QCOMPARE(QDir(gevonden).canonicalPath(), QDir(bib.symbolen() + "/" + map).canonicalPath());
}

void TestSymbolLibrary::symboolNamen_data() {
    QTest::addColumn<QStringList>("bestanden");
    QTest::addColumn<QStringList>("namen");
    QTest::newRow("extensie eraf")
        << QStringList{"R1.bmp", "notes.txt"} << QStringList{"notes", "R1"};
    QTest::newRow("te kort") << QStringList{"a", "ab", "abc", "abcd", "abcde"}
                             << QStringList{"", "a"};
    QTest::newRow("hoofdletters tellen niet")
        << QStringList{"b.bmp", "A.bmp", "C.bmp", "a2.bmp"} << QStringList{"A", "a2", "b", "C"};
    QTest::newRow("spaties") << QStringList{" R .bmp", "R.bmp"} << QStringList{" R ", "R"};
    QTest::newRow("niets") << QStringList{} << QStringList{};
}

void TestSymbolLibrary::symboolNamen() {
    QFETCH(QStringList, bestanden);
    QFETCH(QStringList, namen);
    QCOMPARE(SymbolLibrary::symboolNamen(bestanden), namen);
}

void TestSymbolLibrary::invoegPlaats() {
    const QStringList namen = {"a", "B", "c", "D"};
    QCOMPARE(SymbolLibrary::invoegPlaats(namen, "0"), 0);
    QCOMPARE(SymbolLibrary::invoegPlaats(namen, "b2"), 2);
    QCOMPARE(SymbolLibrary::invoegPlaats(namen, "C1"), 3);
    QCOMPARE(SymbolLibrary::invoegPlaats(namen, "z"), 4);
    QCOMPARE(SymbolLibrary::invoegPlaats({}, "z"), 0);
}

void TestSymbolLibrary::leesHoudtVorigeMap() {
    Bibliotheek bib;
    SymbolLibrary bibliotheek;
    bibliotheek.lees({});
    QVERIFY(bibliotheek.namen().isEmpty());
    QCOMPARE(bibliotheek.telRegel(), QStringLiteral("0 Symbolen gevonden..."));
    bibliotheek.lees(bib.map);
    QCOMPARE(bibliotheek.namen(), (QStringList{"R1", "R10", "r2"}));
    QCOMPARE(bibliotheek.telRegel(), QStringLiteral("3 Symbolen gevonden..."));
    // A text that names no folder lists the folder listed before again, as it is now.
    bib.folder.writePicture(QStringLiteral("\\Symbolen\\Weerstanden\\Nieuw.bmp"),
                            proefPlaatje(49, 49));
    bibliotheek.lees({});
    QCOMPARE(bibliotheek.map(), bib.map);
    QCOMPARE(bibliotheek.namen().size(), 4);
    bibliotheek.lees(bib.folder.path(QStringLiteral("\\Symbolen\\Leeg")));
    QVERIFY(bibliotheek.namen().isEmpty());
    QCOMPARE(bibliotheek.telRegel(), QStringLiteral("0 Symbolen gevonden..."));
}

void TestSymbolLibrary::duizendenBestanden() {
    TestFolder folder;
    const QString map = folder.makeDir(QStringLiteral("\\Symbolen\\Veel"));
    for (int i = 0; i < 2000; ++i) {
        QFile bestand(map + QStringLiteral("/S%1.bmp").arg(1999 - i, 4, 10, QLatin1Char('0')));
        QVERIFY(bestand.open(QIODevice::WriteOnly));
    }
    folder.writeFile(QStringLiteral("\\Symbolen\\Veel\\.verborgen.bmp"), "hidden");
    SymbolLibrary bibliotheek;
    bibliotheek.lees(map);
    QCOMPARE(bibliotheek.namen().size(), 2000);
    QCOMPARE(bibliotheek.namen().first(), QStringLiteral("S0000"));
    QCOMPARE(bibliotheek.namen().last(), QStringLiteral("S1999"));
    QCOMPARE(bibliotheek.telRegel(), QStringLiteral("2000 Symbolen gevonden..."));
}

void TestSymbolLibrary::laad_data() {
    QTest::addColumn<QSize>("maat");
    QTest::addColumn<QImage::Format>("formaat");
    QTest::newRow("49 x 49") << QSize(49, 49) << QImage::Format_RGB32;
    QTest::newRow("groter") << QSize(120, 70) << QImage::Format_RGB32;
    QTest::newRow("kleiner") << QSize(20, 30) << QImage::Format_RGB32;
    QTest::newRow("smal en hoog") << QSize(3, 200) << QImage::Format_RGB32;
    QTest::newRow("256 kleuren") << QSize(49, 49) << QImage::Format_Indexed8;
    QTest::newRow("256 kleuren, oneven") << QSize(13, 60) << QImage::Format_Indexed8;
    QTest::newRow("zwart-wit") << QSize(37, 49) << QImage::Format_Mono;
}

void TestSymbolLibrary::laad() {
    QFETCH(QSize, maat);
    QFETCH(QImage::Format, formaat);
    TestFolder folder;
    const QImage plaatje = proefPlaatje(maat.width(), maat.height())
                               .convertToFormat(formaat)
                               .convertToFormat(QImage::Format_RGB32);
    // Upper-case extension: found all the same, as the program always found it.
    folder.writePicture(QStringLiteral("\\Symbolen\\IC\\Chip.BMP"),
                        plaatje.convertToFormat(formaat));
    SymbolLibrary bibliotheek;
    bibliotheek.lees(folder.path(QStringLiteral("\\Symbolen\\IC")));
    Surface IconPic(49, 49);
    IconPic.fillBox(0, 0, 48, 48, kBlauw); // an earlier symbol
    QVERIFY(bibliotheek.laad(0, IconPic));
    QCOMPARE(IconPic.size(), QSize(49, 49));
    for (int y = 0; y < 49; ++y)
        for (int x = 0; x < 49; ++x) {
            const QRgb verwacht =
                x < maat.width() && y < maat.height() ? plaatje.pixel(x, y) : Surface::kWhite;
            QCOMPARE(IconPic.pixel(x, y), verwacht);
        }
}

void TestSymbolLibrary::laadSlechteBestanden_data() {
    QTest::addColumn<QString>("bestand");
    QTest::addColumn<QByteArray>("inhoud");
    const QByteArray goed = pictureFile(proefPlaatje(49, 49));
    QTest::newRow("tekst als naam.txt") << "notes.txt" << QByteArray("Alleen tekst");
    QTest::newRow("geen plaatje") << "kapot.bmp" << QByteArray("Alleen tekst, geen BMP");
    QTest::newRow("afgebroken") << "half.bmp" << goed.left(goed.size() / 3);
    QTest::newRow("reuzenmaat") << "reus.bmp" << bmpHeader(1 << 20, 1 << 20);
    QTest::newRow("negatieve maat") << "min.bmp" << bmpHeader(-49, 0);
    QTest::newRow("leeg") << "leeg.bmp" << QByteArray();
}

void TestSymbolLibrary::laadSlechteBestanden() {
    QFETCH(QString, bestand);
    QFETCH(QByteArray, inhoud);
    TestFolder folder;
    folder.writeFile(QStringLiteral("\\Symbolen\\Slecht\\") + bestand, inhoud);
    SymbolLibrary bibliotheek;
    bibliotheek.lees(folder.path(QStringLiteral("\\Symbolen\\Slecht")));
    QCOMPARE(bibliotheek.namen().size(), 1);
    Surface IconPic(49, 49);
    IconPic.fillBox(0, 0, 48, 48, kBlauw);
    const QImage voor = IconPic.image();
    QVERIFY(!bibliotheek.laad(0, IconPic));
    QCOMPARE(IconPic.image(), voor);
    QVERIFY(!bibliotheek.laad(1, IconPic));
    QVERIFY(!bibliotheek.laad(-1, IconPic));
}

void TestSymbolLibrary::hernoemBestand_data() {
    QTest::addColumn<QString>("oud");
    QTest::addColumn<QString>("nieuw");
    QTest::addColumn<int>("fout");
    QTest::addColumn<QStringList>("bestanden"); // afterwards
    const QStringList vooraf = {"R1.bmp", "R10.bmp", "r2.bmp"};
    QTest::newRow("gewoon") << "R1"
                            << "Weerstand" << 0
                            << QStringList{"R10.bmp", "Weerstand.bmp", "r2.bmp"};
    QTest::newRow("spaties blijven")
        << "R1"
        << " R 1 " << 0 << QStringList{" R 1 .bmp", "R10.bmp", "r2.bmp"};
    QTest::newRow("alleen hoofdletters") << "r2"
                                         << "R2" << 0 << QStringList{"R1.bmp", "R10.bmp", "R2.bmp"};
    QTest::newRow("zelfde naam") << "R1"
                                 << "R1" << 0 << vooraf;
    QTest::newRow("bestaat al") << "R1"
                                << "R10" << 58 << vooraf;
    QTest::newRow("bestaat al, andere kant") << "r2"
                                             << "R1" << 58 << vooraf;
    QTest::newRow("bron weg") << "R7"
                              << "R8" << 53 << vooraf;
    QTest::newRow("naar andere map") << "R1"
                                     << "../R1" << 52 << vooraf;
    QTest::newRow("windows scheiding") << "R1"
                                       << "..\\R1" << 52 << vooraf;
    QTest::newRow("punt") << "R1"
                          << "." << 52 << vooraf;
    QTest::newRow("twee punten") << "R1"
                                 << ".." << 52 << vooraf;
    QTest::newRow("verborgen") << "R1"
                               << ".R1" << 52 << vooraf;
    QTest::newRow("te lang") << "R1" << QString(300, QLatin1Char('x')) << 52 << vooraf;
}

void TestSymbolLibrary::hernoemBestand() {
    QFETCH(QString, oud);
    QFETCH(QString, nieuw);
    QFETCH(int, fout);
    QFETCH(QStringList, bestanden);
    Bibliotheek bib;
    const QByteArray r10 = bib.folder.readFile(QStringLiteral("\\Symbolen\\Weerstanden\\R10.bmp"));
    const QStringList buiten = bestandenIn(bib.symbolen());
    QCOMPARE(int(SymbolLibrary::hernoemBestand(bib.map, oud, nieuw)), fout);
    QCOMPARE(bestandenIn(bib.map), bestanden);
    // Nothing replaced, nothing moved out of the category.
    QCOMPARE(bib.folder.readFile(QStringLiteral("\\Symbolen\\Weerstanden\\R10.bmp")), r10);
    QCOMPARE(bestandenIn(bib.symbolen()), buiten);
}

void TestSymbolLibrary::hernoemInAlleenLezenMap() {
    if (isRoot()) QSKIP("root may change any folder");
    Bibliotheek bib;
    QFile::setPermissions(bib.map, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const int fout = SymbolLibrary::hernoemBestand(bib.map, "R1", "R5");
    QFile::setPermissions(bib.map,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QCOMPARE(fout, int(SymbolLibrary::kGeenToegang));
}

void TestSymbolLibrary::hernoemVragen_data() {
    QTest::addColumn<int>("rij");
    QTest::addColumn<QString>("antwoord");
    QTest::addColumn<QStringList>("namen"); // afterwards
    QTest::addColumn<QString>("melding");   // empty for none
    QTest::addColumn<int>("nieuweRij");     // -1 when nothing changed
    const QStringList vooraf = {"R1", "R10", "r2"};
    const QString kies = QStringLiteral("Eerst een symbool selecteren a.u.b!");
    QTest::newRow("niets gekozen") << -1 << "X" << vooraf << kies << -1;
    QTest::newRow("geannuleerd") << 0 << QString() << vooraf << QString() << -1;
    QTest::newRow("alleen spaties") << 0 << "   " << vooraf << QString() << -1;
    QTest::newRow("met spaties") << 2 << " A " << QStringList{" A ", "R1", "R10"} << QString() << 0;
    QTest::newRow("naar achteren") << 0 << "Z" << QStringList{"R10", "r2", "Z"} << QString() << 2;
    const QString fout =
        QStringLiteral("Fout bij het herbenoemen van het symbool!\r\n(foutnummer: %1)");
    QTest::newRow("bestaat al") << 0 << "R10" << vooraf << fout.arg(58) << -1;
    QTest::newRow("andere map") << 0 << "../R1" << vooraf << fout.arg(52) << -1;
    QTest::newRow("twee punten") << 1 << ".." << vooraf << fout.arg(52) << -1;
}

void TestSymbolLibrary::hernoemVragen() {
    QFETCH(int, rij);
    QFETCH(QString, antwoord);
    QFETCH(QStringList, namen);
    QFETCH(QString, melding);
    QFETCH(int, nieuweRij);
    const QStringList vooraf = {"R1", "R10", "r2"};
    Bibliotheek bib;
    SymbolLibrary bibliotheek;
    bibliotheek.lees(bib.map);
    ScriptedPlatform platform;
    platform.inputAnswers << antwoord;
    const std::optional<int> uitkomst = bibliotheek.hernoem(rij, platform);
    QCOMPARE(uitkomst.value_or(-1), nieuweRij);
    QCOMPARE(bibliotheek.namen(), namen);
    QCOMPARE(platform.messages.size(), melding.isEmpty() ? 0 : 1);
    if (!melding.isEmpty()) QCOMPARE(platform.messages[0].text, melding);
    if (rij >= 0) {
        QCOMPARE(platform.inputs.size(), 1);
        QCOMPARE(platform.inputs[0].title, QStringLiteral(" Rename"));
        QCOMPARE(platform.inputs[0].prompt,
                 QStringLiteral("Geef een nieuwe naam voor dit symbool... \r\n") + vooraf[rij]);
        QCOMPARE(platform.inputs[0].defaultAnswer, vooraf[rij]);
    }
    // The files follow the list.
    QCOMPARE(SymbolLibrary::symboolNamen(bestandenIn(bib.map)), namen);
}

void TestSymbolLibrary::verwijder() {
    Bibliotheek bib;
    bib.folder.writeFile(QStringLiteral("\\Symbolen\\Weerstanden\\abcd"), "four characters");
    SymbolLibrary bibliotheek;
    bibliotheek.lees(bib.map);
    QCOMPARE(bibliotheek.namen(), (QStringList{"", "R1", "R10", "r2"}));
    ScriptedPlatform platform;
    // The empty entry of a four-character file name counts as no selection.
    QVERIFY(!bibliotheek.verwijder(0, platform));
    QCOMPARE(platform.messages.last().text, QStringLiteral("Eerst een symbool selecteren a.u.b!"));
    // No: nothing happens.
    QVERIFY(!bibliotheek.verwijder(2, platform));
    QCOMPARE(platform.messages.last().text, QStringLiteral("Wilt u symbool 'R10' verwijderen?"));
    QCOMPARE(platform.messages.last().title, QStringLiteral(" Delete"));
    QCOMPARE(platform.messages.last().buttons, Platform::Buttons::YesNo);
    QCOMPARE(bibliotheek.namen().size(), 4);
    QVERIFY(QFile::exists(bib.map + "/R10.bmp"));
    // Yes: file and entry gone.
    platform.answers << Platform::Answer::Yes;
    QVERIFY(bibliotheek.verwijder(2, platform));
    QCOMPARE(bibliotheek.namen(), (QStringList{"", "R1", "r2"}));
    QVERIFY(!QFile::exists(bib.map + "/R10.bmp"));
    QCOMPARE(bibliotheek.telRegel(), QStringLiteral("3 Symbolen gevonden..."));
    // A file deleted meanwhile: the entry goes all the same, without a word.
    QFile::remove(bib.map + "/r2.bmp");
    const int meldingen = platform.messages.size();
    platform.answers << Platform::Answer::Yes;
    QVERIFY(bibliotheek.verwijder(2, platform));
    QCOMPARE(platform.messages.size(), meldingen + 1);
    QCOMPARE(bibliotheek.namen(), (QStringList{"", "R1"}));
}

void TestSymbolLibrary::verwijderAlleenLezen() {
    Bibliotheek bib;
    const QString r1 = bib.map + "/R1.bmp";
    QVERIFY(QFile::setPermissions(r1, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    SymbolLibrary bibliotheek;
    bibliotheek.lees(bib.map);
    ScriptedPlatform platform;
    platform.answers << Platform::Answer::Yes;
    QVERIFY(bibliotheek.verwijder(0, platform));
    QCOMPARE(bibliotheek.namen(), (QStringList{"R10", "r2"}));
    QVERIFY(QFile::exists(r1));
    QCOMPARE(platform.messages.size(), 1); // the question only
    // Listed again, it is back.
    bibliotheek.lees(bib.map);
    QCOMPARE(bibliotheek.namen().first(), QStringLiteral("R1"));
}

VOLTARIX_TEST(TestSymbolLibrary)
#include "tst_symbollibrary.moc"

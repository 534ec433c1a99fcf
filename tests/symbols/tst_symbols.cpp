// The symbol library, its search and recent list, the designer's model, the background tiles.
#include "ScriptedPlatform.h"
#include "TestFolder.h"
#include "TestRunner.h"
#include "symbols/AchtergrondOpslag.h"
#include "symbols/DesignerRaster.h"
#include "symbols/LaatstGebruikt.h"
#include "symbols/Patronen.h"
#include "symbols/SymboolBewerkingen.h"
#include "symbols/SymboolBibliotheek.h"
#include "symbols/SymboolDesigner.h"
#include "symbols/SymboolZoeken.h"
#include "symbols/Texturen.h"
#include "ui/AppFolder.h"
#include "ui/Surface.h"

#include <QPainter>
#include <QtTest>

#include <functional>
#include <unistd.h>

using namespace DesignerRaster;

namespace {

using Bewerking = std::function<void(Surface &)>;
const QRgb kZwart = qRgb(0, 0, 0), kRood = qRgb(255, 0, 0), kWit = Surface::kWhite;

struct Ontwerper : ScriptedPlatform {
    void druk(int cx, int cy, Qt::MouseButtons knop = Qt::LeftButton) { // in the cell's centre
        model.rasterDruk(knop, 10 * (cx + 1), 10 * (cy + 1));
    }
    // The grid always shows what a repaint from the drawing, the one source of truth, gives.
    bool rasterKlopt() const {
        Surface verwacht(kRasterGrootte, kRasterGrootte);
        ToonIcon(verwacht, model.tekening());
        return model.raster().image() == verwacht.image();
    }
    SymboolDesigner model{*this};
};

// Each pixel from where `bron` says (white from outside), its colour bits flipped by `keer`.
Bewerking verplaats(QPoint (*bron)(int x, int y), QRgb keer = 0) {
    return [bron, keer](Surface &s) {
        const Surface voor = s;
        for (int i = 0; i < 49 * 49; ++i) {
            const QPoint p = bron(i % 49, i / 49);
            s.setPixel(i % 49, i / 49,
                       voor.rect().contains(p) ? voor.pixel(p.x(), p.y()) ^ keer : kWit);
        }
    };
}

// A button, the answer (or size, or file name), its effect on the drawing, all text shown.
using Opdracht = std::tuple<int, QString, Bewerking, QString>;

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
    SymboolBibliotheek lijst;
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

class TestSymbols : public QObject {
    Q_OBJECT
private slots:
    // Categories are folders in any case, never paths; names sorted; Windows-1252 names work.
    void namen() {
        Bibliotheek bib;
        const QVector<SymboolCategorie> lijst = SymboolBibliotheek::categorieen(bib.symbolen);
        ALLE_WAAR(lijst.size() == 2,
                  QDir(SymboolBibliotheek::categorieMap("WEERSTANDEN", lijst, bib.symbolen))
                          .canonicalPath() == QDir(bib.map).canonicalPath());
        for (const char *geen :
             {"weerst", "", ".", "Weerstanden/../Leeg", "..\\Symbolen", "los.bmp"})
            QVERIFY2(SymboolBibliotheek::categorieMap(geen, lijst, bib.symbolen).isEmpty(), geen);
        QCOMPARE(SymboolBibliotheek::symboolNamen(
                     {"a", "abc", "abcd", "b.bmp", "A.bmp", "a2.bmp", " R .bmp"}),
                 (QStringList{"", " R ", "A", "a2", "b"}));
        const QByteArray ruw = QFile::encodeName(bib.map) + "/\x80uro.bmp"; // "€uro"
        QCOMPARE(::rename(QFile::encodeName(bib.map + "/R1.bmp").constData(), ruw.constData()), 0);
        bib.lijst.lees(bib.map);
        QCOMPARE(bib.lijst.namen(), (QStringList{"R10", "r2", "€uro"}));
        Surface IconPic(49, 49);
        ALLE_WAAR(bib.lijst.laad(2, IconPic), IconPic.image() == bont(49, 49));
        bib.platform.inputAnswers << "euro2";
        ALLE_WAAR(bib.lijst.hernoem(2, bib.platform) == std::optional<int>(0),
                  bestandenIn(bib.map) == "euro2.bmp|R10.bmp|r2.bmp",
                  ::access(ruw.constData(), F_OK) == -1);
    }

    // The top-left 49 x 49 pixels of any picture, white beyond; a broken one changes nothing.
    void laad() {
        TestFolder folder;
        const QImage plaatje = bont(3, 200).convertToFormat(QImage::Format_Indexed8);
        folder.writePicture(QStringLiteral("\\Symbolen\\IC\\A.BMP"), plaatje); // any case
        folder.writeFile("Symbolen/IC/B.bmp", bmpHeader(1 << 20, 1 << 20));    // huge
        SymboolBibliotheek lijst;
        lijst.lees(folder.path(QStringLiteral("\\Symbolen\\IC")));
        Surface IconPic(filledPicture(49, 49, qRgb(30, 30, 200))); // an earlier symbol
        QImage verwacht = filledPicture(49, 49, Surface::kWhite);
        QPainter(&verwacht).drawImage(0, 0, plaatje);
        QVERIFY(lijst.laad(0, IconPic));
        for (int rij : {1, 2, -1})
            QVERIFY(!lijst.laad(rij, IconPic));
        QCOMPARE(IconPic.image(), verwacht);
    }

    // Rename keeps list and files sorted alike, never replaces nor moves out, tells why not.
    void hernoem_data() {
        QTest::addColumn<Hernoeming>("h");
        const QString fout = "Fout bij het herbenoemen van het symbool!\r\n(foutnummer: %1)";
        const QString bestaat = fout.arg(58), ongeldig = fout.arg(52);
        const Hernoeming rijen[] = {
            {-1, "X", kVooraf, -1, kKiesEerst},      {0, "", kVooraf, -1, ""},
            {2, " A ", {" A ", "R1", "R10"}, 0, ""}, {0, "Z", {"R10", "r2", "Z"}, 2, ""},
            {2, "R2", {"R1", "R10", "R2"}, 2, ""},   {0, "R1", kVooraf, 0, ""},
            {0, "R10", kVooraf, -1, bestaat},        {0, "../R1", kVooraf, -1, ongeldig},
            {0, "..\\R1", kVooraf, -1, ongeldig},    {1, "..", kVooraf, -1, ongeldig},
            {0, ".R1", kVooraf, -1, ongeldig},       {0, QString(300, 'x'), kVooraf, -1, ongeldig}};
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
        ALLE_WAAR(bib.lijst.namen() == namen, bestandenIn(bib.map) == namen.join(".bmp|") + ".bmp",
                  bib.folder.readFile("\\Symbolen\\Weerstanden\\R10.bmp") == r10,
                  bestandenIn(bib.symbolen) == "los.bmp");
        QCOMPARE(bib.platform.messages.isEmpty() ? "" : bib.platform.messages[0].text, melding);
        QCOMPARE(bib.platform.inputs.size(), rij < 0 ? 0 : 1);
        for (const auto &vraag : bib.platform.inputs)
            QCOMPARE(vraag.prompt + '|' + vraag.title + '|' + vraag.defaultAnswer,
                     QStringLiteral("Geef een nieuwe naam voor dit symbool... \r\n%1| Rename|%1")
                         .arg(kVooraf[rij]));
        QFile::remove(bib.map + "/R10.bmp");
        QCOMPARE(SymboolBibliotheek::hernoemBestand(bib.map, "R10", "R9"),
                 SymboolBibliotheek::kNietGevonden);
    }

    // Delete asks first; the entry goes even when the file cannot; a read-only file stays.
    void verwijder() {
        Bibliotheek bib;
        bib.folder.writeFile(QStringLiteral("\\Symbolen\\Weerstanden\\abcd"), "four characters");
        QVERIFY(QFile::setPermissions(bib.map + "/R1.bmp", QFileDevice::ReadOwner));
        bib.lijst.lees({}); // the folder listed before, as it is now
        QCOMPARE(bib.lijst.namen(), (QStringList{"", "R1", "R10", "r2"}));
        ScriptedPlatform &platform = bib.platform;
        // An empty name counts as no choice.
        ALLE_WAAR(!bib.lijst.verwijder(0, platform), platform.messages.last().text == kKiesEerst);
        QVERIFY(!bib.lijst.verwijder(2, platform)); // answered No
        QCOMPARE(platform.messages.last().text + platform.messages.last().title,
                 QStringLiteral("Wilt u symbool 'R10' verwijderen? Delete"));
        QFile::remove(bib.map + "/r2.bmp"); // deleted meanwhile
        platform.answers = {Platform::Answer::Yes, Platform::Answer::Yes, Platform::Answer::Yes};
        for (int rij : {2, 2, 1})
            QVERIFY(bib.lijst.verwijder(rij, platform));
        ALLE_WAAR(platform.messages.size() == 5, // the questions only
                  bib.lijst.namen() == QStringList{""}, bestandenIn(bib.map) == "abcd|R1.bmp");
    }

    // "name (category)" in list order; an unreadable folder or a file as category adds nothing.
    void zoek_data() {
        const Tabel<QString, QString> rij("tekst", "gevonden");
        rij("anywhere, any case", "DR", "LDR (weerstanden)");
        rij("accents both ways", "ZÉNER", "Zénerdiode (halfgeleiders)|Zenér (overige)");
        rij("every category", "diode", "Zénerdiode (halfgeleiders)|Fotodiode (overige)");
        rij("the category's name", "weerst", "LDR (weerstanden)|Weerstand (weerstanden)");
        rij("not across name and category", "ldrweer", ""), rij("empty", "", "");
        rij("U+FFFF", QString(QChar(0xFFFF)), ""); // once the separator: it listed every symbol
    }
    void zoek() {
        auto [tekst, gevonden] = velden<QString, QString>("tekst", "gevonden");
        TestFolder folder;
        for (const char *pad :
             {"Weerstanden/Weerstand.bmp", "Weerstanden/LDR.bmp", "Halfgeleiders/Zénerdiode.bmp",
              "Overige/Fotodiode.bmp", "Overige/Zenér.bmp", "Geheim/Diode.bmp", "Los/Diode.bmp"})
            folder.writeFile(QStringLiteral("Symbolen/") + QString::fromUtf8(pad), "BM");
        const QString geheim = folder.path("Symbolen/Geheim");
        QVERIFY(QFile::setPermissions(geheim, {}));
        QVector<SymboolCategorie> categorieen = {
            {"halfgeleiders", folder.path("Symbolen/Halfgeleiders")},
            {"overige", folder.path("Symbolen/Overige")},
            {"weerstanden", folder.path("Symbolen/Weerstanden")}};
        if (geteuid() != 0) categorieen.push_back({"geheim", geheim}); // root reads it all
        categorieen.push_back({"los", folder.path("Symbolen/Los/Diode.bmp")});
        SymboolZoeken zoeker;
        zoeker.lees(categorieen);
        QStringList regels;
        for (const SymboolTreffer &treffer : zoeker.zoek(tekst))
            regels << treffer.naam + " (" + treffer.categorie + ")";
        QFile::setPermissions(geheim, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner);
        QCOMPARE(regels.join('|'), gevonden);
    }

    // The symbols used last: newest first, twelve kept, across runs, gone files left out.
    void laatstGebruikt() {
        TestFolder folder;
        for (int i = 0; i < 14; ++i)
            folder.writeFile(QStringLiteral("Symbolen/Weerstanden/R%1.bmp").arg(i), "BM");
        const QString map = folder.path("Symbolen/Weerstanden");
        LaatstGebruikt laatst(AppFolder(folder.root()).laatstGebruikt());
        for (int i : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 5})
            QVERIFY(laatst.gebruikt(map, QStringLiteral("R%1").arg(i)));
        ALLE_WAAR(!laatst.gebruikt(map, "../R1"), !laatst.gebruikt(folder.path(".x"), "R1"));
        ALLE_WAAR(QFile::remove(map + "/R12.bmp"),
                  QFile::rename(map + "/R13.bmp", map + "/R13b.bmp"));
        laatst.hernoemd(map, "R13", "R13b");
        LaatstGebruikt gelezen(AppFolder(folder.root()).laatstGebruikt()); // the next run
        gelezen.lees();
        for (const LaatstGebruikt *lijst : {&laatst, &gelezen}) {
            QStringList namen;
            for (const SymboolTreffer &treffer : lijst->bestaande(folder.path("Symbolen")))
                namen << treffer.naam + (treffer.categorie == "weerstanden" ? "" : "?");
            QCOMPARE(namen.join(' '), "R5 R13b R11 R10 R9 R8 R7 R6 R4 R3 R2"); // R12 is gone
        }
        // A symbol counts as the same turned or mirrored, not with a pixel changed.
        const QImage symbool = bont(49, 49);
        QImage ander = symbool;
        ander.setPixel(24, 24, qRgb(255, 255, 255));
        QVERIFY(!LaatstGebruikt::zelfdeSymbool(symbool, ander));
        for (const QImage &zelfde :
             {symbool.mirrored(false, true), symbool.transformed(QTransform().rotate(270))})
            QVERIFY(LaatstGebruikt::zelfdeSymbool(symbool, zelfde));
    }

    // A file that is not ours reads as an empty list, or keeps what is sound in it.
    void kapotBestand_data() {
        const Tabel<QByteArray, int> rij("inhoud", "aantal");
        rij("binary", QByteArray("\xff\xfe\0\x01/\x80", 6), 0);
        rij("paths out of the library", "../Geheim/R0\n/R0\nW/\n.W/R0\nW/a/R0", 0);
        rij("huge", "W/R0\n" + QByteArray(100 * 1024, '\n'), 0);
        rij("CR LF and doubles", "W/R0\r\nW/R0\nW/R1", 2);
    }
    void kapotBestand() {
        auto [inhoud, aantal] = velden<QByteArray, int>("inhoud", "aantal");
        TestFolder folder;
        for (const char *naam : {"R0", "R1"})
            folder.writeFile(QStringLiteral("Symbolen/W/%1.bmp").arg(naam), "BM");
        folder.writeFile(QStringLiteral("LaatstGebruikt.txt"), inhoud);
        LaatstGebruikt laatst(AppFolder(folder.root()).laatstGebruikt());
        laatst.lees();
        QCOMPARE(laatst.bestaande(folder.path("Symbolen")).size(), aantal);
    }

    // The size typed for a square or circle: rounded half to even, 1 to 24; 0 for refused.
    void sizeAnswers() {
        const std::pair<const char *, int> rijen[] = {
            {"1", 1},     {"24", 24},  {"  7 ", 7}, {"+3", 3},     {"2.5", 2},  {"3.5", 4},
            {"24.5", 24}, {"0.51", 1}, {".9", 1},   {"1.2E1", 12}, {"", 0},     {"0", 0},
            {"25", 0},    {"-1", 0},   {"0.5", 0},  {"1e400", 0},  {"7abc", 0}, {"\u0667", 0}};
        for (const auto &[tekst, maat] : rijen)
            QVERIFY2(SymboolBewerkingen::leesMaat(QString::fromUtf8(tekst)).value_or(0) == maat,
                     tekst);
    }

    // Each grid cell shows its pixel; the cell under a point, its coordinates; a colour's hint.
    void pictures() {
        Surface raster(kRasterGrootte, kRasterGrootte);
        ToonIcon(raster, Surface(bont(49, 49)));
        for (int i = 0; i < 49 * 49 * 4; ++i)
            QCOMPARE(
                raster.pixel(i / 4 % 49 * 10 + 6 + i % 2 * 8, i / 196 * 10 + 6 + i / 2 % 2 * 8),
                bont(49, 49).pixel(i / 4 % 49, i / 196));
        const QPoint geen(-1, -1);
        for (const auto &[v, c] :
             {std::pair{-7, -2}, {4, -1}, {5, 0}, {250, 24}, {494, 48}, {495, 49}}) {
            QCOMPARE(std::pair(celOnder(v, 250).value_or(geen), celOnder(250, v).value_or(geen)),
                     c >= 0 && c < 49 ? std::pair(QPoint(c, 24), QPoint(24, c))
                                      : std::pair(geen, geen));
            QCOMPARE(coordinaten(v, 250), QStringLiteral("X:%1 - Y:25").arg(c + 1));
        }
        QCOMPARE(kleurHint(qRgb(12, 34, 56)), QStringLiteral(" R:12 / G:34 / B:56 "));
    }

    // Left drags paint, right erase, both nothing; picking (only the palette works) takes a pixel.
    void mouse_data() {
        const Tabel<int, QRgb, bool> rij("knoppen", "kleur", "lijn");
        rij("left paints", Qt::LeftButton, kRood, false);
        rij("right erases", Qt::RightButton, kWit, true);
        rij("both: nothing", Qt::LeftButton | Qt::RightButton, kZwart, false);
    }
    void mouse() {
        auto [knoppen, kleur, lijn] = velden<int, QRgb, bool>("knoppen", "kleur", "lijn");
        Ontwerper o;
        for (int cx = 10; cx <= 20; ++cx)
            o.druk(cx, 30);
        o.druk(1, 1, Qt::MiddleButton);
        o.model.paletDruk(44, 5); // red
        for (int x = 110; x <= 210; x += 3)
            o.model.rasterBeweeg(Qt::MouseButtons(knoppen), x, 310);
        Surface verwacht(49, 49);
        verwacht.fillBox(10, 30, 20, 30, kleur);
        ALLE_WAAR(o.model.tekening().image() == verwacht.image(), o.rasterKlopt());
        for (int knop : {SymboolDesigner::kKiesKnop, 7, SymboolDesigner::kKiesKnop})
            o.model.opdracht(knop);
        o.model.paletDruk(20, 130); // (0, 0, 150)
        ALLE_WAAR(o.messages.isEmpty(), o.model.kiezen(), o.model.tekenKleur() == qRgb(0, 0, 150));
        o.model.rasterDruk(Qt::RightButton, lijn ? 15 : 160, lijn ? 100 : 310);
        ALLE_WAAR(!o.model.kiezen(), o.model.tekening().image() == verwacht.image(),
                  o.model.tekenKleur() == (lijn ? kLijnKleur : kleur));
    }

    // Every button's command, after its question; button 12, the picker and 0 and 16 do nothing.
    void commands_data() {
        QTest::addColumn<Opdracht>("opdracht");
        const QString nieuw = "Wilt u een nieuw Icon ontwerpen ?  Nieuw",
                      maat = "Geef de %1 (1..24)\r\nwaarvan 1 het kleinst is en 24 het grootst.",
                      vierkant = maat.arg("lengte van het vierkant"),
                      cirkel = maat.arg("diameter van de circel");
        // clang-format off
        const Opdracht opdrachten[] = {
            {1, "Yes", [](Surface &s) { s.clear(); }, nieuw}, {1, "No", {}, nieuw},
            {2, "Led 1.bmp", [](Surface &s) { s.setImage(bont(49, 49).mirrored()); }, ""},
            {2, "48.bmp", {}, "Deze afbeelding is geen 49 x 49 pixels!\r\n(maar 48 x 48 pixels)"},
            {2, "tekst.bmp", {}, ""}, {2, "", {}, ""}, {3, "z", {}, ""}, {3, "", {}, ""},
            {3, "nergens/z.bmp", {}, ""},
            {4, "12", [](Surface &s) { s.drawBox(12, 12, 36, 36, kRood); }, vierkant},
            {4, "25", {}, vierkant + "|Allen nummers tussen 1..24"},
            {5, "", verplaats([](int x, int y) { return QPoint(y, 48 - x); }), ""},
            {6, "", verplaats([](int x, int y) { return QPoint(48 - x, y); }), ""},
            {7, "Yes", [](Surface &s) { s.fillBox(0, 0, 48, 48, kRood); },
             "Wilt u het Icon vullen met de vulkleur?  Fill"},
            {8, "", verplaats([](int x, int y) { return QPoint(x + 1, y); }), ""},
            {9, "", verplaats([](int x, int y) { return QPoint(x - 1, y); }), ""},
            {10, "", verplaats([](int x, int y) { return QPoint(x, y + 1); }), ""},
            {11, "", verplaats([](int x, int y) { return QPoint(x, y - 1); }), ""},
            {13, "", verplaats([](int x, int y) { return QPoint(x, y); }, 0xffffff), ""},
            {14, "12", [](Surface &s) { s.drawCircle(24, 24, 12, kRood); }, cirkel},
            {14, "abc", {}, cirkel + "|Alleen nummers tussen 1..24"},
            {12, "", {}, ""}, {15, "", {}, ""}, {0, "", {}, ""}, {16, "", {}, ""}};
        // clang-format on
        for (const Opdracht &o : opdrachten)
            QTest::addRow("%d %s", std::get<0>(o), qPrintable(std::get<1>(o))) << o;
    }
    void commands() {
        QFETCH(Opdracht, opdracht);
        const auto &[knop, antwoord, bewerking, gezegd] = opdracht;
        TestFolder folder;
        folder.writeFile("Led 1.bmp", pictureFile(bont(49, 49).mirrored()));
        folder.writeFile("48.bmp", pictureFile(bont(48, 48)));
        folder.writeFile("tekst.bmp", "not a picture");
        Ontwerper o;
        o.answers << (antwoord == "Yes" ? Platform::Answer::Yes : Platform::Answer::No);
        o.inputAnswers << antwoord;
        o.openAnswers << (antwoord.isEmpty() ? antwoord : folder.path(antwoord));
        o.saveAnswers << o.openAnswers;
        o.model.tekening().setImage(bont(49, 49));
        ToonIcon(o.model.raster(), o.model.tekening());
        o.model.paletDruk(44, 5); // red
        Surface verwacht = o.model.tekening();
        if (bewerking) bewerking(verwacht);
        o.model.opdracht(knop);
        QCOMPARE(o.model.tekening().image(), verwacht.image());
        ALLE_WAAR(o.rasterKlopt(), o.model.laatsteKnop() == (knop <= 15 ? knop : 0));
        QStringList tekst;
        for (const auto &vraag : o.inputs)
            tekst << vraag.prompt + vraag.title + vraag.defaultAnswer;
        for (const auto &melding : o.messages)
            tekst << melding.text + melding.title;
        QCOMPARE(tekst.join('|'), gezegd);
        o.answers = {Platform::Answer::Yes};
        o.model.opdracht(knop == 15 ? 15 : 1); // New: the title names no file
        QCOMPARE(o.model.titel(), " 49 x 49 Symbool Designer");
    }
    // Undo and redo over a hundred steps of strokes and commands; a symbol opened starts anew.
    void geschiedenis() {
        TestFolder folder;
        Ontwerper o;
        SymboolDesigner &model = o.model;
        QList<QImage> momenten{model.tekening().image()};
        const QImage raster = model.raster().image();
        for (int i = 0; momenten.size() <= 110 && i < 1000; ++i) {
            const int cx = i % 49, cy = (i / 49 + i * 7) % 49;
            if (i % 10 == 9)
                model.opdracht(i % 20 == 9 ? 5 : 13); // rotate, negative
            else
                o.druk(cx, cy), model.rasterBeweeg(Qt::LeftButton, 10 * cx + 20, 10 * cy + 10),
                    model.rasterLos();
            // A stroke over cells of its own colour changed nothing and is no step.
            if (model.tekening().image() != momenten.last()) momenten << model.tekening().image();
        }
        QVERIFY(momenten.size() > 100);
        for (qsizetype stap = 1, n = momenten.size() - 1; stap <= 2 * n; ++stap) {
            stap <= n ? model.Undo() : model.Redo();
            QCOMPARE(model.tekening().image(), momenten[stap <= n ? n - stap : stap - n]);
            if (stap == n) QCOMPARE(model.raster().image(), raster); // the grid shows it undone
        }
        o.openAnswers << folder.writePicture("s.bmp", filledPicture(49, 49, qRgb(0, 0, 255)));
        model.opdracht(2);
        model.Undo();
        QCOMPARE(model.tekening().pixel(0, 0), qRgb(0, 0, 255));
    }

    // Each pattern drawn over a ground, each its own; other indices draw nothing.
    void patronen() {
        const QImage grond = filledPicture(80, 80, qRgb(10, 120, 10));
        QList<QImage> getekend;
        for (int patroon = -1; patroon <= Patronen::kAantal; ++patroon) {
            Surface beeld(grond);
            Patronen::teken(beeld, patroon, qRgb(200, 30, 90));
            const bool bestaat = patroon >= 0 && patroon < Patronen::kAantal;
            ALLE_WAAR_BIJ(qPrintable(QString::number(patroon)), (beeld.image() == grond) != bestaat,
                          !getekend.contains(beeld.image()));
            if (bestaat) getekend << beeld.image();
        }
    }

    // Each texture its own, of its size, alike each time; none beyond the ends.
    void texturen() {
        QList<QImage> gezien;
        for (int i = 0; i < Texturen::kAantal; ++i) {
            const QImage beeld = Texturen::textuur(i);
            const int zijde = i < 10 ? 81 : 80;
            ALLE_WAAR(beeld.size() == QSize(zijde, zijde), beeld == Texturen::textuur(i),
                      !gezien.contains(beeld));
            gezien << beeld;
        }
        ALLE_WAAR(Texturen::textuur(-1).isNull(), Texturen::textuur(Texturen::kAantal).isNull());
    }

    // A broken BMP converts to nothing and leaves the old picture.
    void kapotteBmp() {
        TestFolder folder;
        const QString jpg = folder.writeFile("b.jpg", "old"), bmp = folder.writeFile("k.bmp", "BM");
        ALLE_WAAR(!AchtergrondOpslag::BmpToJpeg(bmp, jpg, 99), folder.readFile("b.jpg") == "old");
    }
};

VOLTARIX_TEST(TestSymbols)
#include "tst_symbols.moc"

// BMPs as other programs write them (bmpBestand in the test support) read back as their
// picture, pixel for pixel, on every path; a pixel short, as nothing. Skipped pixels of
// run-length coded rows show palette colour 0, also when freed memory holds other bytes.
#include "ScriptedPlatform.h"
#include "TestFolder.h"
#include "TestRunner.h"
#include "project/ProjectMap.h"
#include "symbols/SymboolBibliotheek.h"
#include "symbols/SymboolDesigner.h"
#include "ui/PictureFile.h"
#include "ui/Surface.h"

#include <QtTest>

#include <array>
#include <vector>

namespace {

constexpr std::array<quint32, 3> k555{0x7c00, 0x03e0, 0x001f}, k565{0xf800, 0x07e0, 0x001f},
    k888{0xff0000, 0x00ff00, 0x0000ff}, kBgr{0x0000ff, 0x00ff00, 0xff0000};

const struct {
    const char *naam;
    BmpVorm vorm;
} kVormen[] = {
    {"1 bit, top row first", {40, 1, 0, {}, true}},
    {"4 bits, top row first", {40, 4, 0, {}, true}},
    {"8 bits, top row first", {40, 8, 0, {}, true}},
    {"16 bits, top row first", {40, 16, 0, k555, true}},
    {"24 bits, top row first", {40, 24, 0, k888, true}},
    {"32 bits, top row first", {40, 32, 0, k888, true}},
    {"RLE4 with skips", {40, 4, 2, {}, false}},
    {"RLE8 with skips", {40, 8, 1, {}, false}},
    {"16 bits, 555 bit fields", {40, 16, 3, k555, false}},
    {"16 bits, 565 bit fields", {40, 16, 3, k565, false}},
    {"OS/2 header, 8 bits", {12, 8, 0, {}, false}},
    {"OS/2 header, 24 bits", {12, 24, 0, k888, false}},
    {"V4 header, 8 bits", {108, 8, 0, {}, false}},
    {"V4 header, 565 bit fields", {108, 16, 3, k565, false}},
    {"V5 header, 24 bits, top row first", {124, 24, 0, k888, true}},
    {"V5 header, 32 bit fields, red low", {124, 32, 3, kBgr, false}},
    {"4 bits, last row without padding", {40, 4, 0, {}, false, 3}},
    {"16 bits, last row without padding", {40, 16, 0, k555, false, 2}},
};

// A picture of all the file's colours. Run-length coded ones have holes, index 0: the top
// rows (an early end of the picture), rows in between (end of line and a delta down),
// starts, middles and ends of rows. Components of 16 bits are ones 5 bits hold exactly.
QImage beeldVoor(const BmpVorm &v) {
    QImage beeld(49, 49, v.bits <= 8 ? QImage::Format_Indexed8 : QImage::Format_RGB32);
    const int kleuren = 1 << std::min(v.bits, 8), stap = v.bits == 16 ? 8 : 5,
              tot = v.bits == 16 ? 32 : 256;
    for (int i = 0; v.bits <= 8 && i < kleuren; ++i) // all different, index 0 not black
        beeld.setColor(i, qRgb(i * 37 % 256, (i * 91 + 50) % 256, (i * 53 + 100) % 256));
    for (int y = 0; y < 49; ++y)
        for (int x = 0; x < 49; ++x) {
            const bool gat =
                y < 6 || (y >= 20 && y < 24) || x < y % 5 || (x + y) % 13 < 3 || x > 44 - y % 4;
            const int index = v.rle() ? (gat ? 0 : 1 + (x / 3 + y * 5) % (kleuren - 1))
                                      : (x / 3 + y * 5) % kleuren;
            const QRgb kleur = qRgb(x * stap % tot, y * stap % tot, (x + 2 * y) * stap % tot);
            beeld.setPixel(x, y, v.bits <= 8 ? uint(index) : kleur);
        }
    return beeld;
}

// Leaves freed memory of many sizes filled with a pattern, as a long session does with
// other bytes: a picture decoded into fresh memory shows it where no pixel was written.
void vervuilGeheugen() {
    std::vector<QByteArray> blokken;
    for (qsizetype maat = 64; maat <= (1 << 18); maat += maat / 4 + 64)
        blokken.emplace_back(maat, char(0xa5));
}

// The picture as the symbol library (weg 0), the designer's Open (1) or a project's sheets
// (2) read the file; a null picture when it refused it.
QImage gelezenDoor(int weg, const QByteArray &bestand) {
    TestFolder map;
    ScriptedPlatform platform;
    platform.openAnswers << map.writeFile("Symbolen/proef/S.bmp", bestand);
    if (weg == 0) {
        SymboolBibliotheek bibliotheek;
        bibliotheek.lees(map.path("Symbolen/proef"));
        Surface IconPic(49, 49);
        return bibliotheek.laad(0, IconPic) ? IconPic.image() : QImage();
    }
    if (weg == 1) {
        SymboolDesigner ontwerper(platform);
        ontwerper.OpenIcon();
        return ontwerper.titel().endsWith("S.bmp") ? ontwerper.tekening().image() : QImage();
    }
    map.writeFile("Projecten/P.ovb", bestand);
    map.writeFile("Projecten/P.brb", bestand);
    const ProjectMap::Geladen project = ProjectMap(map.path("Projecten")).laad("P");
    const bool beide = project.ontwerpBlad && project.breadboard == project.ontwerpBlad;
    return beide ? *project.ontwerpBlad : QImage();
}

// Decodes the run-length coded files, for Valgrind's memcheck (see tests/CMakeLists.txt):
// a skipped pixel taken from memory that nothing wrote is an error there.
const bool kRleHelper = TestRunner::registreerHelper("--rle-lezen", [](int, char **) {
    for (const auto &[naam, v] : kVormen)
        if (v.rle() && PictureFile::decode(bmpBestand(beeldVoor(v), v)) !=
                           beeldVoor(v).convertToFormat(QImage::Format_RGB32))
            return 1;
    return 0;
});

} // namespace

class TestBmpVarianten : public QObject {
    Q_OBJECT
private slots:
    void leesbaarOveral_data() {
        kolommen<int, int>("vorm", "weg");
        const char *const wegen[] = {"symbol library", "designer", "project"};
        for (int vorm = 0; vorm < int(std::size(kVormen)); ++vorm)
            for (int weg = 0; weg < 3; ++weg)
                QTest::addRow("%s, %s", kVormen[vorm].naam, wegen[weg]) << vorm << weg;
    }
    void leesbaarOveral() {
        auto [vorm, weg] = velden<int, int>("vorm", "weg");
        const QImage beeld = beeldVoor(kVormen[vorm].vorm);
        const QByteArray bestand = bmpBestand(beeld, kVormen[vorm].vorm);
        for (int keer = 0; keer < 3; ++keer) {
            vervuilGeheugen();
            const QImage gelezen = gelezenDoor(weg, bestand);
            QCOMPARE(gelezen.size(), beeld.size());
            QCOMPARE(differingRect(gelezen, beeld.convertToFormat(QImage::Format_RGB32)), QRect());
        }
        QVERIFY(gelezenDoor(weg, bestand.chopped(4)).isNull()); // a pixel short: refused
    }

    // The size bound counts the rows of a picture stored top row first; one pixel is enough.
    void grootteBovenEerst() {
        QImage lijn(1, 16384, QImage::Format_Indexed8);
        lijn.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
        lijn.fill(1);
        const BmpVorm vorm{40, 1, 0, {}, true};
        QCOMPARE(PictureFile::decode(bmpBestand(lijn, vorm)).value_or(QImage()),
                 lijn.convertToFormat(QImage::Format_RGB32));
        QVERIFY(!PictureFile::decode(bmpBestand(lijn.copy(0, 0, 1, 16385), vorm)));
        const QImage punt = lijn.copy(0, 0, 1, 1); // the smallest picture there is
        QCOMPARE(PictureFile::decode(bmpBestand(punt, vorm)).value_or(QImage()),
                 punt.convertToFormat(QImage::Format_RGB32));
    }
};

VOLTARIX_TEST(TestBmpVarianten)
#include "tst_bmpvarianten.moc"

// BMPs as other programs write them: rows stored top first, run-length coded rows that
// skip pixels, bit fields, OS/2 and V4/V5 headers. Each file is made here from a picture
// and must read back as that picture, pixel for pixel, in the symbol library, the
// designer's Open and a project's sheets alike. Skipped pixels show palette colour 0,
// also when freed memory holds other bytes.
#include "ScriptedPlatform.h"
#include "TestFolder.h"
#include "TestRunner.h"
#include "project/ProjectMap.h"
#include "symbols/IconDesignModel.h"
#include "symbols/SymbolLibrary.h"
#include "ui/PictureFile.h"
#include "ui/Surface.h"

#include <QtTest>

#include <array>
#include <vector>

namespace {

constexpr int kZijde = 49;

// How a file stores its pixels.
struct Vorm {
    quint32 kop;                    // header length: 12 (OS/2), 40, 108 (V4), 124 (V5)
    quint16 bits;                   // per pixel
    quint32 compressie;             // 0 none, 1 RLE8, 2 RLE4, 3 bit fields
    std::array<quint32, 3> maskers; // red, green, blue of a pixel of 16 bits or more
    bool bovenEerst;                // top row first: a negative height
    int zonderPadding = 0;          // bytes of the last row's padding left out
};

constexpr std::array<quint32, 3> k555{0x7c00, 0x03e0, 0x001f}, k565{0xf800, 0x07e0, 0x001f},
    k888{0xff0000, 0x00ff00, 0x0000ff}, kBgr{0x0000ff, 0x00ff00, 0xff0000};

const struct {
    const char *naam;
    Vorm vorm;
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

void zet(QByteArray &bytes, quint32 waarde, int lengte) {
    for (int i = 0; i < lengte; ++i)
        bytes.append(char(waarde >> (8 * i)));
}

// A pixel of 16 bits or more: each component's top bits in its mask.
quint32 pixelWaarde(QRgb kleur, const std::array<quint32, 3> &maskers) {
    const int componenten[] = {qRed(kleur), qGreen(kleur), qBlue(kleur)};
    quint32 waarde = 0;
    for (int i = 0; i < 3; ++i)
        waarde |= quint32(componenten[i]) >> (8 - qPopulationCount(maskers[i]))
                                                 << qCountTrailingZeroBits(maskers[i]);
    return waarde;
}

QByteArray rij(const QImage &beeld, int y, const Vorm &vorm) {
    QByteArray bytes;
    if (vorm.bits <= 8) {
        int bitsVol = 0, byte = 0;
        for (int x = 0; x < beeld.width(); ++x) {
            byte = byte << vorm.bits | beeld.pixelIndex(x, y);
            if ((bitsVol += vorm.bits) == 8) {
                bytes.append(char(byte));
                bitsVol = byte = 0;
            }
        }
        if (bitsVol) bytes.append(char(byte << (8 - bitsVol)));
    } else {
        for (int x = 0; x < beeld.width(); ++x)
            zet(bytes, pixelWaarde(beeld.pixel(x, y), vorm.maskers), vorm.bits / 8);
    }
    return bytes + QByteArray(-bytes.size() & 3, '\0');
}

// Run-length coded rows, bottom row first, in runs of one index. Runs of index 0 are
// skipped: by a delta, by an early end of the line, of the picture, or by a delta down.
QByteArray rle(const QImage &beeld, int bits) {
    const int w = beeld.width(), h = beeld.height();
    const auto index = [&](int r, int x) { return beeld.pixelIndex(x, h - 1 - r); };
    std::vector<int> eind(h, 0); // per row: one past its last pixel that is not index 0
    for (int r = 0; r < h; ++r)
        for (int x = 0; x < w; ++x)
            if (index(r, x)) eind[r] = x + 1;
    QByteArray uit;
    const auto code = [&uit](std::initializer_list<int> bytes) {
        for (const int b : bytes)
            uit.append(char(b));
    };
    for (int r = 0, leeg = 0; r < h; ++r) {
        if (std::all_of(eind.begin() + r, eind.end(), [](int e) { return e == 0; })) break;
        if (eind[r] == 0) {
            ++leeg;
            continue;
        }
        if (leeg) code({0, 2, 0, leeg});
        leeg = 0;
        for (int x = 0, n = 1; x < eind[r]; x += n) {
            for (n = 1; x + n < eind[r] && index(r, x + n) == index(r, x);)
                ++n;
            if (index(r, x) == 0)
                code({0, 2, n, 0});
            else
                code({n, bits == 4 ? index(r, x) * 17 : index(r, x)});
        }
        code({0, 0});
    }
    code({0, 1});
    return uit;
}

QByteArray bmp(const QImage &beeld, const Vorm &vorm) {
    const int w = beeld.width(), h = beeld.height();
    QByteArray kleuren, pixels, kop;
    for (const QRgb kleur : beeld.colorTable())
        zet(kleuren, kleur & 0xffffff, vorm.kop == 12 ? 3 : 4);
    if (vorm.compressie == 1 || vorm.compressie == 2)
        pixels = rle(beeld, vorm.bits);
    else
        for (int r = 0; r < h; ++r)
            pixels += rij(beeld, vorm.bovenEerst ? r : h - 1 - r, vorm);
    zet(kop, vorm.kop, 4);
    if (vorm.kop == 12) {
        for (const int veld : {w, h, 1, int(vorm.bits)})
            zet(kop, quint32(veld), 2);
    } else {
        zet(kop, quint32(w), 4);
        zet(kop, quint32(vorm.bovenEerst ? -h : h), 4);
        zet(kop, 1, 2);
        zet(kop, vorm.bits, 2);
        for (const qsizetype veld : {qsizetype(vorm.compressie), pixels.size(), qsizetype(3780),
                                     qsizetype(3780), qsizetype(beeld.colorCount()), qsizetype(0)})
            zet(kop, quint32(veld), 4);
        if (vorm.kop >= 108 || vorm.compressie == 3)
            for (const quint32 masker : vorm.maskers)
                zet(kop, masker, 4);
        if (vorm.kop >= 108) {
            zet(kop, 0, 4);          // alpha mask
            zet(kop, 0x73524742, 4); // sRGB
            kop += QByteArray(vorm.kop - 60, '\0');
        }
    }
    QByteArray bestand("BM");
    const int begin = 14 + int(kop.size() + kleuren.size());
    zet(bestand, quint32(begin + pixels.size()), 4);
    zet(bestand, 0, 4);
    zet(bestand, quint32(begin), 4);
    return (bestand + kop + kleuren + pixels).chopped(vorm.zonderPadding);
}

// Where a run-length coded picture has holes, index 0: the top rows (an early end of
// the picture), rows in between (end of line and a delta down), starts, middles and
// ends of rows.
bool gat(int x, int y) {
    return y < 6 || (y >= 20 && y < 24) || x < y % 5 || (x + y) % 13 < 3 || x > 44 - y % 4;
}

QImage beeldVoor(const Vorm &vorm) {
    QImage beeld(kZijde, kZijde, QImage::Format_RGB32);
    if (vorm.bits <= 8) {
        beeld = QImage(kZijde, kZijde, QImage::Format_Indexed8);
        const int kleuren = 1 << vorm.bits;
        for (int i = 0; i < kleuren; ++i) // all different, index 0 not black
            beeld.setColor(i, qRgb(i * 37 % 256, (i * 91 + 50) % 256, (i * 53 + 100) % 256));
        const bool rle = vorm.compressie == 1 || vorm.compressie == 2;
        for (int y = 0; y < kZijde; ++y)
            for (int x = 0; x < kZijde; ++x)
                beeld.setPixel(x, y,
                               rle ? (gat(x, y) ? 0 : 1 + (x / 3 + y * 5) % (kleuren - 1))
                                   : (x / 3 + y * 5) % kleuren);
    } else {
        // Components that 5 or 6 bits hold exactly, however a reader widens them.
        const int stap = vorm.bits == 16 ? 8 : 5, tot = vorm.bits == 16 ? 32 : 256;
        for (int y = 0; y < kZijde; ++y)
            for (int x = 0; x < kZijde; ++x)
                beeld.setPixel(x, y,
                               qRgb(x * stap % tot, y * stap % tot, (x + 2 * y) * stap % tot));
    }
    return beeld;
}

enum class Weg { Bibliotheek, Ontwerper, Project };

// The picture as a part of the program reads the file; a null picture when it refused it.
QImage gelezenDoor(Weg weg, const QByteArray &bestand) {
    TestFolder map;
    if (weg == Weg::Bibliotheek) {
        map.writeFile("Symbolen/proef/S.bmp", bestand);
        SymbolLibrary bibliotheek;
        bibliotheek.lees(map.path("Symbolen/proef"));
        Surface IconPic(kZijde, kZijde);
        return bibliotheek.laad(0, IconPic) ? IconPic.image() : QImage();
    }
    if (weg == Weg::Ontwerper) {
        ScriptedPlatform platform;
        platform.openAnswers << map.writeFile("S.bmp", bestand);
        IconDesignModel ontwerper(platform);
        ontwerper.OpenIcon();
        return ontwerper.titel().endsWith("S.bmp") ? ontwerper.tekening().image() : QImage();
    }
    map.writeFile("Projecten/P.ovb", bestand);
    map.writeFile("Projecten/P.brb", bestand);
    const ProjectMap::Geladen project = ProjectMap(map.path("Projecten")).laad("P");
    if (!project.ontwerpBlad || project.breadboard != project.ontwerpBlad) return {};
    return *project.ontwerpBlad;
}

// Leaves freed memory of many sizes filled with a pattern, as a long session does with
// other bytes: a picture decoded into fresh memory shows it where no pixel was written.
void vervuilGeheugen() {
    std::vector<QByteArray> blokken;
    for (qsizetype maat = 64; maat <= (1 << 18); maat += maat / 4 + 64)
        blokken.emplace_back(maat, char(0xa5));
}

// Decodes the run-length coded files, for Valgrind's memcheck (see tests/CMakeLists.txt):
// a skipped pixel taken from memory that nothing wrote is an error there.
const bool kRleHelper = TestRunner::registreerHelper("--rle-lezen", [](int, char **) {
    for (const auto &rij : kVormen) {
        const QImage beeld = beeldVoor(rij.vorm);
        if ((rij.vorm.compressie == 1 || rij.vorm.compressie == 2) &&
            PictureFile::decode(bmp(beeld, rij.vorm)) !=
                beeld.convertToFormat(QImage::Format_RGB32))
            return 1;
    }
    return 0;
});

} // namespace

class TestBmpVarianten : public QObject {
    Q_OBJECT
private slots:
    void leesbaarOveral_data() {
        QTest::addColumn<int>("vorm");
        QTest::addColumn<Weg>("weg");
        const std::pair<const char *, Weg> wegen[] = {{"symbol library", Weg::Bibliotheek},
                                                      {"designer", Weg::Ontwerper},
                                                      {"project", Weg::Project}};
        for (int vorm = 0; vorm < int(std::size(kVormen)); ++vorm)
            for (const auto &[naam, weg] : wegen)
                QTest::addRow("%s, %s", kVormen[vorm].naam, naam) << vorm << weg;
    }
    void leesbaarOveral() {
        QFETCH(int, vorm);
        QFETCH(Weg, weg);
        const QImage beeld = beeldVoor(kVormen[vorm].vorm);
        const QImage verwacht = beeld.convertToFormat(QImage::Format_RGB32);
        const QByteArray bestand = bmp(beeld, kVormen[vorm].vorm);
        for (int keer = 0; keer < 3; ++keer) {
            vervuilGeheugen();
            const QImage gelezen = gelezenDoor(weg, bestand);
            QCOMPARE(gelezen.size(), verwacht.size());
            QCOMPARE(differingRect(gelezen, verwacht), QRect());
        }
    }

    // The size bound counts the rows of a picture stored top row first.
    void grootteBovenEerst() {
        QImage lijn(1, 16384, QImage::Format_Indexed8);
        lijn.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
        lijn.fill(1);
        const Vorm vorm{40, 1, 0, {}, true};
        QCOMPARE(PictureFile::decode(bmp(lijn, vorm)).value_or(QImage()),
                 lijn.convertToFormat(QImage::Format_RGB32));
        QVERIFY(!PictureFile::decode(bmp(lijn.copy(0, 0, 1, 16385), vorm)));
    }
};

VOLTARIX_TEST(TestBmpVarianten)
#include "tst_bmpvarianten.moc"

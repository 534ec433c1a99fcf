// Picture files read and written. A BMP cut off or lying about its size is refused and
// the sheet keeps its pixels (Qt's reader fills missing rows with black); a GIF's picture
// may be larger than its header says; files are written whole or not at all.
#include "TestFolder.h"
#include "TestRunner.h"
#include "app/Settings.h"
#include "symbols/AchtergrondOpslag.h"
#include "symbols/IconBestand.h"
#include "ui/BmpCheck.h"
#include "ui/BmpCodec.h"
#include "ui/Surface.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QtEndian>
#include <QtTest>

#include <csignal>
#include <functional>
#include <sys/resource.h>

namespace {

// Noise: many colours, which no file format can squeeze.
QImage bont(int breedte, int hoogte, quint32 zaad = 1) {
    QImage plaatje(breedte, hoogte, QImage::Format_RGB32);
    QRandomGenerator toeval(zaad);
    for (int i = 0; i < breedte * hoogte; ++i)
        plaatje.setPixel(i % breedte, i / breedte, toeval.generate() | 0xff000000);
    return plaatje;
}

template <typename T> QByteArray met(QByteArray data, int plaats, T waarde) {
    qToLittleEndian<T>(waarde, data.data() + plaats);
    return data;
}

// No file of this process may grow beyond `bytes` while it lives; a write past it
// fails (EFBIG) instead of ending the process.
struct SchrijfGrens {
    rlimit oud{};
    void (*vorigSignaal)(int) = std::signal(SIGXFSZ, SIG_IGN);
    explicit SchrijfGrens(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &oud);
        const rlimit grens{bytes, oud.rlim_max};
        setrlimit(RLIMIT_FSIZE, &grens);
    }
    ~SchrijfGrens() {
        setrlimit(RLIMIT_FSIZE, &oud);
        std::signal(SIGXFSZ, vorigSignaal);
    }
};

using Schrijver = std::function<bool(const QString &pad, int versie)>;

} // namespace

class TestPictureFiles : public QObject {
    Q_OBJECT
private slots:
    void bmps_data() {
        QTest::addColumn<QByteArray>("inhoud");
        // v: all the pixel data the header announces is there; g: read as a picture;
        // e: read by the program's own codec of 24-bit files.
        QTest::addColumn<QString>("uitkomst");
        QTest::addColumn<QImage>("beeld"); // as read, when it is known
        const QImage bron = bont(49, 49);
        const QByteArray rgb = pictureFile(bron), os2 = os2Bmp();
        const QByteArray palet = pictureFile(bron.convertToFormat(QImage::Format_Indexed8));
        const QByteArray mono = pictureFile(bont(49, 3).convertToFormat(QImage::Format_Mono));
        const QByteArray rle =
            met<quint32>(met<quint32>(met<quint16>(rgb.left(54), 28, 8), 30, 1), 34, 20);
        const auto rij = [](const char *naam, const QByteArray &inhoud, const char *uitkomst,
                            const QImage &beeld = {}) {
            QTest::newRow(naam) << inhoud << QString(uitkomst) << beeld;
        };
        const auto qt = [](const QByteArray &inhoud) {
            return QImage::fromData(inhoud).convertToFormat(QImage::Format_RGB32);
        };
        rij("24 bits", rgb, "vge", bron);
        // A row of 49 pixels of 24 bits uses 147 bytes and is padded to 148.
        rij("24 bits, padding of the last row missing", rgb.chopped(1), "vge", bron);
        rij("24 bits, last pixel cut", rgb.chopped(2), "");
        rij("24 bits, bytes to spare", rgb + QByteArray(10, 'x'), "vge", bron);
        rij("top row first", met<qint32>(rgb, 22, -49), "vge", bron.mirrored()); // negative height
        rij("top row first, cut", met<qint32>(rgb, 22, -49).chopped(100), "");
        rij("palette of 256", palet, "vg", qt(palet));
        rij("palette of 256, cut", palet.chopped(49), "");
        rij("one bit", mono, "vg", qt(mono));
        rij("one bit, padding of the last row missing", mono.chopped(1), "vg", qt(mono));
        rij("one bit, cut", mono.chopped(5), "");
        rij("OS/2 header", os2, "vg", qt(os2));
        // Qt reads this one's top row from beyond the end of the file: its pixels vary.
        rij("OS/2 header, padding missing", os2.chopped(3), "vg");
        rij("OS/2 header, cut", os2.chopped(4), "");
        rij("run-length coded", rle + QByteArray(20, '\0'), "v");
        rij("run-length coded, cut", rle + QByteArray(19, '\0'), "");
        rij("header cut", rgb.left(40), "");
        rij("just BM", "BM", "");
        rij("huge size claimed", bmpHeader(100000, 100000), "");
        rij("no pixels", bmpHeader(-5, 0), "v");
        rij("not a picture", "GIF89a and so on", "v");
        rij("empty", QByteArray(), "v");
    }
    void bmps() {
        QFETCH(QByteArray, inhoud);
        QFETCH(QString, uitkomst);
        QFETCH(QImage, beeld);
        TestFolder folder;
        const QString pad = folder.writeFile(QStringLiteral("x.bmp"), inhoud);
        QCOMPARE(bmpVolledig(pad), uitkomst.contains('v'));
        QCOMPARE(bool(BmpCodec::lees24(inhoud)), uitkomst.contains('e'));
        Surface blad(10, 10, qRgb(9, 9, 9));
        blad.setPixel(5, 5, qRgb(255, 0, 0));
        const QImage voor = blad.image().copy();
        QCOMPARE(blad.load(pad), uitkomst.contains('g'));
        if (!uitkomst.contains('g')) {
            QCOMPARE(blad.image(), voor);
            return;
        }
        if (beeld.isNull()) return;
        QCOMPARE(*Surface::readPicture(pad), beeld);
        // Pasted at the top left; the sheet keeps its size, the rest is background.
        const QRect deel = blad.rect() & beeld.rect();
        QCOMPARE(blad.image().copy(deel), beeld.copy(deel));
        QCOMPARE(blad.pixel(5, 5), deel.contains(5, 5) ? beeld.pixel(5, 5) : qRgb(9, 9, 9));
        // What the program writes is what Qt writes.
        QBuffer geschreven;
        geschreven.open(QIODevice::WriteOnly);
        QVERIFY(Surface(beeld).saveBmp(geschreven));
        QCOMPARE(geschreven.data(), pictureFile(beeld));
    }

    void gifs() {
        // Transparent parts become white; the picture is as large as the GIF's logical
        // screen, which may be larger than the size its header gives before decoding.
        QImage plaatje(2, 2, QImage::Format_Indexed8);
        plaatje.setColorTable({qRgba(0, 0, 0, 0), qRgb(0, 128, 0)});
        plaatje.fill(0);
        plaatje.setPixel(1, 1, 1);
        const auto scherm = [&plaatje](quint16 breedte, quint16 hoogte) {
            return met(met(gifFile(plaatje), 6, breedte), 8, hoogte);
        };
        TestFolder folder;
        const std::optional<QImage> gif =
            Surface::readPicture(folder.writeFile("a.gif", scherm(30, 20)));
        QVERIFY(gif);
        QCOMPARE(gif->size(), QSize(30, 20));
        QCOMPARE(gif->format(), QImage::Format_RGB32);
        QCOMPARE(gif->pixel(0, 0), qRgb(255, 255, 255));
        QCOMPARE(gif->pixel(1, 1), qRgb(0, 128, 0));
        QVERIFY(!Surface::readPicture(folder.writeFile("breed.gif", scherm(20000, 2))));
        QVERIFY(!Surface::readPicture(folder.path("ontbreekt.gif")));
        QVERIFY(!Surface::readPicture(folder.makeDir("map.gif")));
    }

    // The settings file, a symbol and a background picture: cut off by a full disk, a new
    // version replaces nothing and leaves no temporary file; with room it goes through.
    // Qt's QSaveFile put a cut-off file over the old one when only its final buffered
    // write failed (found by the full-disk test of tst_projectfouten); a file size limit
    // makes that failure here.
    void afgekaptBestandVervangtNiets() {
        TestFolder map;
        const std::pair<Schrijver, int> schrijvers[] = {
            {[](const QString &pad, int versie) { return Settings::schrijf(pad, versie == 2); },
             40},
            {[](const QString &pad, int versie) {
                 return IconBestand::bewaar(bont(49, 49, versie), pad);
             },
             4000},
            {[&map](const QString &pad, int versie) {
                 const QImage bron = bont(64, 64, versie);
                 return AchtergrondOpslag::BmpToJpeg(
                     map.writePicture("bron/" + pad.right(1) + ".bmp", bron), pad, 99);
             },
             2000}};
        QStringList bestanden;
        for (const auto &[schrijf, grens] : schrijvers) {
            bestanden << QString::number(bestanden.size());
            const QString pad = map.path(bestanden.last());
            QVERIFY(schrijf(pad, 1));
            const QByteArray oud = map.readFile(bestanden.last());
            {
                const SchrijfGrens vol(rlim_t(grens + 0));
                QVERIFY(!schrijf(pad, 2));
            }
            QCOMPARE(map.readFile(bestanden.last()), oud);
            QCOMPARE(QDir(map.root()).entryList(QDir::Files | QDir::Hidden), bestanden);
            QVERIFY(!schrijf(map.path("geen/map/x"), 2)); // nothing where nothing can be written
            QVERIFY(!schrijf(map.makeDir("map"), 2) && QFileInfo(map.path("map")).isDir());
            QVERIFY(schrijf(pad, 2));
            QVERIFY(map.readFile(bestanden.last()) != oud &&
                    map.readFile(bestanden.last()).size() > grens);
        }
    }
};

VOLTARIX_TEST(TestPictureFiles)
#include "tst_picturefiles.moc"

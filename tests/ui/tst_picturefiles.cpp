#include "TestFolder.h"
#include "TestRunner.h"
#include "symbols/IconBestand.h"
#include "ui/BmpCheck.h"
#include "ui/BmpCodec.h"
#include "ui/Surface.h"

#include <QBuffer>
#include <QFile>
#include <QtEndian>
#include <QtTest>

namespace {

QImage gevuld(int breedte, int hoogte, QImage::Format formaat) {
    QImage plaatje(breedte, hoogte, QImage::Format_RGB32);
    plaatje.fill(qRgb(30, 60, 90));
    plaatje.setPixel(0, 0, qRgb(255, 0, 0));
    return plaatje.convertToFormat(formaat);
}

// A header of a run-length coded BMP whose coded data is `lengte` bytes long.
QByteArray rleKop(quint32 lengte) {
    QByteArray data = pictureFile(gevuld(4, 4, QImage::Format_RGB32)).left(54);
    qToLittleEndian<quint16>(8, data.data() + 28);
    qToLittleEndian<quint32>(1, data.data() + 30);
    qToLittleEndian<quint32>(lengte, data.data() + 34);
    return data;
}

// The same picture with its top row first (negative height).
QByteArray bovenOnder(QByteArray data) {
    qToLittleEndian<qint32>(-qFromLittleEndian<qint32>(data.constData() + 22), data.data() + 22);
    return data;
}

// A GIF of 2 x 2 pixels whose logical screen is `breedte` x `hoogte`: the size Qt
// reports before decoding is the frame's, the decoded picture is the screen's.
QByteArray gifMetScherm(quint16 breedte, quint16 hoogte) {
    QImage plaatje(2, 2, QImage::Format_Indexed8);
    plaatje.setColorTable({qRgb(255, 0, 0), qRgb(0, 0, 255)});
    plaatje.fill(1);
    QByteArray data = gifFile(plaatje);
    qToLittleEndian(breedte, data.data() + 6);
    qToLittleEndian(hoogte, data.data() + 8);
    return data;
}

} // namespace

class TestPictureFiles : public QObject {
    Q_OBJECT
private slots:
    void completeness_data();
    void completeness();
    void readRefusesWhatIsBroken();
    void saveReplacesWholeFiles();
    void ownCodecAgreesWithQt_data();
    void ownCodecAgreesWithQt();
};

void TestPictureFiles::completeness_data() {
    QTest::addColumn<QByteArray>("inhoud");
    QTest::addColumn<bool>("volledig");
    const QByteArray rgb = pictureFile(gevuld(49, 49, QImage::Format_RGB32));
    const QByteArray geindexeerd = pictureFile(gevuld(49, 49, QImage::Format_Indexed8));
    const QByteArray mono = pictureFile(gevuld(49, 3, QImage::Format_Mono));
    QTest::newRow("24 bits") << rgb << true;
    // A row of 49 pixels of 24 bits uses 147 bytes and is padded to 148.
    QTest::newRow("24 bits, padding of the last row missing") << rgb.chopped(1) << true;
    QTest::newRow("24 bits, last pixel cut") << rgb.chopped(2) << false;
    QTest::newRow("24 bits, bytes to spare") << rgb + QByteArray(10, 'x') << true;
    QTest::newRow("top row first") << bovenOnder(rgb) << true;
    QTest::newRow("top row first, cut") << bovenOnder(rgb).chopped(100) << false;
    QTest::newRow("palette of 256") << geindexeerd << true;
    QTest::newRow("palette of 256, cut") << geindexeerd.chopped(49) << false;
    QTest::newRow("one bit") << mono << true;
    QTest::newRow("one bit, padding of the last row missing") << mono.chopped(1) << true;
    QTest::newRow("one bit, cut") << mono.chopped(5) << false;
    QTest::newRow("OS/2 header") << os2Bmp() << true;
    QTest::newRow("OS/2 header, padding missing") << os2Bmp().chopped(3) << true;
    QTest::newRow("OS/2 header, cut") << os2Bmp().chopped(4) << false;
    QTest::newRow("run-length coded") << rleKop(20) + QByteArray(20, '\0') << true;
    QTest::newRow("run-length coded, cut") << rleKop(20) + QByteArray(19, '\0') << false;
    QTest::newRow("header cut") << rgb.left(40) << false;
    QTest::newRow("just BM") << QByteArray("BM") << false;
    QTest::newRow("not a BMP") << QByteArray("GIF89a and so on") << true;
    QTest::newRow("empty") << QByteArray() << true;
}

void TestPictureFiles::completeness() {
    QFETCH(QByteArray, inhoud);
    QFETCH(bool, volledig);
    TestFolder folder;
    QCOMPARE(bmpVolledig(folder.writeFile(QStringLiteral("x.bmp"), inhoud)), volledig);
}

void TestPictureFiles::readRefusesWhatIsBroken() {
    TestFolder folder;
    const QImage plaatje = gevuld(49, 49, QImage::Format_RGB32);
    const QByteArray data = pictureFile(plaatje);
    const std::optional<QImage> heel = Surface::readPicture(folder.writeFile("heel.bmp", data));
    QVERIFY(heel);
    QCOMPARE(*heel, plaatje);
    QVERIFY(Surface::readPicture(folder.writeFile("os2.bmp", os2Bmp())));
    QVERIFY(!Surface::readPicture(folder.writeFile("kort.bmp", data.chopped(3))));
    QVERIFY(!Surface::readPicture(folder.writeFile("tekst.bmp", "geen plaatje")));
    QVERIFY(!Surface::readPicture(folder.path("ontbreekt.bmp")));
    QVERIFY(!Surface::readPicture(folder.makeDir("map.bmp")));

    // The size is checked again once decoded: a GIF's header may claim a small picture.
    const std::optional<QImage> scherm =
        Surface::readPicture(folder.writeFile("scherm.gif", gifMetScherm(30, 20)));
    QVERIFY(scherm);
    QCOMPARE(scherm->size(), QSize(30, 20));
    QVERIFY(!Surface::readPicture(folder.writeFile("breed.gif", gifMetScherm(20000, 2))));
}

void TestPictureFiles::saveReplacesWholeFiles() {
    TestFolder folder;
    const QImage plaatje = gevuld(49, 49, QImage::Format_RGB32);
    const QString pad = folder.writeFile(QStringLiteral("oud"), "old contents");
    QVERIFY(IconBestand::bewaar(plaatje, pad));
    QCOMPARE(folder.readFile(QStringLiteral("oud")), pictureFile(plaatje));
    QVERIFY(!QFile::exists(pad + QStringLiteral(".bmp")));
    // Nothing is left behind where writing is impossible.
    QVERIFY(!IconBestand::bewaar(plaatje, folder.path(QStringLiteral("geen/map/x.bmp"))));
    QVERIFY(!IconBestand::bewaar(plaatje, folder.makeDir(QStringLiteral("een map"))));
    QVERIFY(QFileInfo(folder.path(QStringLiteral("een map"))).isDir());
}

void TestPictureFiles::ownCodecAgreesWithQt_data() {
    QTest::addColumn<QByteArray>("inhoud");
    QTest::addColumn<bool>("eigen");          // read by the program's own codec
    QImage rijen(5, 3, QImage::Format_RGB32); // odd width: rows with padding
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            rijen.setPixel(x, y, qRgb(40 * x, 80 * y, 7 * x * y));
    QTest::newRow("24 bits, bottom row first") << pictureFile(rijen) << true;
    QTest::newRow("24 bits, top row first") << bovenOnder(pictureFile(rijen)) << true;
    QTest::newRow("palette of 256: Qt's reader")
        << pictureFile(rijen.convertToFormat(QImage::Format_Indexed8)) << false;
    QTest::newRow("one bit: Qt's reader")
        << pictureFile(rijen.convertToFormat(QImage::Format_Mono)) << false;
}

void TestPictureFiles::ownCodecAgreesWithQt() {
    QFETCH(QByteArray, inhoud);
    QFETCH(bool, eigen);
    QCOMPARE(bool(BmpCodec::lees24(inhoud)), eigen);
    QImage doorQt;
    QVERIFY(doorQt.loadFromData(inhoud, "BMP"));
    TestFolder folder;
    const std::optional<QImage> gelezen = Surface::readPicture(folder.writeFile("p.bmp", inhoud));
    QVERIFY(gelezen);
    QCOMPARE(*gelezen, doorQt.convertToFormat(QImage::Format_RGB32));
    // What the program writes, Qt reads back exactly.
    QByteArray geschreven;
    QBuffer buffer(&geschreven);
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(BmpCodec::schrijf24(*gelezen, buffer));
    QImage terug;
    QVERIFY(terug.loadFromData(geschreven, "BMP"));
    QCOMPARE(terug.convertToFormat(QImage::Format_RGB32), *gelezen);
}

VOLTARIX_TEST(TestPictureFiles)
#include "tst_picturefiles.moc"

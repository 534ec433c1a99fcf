#include "Onderdelen.h"
#include "StarterMaker.h"
#include "TestFolder.h"
#include "TestRunner.h"
#include "VoorbeeldProject.h"
#include "app/StarterFolder.h"
#include "board/BoardDrawing.h"
#include "board/BoardGeometry.h"
#include "project/DatTekst.h"
#include "ui/Surface.h"

#include <QtEndian>
#include <QtTest>

namespace {

// Width, height and bits per pixel from a BMP file's header.
std::tuple<int, int, int> bmpKop(const QByteArray &bestand) {
    if (bestand.size() < 54 || !bestand.startsWith("BM")) return {0, 0, 0};
    return {qFromLittleEndian<qint32>(bestand.constData() + 18),
            std::abs(qFromLittleEndian<qint32>(bestand.constData() + 22)),
            qFromLittleEndian<quint16>(bestand.constData() + 28)};
}

QPoint contact(int k, int m) {
    return {kContactX0 + kHolePitch * k, kContactY0 + kHolePitch * m};
}

} // namespace

class TestVoorbeeldProject : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void threeFilesAsTheProgramSavesThem();
    void designSheetKeepsItsRaster();
    void designSheetHasNoLooseLeads();
    void partsStandWithTheirLegsInHoles();
    void componentListIsWindowsText();
    void makingAgainReplacesOnlyItsOwnFolder();

private:
    TestFolder map_;
    QString project(const char *extensie) const {
        return QStringLiteral("Projecten/") + VoorbeeldProject::kNaam + QLatin1String(extensie);
    }
};

void TestVoorbeeldProject::initTestCase() {
    QCOMPARE(VoorbeeldProject::maak(map_.root()), QStringList());
}

void TestVoorbeeldProject::threeFilesAsTheProgramSavesThem() {
    QCOMPARE(bmpKop(map_.readFile(project(".ovb"))), std::make_tuple(800, 551, 24));
    QCOMPARE(bmpKop(map_.readFile(project(".brb"))), std::make_tuple(800, 541, 24));
    QVERIFY(Surface::readPicture(map_.path(project(".ovb"))));
    QVERIFY(Surface::readPicture(map_.path(project(".brb"))));
    QVERIFY(!map_.readFile(project(".dat")).isEmpty());
}

void TestVoorbeeldProject::designSheetKeepsItsRaster() {
    const QImage blad = *Surface::readPicture(map_.path(project(".ovb")));
    // Opening a project takes the raster grey from pixel (0, 0).
    QCOMPARE(qRed(blad.pixel(0, 0)), 150);
    for (int y = 0; y < blad.height(); ++y)
        for (int x = 0; x < blad.width(); ++x)
            if (x % 50 == 0 || y % 50 == 0)
                QVERIFY2(blad.pixel(x, y) == grey(150),
                         qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
}

void TestVoorbeeldProject::designSheetHasNoLooseLeads() {
    // Wherever a block has a lead at the middle of a side, the block across the
    // raster line has one too: every wire of the example is joined.
    const QImage blad = *Surface::readPicture(map_.path(project(".ovb")));
    auto zwart = [&blad](int x, int y) { return blad.pixel(x, y) == qRgb(0, 0, 0); };
    int verbindingen = 0;
    for (int rij = 0; rij < blad.height() / 50; ++rij)
        for (int kolom = 0; kolom < blad.width() / 50; ++kolom) {
            const int x = 50 * kolom, y = 50 * rij;
            const QString blok = QStringLiteral("block %1, %2").arg(kolom).arg(rij);
            if (x + 51 < blad.width()) {
                QVERIFY2(zwart(x + 49, y + 25) == zwart(x + 51, y + 25), qPrintable(blok));
                verbindingen += zwart(x + 49, y + 25);
            }
            if (y + 51 < blad.height()) {
                QVERIFY2(zwart(x + 25, y + 49) == zwart(x + 25, y + 51), qPrintable(blok));
                verbindingen += zwart(x + 25, y + 49);
            }
        }
    QCOMPARE(verbindingen, 10); // the loop of ten blocks
}

void TestVoorbeeldProject::partsStandWithTheirLegsInHoles() {
    Surface kaal(800, 541);
    TekenKleinBord(kaal);
    const QImage bord = *Surface::readPicture(map_.path(project(".brb")));
    const QVector<Onderdeel> onderdelen = Onderdelen::alle();
    const QVector<VoorbeeldProject::Plaatsing> plaatsingen = VoorbeeldProject::onderdelenOpBord();
    QVERIFY(plaatsingen.size() >= 3);
    for (const VoorbeeldProject::Plaatsing &plaatsing : plaatsingen) {
        const auto deel =
            std::find_if(onderdelen.begin(), onderdelen.end(),
                         [&](const Onderdeel &o) { return o.naam == plaatsing.onderdeel; });
        QVERIFY2(deel != onderdelen.end(), qPrintable(plaatsing.onderdeel));
        const QPoint verschuiving = contact(plaatsing.k, plaatsing.m) - deel->pootjes.first();
        for (const QPoint poot : deel->pootjes) {
            const QPoint p = verschuiving + poot;
            QVERIFY2(kaal.pixel(p.x(), p.y()) == grey(250), qPrintable(plaatsing.onderdeel));
            QVERIFY2(bord.pixel(p) == OnderdeelPen::kPootEind, qPrintable(plaatsing.onderdeel));
        }
    }
}

void TestVoorbeeldProject::componentListIsWindowsText() {
    const QByteArray lijst = map_.readFile(project(".dat"));
    QVERIFY(lijst.startsWith("Componentenlijst\r\n" + QByteArray(28, '-') + "\r\n"));
    QVERIFY(lijst.endsWith("\r\n"));
    QCOMPARE(lijst.count("\n"), lijst.count("\r\n"));
    QCOMPARE(lijst.count("\r"), lijst.count("\r\n"));
    QVERIFY(lijst.contains("\xe9\xe9n weerstand")); // "één" in Windows-1252
    QCOMPARE(lijst, DatTekst::codeer(VoorbeeldProject::componentenlijst()));
}

void TestVoorbeeldProject::makingAgainReplacesOnlyItsOwnFolder() {
    TestFolder werk;
    // A folder that holds something else is refused and left as it was.
    werk.writeFile(QStringLiteral("vreemd/brief.txt"), "niet weggooien");
    QVERIFY(!StarterMaker::maak(werk.path(QStringLiteral("vreemd"))).isEmpty());
    QCOMPARE(werk.readFile(QStringLiteral("vreemd/brief.txt")), QByteArray("niet weggooien"));

    // A folder made before is made anew: what no longer belongs in it disappears.
    const QString starter = werk.path(QStringLiteral("starter"));
    QCOMPARE(StarterMaker::maak(starter), QStringList());
    werk.writeFile(QStringLiteral("starter/Symbolen/Oud/Weg.bmp"), "oud");
    QCOMPARE(StarterMaker::maak(starter), QStringList());
    QVERIFY(!QFile::exists(werk.path(QStringLiteral("starter/Symbolen/Oud/Weg.bmp"))));
    const QStringList inhoud = StarterFolder::contents(starter);
    QVERIFY(inhoud.contains(QStringLiteral("Plugins/index.htm")));
    QVERIFY(inhoud.contains(QStringLiteral("Projecten/Voorbeeld LED.ovb")));
    QVERIFY(inhoud.contains(QStringLiteral("Plugins/Images/background.jpg")));
    QVERIFY(!inhoud.contains(StarterMaker::kMarker));
}

VOLTARIX_TEST(TestVoorbeeldProject)
#include "tst_voorbeeldproject.moc"

#include "ScriptedPlatform.h"
#include "TestFolder.h"
#include "TestRunner.h"
#include "symbols/AchtergrondOpslag.h"
#include "symbols/Config.h"
#include "symbols/Patronen.h"
#include "symbols/Texturen.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QtTest>

namespace {

QImage tegelVan(int textuur) {
    return Texturen::textuur(textuur).copy(0, 0, 80, 80);
}

QImage patroonOver(QImage onder, int patroon, QRgb kleur) {
    Surface tegel(onder);
    Patronen::teken(tegel, patroon, kleur);
    return tegel.image();
}

// Remembers what the colour dialog was opened on.
struct KleurPlatform : ScriptedPlatform {
    std::optional<QRgb> chooseColour(QRgb begin) override {
        return ScriptedPlatform::chooseColour(geopendOp.emplace_back(begin));
    }
    QList<QRgb> geopendOp;
};

} // namespace

class TestAchtergrond : public QObject {
    Q_OBJECT
private slots:
    // Each pattern as a rule on the pixel, drawn over a ground it otherwise leaves alone.
    void patronen() {
        const std::function<bool(int, int)> regels[] = {
            [](int, int) { return true; },
            [](int, int y) { return y % 4 == 0; },
            [](int x, int y) { return x % 4 == 0 || y % 4 == 0; },
            [](int, int y) { return y % 8 == 0; },
            [](int x, int y) { return x % 8 == 0 || y % 8 == 0; },
            [](int x, int y) {
                return std::min(std::min(x, 80 - x), std::min(y, 80 - y)) % 4 == 0;
            },
            {}, // circles, below
            [](int x, int y) { return x % 4 == y % 4 && x % 2 == 0; },
            [](int x, int y) { return x % 6 == y % 6 && x % 3 == 0; }, // last dots at 78, 81
            [](int x, int y) { return x % 8 <= 4 && y % 8 <= 4 && (x % 4 == 0 || y % 4 == 0); },
            [](int x, int y) {
                const int a = x % 16, b = y % 16;
                return (a <= 8 && b <= 8 && (a % 8 == 0 || b % 8 == 0)) ||
                       (a >= 2 && a <= 6 && b >= 2 && b <= 6 && (a % 4 == 2 || b % 4 == 2));
            },
            [](int, int) { return false; }}; // any other index draws nothing
        for (int patroon = -1; patroon <= Patronen::kAantal; ++patroon) {
            const auto &regel = regels[patroon < 0 ? Patronen::kAantal : patroon];
            QImage verwacht = filledPicture(80, 80, qRgb(10, 120, 10));
            for (int i = 0; i < 6400 && regel; ++i)
                if (regel(i % 80, i / 80)) verwacht.setPixel(i % 80, i / 80, qRgb(200, 30, 90));
            if (regel)
                QCOMPARE(patroonOver(filledPicture(80, 80, qRgb(10, 120, 10)), patroon,
                                     qRgb(200, 30, 90)),
                         verwacht);
        }
        // Circles of radius 0, 4, ..., 80 around (40, 40) cross the axes at every fourth pixel.
        const QImage cirkels = patroonOver(Surface(80, 80).image(), 6, 0);
        for (int d = 0; d < 40; ++d)
            for (const QPoint p : {QPoint(40 + d, 40), QPoint(40 - d, 40), QPoint(40, 40 + d)})
                QCOMPARE(cirkels.pixel(p), d % 4 ? Surface::kWhite : qRgb(0, 0, 0));
    }

    // Size, average colour, colours (1 plain, 4 tracks, else many); seamless at 80 pixels.
    void texturen() {
        const int rijen[][5] = {
            {227, 227, 227, 81, 20}, {234, 225, 225, 81, 20}, {244, 244, 221, 81, 20},
            {219, 248, 219, 81, 20}, {201, 203, 254, 81, 20}, {201, 201, 254, 81, 20},
            {244, 244, 244, 81, 1},  {240, 240, 255, 81, 1},  {236, 232, 255, 81, 1},
            {219, 227, 162, 81, 20}, {221, 221, 221, 80, 4},  {231, 231, 231, 80, 20},
            {227, 231, 239, 80, 20}, {246, 229, 203, 80, 20}};
        for (int i = 0; i < Texturen::kAantal; ++i) {
            const auto [r, g, b, zijde, kleuren] = rijen[i];
            const QImage beeld = Texturen::textuur(i);
            QVERIFY(beeld.size() == QSize(zijde, zijde) && beeld == Texturen::textuur(i));
            double som[3] = {};
            QSet<QRgb> gezien;
            for (int j = 0; j < zijde * zijde; ++j) {
                const int x = j % zijde, y = j / zijde;
                const QRgb p = beeld.pixel(x, y);
                som[0] += qRed(p), som[1] += qGreen(p), som[2] += qBlue(p);
                gezien.insert(p);
                QCOMPARE(p, beeld.pixel(i == 10 && !x ? 79 : x % 80, i == 10 && !y ? 79 : y % 80));
            }
            const double n = zijde * zijde;
            QVERIFY2(std::abs(som[0] / n - r) <= 1 && std::abs(som[1] / n - g) <= 1 &&
                         std::abs(som[2] / n - b) <= 1 &&
                         (kleuren == 20 ? gezien.size() >= 20 : gezien.size() == kleuren),
                     qPrintable(QString::number(i)));
        }
        QVERIFY(Texturen::textuur(-1).isNull() && Texturen::textuur(Texturen::kAantal).isNull());
    }

    // OK stores the tile while the web view shows; the bars, box and swatch compose it.
    void editor() {
        // OK, web view shown, in the way: 1 a folder named as the temporary BMP, 2 no folder.
        const int gevallen[][3] = {{1, 1, 0}, {1, 0, 0}, {0, 1, 0}, {1, 1, 1}, {1, 1, 2}};
        for (const auto &[ok, web, hindernis] : gevallen) {
            TestFolder folder;
            const QString jpeg = folder.writePicture("Plugins/Images/Background.JPG",
                                                     QImage(9, 9, QImage::Format_RGB32));
            if (hindernis == 1) folder.makeDir("mydummy.bmp");
            if (hindernis == 2) QDir(folder.path("Plugins/Images")).removeRecursively();
            KleurPlatform platform;
            int herladen = 0;
            QRgb dialoogKleur = qRgb(1, 2, 3);
            Config config(
                AppFolder(folder.root()), platform, web, [&] { ++herladen; }, dialoogKleur);
            config.show();
            const auto beeld = [&] { return config.tegel().voorbeeld().image(); };
            QCOMPARE(beeld(), tegelVan(0));
            QTest::mouseClick(config.findChild<QPushButton *>(ok ? "OkKnop" : "CancelKnop"),
                              Qt::LeftButton);
            const bool gedaan = ok && web, opgeslagen = gedaan && !hindernis;
            QCOMPARE(config.isVisible(), !web);
            QCOMPARE(config.result(), gedaan ? QDialog::Accepted : QDialog::Rejected);
            QCOMPARE(herladen + platform.waited, gedaan ? 2.0 : 0.0);
            QCOMPARE(platform.messages.size(), hindernis == 1 ? 1 : 0);
            if (hindernis == 1)
                QCOMPARE(platform.messages[0].text + platform.messages[0].title,
                         "File save not as JPG!");
            QVERIFY(!QFileInfo(folder.path("mydummy.bmp")).isFile());
            QCOMPARE(QDir(folder.path("Plugins/Images")).entryList(QDir::Files).size(),
                     hindernis == 2 ? 0 : 1);
            const QImage jpg(jpeg), nul = tegelVan(0);
            const int zijde = opgeslagen       ? 80
                              : hindernis == 2 ? 0
                                               : 9; // the new picture, the old, none
            QCOMPARE(jpg.size(), QSize(zijde, zijde));
            for (int i = 0; i < 80 && opgeslagen; ++i) // hardly a pixel changes at that quality
                QVERIFY(qAbs(qGray(jpg.pixel(i, 79 - i)) - qGray(nul.pixel(i, 79 - i))) <= 4);
            auto *textuur = config.findChild<QScrollBar *>("HScroll1"),
                 *patroon = config.findChild<QScrollBar *>("VScroll1");
            patroon->setValue(4);
            QCOMPARE(beeld(), patroonOver(Surface(80, 80).image(), 4, qRgb(255, 255, 0)));
            textuur->setValue(12);
            QCOMPARE(beeld(), tegelVan(12));
            config.findChild<QCheckBox *>("Check1")->setChecked(true);
            platform.colourAnswers = {qRgb(0, 128, 255), std::nullopt};
            auto *swatch = config.findChild<QLabel *>("ColorLabel");
            QTest::mouseClick(swatch, Qt::LeftButton);
            QTest::mouseClick(swatch, Qt::LeftButton); // cancelled
            QCOMPARE(swatch->palette().color(QPalette::Window), QColor(0, 128, 255));
            QCOMPARE(platform.geopendOp, (QList<QRgb>{qRgb(1, 2, 3), qRgb(0, 128, 255)}));
            QCOMPARE(beeld(), tegelVan(12));
            patroon->setValue(7);
            QCOMPARE(beeld(), patroonOver(tegelVan(12), 7, qRgb(0, 128, 255)));
            textuur->setValue(20);
            QCOMPARE(beeld(), tegelVan(13));
            patroon->setValue(11);
            QCOMPARE(beeld(), patroonOver(tegelVan(13), 10, qRgb(0, 128, 255)));
            patroon->setValue(0); // covers the texture
            QCOMPARE(beeld(), filledPicture(80, 80, qRgb(0, 128, 255)));
        }
        TestFolder folder; // a broken BMP converts to nothing and leaves the old picture
        const QString jpg = folder.writeFile("b.jpg", "old"), bmp = folder.writeFile("k.bmp", "BM");
        QVERIFY(!AchtergrondOpslag::BmpToJpeg(bmp, jpg, 99) && folder.readFile("b.jpg") == "old");
    }
};

VOLTARIX_TEST(TestAchtergrond)
#include "tst_achtergrond.moc"

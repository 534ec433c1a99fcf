// The background editor: OK stores the tile while the web view shows; the bars, the box
// and the swatch compose it.
#include "ScriptedPlatform.h"
#include "TestFolder.h"
#include "TestRunner.h"
#include "symbols/Config.h"
#include "symbols/Patronen.h"
#include "symbols/Texturen.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
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

// The editor over a folder with an old background picture of 9 x 9; the reloads counted.
struct Editor {
    TestFolder folder;
    QString jpeg =
        folder.writePicture("Plugins/Images/Background.JPG", QImage(9, 9, QImage::Format_RGB32));
    KleurPlatform platform;
    int herladen = 0;
    QRgb dialoogKleur = qRgb(1, 2, 3);
    std::unique_ptr<Config> config;
    void start(bool web) {
        config = std::make_unique<Config>(
            AppFolder(folder.root()), platform, web, [this] { ++herladen; }, dialoogKleur);
        config->show();
    }
    QImage beeld() const { return config->tegel().voorbeeld().image(); }
};

} // namespace

class TestAchtergrondVenster : public QObject {
    Q_OBJECT
private slots:
    // With the web view shown (`web`); `hindernis` 1: a folder named as the temporary BMP,
    // 2: no folder for the picture.
    void ok_data() {
        const Tabel<bool, bool, int> rij("ok", "web", "hindernis");
        rij("OK", true, true, 0);
        rij("OK without the web view", true, false, 0);
        rij("Cancel", false, true, 0);
        rij("OK, a folder in the way", true, true, 1);
        rij("OK, no folder for it", true, true, 2);
    }
    void ok() {
        auto [ok, web, hindernis] = velden<bool, bool, int>("ok", "web", "hindernis");
        Editor e;
        if (hindernis == 1) e.folder.makeDir("mydummy.bmp");
        if (hindernis == 2) QDir(e.folder.path("Plugins/Images")).removeRecursively();
        e.start(web);
        QCOMPARE(e.beeld(), tegelVan(0));
        QTest::mouseClick(e.config->findChild<QPushButton *>(ok ? "OkKnop" : "CancelKnop"),
                          Qt::LeftButton);
        const bool gedaan = ok && web, opgeslagen = gedaan && !hindernis;
        QVERIFY(e.config->isVisible() == !web && e.config->result() == gedaan);
        QCOMPARE(e.herladen + e.platform.waited, gedaan ? 2.0 : 0.0);
        QCOMPARE(e.platform.messages.size(), hindernis == 1 ? 1 : 0);
        for (const auto &melding : e.platform.messages)
            QCOMPARE(melding.text + melding.title, "File save not as JPG!");
        QVERIFY(!QFileInfo(e.folder.path("mydummy.bmp")).isFile());
        QCOMPARE(QDir(e.folder.path("Plugins/Images")).entryList(QDir::Files).size(),
                 hindernis == 2 ? 0 : 1);
        const QImage jpg(e.jpeg), nul = tegelVan(0);
        const int zijde = opgeslagen ? 80 : hindernis == 2 ? 0 : 9; // the new, the old, none
        QCOMPARE(jpg.size(), QSize(zijde, zijde));
        for (int i = 0; i < 80 && opgeslagen; ++i) // hardly a pixel changes at that quality
            QCOMPARE_LE(qAbs(qGray(jpg.pixel(i, 79 - i)) - qGray(nul.pixel(i, 79 - i))), 4);
    }

    // A pattern over the texture in the chosen colour; the swatch opens the colour dialog on
    // the last colour; pattern 0 covers the texture.
    void samenstellen() {
        Editor e;
        e.start(true);
        auto *textuur = e.config->findChild<QScrollBar *>("HScroll1"),
             *patroon = e.config->findChild<QScrollBar *>("VScroll1");
        patroon->setValue(4);
        QCOMPARE(e.beeld(), patroonOver(Surface(80, 80).image(), 4, qRgb(255, 255, 0)));
        textuur->setValue(12);
        QCOMPARE(e.beeld(), tegelVan(12));
        e.config->findChild<QCheckBox *>("Check1")->setChecked(true);
        e.platform.colourAnswers = {qRgb(0, 128, 255), std::nullopt};
        auto *swatch = e.config->findChild<QLabel *>("ColorLabel");
        QTest::mouseClick(swatch, Qt::LeftButton);
        QTest::mouseClick(swatch, Qt::LeftButton); // cancelled
        QCOMPARE(swatch->palette().color(QPalette::Window), QColor(0, 128, 255));
        QCOMPARE(e.platform.geopendOp, (QList<QRgb>{qRgb(1, 2, 3), qRgb(0, 128, 255)}));
        QCOMPARE(e.beeld(), tegelVan(12));
        patroon->setValue(7);
        QCOMPARE(e.beeld(), patroonOver(tegelVan(12), 7, qRgb(0, 128, 255)));
        textuur->setValue(20);
        QCOMPARE(e.beeld(), tegelVan(13));
        patroon->setValue(11);
        QCOMPARE(e.beeld(), patroonOver(tegelVan(13), 10, qRgb(0, 128, 255)));
        patroon->setValue(0);
        QCOMPARE(e.beeld(), filledPicture(80, 80, qRgb(0, 128, 255)));
    }
};

VOLTARIX_TEST(TestAchtergrondVenster)
#include "tst_achtergrondvenster.moc"

// The symbol designer's window over its model, and the background editor's.
#include "ScriptedPlatform.h"
#include "TestFolder.h"
#include "TestRunner.h"
#include "symbols/Patronen.h"
#include "symbols/Texturen.h"
#include "symbols/vensters/Config.h"
#include "symbols/vensters/IconDesign.h"

#include <QtTest>
#include <QtWidgets>

namespace {

void sleep(QWidget *widget, QPoint punt, Qt::MouseButtons knoppen) { // a move, buttons held
    QMouseEvent beweging(QEvent::MouseMove, punt, widget->mapToGlobal(punt), Qt::NoButton, knoppen,
                         {});
    QApplication::sendEvent(widget, &beweging);
}

const auto tegelVan = [](int textuur) { return Texturen::textuur(textuur).copy(0, 0, 80, 80); };

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

class TestSymboolVensters : public QObject {
    Q_OBJECT
private slots:
    // The toolbar's hints and pictures; mouse events shown at once; Transfer copies.
    void window() {
        ScriptedPlatform platform;
        Surface IconPic(49, 49);
        IconDesign venster(platform, IconPic);
        const auto kind = [&](const QString &naam) { return venster.findChild<QWidget *>(naam); };
        const QString hints = " New | Open | Save | Border | Rotate | Mirror | Fill | Left | Right "
                              "| Up | Down || Negative | Circle | Colorpicker ";
        QList<QImage> plaatjes;
        for (int i = 1; i <= 15; ++i) {
            auto *knop = venster.findChild<QToolButton *>(QStringLiteral("KnopB_%1").arg(i));
            QCOMPARE(knop->toolTip(), hints.section('|', i - 1, i - 1));
            plaatjes << knop->icon().pixmap(knop->iconSize()).toImage();
            ALLE_WAAR(plaatjes.last().isNull() == (i == 12), plaatjes.count(plaatjes.last()) == 1);
        }
        QWidget *grid = kind("IconPicture");
        QTest::mouseClick(grid, Qt::LeftButton, {}, QPoint(5, 250));
        QCOMPARE(kind("IconOrgineel")->grab().toImage(), venster.model().tekening().image());
        QTest::mouseClick(kind("TransferKnop"), Qt::LeftButton);
        ALLE_WAAR(IconPic.pixel(0, 24) == qRgb(0, 0, 0),
                  IconPic.image() == venster.model().tekening().image());
        sleep(grid, QPoint(250, 250), Qt::NoButton);
        QCOMPARE(venster.findChild<QLabel *>("CoordLabel")->text(), QStringLiteral("X:25 - Y:25"));
        sleep(grid, QPoint(5, 250), Qt::RightButton);
        QCOMPARE(venster.model().tekening().pixel(0, 24), Surface::kWhite);
        QCOMPARE(IconPic.pixel(0, 24), qRgb(0, 0, 0));
        sleep(kind("IconPalet"), QPoint(10, 5), Qt::NoButton);
        QCOMPARE(kind("IconPalet")->toolTip(), QStringLiteral(" R:0 / G:255 / B:255 "));
        QTest::mouseClick(kind("IconPalet"), Qt::LeftButton, {}, QPoint(10, 5));
        QCOMPARE(kind("TekenKleur")->palette().color(QPalette::Window), QColor(0, 255, 255));
        QTest::mouseClick(kind("KnopB_15"), Qt::LeftButton); // picking: only the picker, a cross
        for (int i = 1; i <= 15; ++i)
            QCOMPARE(kind(QStringLiteral("KnopB_%1").arg(i))->isEnabled(), i == 15);
        QCOMPARE(grid->cursor().shape(), Qt::CrossCursor);
        QTest::mouseClick(grid, Qt::LeftButton, {}, QPoint(2, 250)); // the red marker
        ALLE_WAAR(kind("KnopB_1")->isEnabled(), grid->cursor().shape() == Qt::ArrowCursor);
        QCOMPARE(kind("TekenKleur")->palette().color(QPalette::Window), QColor(255, 0, 0));
    }

    // OK stores the tile under the web view; `hindernis` 1: a folder as the BMP, 2: no folder.
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
        ALLE_WAAR(e.config->isVisible() == !web, e.config->result() == gedaan);
        QCOMPARE(e.herladen + e.platform.waited, gedaan ? 2.0 : 0.0);
        QStringList meldingen;
        for (const auto &melding : e.platform.messages)
            meldingen << melding.text + melding.title;
        QCOMPARE(meldingen, hindernis == 1 ? QStringList{"File save not as JPG!"} : QStringList());
        QVERIFY(!QFileInfo(e.folder.path("mydummy.bmp")).isFile());
        QCOMPARE(QDir(e.folder.path("Plugins/Images")).entryList(QDir::Files).size(),
                 hindernis == 2 ? 0 : 1);
        const int zijde = opgeslagen ? 80 : hindernis == 2 ? 0 : 9; // the new, the old, none
        QCOMPARE(QImage(e.jpeg).size(), QSize(zijde, zijde));
    }

    // A pattern over the texture in the swatch's colour (its dialog opens on the last); 0: all.
    void samenstellen() {
        Editor e;
        e.start(true);
        auto *textuur = e.config->findChild<QScrollBar *>("HScroll1"),
             *patroon = e.config->findChild<QScrollBar *>("VScroll1");
        const auto zet = [&e](QScrollBar *s, int w) {
            s->setValue(w);
            return e.beeld();
        };
        QCOMPARE(zet(patroon, 4), patroonOver(Surface(80, 80).image(), 4, qRgb(255, 255, 0)));
        QCOMPARE(zet(textuur, 12), tegelVan(12));
        e.config->findChild<QCheckBox *>("Check1")->setChecked(true);
        e.platform.colourAnswers = {qRgb(0, 128, 255), std::nullopt};
        auto *swatch = e.config->findChild<QLabel *>("ColorLabel");
        QTest::mouseClick(swatch, Qt::LeftButton);
        QTest::mouseClick(swatch, Qt::LeftButton); // cancelled
        QCOMPARE(swatch->palette().color(QPalette::Window), QColor(0, 128, 255));
        QCOMPARE(e.platform.geopendOp, (QList<QRgb>{qRgb(1, 2, 3), qRgb(0, 128, 255)}));
        QCOMPARE(e.beeld(), tegelVan(12));
        QCOMPARE(zet(patroon, 7), patroonOver(tegelVan(12), 7, qRgb(0, 128, 255)));
        QCOMPARE(zet(textuur, 20), tegelVan(13));
        QCOMPARE(zet(patroon, 11), patroonOver(tegelVan(13), 10, qRgb(0, 128, 255)));
        QCOMPARE(zet(patroon, 0), filledPicture(80, 80, qRgb(0, 128, 255)));
    }
};

VOLTARIX_TEST(TestSymboolVensters)
#include "tst_symboolvensters.moc"

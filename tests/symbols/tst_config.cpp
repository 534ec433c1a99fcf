#include "ScriptedPlatform.h"
#include "TestFolder.h"
#include "TestRunner.h"
#include "symbols/Config.h"
#include "symbols/Texturen.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

namespace {

// One opening of the editor, with the web view shown or not.
struct Opening {
    explicit Opening(bool webZichtbaar)
        : config(
              AppFolder(folder.root()), platform, webZichtbaar, [this] { ++herladen; },
              dialoogKleur) {
        folder.makeDir(QStringLiteral("Plugins/Images"));
        config.show();
    }
    template <typename T> T *deel(const char *naam) {
        return config.findChild<T *>(QLatin1String(naam));
    }
    bool jpegBestaat() const {
        return QFileInfo::exists(folder.path(QStringLiteral("Plugins/Images/background.jpg")));
    }

    TestFolder folder;
    ScriptedPlatform platform;
    int herladen = 0;
    QRgb dialoogKleur = qRgb(0, 0, 0);
    Config config;
};

} // namespace

class TestConfig : public QObject {
    Q_OBJECT
private slots:
    void okZonderWebWeergave();
    void okSlaatOpEnSluit();
    void cancelSlaatNietsOp();
    void besturingNaarTegel();
};

// With the board in the main window, OK does nothing at all and the editor stays open.
void TestConfig::okZonderWebWeergave() {
    Opening opening(false);
    QTest::mouseClick(opening.deel<QPushButton>("OkKnop"), Qt::LeftButton);
    QVERIFY(opening.config.isVisible());
    QVERIFY(!opening.jpegBestaat());
    QVERIFY(opening.platform.messages.isEmpty());
    QCOMPARE(opening.platform.waits, 0);
    QCOMPARE(opening.herladen, 0);
    QVERIFY(QDir(opening.folder.root()).entryList(QDir::Files).isEmpty());
}

void TestConfig::okSlaatOpEnSluit() {
    Opening opening(true);
    QTest::mouseClick(opening.deel<QPushButton>("OkKnop"), Qt::LeftButton);
    QVERIFY(!opening.config.isVisible());
    QCOMPARE(opening.config.result(), int(QDialog::Accepted));
    QVERIFY(opening.jpegBestaat());
    QCOMPARE(opening.herladen, 1);
    QCOMPARE(opening.platform.waited, 1.0);
    QVERIFY(!QFileInfo::exists(opening.folder.path(QStringLiteral("mydummy.bmp"))));
}

void TestConfig::cancelSlaatNietsOp() {
    Opening opening(true);
    QTest::mouseClick(opening.deel<QPushButton>("CancelKnop"), Qt::LeftButton);
    QVERIFY(!opening.config.isVisible());
    QCOMPARE(opening.config.result(), int(QDialog::Rejected));
    QVERIFY(!opening.jpegBestaat());
    QCOMPARE(opening.herladen, 0);
}

// The bars, the check box and the swatch reach the tile.
void TestConfig::besturingNaarTegel() {
    Opening opening(true);
    opening.platform.colourAnswers = {qRgb(0, 128, 255)};
    auto *swatch = opening.deel<QLabel>("ColorLabel");
    QCOMPARE(swatch->toolTip(), QStringLiteral(" Klik voor andere kleuren "));
    QTest::mouseClick(swatch, Qt::LeftButton);
    QCOMPARE(opening.dialoogKleur, qRgb(0, 128, 255));
    QCOMPARE(swatch->palette().color(QPalette::Window), QColor(0, 128, 255));
    opening.deel<QCheckBox>("Check1")->setChecked(true);
    opening.deel<QScrollBar>("HScroll1")->setValue(5);
    opening.deel<QScrollBar>("VScroll1")->setValue(10);
    const AchtergrondTegel &tegel = opening.config.tegel();
    QCOMPARE(tegel.textuur(), 5);
    QCOMPARE(tegel.patroon(), 10);
    QVERIFY(tegel.combineren());
    QCOMPARE(tegel.voorbeeld().pixel(0, 0), qRgb(0, 128, 255));
    QCOMPARE(tegel.voorbeeld().pixel(1, 1), Texturen::textuur(5).pixel(1, 1));
    QCOMPARE(opening.deel<QScrollBar>("HScroll1")->maximum(), 13);
    QCOMPARE(opening.deel<QScrollBar>("VScroll1")->maximum(), 10);
}

VOLTARIX_TEST(TestConfig)
#include "tst_config.moc"

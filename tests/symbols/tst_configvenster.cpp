#include "ScriptedPlatform.h"
#include "TestFolder.h"
#include "TestRunner.h"
#include "symbols/Config.h"
#include "tools/LedCalc.h"

#include <QFrame>
#include <QtTest>

// The background editor's window is 360 x 220 from outside, as every tool window is
// measured, so its frame ends just above the window's bottom edge.
class TestConfigVenster : public QObject {
    Q_OBJECT
private slots:
    void sizedLikeTheOtherToolWindows();
};

void TestConfigVenster::sizedLikeTheOtherToolWindows() {
    TestFolder folder;
    ScriptedPlatform platform;
    QRgb kleur = 0;
    Config config(
        AppFolder(folder.root()), platform, true, [] {}, kleur);
    LedCalc led(nullptr, QLocale::c()); // 7380 x 6975 twips from outside
    QCOMPARE(QSize(360, 220) - config.size(), QSize(7380 / 15, 6975 / 15) - led.size());
    const QRect frame = config.findChild<QFrame *>(QStringLiteral("Frame1"))->geometry();
    QVERIFY(config.rect().contains(frame));
    QVERIFY2(config.height() - frame.bottom() <= 10,
             qPrintable(QStringLiteral("%1 empty pixels under the frame")
                            .arg(config.height() - frame.bottom() - 1)));
}

VOLTARIX_TEST(TestConfigVenster)
#include "tst_configvenster.moc"

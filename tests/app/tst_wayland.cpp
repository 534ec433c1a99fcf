#include "ScriptedPlatform.h"
#include "TestFolder.h"
#include "TestRunner.h"
#include "app/Main.h"
#include "app/Verschijning.h"
#include "ui/SheetView.h"

#include <QtTest>
#include <QtWidgets>

class TestWayland : public QObject {
    Q_OBJECT
private slots:

    // X is asked for only where Qt would otherwise look for a missing Wayland plugin
    // and warn; a platform the user chose is never overruled.
    void platform_data() {
        QTest::addColumn<QByteArray>("eigen");
        QTest::addColumn<bool>("sessie");
        QTest::addColumn<bool>("x");
        QTest::addColumn<bool>("plugin");
        QTest::addColumn<QByteArray>("keuze");
        QTest::newRow("X desktop") << QByteArray() << false << true << false << QByteArray();
        QTest::newRow("Wayland with the plugin")
            << QByteArray() << true << true << true << QByteArray();
        QTest::newRow("Wayland without it")
            << QByteArray() << true << true << false << QByteArray("xcb");
        QTest::newRow("Wayland without X")
            << QByteArray() << true << false << false << QByteArray();
        QTest::newRow("the user's choice")
            << QByteArray("wayland") << true << true << false << QByteArray();
    }
    void platform() {
        QFETCH(QByteArray, eigen);
        QFETCH(bool, sessie);
        QFETCH(bool, x);
        QFETCH(bool, plugin);
        QFETCH(QByteArray, keuze);
        QCOMPARE(Verschijning::platform(eigen, sessie, x, plugin), keuze);
    }

    // Where the screen cannot be read (here Qt's offscreen platform, as under Wayland),
    // the magnifier shows the program's own window around the pointer, enlarged.
    void loepToontEigenVenster() {
        TestFolder folder;
        ScriptedPlatform platform;
        Main main(AppFolder(folder.root()), platform, QSize(1024, 768));
        main.show();
        for (const char *knop : {"Knop7", "LoepKnop"})
            main.findChild<QAbstractButton *>(knop)->click();
        auto *bord = main.findChild<SheetView *>("Pic2");
        const QPoint gat(296, 246); // a contact point: a hole in the board's face
        QCursor::setPos(bord->mapToGlobal(gat));
        const Surface &loep = main.findChild<QFrame *>("Loep")->findChild<SheetView *>()->surface();
        const QImage bron = main.ontwerp().Pic2.image();
        // z = 3: every third pixel of a row of the box is one pixel of the board
        const QPoint midden(loep.width() / 2, loep.height() / 2 - 20);
        const auto gelijk = [&] {
            int aantal = 0;
            for (int dx = -8; dx < 8; ++dx)
                aantal += (loep.pixel(midden.x() + 3 * dx, midden.y()) & 0xffffff) ==
                          (bron.pixel(gat.x() + dx, gat.y() - 7) & 0xffffff);
            return aantal;
        };
        // the magnifier's timer fills the box
        QTRY_VERIFY2(gelijk() >= 12, qPrintable(QString::number(gelijk())));
    }
};

VOLTARIX_TEST(TestWayland)
#include "tst_wayland.moc"

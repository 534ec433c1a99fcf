#include "HoofdVenster.h"
#include "TestRunner.h"
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
        const Tabel<QByteArray, bool, bool, bool, QByteArray> rij("eigen", "sessie", "x", "plugin",
                                                                  "keuze");
        rij("X desktop", {}, false, true, false, {});
        rij("Wayland with the plugin", {}, true, true, true, {});
        rij("Wayland without it", {}, true, true, false, "xcb");
        rij("Wayland without X", {}, true, false, false, {});
        rij("the user's choice", "wayland", true, true, false, {});
    }
    void platform() {
        auto [eigen, sessie, x, plugin, keuze] = velden<QByteArray, bool, bool, bool, QByteArray>(
            "eigen", "sessie", "x", "plugin", "keuze");
        QCOMPARE(Verschijning::platform(eigen, sessie, x, plugin), keuze);
    }

    // Where the screen cannot be read (here Qt's offscreen platform, as under Wayland),
    // the magnifier shows the program's own window around the pointer, enlarged.
    void loepToontEigenVenster() {
        HoofdVenster<> v;
        v.start();
        v.main->show();
        v.klik("Knop7");
        v.klik("LoepKnop");
        auto *bord = v.w<SheetView>("Pic2");
        const QPoint gat(296, 246); // a contact point: a hole in the board's face
        QCursor::setPos(bord->mapToGlobal(gat));
        const Surface &loep = v.w("Loep")->findChild<SheetView *>()->surface();
        const QImage bron = v.main->ontwerp().Pic2.image();
        // z = 3: every third pixel of a row of the box is one pixel of the board
        const QPoint midden(loep.width() / 2, loep.height() / 2 - 20);
        const auto gelijk = [&] {
            int aantal = 0;
            for (int dx = -8; dx < 8; ++dx)
                aantal += (loep.pixel(midden.x() + 3 * dx, midden.y()) & 0xffffff) ==
                          (bron.pixel(gat.x() + dx, gat.y() - 7) & 0xffffff);
            return aantal;
        };
        QTRY_VERIFY2(gelijk() >= 12, qPrintable(QString::number(gelijk())));
    }
};

VOLTARIX_TEST(TestWayland)
#include "tst_wayland.moc"

#include "TestRunner.h"
#include "app/MainLayout.h"
#include "app/Schaal.h"
#include "app/TitelInfo.h"
#include "app/TitelPlaatje.h"
#include "editor/ToolIcons.h"

#include <QtTest>

class TestScherm : public QObject {
    Q_OBJECT
private slots:

    // The desktop's scale and its DPI, and the scale the program shows itself at: the
    // desktop's own while the main window fits, else the largest quarter step that fits.
    void schaal_data() {
        // vrij: device pixels
        kolommen<QSize, double, int, double>("vrij", "bureaublad", "dpi", "gekozen");
        QTest::newRow("1366x768 at 100 %") << QSize(1366, 768) << 1.0 << 96 << 1.0;
        QTest::newRow("1366x768 at 125 %") << QSize(1366, 768) << 1.25 << 120 << 1.0;
        QTest::newRow("1920x1080 at 150 %") << QSize(1920, 1080) << 1.5 << 144 << 1.25;
        QTest::newRow("2560x1440 at 200 %") << QSize(2560, 1440) << 2.0 << 192 << 1.75;
        QTest::newRow("just fits") << QSize(1280, 910) << 1.25 << 120 << 1.25;
        QTest::newRow("a pixel short") << QSize(1279, 910) << 1.25 << 120 << 1.0;
        QTest::newRow("between steps") << QSize(1600, 900) << 1.33 << 128 << 1.0;
        QTest::newRow("desktop below 1") << QSize(1366, 768) << 0.8 << 77 << 0.8;
    }

    void schaal() {
        auto [vrij, bureaublad, dpi, gekozen] =
            velden<QSize, double, int, double>("vrij", "bureaublad", "dpi", "gekozen");
        QCOMPARE(TitelInfo::dpiVan(96, bureaublad), dpi);
        QCOMPARE(Schaal::kiesFactor(vrij, bureaublad, MainLayout::kKleinsteScherm), gekozen);
        // With the user's own QT_SCALE_FACTOR of 1.5 in it, the desktop's scale becomes ours.
        QCOMPARE(bureaublad * Schaal::qtFactor(1.5, bureaublad, gekozen) / 1.5, gekozen);
        // The DPI warning tells the scale the program chose instead of the desktop's.
        QVERIFY(TitelInfo::dpiWaarschuwing(dpi, gekozen)
                    .endsWith(QString("daarom op %1 %, zodat alles op het scherm past.")
                                  .arg(qRound(gekozen * 100))) == (dpi != 96));
    }

    // Every control lies whole in its panel, every panel in the window's inside (less its
    // title bar and a menu bar of 25 pixels), and from the smallest screen on the
    // breadboard sheet holds the small board (500 pixels high).
    void allesBinnen_data() {
        QTest::addColumn<QSize>("scherm");
        for (QSize scherm : {MainLayout::kKleinsteScherm, QSize(1024, 768), QSize(1366, 700)})
            QTest::addRow("%dx%d", scherm.width(), scherm.height()) << scherm;
    }

    void allesBinnen() {
        QFETCH(QSize, scherm);
        const QSize twips = scherm * 15;
        const auto pixels = [&](const char *naam, int index = 0) {
            const QRect t = MainLayout::plaats(QLatin1String(naam), twips, index)->twips;
            return QRect(t.topLeft() / 15, t.size() / 15);
        };
        const QRect venster = MainLayout::venster(twips);
        const QSize binnen = QSize(venster.width(), venster.height()) / 15 - QSize(0, 29 + 25);
        const QList<QPair<const char *, QList<const char *>>> panelen = {
            {"Frame1", {"BackKnoppen", "Knop"}},
            {"Frame2", {"ZoekVak", "List1", "Label6", "DeleteKnop"}},
            {"Frame4", {"Label7", "RotatieKnop"}},
            {"Frame5", {"Label9", "Knop2"}},
            {"Frame6", {"BackLabel8"}},
            {"Frame3", {"BackPic", "WerkBalk", "PrintKnop"}}};
        for (const auto &[paneel, besturing] : panelen) {
            QVERIFY2(QRect(QPoint(), binnen).contains(pixels(paneel)), paneel);
            for (const char *naam : besturing)
                QVERIFY2(QRect(QPoint(), pixels(paneel).size())
                             .contains(pixels(naam, qstrcmp(naam, "Knop") ? 2 : 15)),
                         naam);
        }
        QCOMPARE(pixels("Pic2").height() > 500,
                 scherm.height() >= MainLayout::kKleinsteScherm.height());
    }

    // At 200 % the pictures are drawn anew at twice the pixels each way, not enlarged,
    // and keep their size on the screen.
    void plaatjesOpSchaal() {
        const QList<std::function<QImage(qreal)>> tekeningen = {
            [](qreal s) { return ToolIcons::knop(7, s); },
            [](qreal s) { return ToolIcons::kwartslag(QSize(24, 48), s); },
            [](qreal s) { return TitelPlaatje::teken(s); }};
        for (const auto &teken : tekeningen) {
            const QImage enkel = teken(1), dubbel = teken(2);
            QImage vergroot = enkel.scaled(enkel.size() * 2);
            vergroot.setDevicePixelRatio(2);
            QCOMPARE(dubbel.deviceIndependentSize(), QSizeF(enkel.size()));
            QCOMPARE(dubbel.size(), vergroot.size());
            QVERIFY(dubbel != vergroot);
        }
    }
};

VOLTARIX_TEST(TestScherm)
#include "tst_scherm.moc"

// The symbol designer's window: a thin view over its model.
#include "ScriptedPlatform.h"
#include "TestRunner.h"
#include "symbols/IconDesign.h"

#include <QApplication>
#include <QLabel>
#include <QToolButton>
#include <QtTest>

namespace {

const QRgb kZwart = qRgb(0, 0, 0), kRood = qRgb(255, 0, 0);

void sleep(QWidget *widget, QPoint punt, Qt::MouseButtons knoppen) { // a move, buttons held
    QMouseEvent beweging(QEvent::MouseMove, punt, widget->mapToGlobal(punt), Qt::NoButton, knoppen,
                         {});
    QApplication::sendEvent(widget, &beweging);
}

} // namespace

class TestIconDesignVenster : public QObject {
    Q_OBJECT
private slots:
    // The toolbar's hints, pictures and places; mouse events shown at once; Transfer copies.
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
            QCOMPARE(knop->geometry(), QRect(12 + 34 * (i - 1), 10, i == 15 ? 25 : 34, 25));
            plaatjes << knop->icon().pixmap(knop->iconSize()).toImage();
            QCOMPARE(plaatjes.last().isNull(), i == 12);
            QCOMPARE(plaatjes.count(plaatjes.last()), 1);
        }
        QWidget *grid = kind("IconPicture");
        QTest::mouseClick(grid, Qt::LeftButton, {}, QPoint(5, 250));
        QCOMPARE(kind("IconOrgineel")->grab().toImage(), venster.model().tekening().image());
        QTest::mouseClick(kind("TransferKnop"), Qt::LeftButton);
        QCOMPARE(IconPic.pixel(0, 24), kZwart);
        QCOMPARE(IconPic.image(), venster.model().tekening().image());
        sleep(grid, QPoint(250, 250), Qt::NoButton);
        QCOMPARE(venster.findChild<QLabel *>("CoordLabel")->text(), QStringLiteral("X:25 - Y:25"));
        sleep(grid, QPoint(5, 250), Qt::RightButton);
        QCOMPARE(venster.model().tekening().pixel(0, 24), Surface::kWhite);
        QCOMPARE(IconPic.pixel(0, 24), kZwart);
        sleep(kind("IconPalet"), QPoint(10, 5), Qt::NoButton);
        QCOMPARE(kind("IconPalet")->toolTip(), QStringLiteral(" R:0 / G:255 / B:255 "));
        QTest::mouseClick(kind("IconPalet"), Qt::LeftButton, {}, QPoint(10, 5));
        QCOMPARE(kind("TekenKleur")->palette().color(QPalette::Window), QColor(0, 255, 255));
        QTest::mouseClick(kind("KnopB_15"), Qt::LeftButton); // picking: only the picker, a cross
        for (int i = 1; i <= 15; ++i)
            QCOMPARE(kind(QStringLiteral("KnopB_%1").arg(i))->isEnabled(), i == 15);
        QCOMPARE(grid->cursor().shape(), Qt::CrossCursor);
        QTest::mouseClick(grid, Qt::LeftButton, {}, QPoint(2, 250)); // the red marker
        QVERIFY(kind("KnopB_1")->isEnabled());
        QCOMPARE(grid->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(kind("TekenKleur")->palette().color(QPalette::Window), QColor(kRood));
    }
};

VOLTARIX_TEST(TestIconDesignVenster)
#include "tst_icondesignvenster.moc"

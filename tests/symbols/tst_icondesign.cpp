#include "ScriptedPlatform.h"
#include "TestFolder.h"
#include "TestRunner.h"
#include "app/Main.h"
#include "symbols/IconDesign.h"
#include "ui/SheetView.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

namespace {

const QRgb kZwart = qRgb(0, 0, 0);

template <typename T = QWidget> T *kind(const QWidget &ouder, const QString &naam) {
    T *widget = ouder.findChild<T *>(naam);
    if (!widget) qWarning("no control %s", qPrintable(naam));
    return widget;
}

QToolButton *knopB(const QWidget &venster, int index) {
    return kind<QToolButton>(venster, QStringLiteral("KnopB_%1").arg(index));
}

// A move with buttons held, as Qt delivers it during a drag.
void sleep(QWidget *widget, QPoint punt, Qt::MouseButtons knoppen) {
    QMouseEvent beweging(QEvent::MouseMove, punt, widget->mapToGlobal(punt), Qt::NoButton, knoppen,
                         Qt::NoModifier);
    QApplication::sendEvent(widget, &beweging);
}

} // namespace

class TestIconDesign : public QObject {
    Q_OBJECT
private slots:
    void layout_data();
    void layout();
    void toolbar();
    void mouseOnTheGrid();
    void pickingShowsInTheWindow();
    void paletteTooltip();
    void transferButton();
    void openedFreshFromTheMainWindow();
};

void TestIconDesign::layout_data() {
    QTest::addColumn<QString>("naam");
    QTest::addColumn<QRect>("plaats"); // in the window
    QTest::newRow("toolbar strip") << "KnoppenLabel" << QRect(10, 8, 505, 29);
    QTest::newRow("grid with border") << "IconPictureRand" << QRect(10, 44, 504, 504);
    QTest::newRow("grid inside") << "IconPicture" << QRect(12, 46, 500, 500);
    QTest::newRow("1:1 frame") << "IconLabel" << QRect(524, 44, 60, 60);
    QTest::newRow("1:1 view") << "IconOrgineel" << QRect(529, 49, 49, 49);
    QTest::newRow("palette") << "IconPalet" << QRect(524, 113, 60, 239);
    QTest::newRow("colour swatch") << "TekenKleur" << QRect(524, 360, 61, 22);
    QTest::newRow("coordinates") << "CoordLabel" << QRect(524, 392, 61, 17);
    QTest::newRow("hint") << "Label1" << QRect(524, 420, 61, 60);
    QTest::newRow("Transfer frame") << "Label2" << QRect(524, 523, 61, 26);
    QTest::newRow("Transfer") << "TransferKnop" << QRect(526, 525, 57, 22);
    QTest::newRow("button 1") << "KnopB_1" << QRect(12, 10, 34, 25);
    QTest::newRow("button 14") << "KnopB_14" << QRect(454, 10, 34, 25);
    QTest::newRow("button 15") << "KnopB_15" << QRect(488, 10, 25, 25);
}

void TestIconDesign::layout() {
    QFETCH(QString, naam);
    QFETCH(QRect, plaats);
    ScriptedPlatform platform;
    Surface IconPic(49, 49);
    IconDesign venster(platform, IconPic);
    QWidget *widget = kind(venster, naam);
    QVERIFY(widget);
    QCOMPARE(QRect(widget->mapTo(&venster, QPoint(0, 0)), widget->size()), plaats);
    QVERIFY(venster.rect().contains(plaats));
}

void TestIconDesign::toolbar() {
    ScriptedPlatform platform;
    Surface IconPic(49, 49);
    IconDesign venster(platform, IconPic);
    QCOMPARE(venster.windowTitle(), QStringLiteral(" 49 x 49 Symbool Designer"));
    QCOMPARE(kind<QLabel>(venster, "CoordLabel")->text(), QStringLiteral(" X"));
    QCOMPARE(kind<QLabel>(venster, "Label1")->text(),
             QStringLiteral("25, 25 is het midden van het teken veld."));
    const QStringList hints = {" New ",    " Open ", " Save ",     " Border ", " Rotate ",
                               " Mirror ", " Fill ", " Left ",     " Right ",  " Up ",
                               " Down ",   "",       " Negative ", " Circle ", " Colorpicker "};
    QList<QImage> plaatjes;
    for (int i = 1; i <= 15; ++i) {
        QCOMPARE(knopB(venster, i)->toolTip(), hints[i - 1]);
        const QIcon icon = knopB(venster, i)->icon();
        QCOMPARE(icon.isNull(), i == 12);
        if (icon.isNull()) continue;
        const QImage plaatje = icon.pixmap(knopB(venster, i)->iconSize()).toImage();
        QVERIFY2(!plaatjes.contains(plaatje), qPrintable(hints[i - 1]));
        plaatjes << plaatje;
    }
}

void TestIconDesign::mouseOnTheGrid() {
    ScriptedPlatform platform;
    Surface IconPic(49, 49);
    IconDesign venster(platform, IconPic);
    auto *grid = kind(venster, "IconPicture");
    QTest::mouseClick(grid, Qt::LeftButton, {}, QPoint(5, 250));
    QTest::mouseClick(grid, Qt::LeftButton, {}, QPoint(4, 260));
    QCOMPARE(venster.model().tekening().pixel(0, 24), kZwart);
    QCOMPARE(venster.model().tekening().pixel(0, 25), Surface::kWhite);
    // The 1:1 view shows the drawing.
    const QImage view = kind(venster, "IconOrgineel")->grab().toImage();
    QCOMPARE(view.pixel(0, 24), kZwart);
    QCOMPARE(view.pixel(1, 24), Surface::kWhite);
    sleep(grid, QPoint(250, 250), Qt::NoButton);
    QCOMPARE(kind<QLabel>(venster, "CoordLabel")->text(), QStringLiteral("X:25 - Y:25"));
    sleep(grid, QPoint(5, 250), Qt::RightButton);
    QCOMPARE(venster.model().tekening().pixel(0, 24), Surface::kWhite);
}

void TestIconDesign::pickingShowsInTheWindow() {
    ScriptedPlatform platform;
    Surface IconPic(49, 49);
    IconDesign venster(platform, IconPic);
    auto *grid = kind(venster, "IconPicture");
    QTest::mouseClick(knopB(venster, 15), Qt::LeftButton);
    for (int i = 1; i <= 15; ++i)
        QCOMPARE(knopB(venster, i)->isEnabled(), i == 15);
    QCOMPARE(grid->cursor().shape(), Qt::CrossCursor);
    QVERIFY(kind(venster, "TransferKnop")->isEnabled());
    QTest::mouseClick(grid, Qt::LeftButton, {}, QPoint(2, 250)); // the red marker
    for (int i = 1; i <= 15; ++i)
        QVERIFY(knopB(venster, i)->isEnabled());
    QCOMPARE(grid->cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(kind(venster, "TekenKleur")->palette().color(QPalette::Window), QColor(255, 0, 0));
}

void TestIconDesign::paletteTooltip() {
    ScriptedPlatform platform;
    Surface IconPic(49, 49);
    IconDesign venster(platform, IconPic);
    auto *palet = kind(venster, "IconPalet");
    sleep(palet, QPoint(10, 5), Qt::NoButton);
    QCOMPARE(palet->toolTip(), QStringLiteral(" R:0 / G:255 / B:255 "));
    QTest::mouseClick(palet, Qt::LeftButton, {}, QPoint(10, 5));
    QCOMPARE(kind(venster, "TekenKleur")->palette().color(QPalette::Window), QColor(0, 255, 255));
}

void TestIconDesign::transferButton() {
    ScriptedPlatform platform;
    Surface IconPic(49, 49);
    IconDesign venster(platform, IconPic);
    venster.show();
    QTest::mouseClick(kind(venster, "IconPicture"), Qt::LeftButton, {}, QPoint(30, 40));
    QCOMPARE(IconPic.pixel(2, 3), Surface::kWhite);
    QTest::mouseClick(kind(venster, "TransferKnop"), Qt::LeftButton);
    QCOMPARE(IconPic.pixel(2, 3), kZwart);
    QVERIFY(venster.isVisible()); // the designer stays open
}

void TestIconDesign::openedFreshFromTheMainWindow() {
    TestFolder folder;
    ScriptedPlatform platform;
    Main main(AppFolder(folder.root()), platform, QSize(1024, 768));
    auto *knop = main.findChild<QToolButton *>(QStringLiteral("Knop2_2"));
    QVERIFY(knop);
    QCOMPARE(knop->toolTip(), QStringLiteral(" Symbool Designer "));
    QStringList gezien;
    const auto bedien = [&](bool tekenen) {
        auto *venster = qobject_cast<IconDesign *>(QApplication::activeModalWidget());
        if (!venster) return;
        gezien << QStringLiteral("%1 %2")
                      .arg(venster->model().tekening().pixel(2, 3))
                      .arg(venster->windowTitle());
        if (tekenen) {
            QTest::mouseClick(kind(*venster, "IconPicture"), Qt::LeftButton, {}, QPoint(30, 40));
            QTest::mouseClick(kind(*venster, "TransferKnop"), Qt::LeftButton);
        }
        venster->close();
    };
    QTimer::singleShot(0, [&] { bedien(true); });
    knop->click();
    QCOMPARE(main.ontwerp().IconPic.pixel(2, 3), kZwart);
    QTimer::singleShot(0, [&] { bedien(false); });
    knop->click();
    const QString vers = QStringLiteral("%1  49 x 49 Symbool Designer").arg(Surface::kWhite);
    QCOMPARE(gezien, QStringList({vers, vers}));
}

VOLTARIX_TEST(TestIconDesign)
#include "tst_icondesign.moc"

#include "ScriptedPlatform.h"
#include "TestFolder.h"
#include "TestRunner.h"
#include "app/Main.h"
#include "tools/Bits.h"
#include "tools/DisplayVenster.h"
#include "tools/Kleurcode.h"
#include "tools/KleurcodeKeuze.h"
#include "tools/LedCalc.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QToolButton>
#include <QtTest>

#include <functional>

namespace {

const QLocale kEngels(QLocale::English, QLocale::UnitedStates);

template <typename Widget> Widget *kind(QWidget *venster, const char *naam) {
    auto *widget = venster->findChild<Widget *>(QLatin1String(naam));
    if (!widget) qFatal("no control %s", naam);
    return widget;
}

QString tekstVan(QWidget *venster, const char *naam) {
    return kind<QLabel>(venster, naam)->text();
}

// Runs `actie` on the modal window that the next call opens, as the user would.
void opModaalVenster(std::function<void(QDialog *)> actie) {
    QTimer::singleShot(0, [actie] {
        auto *venster = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        QVERIFY(venster);
        actie(venster);
        if (venster->isVisible()) venster->reject();
    });
}

QAction *menuItem(Main &main, const QString &tekst) {
    for (QAction *item : main.menuBar()->findChildren<QAction *>())
        if (item->text() == tekst) return item;
    return nullptr;
}

} // namespace

class TestGereedschapVensters : public QObject {
    Q_OBJECT
private slots:
    void transferHandsTheBandedSymbolOver();
    void closingWithoutTransferChangesNothing();
    void mainWindowOpensEachToolModallyAndAfresh();
    void ledCalcHidesTheCountInSingle();
    void displayRecomputesOnlyOnASupplyChange();
    void displayPlayDisablesTheButtonsAndStopsOnClose();
};

void TestGereedschapVensters::transferHandsTheBandedSymbolOver() {
    Surface iconPic(49, 49);
    Kleurcode venster(iconPic);
    kind<QScrollBar>(&venster, "VScroll1")->setValue(45);
    QCOMPARE(tekstVan(&venster, "Text4"), QStringLiteral(" 4.7 KOhm"));
    QCOMPARE(tekstVan(&venster, "Text2"), QStringLiteral(" Violet"));
    kind<QPushButton>(&venster, "ConvertKnop")->click();
    QCOMPARE(venster.result(), int(QDialog::Accepted));
    KleurcodeKeuze verwacht;
    verwacht.toonRij(45);
    QCOMPARE(iconPic.image(), verwacht.WeerPic().image());
    QCOMPARE(iconPic.pixel(11, 20), qRgb(255, 255, 0)); // "Geel"
}

void TestGereedschapVensters::closingWithoutTransferChangesNothing() {
    Surface iconPic(49, 49);
    const QImage voor = iconPic.image().copy();
    Kleurcode venster(iconPic);
    kind<QScrollBar>(&venster, "VScroll1")->setValue(80);
    venster.reject();
    QCOMPARE(iconPic.image(), voor);
}

void TestGereedschapVensters::mainWindowOpensEachToolModallyAndAfresh() {
    TestFolder folder;
    ScriptedPlatform platform;
    Main main(AppFolder(folder.root()), platform, QSize(1024, 768));
    main.show();

    opModaalVenster([](QDialog *venster) {
        QCOMPARE(venster->objectName(), QStringLiteral("Kleurcode"));
        QVERIFY(venster->isModal());
        kind<QScrollBar>(venster, "VScroll1")->setValue(96);
        kind<QPushButton>(venster, "ConvertKnop")->click();
    });
    main.findChild<QToolButton *>(QStringLiteral("Knop2_0"))->click();
    KleurcodeKeuze verwacht;
    verwacht.toonRij(96);
    QCOMPARE(main.ontwerp().IconPic.image(), verwacht.WeerPic().image());

    for (int keer = 0; keer < 2; ++keer) {
        opModaalVenster([](QDialog *venster) {
            QCOMPARE(venster->objectName(), QStringLiteral("Bits"));
            QVERIFY(tekstVan(venster, "Label1").isEmpty()); // nothing kept from before
            kind<QPushButton>(venster, "Knop0")->click();
            QCOMPARE(tekstVan(venster, "Label1"), QStringLiteral(" 128"));
        });
        menuItem(main, QStringLiteral("Bits en Bytes"))->trigger();
    }
    opModaalVenster([](QDialog *venster) {
        QCOMPARE(venster->objectName(), QStringLiteral("LedCalc"));
        QCOMPARE(venster->windowTitle(), QStringLiteral(" Led calculator"));
    });
    menuItem(main, QStringLiteral("Led Calculator"))->trigger();
    opModaalVenster([](QDialog *venster) {
        QCOMPARE(venster->objectName(), QStringLiteral("Display"));
        QCOMPARE(tekstVan(venster, "Label11"), QStringLiteral(" 350"));
    });
    menuItem(main, QStringLiteral("7 Segment Display"))->trigger();
    QVERIFY(!QApplication::activeModalWidget());
}

void TestGereedschapVensters::ledCalcHidesTheCountInSingle() {
    LedCalc venster(nullptr, kEngels);
    venster.show();
    auto *aantal = kind<QLineEdit>(&venster, "txtNoLED");
    QVERIFY(!aantal->isVisible());
    QVERIFY(!kind<QLabel>(&venster, "Label4")->isVisible());
    aantal->setText(QStringLiteral("5")); // as if typed in another mode
    kind<QPushButton>(&venster, "CalcKnop")->click();
    QCOMPARE(tekstVan(&venster, "lblResistorValue"), QStringLiteral("350"));
    QCOMPARE(tekstVan(&venster, "lblWatt"), QStringLiteral("0.18"));
    kind<QRadioButton>(&venster, "optLED1")->click();
    QVERIFY(aantal->isVisible());
    QVERIFY(tekstVan(&venster, "lblResistorValue").isEmpty());
    aantal->setText(QStringLiteral("3"));
    kind<QPushButton>(&venster, "CalcKnop")->click();
    QCOMPARE(tekstVan(&venster, "lblResistorValue"), QStringLiteral("117"));
    QCOMPARE(tekstVan(&venster, "lbltotCur"), QStringLiteral("0.06"));
}

void TestGereedschapVensters::displayRecomputesOnlyOnASupplyChange() {
    ScriptedPlatform platform;
    DisplayVenster venster(platform, nullptr, kEngels);
    auto *combo = kind<QComboBox>(&venster, "Combo1");
    QCOMPARE(combo->currentText(), QStringLiteral("9"));
    QCOMPARE(combo->count(), 26);
    kind<QLineEdit>(&venster, "Text2")->setText(QStringLiteral("10"));
    QCOMPARE(tekstVan(&venster, "Label11"), QStringLiteral(" 350"));
    combo->setCurrentText(QStringLiteral("5"));
    QCOMPARE(tekstVan(&venster, "Label11"), QStringLiteral(" 300"));
    kind<QLineEdit>(&venster, "Text2")->setText(QStringLiteral("0"));
    combo->setCurrentText(QStringLiteral("30"));
    QCOMPARE(tekstVan(&venster, "Label11"), QStringLiteral(" 300"));
    kind<QScrollBar>(&venster, "HScroll1")->setValue(7);
    QCOMPARE(tekstVan(&venster, "Label7"), QStringLiteral("Delay :7"));
}

void TestGereedschapVensters::displayPlayDisablesTheButtonsAndStopsOnClose() {
    ScriptedPlatform platform;
    DisplayVenster venster(platform);
    venster.show();
    auto *knop8 = kind<QPushButton>(&venster, "Knop8");
    auto *exit = kind<QPushButton>(&venster, "ExitKnop");
    platform.duringWait = [&](double) {
        QVERIFY(!knop8->isEnabled());
        QVERIFY(!exit->isEnabled());
        if (platform.waits == 4) venster.reject(); // the close box
    };
    kind<QPushButton>(&venster, "PlayKnop")->click();
    QCOMPARE(platform.waits, 4);
    QVERIFY(knop8->isEnabled());
    QVERIFY(exit->isEnabled());
    QVERIFY(!venster.isVisible());
}

VOLTARIX_TEST(TestGereedschapVensters)
#include "tst_gereedschapvensters.moc"

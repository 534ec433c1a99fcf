#include "ScriptedPlatform.h"
#include "TestRunner.h"
#include "tools/DisplayTekening.h"
#include "tools/vensters/Bits.h"
#include "tools/vensters/DisplayVenster.h"
#include "tools/vensters/Kleurcode.h"
#include "tools/vensters/LedCalc.h"
#include "ui/vensters/SheetView.h"

#include <QtTest>
#include <QtWidgets>

template <typename Widget = QAbstractButton> Widget *kind(QWidget *venster, const QString &naam) {
    if (auto *widget = venster->findChild<Widget *>(naam)) return widget;
    qFatal("no control %s", qPrintable(naam));
}

// A property (the text unless named) of the controls with these names, joined by "|".
static QString teksten(QWidget *venster, std::initializer_list<const char *> namen,
                       const char *eigenschap = "text") {
    QStringList tekst;
    for (const char *naam : namen)
        tekst << kind<QWidget>(venster, naam)->property(eigenschap).toString();
    return tekst.join('|');
}

class TestGereedschapVensters : public QObject {
    Q_OBJECT
private slots:
    void kleurcodeTransfersTheBandedSymbolOnlyOnTransfer() {
        Surface iconPic(49, 49);
        Kleurcode venster(iconPic);
        kind<QScrollBar>(&venster, "VScroll1")->setValue(80);
        venster.reject();
        QCOMPARE(iconPic.image(), Surface(49, 49).image());
        kind<QScrollBar>(&venster, "VScroll1")->setValue(45);
        QCOMPARE(
            teksten(&venster, {"Text4", "Text1", "Text2", "Text3", "Label2"}),
            " 4.7 KOhm| Geel| Violet| Rood|Bruin   = 1% Oranje = 2% Goud   = 5% Zilver  = 10%");
        QCOMPARE(kind<SheetView>(&venster, "Tekening")->surface().pixel(60, 30), qRgb(255, 0, 255));
        kind(&venster, "ConvertKnop")->click();
        QCOMPARE(iconPic.image(), kind<SheetView>(&venster, "WeerPic")->surface().image());
        QCOMPARE(venster.result(), int(QDialog::Accepted));
    }

    void bitsShowTheByte() {
        Bits venster;
        kind(&venster, "Knop0")->click();
        kind(&venster, "Knop7")->click();
        QCOMPARE(teksten(&venster, {"Label1", "Label2", "Knop0", "Knop1", "Knop7"}),
                 " 129| 10000001|X||X");
        kind(&venster, "ResetKnop")->click();
        QCOMPARE(teksten(&venster, {"Label1", "Knop7"}), "|");
    }

    void ledCalcHidesTheCountInSingle() {
        LedCalc venster(nullptr, QLocale::c());
        venster.show();
        QCOMPARE(teksten(&venster, {"txtNoLED", "Label4"}, "visible"), "false|false");
        kind<QLineEdit>(&venster, "txtNoLED")->setText(QStringLiteral("3"));
        kind(&venster, "optLED1")->click(); // Parallel
        QCOMPARE(teksten(&venster, {"txtNoLED", "Label4"}, "visible"), "true|true");
        kind(&venster, "CalcKnop")->click();
        QCOMPARE(teksten(&venster, {"lblResistorValue", "lblWatt", "lbltotCur"}), "117|0.54|0.06");
    }

    void display() {
        ScriptedPlatform platform;
        DisplayVenster venster(platform, nullptr, QLocale::c());
        venster.show();
        // Only a change of the supply (5 to 30 V) recomputes the resistors; "0" leaves them.
        auto *voeding = kind<QComboBox>(&venster, "Combo1");
        kind<QLineEdit>(&venster, "Text2")->setText(QStringLiteral("10"));
        voeding->setCurrentText(QStringLiteral("5"));
        QCOMPARE(teksten(&venster, {"Label11"}), " 300");
        kind<QLineEdit>(&venster, "Text2")->setText(QStringLiteral("0"));
        voeding->setCurrentText(QStringLiteral("30"));
        kind<QScrollBar>(&venster, "HScroll1")->setValue(3); // the hold time
        QCOMPARE(teksten(&venster, {"Label11", "Label7", "Knop0", "Knop10", "PinnenBoven"}),
                 " 300|Delay :3|0|dp|10    9    8    7    6");
        const Surface &bord = kind<SheetView>(&venster, "Tekening")->surface();
        // The layout placed the controls; "Segment" shows the segments' names for a while;
        // "Play" draws each digit and blocks the buttons; the close box ends it.
        QVERIFY(kind(&venster, "PlayKnop")->pos() != QPoint());
        QImage getoond;
        platform.duringWait = [&](double) { getoond = bord.image().copy(); };
        kind(&venster, "SegmentKnop")->click();
        ALLE_WAAR(!getoond.isNull(), getoond != bord.image());
        platform.waited = platform.waits = 0;
        platform.duringWait = [&](double) {
            QCOMPARE(teksten(&venster, {"Knop10", "ExitKnop"}, "enabled"), "false|false");
            QCOMPARE(bord.image().copy(QRect(kDisplayPlaats, kDisplayMaat)),
                     DisplayPlaatje(platform.waits).image());
            if (platform.waits == 4) venster.reject();
        };
        kind(&venster, "PlayKnop")->click();
        ALLE_WAAR(qFuzzyCompare(platform.waited, 4 * 3.0), !venster.isVisible(),
                  teksten(&venster, {"Knop10", "ExitKnop"}, "enabled") == "true|true");
    }
};

VOLTARIX_TEST(TestGereedschapVensters)
#include "tst_gereedschapvensters.moc"

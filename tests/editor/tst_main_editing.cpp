#include "HoofdVenster.h"
#include "TestRunner.h"
#include "editor/TextformModel.h"
#include "ui/vensters/SheetView.h"

#include <QClipboard>
#include <QMenuBar>
#include <QToolTip>
#include <QtTest>

static const QRgb kRood = qRgb(255, 0, 0);

class TestMainEditing : public QObject {
    Q_OBJECT
    HoofdVenster<> v;
    void zet(const char *naam, const char *eigenschap, const QVariant &waarde) {
        v.w(naam)->setProperty(eigenschap, waarde);
    }
    void modus(int index) { // chosen in Combo3 as a user chooses it
        zet("Combo3", "currentIndex", index);
        QMetaObject::invokeMethod(v.w("Combo3"), "activated", Q_ARG(int, index));
    }

private slots:
    void init() { v.start({1280, 1024}); }

    // The text tools go when the text is printed: as typed (though it looks like markup)
    // where its preview stood, in the size, weight, colour chosen. (Where the preview stands
    // and when the tools show: the editor's tekeningGumEnVoorbeelden and gebaar.)
    void tekstGereedschap() {
        zet("Text2", "text", "<b>LED");
        modus(3); // the text mode
        zet("Combo4", "currentText", "20");
        zet("Check1", "checked", true);
        zet("Combo2", "currentText", "Blauw");
        Surface &Pic2 = v.main->ontwerp().Pic2;
        Surface verwacht(Pic2.image());
        emit v.w<SheetView>("Pic2")->pressed(Qt::LeftButton, 400, 300);
        emit v.w<SheetView>("Pic2")->moved(Qt::LeftButton, 420, 330);
        const QRect voorbeeld = v.w("TekstLabel")->geometry(); // showing all of the text
        QVERIFY(qAbs(v.w("TekstLabel")->sizeHint().width() - voorbeeld.width()) <= 1);
        emit v.w<SheetView>("Pic2")->released(Qt::LeftButton, 420, 330);
        verwacht.drawText(voorbeeld.x(), voorbeeld.y(), "<b>LED",
                          {"Arial", 20, true, qRgb(0, 0, 255), 0});
        QCOMPARE(Pic2.image(), verwacht.image());
        for (const char *naam : {"Text2", "Combo4", "Check1", "TekstLabel"})
            QVERIFY2(v.w(naam)->isHidden(), naam);
    }

    // The current-symbol buttons turn and mirror the symbol; "Knop2_1" opens the text block
    // dialog, whose labels show all their text, whose text box and buttons reach its block
    // (the block itself: the editor's tekstBlok) and whose "Transfer" makes that block the
    // current symbol.
    void symboolKnoppen() {
        Surface &IconPic = v.main->huidigSymbool();
        IconPic.setPixel(0, 0, qRgb(0, 0, 0));
        const QList<std::pair<const char *, QPoint>> stappen = {
            {"RotatieKnop", {48, 0}}, {"VerKnop", {48, 48}}, {"HorKnop", {0, 48}}};
        for (const auto &[naam, punt] : stappen) {
            QMetaObject::invokeMethod(v.w(naam), "click");
            QCOMPARE(IconPic.pixel(punt.x(), punt.y()), qRgb(0, 0, 0));
        }
        TextformModel verwacht;
        verwacht.zetCode("R 10");
        verwacht.zetHoogte(0);
        bijModaalVenster([](QWidget *venster) {
            for (QWidget *w : venster->findChildren<QWidget *>()) {
                QVERIFY2(venster->rect().contains(w->geometry()), qPrintable(w->objectName()));
                if (w->inherits("QLabel"))
                    QCOMPARE(w->sizeHint().boundedTo(w->size() + QSize(2, 2)), w->sizeHint());
            }
            QTest::keyClicks(venster->findChild<QWidget *>("Text1"), "0");
            QTest::mouseClick(venster->findChild<QWidget *>("Bknop0"), Qt::LeftButton);
            QMetaObject::invokeMethod(venster->findChild<QWidget *>("PlaatsKnop"), "click");
        });
        QMetaObject::invokeMethod(v.w("Knop2_1"), "click");
        QCOMPARE(IconPic.image(), verwacht.WeerPic().image());
    }

    // On the design sheet Cut takes the selected cells to the clipboard and leaves them
    // white, Delete only clears them; pasting what is no picture says so and changes nothing.
    void knippenEnVerwijderen() {
        v.klik("Knop5");
        Surface &Pic = v.main->ontwerp().Pic;
        auto *PicView = v.w<SheetView>("Pic");
        const QImage leeg = Pic.image().copy();
        v.main->huidigSymbool().fillBox(0, 0, 48, 48, kRood);
        for (const int x : {75, 125})
            QTest::mouseClick(PicView, Qt::LeftButton, {}, {x, 75});
        QTest::mouseClick(PicView, Qt::LeftButton, Qt::ShiftModifier, {75, 75});
        QCOMPARE(PicView->rand(), QRect(50, 50, 51, 51)); // the cell's outline shows
        v.item("Knippen")->trigger();
        QTest::mouseClick(PicView, Qt::LeftButton, Qt::ShiftModifier, {125, 75});
        v.item("Verwijderen")->trigger();
        QCOMPARE(Pic.image(), leeg);
        QClipboard *klembord = QGuiApplication::clipboard();
        QCOMPARE(klembord->image().convertToFormat(QImage::Format_RGB32),
                 Surface(49, 49, kRood).image());
        klembord->setText("R1");
        v.item("Plakken")->trigger();
        ALLE_WAAR(Pic.image() == leeg, v.platform.messages.size() == 1);
    }

    // "Beeld" follows "Bewerken"; each sheet keeps its own zoom, through a new board; the
    // previews float where the sheet's pixels are. Over a hole in the neutral mode the
    // board marks its strip and names it; snapping is kept for the next run.
    void beeldEnGaten() {
        QStringList menus;
        for (QAction *menu : v.main->menuBar()->actions())
            menus << menu->text();
        QCOMPARE(menus.indexOf("Beeld"), menus.indexOf("Bewerken") + 1);
        v.main->show();
        auto *Pic = v.w<SheetView>("Pic"), *Pic2 = v.w<SheetView>("Pic2");
        v.klik("Knop7");
        for (const char *item :
             {"Inzoomen", "Inzoomen", "Uitzoomen", "Inzoomen", "Knop5", "Uitzoomen", "Inzoomen"})
            item[0] == 'K' ? v.klik(item) : v.item(item)->trigger();
        v.platform.answers = {Platform::Answer::Yes};
        v.klik("BBgrootKnop");
        ALLE_WAAR(Pic->zoom() == 2, Pic2->zoom() == 3, v.main->ontwerp().groot());
        v.item("Ware grootte")->trigger();
        ALLE_WAAR(Pic->zoom() == 1, Pic2->zoom() == 3);
        v.klik("Knop7");
        modus(2); // the eraser
        emit Pic2->moved(Qt::NoButton, 300, 300);
        QCOMPARE(v.w("GumLayer")->geometry(), Pic2->naarView(QRect(285, 285, 16, 16)));
        QVERIFY(Pic2->markering().isEmpty());
        modus(0);
        emit Pic2->moved(Qt::NoButton, 420, 370);
        QCOMPARE(Pic2->markering().size(), 7); // H12 to N12 of the big board
        const QPoint gat = Pic2->naarView(QRect(420, 370, 1, 1)).center();
        QHelpEvent tip(QEvent::ToolTip, gat, Pic2->mapToGlobal(gat));
        QApplication::sendEvent(Pic2, &tip);
        QCOMPARE(QToolTip::text(), "H12, verbonden met H12 - N12");
        QVERIFY(!v.item("Vastklikken aan gaten")->isChecked());
        v.item("Vastklikken aan gaten")->trigger();
        QCOMPARE(v.folder.readFile("Vastklikken.txt"), "aan\n");
        v.start({1280, 1024});
        QVERIFY(v.item("Vastklikken aan gaten")->isChecked());
    }
};

VOLTARIX_TEST(TestMainEditing)
#include "tst_main_editing.moc"

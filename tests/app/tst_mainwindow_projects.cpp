#include "ScriptedPlatform.h"
#include "TestFolder.h"
#include "TestRunner.h"
#include "app/Main.h"
#include "board/BoardDrawing.h"
#include "project/ProjectMap.h"
#include "ui/SheetView.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <QtTest>

namespace {

struct Venster {
    TestFolder folder;
    ScriptedPlatform platform;
    std::unique_ptr<Main> main;

    Venster() {
        main = std::make_unique<Main>(AppFolder(folder.root()), platform, QSize(1024, 768));
    }

    template <typename T = QWidget> T *w(const QString &naam) const {
        auto *widget = main->findChild<T *>(naam);
        if (!widget) qFatal("no control %s", qPrintable(naam));
        return widget;
    }
    QAction *item(const QString &tekst) const {
        for (QAction *action : main->findChildren<QAction *>())
            if (action->text() == tekst) return action;
        qFatal("no menu item %s", qPrintable(tekst));
        return nullptr;
    }
    QString naam() const { return main->findChild<QMenu *>("NaamOntwerp")->title(); }
    Design &ontwerp() { return main->ontwerp(); }
    void kiesGereedschap(int index) {
        auto *combo = w<QComboBox>("Combo3");
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    void sleep(QPoint van, QPoint naar) {
        auto *blad = w<SheetView>("Pic2");
        emit blad->pressed(Qt::LeftButton, van.x(), van.y());
        emit blad->moved(Qt::LeftButton, naar.x(), naar.y());
        emit blad->released(Qt::LeftButton, naar.x(), naar.y());
    }
};

QImage kaalBord(QSize maat) {
    Surface bord(maat.width(), maat.height());
    TekenKleinBord(bord);
    return bord.image();
}

} // namespace

class TestMainProjects : public QObject {
    Q_OBJECT
private slots:
    void lineCountFollowsTheList();
    void newDesignAnsweredNoAndYes();
    void newBreadboardKeepsTheRest();
    void saveAndOpenThroughTheWindow();
    void undoRemovesOnlyTheLastStroke();
    void undoBeforeAnySnapshotKeepsTheSheet();
    void magnifierTakesTheListsPlace();
};

void TestMainProjects::lineCountFollowsTheList() {
    Venster v;
    QCOMPARE(v.w<QLabel>("Label8")->text(), QStringLiteral("3 Regels tekst."));
    v.w<QPlainTextEdit>("Text1")->setPlainText(QString());
    QCOMPARE(v.w<QLabel>("Label8")->text(), QStringLiteral("1 Regels tekst."));
    v.w<QPlainTextEdit>("Text1")->setPlainText("A\nB\nC");
    QCOMPARE(v.w<QLabel>("Label8")->text(), QStringLiteral("3 Regels tekst."));
}

void TestMainProjects::newDesignAnsweredNoAndYes() {
    Venster v;
    Design &ontwerp = v.ontwerp();
    ontwerp.Pic.fillBox(60, 60, 90, 90, qRgb(255, 0, 0));
    ontwerp.Pic2.fillBox(300, 300, 310, 310, qRgb(0, 0, 255));
    v.w<QPlainTextEdit>("Text1")->setPlainText("R1 330");
    ontwerp.UndoPic.setImage(ontwerp.Pic2.image());
    const QImage pic = ontwerp.Pic.image().copy(), pic2 = ontwerp.Pic2.image().copy();

    v.platform.answers = {Platform::Answer::No};
    v.w<QToolButton>("Knop0")->click();
    QCOMPARE(v.platform.messages.last().text, QStringLiteral("Wilt u een nieuw ontwerp maken?"));
    QCOMPARE(v.platform.messages.last().title, QStringLiteral(" Nieuw"));
    QCOMPARE(ontwerp.Pic.image(), pic);
    QCOMPARE(ontwerp.Pic2.image(), pic2);

    v.w<QScrollBar>("RasterScroll")->setValue(90);
    v.platform.answers = {Platform::Answer::Yes};
    v.item("Nieuw Project")->trigger();
    QCOMPARE(ontwerp.Pic.pixel(75, 75), Surface::kWhite);
    QCOMPARE(ontwerp.Pic.pixel(50, 75), grey(90)); // the raster in the slider's grey
    QCOMPARE(ontwerp.Pic2.image(), kaalBord(ontwerp.Pic2.size()));
    QCOMPARE(ontwerp.GumPic.image(), kaalBord(ontwerp.Pic2.size()));
    QCOMPARE(v.w<QPlainTextEdit>("Text1")->toPlainText(),
             QStringLiteral("Componentenlijst\n----------------------------\n"));
    QCOMPARE(v.naam(), QStringLiteral("*.*"));
    // The undo snapshot stays: Undo brings the old breadboard back.
    v.item("Undo")->trigger();
    QCOMPARE(ontwerp.Pic2.image(), pic2);
}

void TestMainProjects::newBreadboardKeepsTheRest() {
    Venster v;
    Design &ontwerp = v.ontwerp();
    ontwerp.Pic.fillBox(60, 60, 90, 90, qRgb(255, 0, 0));
    ontwerp.Pic2.fillBox(300, 300, 310, 310, qRgb(0, 0, 255));
    const QImage pic = ontwerp.Pic.image().copy();
    v.platform.answers = {Platform::Answer::Yes};
    v.w<QPushButton>("NewKnop")->click();
    QCOMPARE(ontwerp.Pic2.image(), kaalBord(ontwerp.Pic2.size()));
    QCOMPARE(ontwerp.Pic.image(), pic);
}

void TestMainProjects::saveAndOpenThroughTheWindow() {
    Venster v;
    Design &ontwerp = v.ontwerp();
    v.w<QScrollBar>("RasterScroll")->setValue(120);
    ontwerp.Pic.fillBox(51, 51, 99, 99, qRgb(0, 128, 0));
    ontwerp.Pic2.fillBox(300, 300, 310, 310, qRgb(0, 0, 255));
    v.w<QPlainTextEdit>("Text1")->setPlainText("Componentenlijst\nR1 = 470\nLED rood");
    const QImage pic = ontwerp.Pic.image().copy(), pic2 = ontwerp.Pic2.image().copy();
    v.platform.inputAnswers = {"Knipper"};
    v.w<QToolButton>("Knop2")->click();
    QCOMPARE(v.platform.inputs.last().defaultAnswer, QStringLiteral("*.*"));
    QCOMPARE(v.naam(), QStringLiteral("*.*")); // saving keeps the caption

    v.platform.answers = {Platform::Answer::Yes};
    v.item("Nieuw Project")->trigger();
    v.w<QScrollBar>("RasterScroll")->setValue(200);
    bijModaalVenster([](QWidget *dialog) {
        auto *lijst = dialog->findChild<QListWidget *>("List1");
        lijst->setCurrentRow(0);
        dialog->findChild<QPushButton *>("OpenKnop")->click();
    });
    v.w<QToolButton>("Knop1")->click();
    QCOMPARE(ontwerp.Pic.image(), pic);
    QCOMPARE(ontwerp.Pic2.image(), pic2);
    QCOMPARE(v.w<QPlainTextEdit>("Text1")->toPlainText(),
             QStringLiteral("Componentenlijst\nR1 = 470\nLED rood\n"));
    QCOMPARE(v.naam(), QStringLiteral("Knipper"));
    QCOMPARE(v.w<QScrollBar>("RasterScroll")->value(), 120); // from the sheet's (0, 0)
    QCOMPARE(v.w<QLabel>("Label3")->text(), QStringLiteral("Rasterkleur : 120"));
}

void TestMainProjects::undoRemovesOnlyTheLastStroke() {
    Venster v;
    Design &ontwerp = v.ontwerp();
    v.kiesGereedschap(1); // wires
    v.sleep({200, 200}, {400, 200});
    const QImage naDraad = ontwerp.Pic2.image().copy();
    QVERIFY(naDraad != ontwerp.GumPic.image());
    v.kiesGereedschap(2); // eraser, over the wire
    v.sleep({300, 205}, {330, 205});
    QVERIFY(ontwerp.Pic2.image() != naDraad);
    v.item("Undo")->trigger();
    QCOMPARE(ontwerp.Pic2.image(), naDraad);
    v.item("Undo")->trigger(); // the same picture again: one level only
    QCOMPARE(ontwerp.Pic2.image(), naDraad);
}

void TestMainProjects::undoBeforeAnySnapshotKeepsTheSheet() {
    Venster v;
    v.ontwerp().Pic2.fillBox(300, 300, 310, 310, qRgb(0, 0, 255));
    const QImage voor = v.ontwerp().Pic2.image().copy();
    v.item("Undo")->trigger();
    QCOMPARE(v.ontwerp().Pic2.image(), voor);
}

void TestMainProjects::magnifierTakesTheListsPlace() {
    Venster v;
    v.w<QToolButton>("Knop7")->click(); // the breadboard view
    v.w<QPushButton>("LoepKnop")->click();
    QVERIFY(v.w("Loep")->isVisibleTo(v.main.get()));
    QVERIFY(v.w("LineH")->isVisibleTo(v.main.get()));
    QVERIFY(!v.w("List1")->isVisibleTo(v.main.get()));
    v.w<QPushButton>("LoepKnop")->click();
    QVERIFY(!v.w("Loep")->isVisibleTo(v.main.get()));
    QVERIFY(v.w("List1")->isVisibleTo(v.main.get()));
    v.w<QPushButton>("LoepKnop")->click();
    v.w<QToolButton>("Knop5")->click(); // leaving the breadboard hides the magnifier
    QVERIFY(v.w("Loep")->isHidden());
    QVERIFY(v.w("List1")->isVisibleTo(v.main.get()));
}

VOLTARIX_TEST(TestMainProjects)
#include "tst_mainwindow_projects.moc"

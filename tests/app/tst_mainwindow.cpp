#include "HoofdVenster.h"
#include "TestRunner.h"
#include "app/Settings.h"
#include "app/StartBestand.h"
#include "app/TitelAnimatie.h"
#include "app/VersieStempel.h"
#include "app/vensters/Titel.h"
#include "board/BoardDrawing.h"
#include "editor/ComponentList.h"
#include "project/Herstelmap.h"
#include "project/ProjectMap.h"
#include "symbols/vensters/Config.h"
#include "tools/vensters/LedCalc.h"
#include "ui/Surface.h"
#include "ui/vensters/SheetView.h"

#include <QtTest>
#include <QtWidgets>

namespace {

const QStringList kProjectItems = {"Nieuw Project", "Project Openen", "Project Opslaan",
                                   "Project Afdrukken"};

// A platform that remembers in which folder each file dialog started.
struct MapPlatform : ScriptedPlatform {
    QStringList mappen;
    QString openFileName(const QString &t, const QString &map, const QString &f) override {
        return (mappen << map, ScriptedPlatform::openFileName(t, map, f));
    }
    QString saveFileName(const QString &t, const QString &map, const QString &f) override {
        return (mappen << map, ScriptedPlatform::saveFileName(t, map, f));
    }
};

// The main window with the help pages, at 1024 x 768.
struct Venster : HoofdVenster<MapPlatform> {
    Venster() {
        for (const char *naam : {"index", "help", "symbolen", "software"})
            folder.writeFile(QStringLiteral("Plugins/%1.htm").arg(naam), "<p>pagina</p>");
    }
    QString tekst(const char *label) const { return w<QLabel>(label)->text(); }
    // The one view of the work area shown, or an empty text when not exactly one is.
    QString weergave() const {
        QStringList zichtbaar;
        for (const char *naam : {"Pic", "Text1", "Pic2", "WebBrowser"})
            if (getoond(naam)) zichtbaar << naam;
        return zichtbaar.size() == 1 ? zichtbaar[0] : QString();
    }
    QUrl pagina() const { return w<QTextBrowser>("WebBrowser")->source(); }
    QStringList lijst(const char *naam) const { // the entries of a choice box or list
        auto *box = main->findChild<QComboBox *>(naam);
        const QAbstractItemModel *model = box ? box->model() : w<QListWidget>(naam)->model();
        QStringList teksten;
        for (int i = 0; i < model->rowCount(); ++i)
            teksten << model->index(i, 0).data().toString();
        return teksten;
    }
    void kies(int categorie) { // an entry of the category box chosen
        auto *Combo1 = w<QComboBox>("Combo1");
        Combo1->setCurrentIndex(categorie);
        emit Combo1->activated(categorie);
    }
    void startMet(const QStringList &namen) { // symbols in greys 0, 40, 80...
        for (int i = 0; i < namen.size(); ++i)
            folder.writePicture("Symbolen/" + namen[i], filledPicture(49, 49, grey(40 * i)));
        start();
    }
    // Opens the designer, presses its toolbar buttons in turn and closes it.
    void designer(const QList<int> &knoppen, QString *titel = nullptr) {
        bijModaalVenster([=](QWidget *designer) {
            for (int knop : knoppen)
                designer->findChild<QToolButton *>(QStringLiteral("KnopB_%1").arg(knop))->click();
            if (titel) *titel = designer->windowHandle()->title();
        });
        klik("Knop2_2");
    }
    QStringList inHerstel() const {
        return QDir(folder.path(".herstel")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    }
};

struct Gestart : Venster {
    Gestart() { start(); }
};

QImage bord(bool groot) {
    Surface Pic2(801, 541), GumPic(801, 541);
    TekenBord(groot, Pic2, GumPic);
    return Pic2.image();
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    // The start's controls, lists and raster; links outside the help folder go to the desktop.
    void beginToestandEnLinks() {
        Venster v;
        for (const char *naam : {"Print.gif", "abcd", "abc", "LED rood.gif"})
            v.folder.writeFile(QStringLiteral("Breadboard/") + naam, "x");
        v.folder.writeFile("Plugins/Onderdelen/LED.html", "<p>led</p>");
        v.start();
        // Part pictures less their extension; no library; start list counted at its box's width.
        QCOMPARE(v.lijst("Combo3").mid(5) + v.lijst("Combo1") + v.lijst("List1")
                     << v.tekst("Label1") << v.tekst("Label8"),
                 (QStringList{"", "LED rood", "Print", "0 Symbolen", "3 Regels tekst."}));
        QCOMPARE(v.w<QComboBox>("Combo4")->currentText() + v.weergave(), "12WebBrowser");
        for (const char *naam : {"WerkBalk", "Combo4", "Text2", "Check1", "Loep"})
            QVERIFY2(!v.getoond(naam), naam);
        ALLE_WAAR(v.getoond("Knop10"), v.getoond("List1"));
        // Tool tips name their keys; a part picture by its first letter.
        QCOMPARE(v.w("Knop7")->toolTip() + '|' + v.w("Knop2_1")->toolTip() + '|' +
                     v.w<QComboBox>("Combo3")->itemData(6, Qt::ToolTipRole).toString(),
                 " Breadboard (toets F7) | Tekst Toevoegen | LED rood (toets L) ");
        // The design sheet carries the raster in the slider's grey.
        const QRgb eerst = v.main->ontwerp().Pic.pixel(50, 20);
        v.w<QScrollBar>("RasterScroll")->setValue(0);
        ALLE_WAAR(eerst == grey(150), v.main->ontwerp().Pic.pixel(50, 20) == grey(0));
        for (const char *link : {"HTTPS://example.org/a", "../Projecten/schema.pdf",
                                 "javascript:alert(1)", "onderdelen/LED.HTML#a"})
            emit v.w<QTextBrowser>("WebBrowser")->anchorClicked(QUrl(link));
        for (const char *item : {"Meer Symbolen Downloaden", "Meer Software"})
            v.item(item)->trigger();
        QCOMPARE(v.platform.openedAddresses,
                 (QStringList{"https://example.org/a", v.folder.path("Projecten/schema.pdf"),
                              v.folder.path("Plugins/symbolen.htm"),
                              v.folder.path("Plugins/software.htm")}));
        QCOMPARE(v.pagina().toLocalFile() + "#" + v.pagina().fragment(),
                 v.folder.path("Plugins/Onderdelen/LED.html#a"));
        // Undo and Redo are greyed until there is a step to take, and name it.
        QAction *undo = v.item("Undo"), *redo = v.item("Redo");
        ALLE_WAAR(!undo->isEnabled(), !redo->isEnabled());
        v.klik("Knop5");
        v.main->huidigSymbool().fillBox(0, 0, 48, 48, qRgb(255, 0, 0));
        QTest::mouseClick(v.w("Pic"), Qt::LeftButton, {}, QPoint(75, 75));
        QCOMPARE(undo->toolTip(), "Ongedaan maken: blok plaatsen");
        undo->trigger();
        ALLE_WAAR(!undo->isEnabled(), redo->isEnabled(),
                  redo->toolTip() == "Opnieuw: blok plaatsen");
    }

    void weergaven_data() {
        // The button numbers and menu items, then the view ("+" with the index button) and page.
        const Tabel<QStringList, QString> rij("stappen", "weergave");
        rij("every button", QString("0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 7").split(' '),
            "Pic2 index");
        rij("project items", kProjectItems, "WebBrowser index");
        rij("help", {"7", "Help"}, "WebBrowser+ help");
        rij("index", {"Help", "10"}, "WebBrowser+ index");
        rij("information", {"Help", "5", "8"}, "WebBrowser+ help");
    }

    // Every button and project item waits 0.2 s and then does its work: one view at a time.
    void weergaven() {
        auto [stappen, weergave] = velden<QStringList, QString>("stappen", "weergave");
        Gestart v;
        for (const QString &stap : stappen) {
            if (stap == "1" || stap == kProjectItems[1]) bijModaalVenster(); // the open dialog
            stap[0].isDigit() ? v.klik("Knop" + stap) : v.item(stap)->trigger();
        }
        QCOMPARE(v.weergave() + (v.getoond("Knop10") ? "+ " : " ") + v.pagina().toLocalFile(),
                 QString(weergave).replace(' ', ' ' + v.folder.path("Plugins/")) + ".htm");
        QCOMPARE(v.platform.waited, 0.2 * (stappen.size() - stappen.count("Help")));
    }

    // New asks, clears the board or all but the undo snapshot; "R&D", "[*]" shown as they are.
    void projecten() {
        Gestart v;
        Ontwerp &ontwerp = v.main->ontwerp();
        const auto toestand = [&] { // the list, the design's name and the raster's grey
            return v.w<QPlainTextEdit>("Text1")->toPlainText() + "|" +
                   v.w<QMenu>("NaamOntwerp")->title() + "|" + v.tekst("Label3");
        };
        ontwerp.Pic2.fillBox(300, 300, 310, 310, qRgb(0, 0, 255));
        const QImage pic2 = ontwerp.Pic2.image().copy();
        v.w<QScrollBar>("RasterScroll")->setValue(120);
        const QImage pic = ontwerp.Pic.image().copy();
        v.w<QPlainTextEdit>("Text1")->setPlainText("R1 = 470");
        v.klik("Knop0"); // answered No
        v.klik("NewKnop");
        ALLE_WAAR(v.platform.messages.size() == 2, ontwerp.Pic2.image() == pic2);
        v.platform.inputAnswers = {"Knipper"};
        v.klik("Knop2");
        v.w<QScrollBar>("RasterScroll")->setValue(90);
        v.openEerste();
        QCOMPARE(toestand(), QStringLiteral("R1 = 470\n|Knipper|Rasterkleur : 120"));
        // "Bestand" lists the project saved and opened, above "Exit"; gone with its files.
        const auto bestand = [&] {
            QMenu *menu = v.main->menuBar()->actions().first()->menu();
            emit menu->aboutToShow();
            QStringList teksten;
            for (QAction *action : menu->actions())
                teksten << action->text();
            return teksten.mid(teksten.indexOf("Exit") - 2);
        };
        QCOMPARE(bestand(), QStringList({"&1 Knipper", "", "Exit"}));
        ALLE_WAAR(QFile::remove(v.folder.path("Projecten/Knipper.ovb")),
                  !bestand().contains("&1 Knipper"));
        v.platform.answers = {Platform::Answer::Yes, Platform::Answer::Yes};
        v.klik("NewKnop");
        ALLE_WAAR(ontwerp.Pic.image() == pic, ontwerp.Pic2.image() == bord(false));
        v.item("Nieuw Project")->trigger();
        QCOMPARE(toestand(), "Componentenlijst\n" + QString(28, '-') + "\n|*.*|Rasterkleur : 120");
        v.item("Undo")->trigger();
        QCOMPARE(ontwerp.Pic2.image(), pic2);
        v.folder.writeFile("\\Projecten\\R&D.ovb", pictureFile(filledPicture(9, 9, 0)));
        v.openEerste();
        QCOMPARE(v.w<QMenu>("NaamOntwerp")->title(), QStringLiteral("R&&D")); // shown as "R&D"
        v.klik("Knop2");                                                      // save, cancelled
        QCOMPARE(v.platform.inputs.last().defaultAnswer, QStringLiteral("R&D"));
        v.platform.openAnswers = {v.folder.writePicture("R[*].bmp", filledPicture(49, 49, 0))};
        QString designer;
        v.designer({2}, &designer);
        QCOMPARE(designer, QStringLiteral(" 49 x 49 Symbool Designer / R[*].bmp"));
        // An example opens untitled, by "Voorbeelden" or a help page's link, and is no
        // recent project; a link to no example opens nothing.
        v.folder.writeFile("Voorbeelden/leesmij.txt", "");
        ProjectMap(v.folder.path("Voorbeelden")).opslaan("1 LED", ontwerp.Pic, ontwerp.Pic2, "LED");
        auto *voorbeelden = v.w<QMenu>("VoorbeeldenMenu");
        emit voorbeelden->aboutToShow();
        QCOMPARE(voorbeelden->actions().size(), 1);
        voorbeelden->actions().first()->trigger();
        const QString geopend = toestand();
        auto *browser = v.w<QTextBrowser>("WebBrowser");
        for (const char *link : {"voorbeeld:../Projecten/R&D", "voorbeeld:1%20LED"}) {
            v.w<QPlainTextEdit>("Text1")->setPlainText(link);
            emit browser->anchorClicked(QUrl(link));
        }
        ALLE_WAAR(geopend.startsWith("LED\n|*.*|"), toestand() == geopend,
                  !bestand().contains("&1 1 LED"), !bestand().contains("&2 1 LED"));
    }

    // The library panel: categories chosen, symbols chosen.
    void bibliotheek() {
        Venster v;
        v.folder.makeDir("Symbolen/Leeg");
        v.startMet({"Weerstanden/R1.bmp", "Weerstanden/r2.bmp", "IC/A.bmp", "Weerstanden/R10.bmp",
                    "Condensatoren/C1.bmp", "ic/B.bmp"});
        QCOMPARE(v.lijst("Combo1"), (QStringList{"Laatst gebruikt", "condensatoren", "ic", "ic",
                                                 "leeg", "weerstanden"}));
        QCOMPARE(v.lijst("List1") << v.tekst("Label1"),
                 (QStringList{"C1", "1 Symbolen gevonden..."}));
        const auto gekozen = [&](int i) { return v.kies(i), v.lijst("List1"); };
        QStringList ic = gekozen(2) + gekozen(3); // two folders that one shown name stands for
        ic.sort();                                // each keeps its own
        gekozen(5);
        ALLE_WAAR(ic == (QStringList{"A", "B"}), v.tekst("Label1") == "3 Symbolen gevonden...");
        v.folder.writePicture("Symbolen/Weerstanden/LDR.bmp", filledPicture(49, 49, grey(1)));
        QCOMPARE(gekozen(5), (QStringList{"LDR", "R1", "R10", "r2"})); // chosen again: anew
        v.w<QListWidget>("List1")->setCurrentRow(3);
        QCOMPARE(v.main->huidigSymbool().pixel(0, 0), grey(40));
        // Rename and Delete in a category's list: the list follows (the files: TestSymbols).
        v.platform.inputAnswers = {"R3"};
        v.klik("RenameKnop");
        v.w<QListWidget>("List1")->setCurrentRow(0);
        v.platform.answers = {Platform::Answer::Yes};
        v.klik("DeleteKnop");
        QCOMPARE(v.lijst("List1") << v.tekst("Label1"),
                 (QStringList{"R1", "R10", "R3", "3 Symbolen gevonden..."}));
    }

    // The search field and the symbols used last, as the library panel shows them.
    void zoekenKiezenBewerken() {
        Venster v;
        v.startMet({"Halfgeleiders/Diode.bmp", "Halfgeleiders/Zener.bmp", "Weerstanden/LDR.bmp",
                    "Weerstanden/R1.bmp"});
        auto *zoek = v.w<QLineEdit>("ZoekVak");
        auto *List1 = v.w<QListWidget>("List1");
        const auto lijst = [&] { return v.lijst("List1") << v.tekst("Label1"); };
        List1->setCurrentRow(1); // Zener of the first category
        zoek->setText("LD");
        QTest::keyClick(zoek, Qt::Key_Down);
        QCOMPARE(v.main->huidigSymbool().pixel(0, 0), grey(40)); // Up and Down only point

        // Rename and Delete reach the file in its own folder: the search reads it anew.
        v.platform.inputAnswers = {"LDR 2"};
        v.klik("RenameKnop");
        QCOMPARE(lijst(), (QStringList{"LDR 2 (weerstanden)", "1 Symbolen gevonden..."}));
        List1->setCurrentRow(0);
        v.platform.answers = {Platform::Answer::Yes};
        v.klik("DeleteKnop");
        QCOMPARE(lijst(), QStringList{"0 Symbolen gevonden..."});

        // A file added meanwhile is found; Escape gives back the category's list as it was.
        v.folder.writePicture("Symbolen/Weerstanden/Ldr nieuw.bmp", filledPicture(49, 49, 0));
        zoek->clear();
        zoek->setText("ldr");
        QCOMPARE(List1->count(), 1);
        QTest::keyClick(zoek, Qt::Key_Escape);
        ALLE_WAAR(lijst() == (QStringList{"Diode", "Zener", "2 Symbolen gevonden..."}),
                  List1->currentRow() == 1);
        zoek->setText(QString(500, 'e')); // found from outside: 20,000 accents took minutes
        QCOMPARE(zoek->text().size(), 100);
    }

    // The recovery copy offered at the start, kept until a save, a new design or the exit.
    void jaBijStartLaadtZonderNaam() {
        Gestart v;
        const QImage pic = v.main->ontwerp().Pic.image().copy(),
                     pic2 = v.main->ontwerp().Pic2.image();
        Surface blad(pic);
        blad.fillBox(51, 51, 99, 99, qRgb(0, 0, 255));
        HerstelSchrijver(Herstelmap(v.folder.path(".herstel")).nieuweKopieMap(),
                         {pic, pic2, {}, {}})
            .bewaar({blad.image(), pic2, "Componentenlijst\nR1\n", {}});
        v.platform.answers << Platform::Answer::Yes;
        v.main->show();
        QTRY_COMPARE(v.platform.messages.value(0).title, QStringLiteral(" Herstellen"));
        ALLE_WAAR(v.main->ontwerp().Pic.image() == blad.image(),
                  v.w<QPlainTextEdit>("Text1")->toPlainText() +
                          v.w<QMenu>("NaamOntwerp")->title() ==
                      "Componentenlijst\nR1\n*.*",
                  v.inHerstel().size() == 2); // its copy and lock, kept until it is saved
    }

    void kopieTotBewaard_data() {
        const Tabel<QString> rij("actie");
        rij("save", "Project Opslaan"), rij("new", "Nieuw Project"), rij("exit", "Exit");
    }
    void kopieTotBewaard() {
        auto [actie] = velden<QString>("actie");
        Gestart v;
        v.main->findChild<QTimer *>("HerstelTimer")->start(0); // every turn of the event loop
        v.main->ontwerp().Pic.fillBox(51, 51, 99, 99, qRgb(0, 128, 0));
        QTRY_COMPARE(v.inHerstel().size(), 2); // the copy's folder and its lock
        v.platform.answers << Platform::Answer::Yes;
        v.platform.inputAnswers << "P";
        if (actie == "Exit") {
            // The exit ends the event loop it runs in: one of its own, not later tests' loops.
            QTimer::singleShot(0, v.main.get(), [&v] { v.item("Exit")->trigger(); });
            QTimer::singleShot(30000, v.main.get(), [] { QCoreApplication::exit(1); });
            QCOMPARE(QCoreApplication::exec(), 0);
            QCOMPARE(v.inHerstel(), QStringList()); // gone before the program ends
            return;
        }
        v.item(actie)->trigger();
        QTRY_COMPARE(v.inHerstel(), QStringList());
    }

    // The designer's dialogs start in the category shown; ".bmp" added, replacing asked.
    void designerSavesIntoTheShownCategory() {
        Venster v;
        v.startMet({"Diodes/D1.bmp", "Weerstanden/R1.bmp", "Weerstanden/R10.bmp"});
        v.kies(2); // after "Laatst gebruikt" and diodes
        const QString weerstanden = v.folder.path("\\Symbolen\\Weerstanden");
        const QString nieuw = weerstanden + QStringLiteral("/weerstand2");
        v.platform.saveAnswers = {nieuw, nieuw};
        v.platform.answers = {Platform::Answer::Yes, Platform::Answer::No};
        v.designer({2, 3, 7, 3}); // open (cancelled), save, fill black, save again: No
        ALLE_WAAR(v.platform.mappen == QStringList(3, weerstanden),
                  QImage(nieuw + ".bmp").pixel(0, 0) == qRgb(255, 255, 255),
                  v.platform.messages.last().text == "Symbool bestaat reeds, vernieuwen?",
                  v.w<QListWidget>("List1")->item(2)->text() == "weerstand2");
    }

    // Each caption fits its control; the background editor's 360 x 220 is its outer size.
    void textsFitAndToolWindowSizes() {
        Venster v;
        QStringList symbolen;
        for (int i = 0; i < 121; ++i)
            symbolen << QStringLiteral("Weerstanden/R%1.bmp").arg(i);
        v.startMet(symbolen);
        v.main->show();
        LedCalc led; // 7380 x 6975 twips from outside, title bar included
        led.show();
        QRgb kleur = 0;
        Config config(
            AppFolder(v.folder.root()), v.platform, true, [] {}, kleur);
        QCOMPARE(QSize(360, 220) - config.size(), QSize(7380 / 15, 6975 / 15) - led.size());
        QCOMPARE(v.tekst("Label1"), "121 Symbolen gevonden...");
        for (QWidget *b : {v.w("Check1"), v.w("Label1"), led.findChild<QWidget *>("LabelHint1"),
                           led.findChild<QWidget *>("LabelHint2")}) {
            QStyleOptionButton optie;
            optie.initFrom(b);
            auto *label = qobject_cast<QLabel *>(b);
            const int ruimte =
                label ? label->contentsRect().width() - 2 * label->margin()
                      : b->width() -
                            b->style()->subElementRect(QStyle::SE_CheckBoxContents, &optie).left();
            const QString tekst = b->property("text").toString();
            ALLE_WAAR_BIJ(qPrintable(tekst), b->fontMetrics().horizontalAdvance(tekst) <= ruimte,
                          tekst.size() > 3);
        }
    }

    // A list too large for the box (it froze the window) stays out, saved back byte for byte.
    void tooLargeAListIsKept_data() {
        const Tabel<QByteArray> rij("dat");
        rij("too long a line", "R1\r\n" + QByteArray(ComponentList::kMaxAlinea + 1, '\0'));
        rij("too large to read", QByteArray("R1\r\n").repeated(6'000'000));
    }
    void tooLargeAListIsKept() {
        auto [dat] = velden<QByteArray>("dat");
        Gestart v;
        v.folder.writeFile("Projecten/P.ovb", pictureFile(filledPicture(9, 9, 0)));
        v.folder.writeFile("Projecten/P.dat", dat);
        v.openEerste();
        ALLE_WAAR(v.platform.messages.constLast().text.startsWith(
                      "De componentenlijst van dit project is te groot"),
                  v.w<QPlainTextEdit>("Text1")->isReadOnly());
        v.platform.inputAnswers = {"P", "Nieuw"}; // saved over itself, then a new design
        v.platform.answers = {Platform::Answer::Yes, Platform::Answer::Yes};
        v.klik("Knop2");
        QCOMPARE(v.folder.readFile("Projecten/P.dat"), dat);
        v.klik("Knop0");
        v.klik("Knop2");
        QCOMPARE(v.folder.readFile("Projecten/Nieuw.dat"),
                 "Componentenlijst\r\n----------------------------\r\n");
    }
    // Keys for tools, wire colours and turning; the magnifier shows our own window enlarged.
    void sneltoetsenEnLoep() {
        Gestart v;
        v.main->show();
        v.klik("Knop7");
        auto *kleur = v.w<QComboBox>("Combo2");
        const int eerst = kleur->currentIndex();
        QTest::keyClick(v.main.get(), Qt::Key_2);
        QTest::keyClick(v.main.get(), Qt::Key_Plus);
        ALLE_WAAR(v.w<QComboBox>("Combo3")->currentIndex() == 2,
                  kleur->currentIndex() == (eerst + 1) % kleur->count());
        v.klik("Knop5");
        Surface &IconPic = v.main->huidigSymbool();
        IconPic.drawLine(0, 0, 10, 0, qRgb(255, 0, 0));
        const QImage voor = IconPic.image().copy();
        QTest::keyClick(v.main.get(), Qt::Key_R);
        QVERIFY(IconPic.image() != voor);
        for (const char *knop : {"Knop7", "Knop6", "Knop7", "LoepKnop"})
            v.klik(knop);
        // A hole in the board; the window's place off by a frame: its mouse events still tell.
        const QPoint gat(296, 246), plek = v.w("Pic2")->mapTo(v.main.get(), gat);
        QCursor::setPos(v.main->mapToGlobal(plek) + QPoint(38, 59));
        QCoreApplication::processEvents();
        QMouseEvent beweging(QEvent::MouseMove, plek, plek, QCursor::pos(), Qt::NoButton,
                             Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(v.main->windowHandle(), &beweging);
        const Surface &loep = v.w("Loep")->findChild<SheetView *>()->surface();
        const QImage bron = v.main->ontwerp().Pic2.image();
        const QPoint midden(loep.width() / 2, loep.height() / 2 - 20);
        const auto gelijk = [&] { // z = 3: every third pixel of the box is one of the board
            int aantal = 0;
            for (int dx = -8; dx < 8; ++dx)
                aantal += (loep.pixel(midden.x() + 3 * dx, midden.y()) & 0xffffff) ==
                          (bron.pixel(gat.x() + dx, gat.y() - 7) & 0xffffff);
            return aantal;
        };
        QTRY_VERIFY2(gelijk() >= 12, qPrintable(QString::number(gelijk())));
        ALLE_WAAR(v.getoond("Loep"), v.getoond("LineH"), v.getoond("LineV"), !v.getoond("List1"));
        v.klik("LoepKnop");
        ALLE_WAAR(!v.getoond("Loep"), !v.getoond("LineH"), v.getoond("List1"));
    }

    // The picture starts the animation, a second click ends it at once; other texts start nothing.
    void startMetEenKlik() {
        TestFolder folder; // its program file carries a version stamp
        folder.writeFile("Voltarix", QByteArray(3000, 'x') + VersieStempel::stempel("3.1.4.1"));
        ScriptedPlatform platform;
        Titel titel(AppFolder(folder.root()), platform, QSize(1920, 1080), 96);
        const auto klik = [&titel](const char *naam, Qt::MouseButton knop = Qt::LeftButton) {
            QTest::mouseClick(titel.findChild<QWidget *>(naam), knop);
        };
        titel.show();
        QSignalSpy gestart(&titel, &Titel::gestart);
        for (const char *naam : {"Label3", "KlokLabel", "Picture1", "Label4"})
            klik(naam);
        klik("Image1", Qt::RightButton);
        ALLE_WAAR(platform.openedAddresses == QStringList{"mailto:voltarix@example.org"},
                  platform.waits + gestart.size() == 0);
        platform.duringWait = [&](double) {
            if (platform.waits != 301) return;
            klik("Label1");
            ALLE_WAAR(!titel.close(), gestart.size() == 0);
        };
        klik("Image1");
        ALLE_WAAR(gestart.size() == 1, platform.waits == 301, !titel.isVisible());
        Surface geheel = TitelAnimatie::startStrook();
        ScriptedPlatform alleen; // the animation played on its own
        TitelAnimatie::speel(geheel, alleen);
        ALLE_WAAR(titel.strook().image() == geheel.image(), alleen.waits == 206 + 241 + 1,
                  qFuzzyCompare(alleen.waited,
                                447 * TitelAnimatie::kStapTijd + TitelAnimatie::kSlotTijd));
    }

    void instellingen_data() {
        const Tabel<QByteArray, int> rij("inhoud", "groot"); // -1: no settings file, replaced
        const QByteArray eigen = Settings::tekst(true);
        rij("missing", {}, -1);
        rij("own, big", eigen, 1);
        rij("bare, line feeds", "a\nb\n#FALSE#", 0);
        rij("cut short", eigen.chopped(4), -1);
        rij("flag first", "#TRUE#\r\n\"b\"\r\n#TRUE#\r\n", -1);
        rij("open quote", "\"a\r\n\"b\"\r\n#TRUE#\r\n", -1);
        rij("fourth record", eigen + "\"c\"\r\n", -1);
        rij("zero byte", QByteArray(eigen).replace('-', '\0'), -1);
        rij("huge", eigen + QByteArray(5000, ' '), -1);
    }

    // The second of two paths on the command line was dropped unsaid: the first opens, told.
    void tweeStartBestanden() {
        Gestart v;
        const QString eerste = v.folder.path("elders/A.ovb");
        QVERIFY(
            ProjectMap(v.folder.path("elders")).opslaan("A", Surface(8, 8), Surface(8, 8), "R1") ==
            ProjectMap::Geen);
        v.main->openBestanden({eerste, v.folder.path("elders/B.ovb")});
        ALLE_WAAR(QFileInfo::exists(v.folder.path("Projecten/A.ovb")),
                  v.platform.messages.value(0).text == StartBestand::eenTegelijkTekst(eerste));
    }

    // Voltarix.ini a pipe: the start waited in open() for ever; now no settings file, left so.
    void instellingenPijp() {
        Venster v;
        const QString pijp = v.folder.path("Voltarix.ini");
        ALLE_WAAR(makePipe(pijp), withoutWaiting(pijp, [&] { v.start(); }), isPipe(pijp),
                  v.w("BBgrootKnop")->toolTip() == " Vergroten ");
    }

    // The settings read at the start, a bad file replaced, written on leaving (so it comes last).
    void instellingen() {
        auto [inhoud, groot] = velden<QByteArray, int>("inhoud", "groot");
        Venster v;
        if (!inhoud.isEmpty()) v.folder.writeFile("Voltarix.ini", inhoud);
        v.start();
        ALLE_WAAR(v.w("BBgrootKnop")->toolTip() == (groot == 1 ? " Verkleinen " : " Vergroten "),
                  v.main->ontwerp().Pic2.image() == bord(groot == 1),
                  v.main->ontwerp().GumPic.image() == bord(groot == 1));
        v.main->show();
        ALLE_WAAR(!v.main->close(), // answered No
                  v.folder.readFile("Voltarix.ini") ==
                      (groot < 0 ? Settings::tekst(false) : inhoud));
        v.platform.answers = {Platform::Answer::Yes};
        ALLE_WAAR(v.main->close(),
                  v.folder.readFile("Voltarix.ini") == Settings::tekst(groot == 1));
    }
};

VOLTARIX_TEST(TestMainWindow)
#include "tst_mainwindow.moc"

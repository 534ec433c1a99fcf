// Faults that tripped users of the main window and its dialogs, one test each.
#include "HoofdVenster.h"
#include "TestRunner.h"
#include "editor/ComponentList.h"
#include "project/ProjectMap.h"
#include "symbols/Config.h"
#include "symbols/IconDesign.h"
#include "tools/LedCalc.h"

#include <QtTest>
#include <QtWidgets>

namespace {

// A platform that remembers in which folder each file dialog started.
struct MapPlatform : ScriptedPlatform {
    QStringList mappen;
    QString openFileName(const QString &t, const QString &map, const QString &f) override {
        mappen << map;
        return ScriptedPlatform::openFileName(t, map, f);
    }
    QString saveFileName(const QString &t, const QString &map, const QString &f) override {
        mappen << map;
        return ScriptedPlatform::saveFileName(t, map, f);
    }
};

struct Venster : HoofdVenster<MapPlatform> {
    explicit Venster(const QStringList &symbolen = {}) {
        for (const QString &symbool : symbolen) // listed, never loaded
            folder.writeFile(QStringLiteral("\\Symbolen\\") + symbool, "BM");
        folder.writeFile(QStringLiteral("\\Plugins\\index.htm"), "<h1>Start</h1>");
        start();
    }
    // Opens the designer, presses its toolbar buttons in turn and closes it.
    void ontwerp(const QList<int> &knoppen, QString *titel = nullptr) {
        QTimer::singleShot(0, [=] {
            auto *designer = qobject_cast<IconDesign *>(QApplication::activeModalWidget());
            for (int knop : knoppen)
                designer->findChild<QToolButton *>(QStringLiteral("KnopB_%1").arg(knop))->click();
            if (titel) *titel = designer->windowHandle()->title();
            designer->close();
        });
        klik("Knop2_2");
    }
};

} // namespace

class TestEersteGebruik : public QObject {
    Q_OBJECT
private slots:
    // The designer's file dialogs start in the category shown; ".bmp" is added, with a
    // question before another symbol is replaced, and the list shows the new symbol.
    void designerSavesIntoTheShownCategory() {
        Venster v({"Diodes\\D1.bmp", "Weerstanden\\R1.bmp", "Weerstanden\\R10.bmp"});
        v.w<QComboBox>("Combo1")->setCurrentIndex(2); // after "Laatst gebruikt" and diodes
        emit v.w<QComboBox>("Combo1")->activated(2);
        const QString weerstanden = v.folder.path("\\Symbolen\\Weerstanden");
        const QString nieuw = weerstanden + QStringLiteral("/weerstand2");
        v.platform.saveAnswers = {nieuw, nieuw};
        v.platform.answers = {Platform::Answer::Yes, Platform::Answer::No};
        v.ontwerp({2, 3, 7, 3}); // open (cancelled), save, fill black, save again: No
        QCOMPARE(v.platform.mappen, QStringList(3, weerstanden));
        QCOMPARE(QImage(nieuw + QStringLiteral(".bmp")).pixel(0, 0), qRgb(255, 255, 255));
        QCOMPARE(v.platform.messages.last().text,
                 QStringLiteral("Symbool bestaat reeds, vernieuwen?"));
        QCOMPARE(v.w<QListWidget>("List1")->item(2)->text(), QStringLiteral("weerstand2"));
    }

    // "R&D" is no shortcut key in the menu bar, "[*]" no "modified" mark in a title.
    void namesShowAsTyped() {
        Venster v;
        v.folder.writeFile("\\Projecten\\R&D.ovb", pictureFile(filledPicture(9, 9, 0)));
        v.openEerste();
        QCOMPARE(v.w<QMenu>("NaamOntwerp")->title(), QStringLiteral("R&&D")); // shown as "R&D"
        v.klik("Knop2");                                                      // save, cancelled
        QCOMPARE(v.platform.inputs.last().defaultAnswer, QStringLiteral("R&D"));
        v.platform.openAnswers = {v.folder.writePicture("R[*].bmp", filledPicture(49, 49, 0))};
        QString designer;
        v.ontwerp({2}, &designer);
        QCOMPARE(designer, QStringLiteral(" 49 x 49 Symbool Designer / R[*].bmp"));
    }

    // Each caption fits the room its control leaves for text; the background editor's
    // 360 x 220 is its outer size, as for the other tool windows.
    void textsFitAndToolWindowSizes() {
        QStringList symbolen;
        for (int i = 0; i < 121; ++i)
            symbolen << QStringLiteral("Weerstanden\\R%1.bmp").arg(i);
        Venster v(symbolen);
        v.main->show();
        LedCalc led; // 7380 x 6975 twips from outside, title bar included
        led.show();
        QRgb kleur = 0;
        Config config(
            AppFolder(v.folder.root()), v.platform, true, [] {}, kleur);
        QCOMPARE(QSize(360, 220) - config.size(), QSize(7380 / 15, 6975 / 15) - led.size());
        QCOMPARE(v.w<QLabel>("Label1")->text(), QStringLiteral("121 Symbolen gevonden..."));
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
            QVERIFY2(b->fontMetrics().horizontalAdvance(tekst) <= ruimte, qPrintable(tekst));
            QCOMPARE_GT(tekst.size(), 3);
        }
    }

    // A component list too large for the list box used to freeze the window. It stays
    // out of the box, with a message, and saves write it back byte for byte until a new
    // design starts a list of its own.
    void tooLargeAListIsKept_data() {
        const Tabel<QByteArray> rij("dat");
        rij("too long a line", "R1\r\n" + QByteArray(ComponentList::kMaxAlinea + 1, '\0'));
        rij("too large to read", QByteArray("R1\r\n").repeated(6'000'000));
    }
    void tooLargeAListIsKept() {
        auto [dat] = velden<QByteArray>("dat");
        Venster v;
        QCOMPARE(
            ProjectMap(v.folder.path("Projecten")).opslaan("P", Surface(8, 8), Surface(8, 8), ""),
            ProjectMap::Geen);
        v.folder.writeFile("Projecten/P.dat", dat);
        v.openEerste();
        QVERIFY(v.platform.messages.constLast().text.startsWith(
            "De componentenlijst van dit project is te groot"));
        QVERIFY(v.w<QPlainTextEdit>("Text1")->isReadOnly());
        v.platform.inputAnswers = {"P", "Nieuw"}; // saved over itself, then a new design
        v.platform.answers = {Platform::Answer::Yes, Platform::Answer::Yes};
        v.klik("Knop2");
        QCOMPARE(v.folder.readFile("Projecten/P.dat"), dat);
        v.klik("Knop0");
        v.klik("Knop2");
        QCOMPARE(v.folder.readFile("Projecten/Nieuw.dat"),
                 "Componentenlijst\r\n----------------------------\r\n");
    }
};

VOLTARIX_TEST(TestEersteGebruik)
#include "tst_eerstegebruik.moc"

#include "ScriptedPlatform.h"
#include "TestFolder.h"
#include "TestRunner.h"
#include "app/Main.h"
#include "project/OpenForm.h"
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

struct Venster {
    TestFolder folder;
    MapPlatform platform;
    std::unique_ptr<Main> main;

    explicit Venster(const QStringList &symbolen = {}) {
        for (const QString &symbool : symbolen) // listed, never loaded
            folder.writeFile(QStringLiteral("\\Symbolen\\") + symbool, "BM");
        folder.writeFile(QStringLiteral("\\Plugins\\index.htm"), "<h1>Start</h1>");
        main = std::make_unique<Main>(AppFolder(folder.root()), platform, QSize(1024, 768));
    }
    template <typename T = QWidget> T *w(const char *naam) const {
        return main->findChild<T *>(QLatin1String(naam));
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
        w<QToolButton>("Knop2_2")->click();
    }
};

// The room a control leaves for its text, as its style draws it: a label inside its
// frame and margins, a check box right of its box.
int ruimte(const QWidget *besturing) {
    if (auto *label = qobject_cast<const QLabel *>(besturing))
        return label->contentsRect().width() - 2 * label->margin();
    QStyleOptionButton optie;
    optie.initFrom(besturing);
    const QStyle *stijl = besturing->style();
    return besturing->width() - stijl->subElementRect(QStyle::SE_CheckBoxContents, &optie).left();
}

} // namespace

// What tripped a first-time user.
class TestEersteGebruik : public QObject {
    Q_OBJECT
private slots:
    void designerSavesIntoTheShownCategory();
    void namesShowAsTyped();
    void textsFitTheirControls();
    void backgroundEditorSizedLikeTheOtherToolWindows();
    void openDialogFromTheKeyboard();
};

void TestEersteGebruik::designerSavesIntoTheShownCategory() {
    Venster v({"Diodes\\D1.bmp", "Weerstanden\\R1.bmp", "Weerstanden\\R10.bmp"});
    v.w<QComboBox>("Combo1")->setCurrentIndex(1);
    emit v.w<QComboBox>("Combo1")->activated(1);
    const QString weerstanden = v.folder.path("\\Symbolen\\Weerstanden");
    const QString nieuw = weerstanden + QStringLiteral("/weerstand2");
    v.platform.saveAnswers = {nieuw, nieuw};
    v.platform.answers = {Platform::Answer::Yes, Platform::Answer::No};
    v.ontwerp({2, 3, 7, 3}); // open (cancelled), save, fill black, save again: No
    QCOMPARE(v.platform.mappen, QStringList(3, weerstanden));
    QCOMPARE(QImage(nieuw + QStringLiteral(".bmp")).pixel(0, 0), qRgb(255, 255, 255));
    QCOMPARE(v.platform.messages.last().text, QStringLiteral("Symbool bestaat reeds, vernieuwen?"));
    QCOMPARE(v.w<QListWidget>("List1")->item(2)->text(), QStringLiteral("weerstand2"));
    QCOMPARE(v.w<QLabel>("Label1")->text(), QStringLiteral("3 Symbolen gevonden..."));
}

void TestEersteGebruik::namesShowAsTyped() {
    Venster v;
    v.folder.writeFile("\\Projecten\\R&D.ovb", pictureFile(filledPicture(9, 9, 0)));
    bijModaalVenster([](QWidget *dialog) {
        dialog->findChild<QListWidget *>(QStringLiteral("List1"))->setCurrentRow(0);
        dialog->findChild<QPushButton *>(QStringLiteral("OpenKnop"))->click();
    });
    v.w<QToolButton>("Knop1")->click();
    const QString titel = v.w<QMenu>("NaamOntwerp")->title();
    QVERIFY(QKeySequence::mnemonic(titel).isEmpty());
    QCOMPARE(titel, QStringLiteral("R&&D")); // shown as "R&D"
    v.w<QToolButton>("Knop2")->click();      // save, cancelled
    QCOMPARE(v.platform.inputs.last().defaultAnswer, QStringLiteral("R&D"));
    // A window title takes "[*]" for its "modified" mark.
    v.platform.openAnswers = {v.folder.writePicture("R[*].bmp", filledPicture(49, 49, 0))};
    QString designer;
    v.ontwerp({2}, &designer);
    QCOMPARE(designer, QStringLiteral(" 49 x 49 Symbool Designer / R[*].bmp"));
}

void TestEersteGebruik::textsFitTheirControls() {
    QStringList symbolen;
    for (int i = 0; i < 121; ++i)
        symbolen << QStringLiteral("Weerstanden\\R%1.bmp").arg(i);
    Venster v(symbolen);
    v.main->show();
    LedCalc led;
    led.show();
    QStringList getoond;
    for (QWidget *b : {v.w("Check1"), v.w("Label1"), led.findChild<QWidget *>("LabelHint1"),
                       led.findChild<QWidget *>("LabelHint2")}) {
        getoond << b->property("text").toString();
        const int breedte = b->fontMetrics().horizontalAdvance(getoond.last());
        QVERIFY2(breedte <= ruimte(b), qPrintable(getoond.last()));
    }
    QCOMPARE(getoond,
             QStringList({"Bold", "121 Symbolen gevonden...", "Rood en groen - 20 ma / 2 volts",
                          "Blauw en wit - 30 ma / 4 volts"}));
}

void TestEersteGebruik::backgroundEditorSizedLikeTheOtherToolWindows() {
    Venster v;
    QRgb kleur = 0;
    Config config(
        AppFolder(v.folder.root()), v.platform, true, [] {}, kleur);
    LedCalc led; // 7380 x 6975 twips from outside, title bar included
    QCOMPARE(QSize(360, 220) - config.size(), QSize(7380 / 15, 6975 / 15) - led.size());
    const QRect frame = config.findChild<QFrame *>(QStringLiteral("Frame1"))->geometry();
    QVERIFY(config.rect().contains(frame));
    QVERIFY(config.height() - frame.bottom() <= 10); // no empty strip under the frame
}

void TestEersteGebruik::openDialogFromTheKeyboard() {
    Venster v;
    v.folder.writeFile("\\Projecten\\a.ovb", "BM");
    v.folder.writeFile("\\Projecten\\b.ovb", "BM");
    QStringList geopend;
    OpenForm form(ProjectMap(v.folder.path("\\Projecten")), v.platform,
                  [&](const QString &naam) { geopend << naam; });
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    auto *lijst = form.findChild<QListWidget *>(QStringLiteral("List1"));
    QCOMPARE(QApplication::focusWidget(), lijst);
    QCOMPARE(lijst->currentRow(), -1); // no highlight bar before a choice
    QTest::keyClick(lijst, Qt::Key_Down);
    QTest::keyClick(lijst, Qt::Key_Return);
    QCOMPARE(geopend, QStringList{QStringLiteral("a")});
    QCOMPARE(form.result(), int(QDialog::Accepted));
}

VOLTARIX_TEST(TestEersteGebruik)
#include "tst_eerstegebruik.moc"

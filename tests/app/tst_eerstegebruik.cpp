#include "ScriptedPlatform.h"
#include "TestFolder.h"
#include "TestRunner.h"
#include "app/Main.h"
#include "symbols/IconDesign.h"
#include "tools/LedCalc.h"

#include <QtTest>
#include <QtWidgets>

#include <functional>

namespace {

// A platform that remembers in which folder each file dialog started.
class MapPlatform : public ScriptedPlatform {
public:
    QStringList mappen;
    QString openFileName(const QString &title, const QString &folder,
                         const QString &filter) override {
        mappen << folder;
        return ScriptedPlatform::openFileName(title, folder, filter);
    }
    QString saveFileName(const QString &title, const QString &folder,
                         const QString &filter) override {
        mappen << folder;
        return ScriptedPlatform::saveFileName(title, folder, filter);
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
    QStringList symbolen() const {
        QStringList namen;
        for (int i = 0; i < w<QListWidget>("List1")->count(); ++i)
            namen << w<QListWidget>("List1")->item(i)->text();
        return namen;
    }
    // Opens the designer and works in it until `doe` returns.
    void ontwerp(const std::function<void(IconDesign &)> &doe) {
        QTimer::singleShot(0, [doe] {
            auto *designer = qobject_cast<IconDesign *>(QApplication::activeModalWidget());
            QVERIFY(designer);
            doe(*designer);
            designer->close();
        });
        w<QToolButton>("Knop2_2")->click();
    }
};

void knop(IconDesign &designer, int index) {
    designer.findChild<QToolButton *>(QStringLiteral("KnopB_%1").arg(index))->click();
}

void teken(IconDesign &designer, int x, int y) {
    QTest::mouseClick(designer.findChild<QWidget *>(QStringLiteral("IconPicture")), Qt::LeftButton,
                      {}, QPoint(10 * x + 10, 10 * y + 10));
}

QString getoond(const QWidget *besturing) {
    if (auto *label = qobject_cast<const QLabel *>(besturing)) return label->text();
    return qobject_cast<const QAbstractButton *>(besturing)->text();
}

// The room a control leaves for its text, as its style draws it: a label inside its
// frame and margins, a check box right of its box.
int ruimte(const QWidget *besturing) {
    if (auto *label = qobject_cast<const QLabel *>(besturing))
        return label->contentsRect().width() - 2 * label->margin();
    QStyleOptionButton optie;
    optie.initFrom(besturing);
    return besturing->width() - besturing->style()
                                    ->subElementRect(QStyle::SE_CheckBoxContents, &optie, besturing)
                                    .left();
}

} // namespace

// What tripped a first-time user in the main window.
class TestEersteGebruik : public QObject {
    Q_OBJECT
private slots:
    void designerSavesIntoTheShownCategory();
    void designerWithoutCategoriesStartsInTheLibrary();
    void designNameShowsAsTyped();
    void textsFitTheirControls_data();
    void textsFitTheirControls();
};

void TestEersteGebruik::designerSavesIntoTheShownCategory() {
    Venster v({"Diodes\\D1.bmp", "Weerstanden\\R1.bmp", "Weerstanden\\R10.bmp"});
    auto *Combo1 = v.w<QComboBox>("Combo1");
    Combo1->setCurrentIndex(1);
    emit Combo1->activated(1);
    const QString weerstanden = v.folder.path("\\Symbolen\\Weerstanden");
    const QString nieuw = weerstanden + QStringLiteral("/weerstand2");
    v.platform.saveAnswers = {nieuw, nieuw, v.folder.path("\\Symbolen\\Diodes\\D2")};
    v.platform.answers = {Platform::Answer::No}; // keep the first weerstand2
    QImage eerste;
    v.ontwerp([&](IconDesign &designer) {
        knop(designer, 2); // Open, cancelled
        teken(designer, 2, 3);
        knop(designer, 3);
        eerste = designer.model().tekening().image();
        teken(designer, 4, 5);
        knop(designer, 3);
        knop(designer, 3);
    });
    QCOMPARE(v.platform.mappen, QStringList(4, weerstanden));
    QCOMPARE(QImage(nieuw + QStringLiteral(".bmp")).convertToFormat(QImage::Format_RGB32), eerste);
    QVERIFY(!QFile::exists(nieuw));
    QCOMPARE(v.platform.messages.size(), 1);
    QCOMPARE(v.platform.messages[0].text, QStringLiteral("Symbool bestaat reeds, vernieuwen?"));
    QVERIFY(QFile::exists(v.folder.path("\\Symbolen\\Diodes\\D2.bmp")));
    QCOMPARE(v.symbolen(), (QStringList{"R1", "R10", "weerstand2"}));
    QCOMPARE(v.w<QLabel>("Label1")->text(), QStringLiteral("3 Symbolen gevonden..."));
}

void TestEersteGebruik::designerWithoutCategoriesStartsInTheLibrary() {
    Venster v;
    v.ontwerp([](IconDesign &designer) { knop(designer, 2); });
    QCOMPARE(v.platform.mappen, QStringList{v.folder.path("\\Symbolen\\")});
}

void TestEersteGebruik::designNameShowsAsTyped() {
    Venster v;
    v.folder.writeFile("\\Projecten\\R&D.ovb",
                       pictureFile(filledPicture(10, 10, qRgb(150, 150, 150))));
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
    v.ontwerp([&](IconDesign &venster) {
        knop(venster, 2);
        designer = venster.windowHandle()->title();
    });
    QCOMPARE(designer, QStringLiteral(" 49 x 49 Symbool Designer / R[*].bmp"));
}

void TestEersteGebruik::textsFitTheirControls_data() {
    QTest::addColumn<QString>("venster");
    QTest::addColumn<QString>("besturing");
    QTest::addColumn<int>("symbolen");
    QTest::addColumn<QString>("tekst");
    QTest::newRow("Bold") << "Main"
                          << "Check1" << 0 << "Bold";
    QTest::newRow("121 symbols") << "Main"
                                 << "Label1" << 121 << "121 Symbolen gevonden...";
    QTest::newRow("1000 symbols") << "Main"
                                  << "Label1" << 1000 << "1000 Symbolen gevonden...";
    QTest::newRow("red and green") << "LedCalc"
                                   << "LabelHint1" << 0 << "Rood en groen - 20 ma / 2 volts";
    QTest::newRow("blue and white") << "LedCalc"
                                    << "LabelHint2" << 0 << "Blauw en wit - 30 ma / 4 volts";
}

void TestEersteGebruik::textsFitTheirControls() {
    QFETCH(QString, venster);
    QFETCH(QString, besturing);
    QFETCH(int, symbolen);
    QFETCH(QString, tekst);
    QStringList bestanden;
    for (int i = 0; i < symbolen; ++i)
        bestanden << QStringLiteral("Weerstanden\\R%1.bmp").arg(i);
    std::unique_ptr<Venster> v;
    std::unique_ptr<LedCalc> led;
    QWidget *scherm;
    if (venster == QLatin1String("Main")) {
        v = std::make_unique<Venster>(bestanden);
        scherm = v->main.get();
    } else {
        led = std::make_unique<LedCalc>(nullptr, QLocale::c());
        scherm = led.get();
    }
    scherm->show();
    auto *control = scherm->findChild<QWidget *>(besturing);
    QCOMPARE(getoond(control), tekst);
    QVERIFY2(control->fontMetrics().horizontalAdvance(tekst) <= ruimte(control),
             qPrintable(QStringLiteral("%1 pixels for %2 in %3")
                            .arg(control->fontMetrics().horizontalAdvance(tekst))
                            .arg(tekst)
                            .arg(ruimte(control))));
}

VOLTARIX_TEST(TestEersteGebruik)
#include "tst_eerstegebruik.moc"

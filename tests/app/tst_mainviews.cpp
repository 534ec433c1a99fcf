#include "ScriptedPlatform.h"
#include "TestFolder.h"
#include "TestRunner.h"
#include "app/Main.h"
#include "ui/Twips.h"

#include <QAction>
#include <QMenu>
#include <QTextBrowser>
#include <QToolButton>
#include <QtTest>

namespace {

const QStringList kWeergaven = {"Pic", "Text1", "Pic2", "WebBrowser"};
const QStringList kWerkBalk = {"WerkBalk", "Combo2",     "Combo3",      "BackClear", "NewKnop",
                               "LoepKnop", "LoepScroll", "BBgrootKnop", "PrintKnop"};

// A main window on an application folder with the two help pages.
struct Venster {
    TestFolder folder;
    ScriptedPlatform platform;
    std::unique_ptr<Main> main;

    Venster() {
        folder.writeFile(QStringLiteral("\\Plugins\\index.htm"), "<h1>Start</h1>");
        folder.writeFile(QStringLiteral("\\Plugins\\help.htm"), "<h1>Help</h1>");
        folder.writeFile(QStringLiteral("\\Plugins\\symbolen.htm"), "<h1>Meer</h1>");
        folder.writeFile(QStringLiteral("\\Plugins\\software.htm"), "<h1>Meer</h1>");
        main = std::make_unique<Main>(AppFolder(folder.root()), platform, QSize(1024, 768));
    }

    QWidget *besturing(const QString &naam) const {
        auto *widget = main->findChild<QWidget *>(naam);
        if (!widget) qFatal("no control %s", qPrintable(naam));
        return widget;
    }
    bool getoond(const QString &naam) const { return !besturing(naam)->isHidden(); }
    QToolButton *knop(int index) const {
        return main->findChild<QToolButton *>(QStringLiteral("Knop%1").arg(index));
    }
    QTextBrowser *browser() const { return main->findChild<QTextBrowser *>("WebBrowser"); }
    QString pagina() const { return browser()->source().toLocalFile(); }

    QAction *item(const QString &tekst) const {
        for (QAction *action : main->findChildren<QAction *>())
            if (!action->menu() && action->text() == tekst) return action;
        qFatal("no menu item %s", qPrintable(tekst));
        return nullptr;
    }

    // The one view shown, or an empty text when there is not exactly one.
    QString weergave() const {
        QStringList getoonde;
        for (const QString &naam : kWeergaven)
            if (getoond(naam)) getoonde << naam;
        return getoonde.size() == 1 ? getoonde[0] : QString();
    }
};

QPoint rustPlaats(int index) {
    return {twipsToPixels(240 + 915 * index), twipsToPixels(285)};
}

} // namespace

class TestMainViews : public QObject {
    Q_OBJECT
private slots:
    void beginToestand();
    void knoppenWisselenWeergave_data();
    void knoppenWisselenWeergave();
    void drukAnimatie_data();
    void drukAnimatie();
    void projectItemIsKnop_data();
    void projectItemIsKnop();
    void klikTijdensWachten();
    void helpVerbergtBreadboardZonderPixels();
    void indexToontStartPagina();
    void weggaanVanBreadboardRuimtOp();
    void webLinks();
    void linksInPaginas();
};

void TestMainViews::beginToestand() {
    Venster v;
    QCOMPARE(v.weergave(), QStringLiteral("WebBrowser"));
    QVERIFY(v.getoond("Knop10"));
    QVERIFY(v.pagina().endsWith("/Plugins/index.htm"));
    for (const QString &tool : kWerkBalk + QStringList{"Combo4", "Text2", "Check1"})
        QVERIFY2(!v.getoond(tool), qPrintable(tool));
    QVERIFY(v.getoond("List1"));
    QVERIFY(v.getoond("IconPic"));
    QCOMPARE(v.knop(5)->toolTip(), QStringLiteral(" Ontwerpblad "));
    QCOMPARE(v.knop(10)->toolTip(), QStringLiteral(" Index "));
    QCOMPARE(v.knop(15)->toolTip(), QStringLiteral(" Naar onderen "));
    QVERIFY(v.knop(0)->toolTip().isEmpty());
    for (int i = 0; i < 16; ++i)
        QCOMPARE(v.knop(i)->icon().isNull(), i == 4 || i == 9 || i == 11);
    for (const char *naam : {"Knop2_0", "Knop2_1", "Knop2_2", "HorKnop", "VerKnop", "RotatieKnop"})
        QVERIFY2(!v.main->findChild<QToolButton *>(naam)->icon().isNull(), naam);
}

void TestMainViews::knoppenWisselenWeergave_data() {
    QTest::addColumn<QList<int>>("knoppen");
    QTest::addColumn<QString>("weergave");
    QTest::addColumn<bool>("index");
    QTest::newRow("ontwerpblad") << QList<int>{5} << "Pic" << false;
    QTest::newRow("lijst") << QList<int>{6} << "Text1" << false;
    QTest::newRow("breadboard") << QList<int>{7} << "Pic2" << false;
    QTest::newRow("informatie") << QList<int>{5, 8} << "WebBrowser" << true;
    QTest::newRow("index") << QList<int>{7, 8, 10} << "WebBrowser" << true;
    QTest::newRow("gat verbergt index") << QList<int>{8, 9} << "WebBrowser" << false;
    QTest::newRow("schuiven verbergt index") << QList<int>{8, 12} << "WebBrowser" << false;
    QTest::newRow("alles") << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 7}
                           << "Pic2" << false;
    QTest::newRow("heen en weer") << QList<int>{7, 5, 7, 6, 8, 6, 5} << "Pic" << false;
}

void TestMainViews::knoppenWisselenWeergave() {
    QFETCH(QList<int>, knoppen);
    QFETCH(QString, weergave);
    QFETCH(bool, index);
    Venster v;
    for (int knop : knoppen) {
        if (knop == 1) bijModaalVenster(); // the open dialog
        v.knop(knop)->click();
        QVERIFY2(!v.weergave().isEmpty(), "not exactly one view");
        for (const QString &tool : kWerkBalk)
            QCOMPARE(v.getoond(tool), v.weergave() == QLatin1String("Pic2"));
        if (v.getoond("Knop10")) QCOMPARE(v.weergave(), QStringLiteral("WebBrowser"));
    }
    QCOMPARE(v.weergave(), weergave);
    QCOMPARE(v.getoond("Knop10"), index);
    QCOMPARE(v.platform.waits, knoppen.size());
}

void TestMainViews::drukAnimatie_data() {
    QTest::addColumn<int>("knop");
    for (int knop : {0, 4, 7, 10, 15})
        QTest::addRow("knop %d", knop) << knop;
}

void TestMainViews::drukAnimatie() {
    QFETCH(int, knop);
    Venster v;
    QToolButton *button = v.knop(knop);
    QCOMPARE(button->pos(), rustPlaats(knop));
    QList<QPoint> tijdensWachten;
    v.platform.duringWait = [&](double) { tijdensWachten << button->pos(); };
    button->click();
    // One pixel (15 twips) right and down for 0.2 s, then back.
    QCOMPARE(tijdensWachten, QList<QPoint>{rustPlaats(knop) + QPoint(1, 1)});
    QCOMPARE(v.platform.waited, 0.2);
    QCOMPARE(button->pos(), rustPlaats(knop));
}

void TestMainViews::projectItemIsKnop_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("knop");
    QTest::newRow("nieuw") << "Nieuw Project" << 0;
    QTest::newRow("openen") << "Project Openen" << 1;
    QTest::newRow("opslaan") << "Project Opslaan" << 2;
    QTest::newRow("afdrukken") << "Project Afdrukken" << 3;
}

void TestMainViews::projectItemIsKnop() {
    QFETCH(QString, item);
    QFETCH(int, knop);
    Venster v;
    QVERIFY(v.getoond("Knop10"));
    QList<QPoint> tijdensWachten;
    v.platform.duringWait = [&](double) { tijdensWachten << v.knop(knop)->pos(); };
    bijModaalVenster(); // the open dialog
    v.item(item)->trigger();
    QCOMPARE(tijdensWachten, QList<QPoint>{rustPlaats(knop) + QPoint(1, 1)});
    QCOMPARE(v.platform.waited, 0.2);
    QCOMPARE(v.knop(knop)->pos(), rustPlaats(knop));
    // Like the button, the item hides " Index " and leaves the view alone.
    QVERIFY(!v.getoond("Knop10"));
    QCOMPARE(v.weergave(), QStringLiteral("WebBrowser"));
}

void TestMainViews::klikTijdensWachten() {
    // A click during the press pause runs first; the first button's own command
    // follows when its pause ends.
    Venster v;
    QStringList volgorde;
    bool eerste = true;
    v.platform.duringWait = [&](double) {
        if (!eerste) return;
        eerste = false;
        v.knop(5)->click();
        volgorde << v.weergave();
    };
    v.knop(7)->click();
    volgorde << v.weergave();
    QCOMPARE(volgorde, (QStringList{"Pic", "Pic2"}));
    QCOMPARE(v.platform.waits, 2);
}

void TestMainViews::helpVerbergtBreadboardZonderPixels() {
    Venster v;
    v.knop(7)->click();
    Surface &Pic2 = v.main->ontwerp().Pic2;
    Pic2.setLineWidth(3);
    Pic2.drawLine(200, 150, 400, 170, qRgb(255, 0, 0));
    const QImage getekend = Pic2.image();

    v.item("Help")->trigger();
    QCOMPARE(v.weergave(), QStringLiteral("WebBrowser"));
    QVERIFY(v.pagina().endsWith("/Plugins/help.htm"));
    QVERIFY(QFileInfo::exists(v.pagina()));
    QVERIFY(v.getoond("Knop10"));
    for (const QString &tool : kWerkBalk)
        QVERIFY2(!v.getoond(tool), qPrintable(tool));
    QCOMPARE(Pic2.image(), getekend);

    v.knop(7)->click();
    QCOMPARE(v.weergave(), QStringLiteral("Pic2"));
    QCOMPARE(Pic2.image(), getekend);
}

void TestMainViews::indexToontStartPagina() {
    Venster v;
    v.item("Help")->trigger();
    QVERIFY(v.pagina().endsWith("/help.htm"));
    v.knop(10)->click();
    QVERIFY(v.pagina().endsWith("/Plugins/index.htm"));
    QVERIFY(v.getoond("Knop10"));
    QCOMPARE(v.weergave(), QStringLiteral("WebBrowser"));
    // The information button shows the browser as it was, without going back.
    v.item("Help")->trigger();
    v.knop(5)->click();
    v.knop(8)->click();
    QVERIFY(v.pagina().endsWith("/help.htm"));
}

void TestMainViews::weggaanVanBreadboardRuimtOp() {
    Venster v;
    v.knop(7)->click();
    // The text tool and the magnifier had their widgets out, the list was away.
    for (const char *naam : {"Combo4", "Text2", "Check1"})
        v.besturing(naam)->show();
    v.besturing("List1")->hide();
    v.knop(6)->click();
    for (const char *naam : {"Combo4", "Text2", "Check1"})
        QVERIFY2(!v.getoond(naam), naam);
    QVERIFY(v.getoond("List1"));
    // Back on the breadboard the text widgets stay away until the text tool wants them.
    v.knop(7)->click();
    QVERIFY(!v.getoond("Combo4"));
}

void TestMainViews::webLinks() {
    Venster v;
    v.item("Meer Symbolen Downloaden")->trigger();
    v.item("Meer Software")->trigger();
    QCOMPARE(v.platform.openedAddresses, (QStringList{v.folder.path("Plugins/symbolen.htm"),
                                                      v.folder.path("Plugins/software.htm")}));
    QCOMPARE(v.platform.waits, 0);
    QVERIFY(v.pagina().endsWith("/index.htm"));
}

void TestMainViews::linksInPaginas() {
    Venster v;
    emit v.browser()->anchorClicked(QUrl("https://example.org/onderdelen"));
    emit v.browser()->anchorClicked(QUrl("mailto:info@example.org"));
    QCOMPARE(v.platform.openedAddresses,
             (QStringList{"https://example.org/onderdelen", "mailto:info@example.org"}));
    QVERIFY(v.pagina().endsWith("/index.htm"));
    emit v.browser()->anchorClicked(QUrl("HELP.htm"));
    QCOMPARE(v.pagina(), v.folder.path("Plugins/help.htm"));
    QCOMPARE(v.platform.openedAddresses.size(), 2);
}

VOLTARIX_TEST(TestMainViews)
#include "tst_mainviews.moc"

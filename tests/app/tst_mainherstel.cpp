// The recovery copy through the window: the question at the start, and the copy kept
// while the design differs from what was saved and gone once it no longer does.
#include "ScriptedPlatform.h"
#include "TestFolder.h"
#include "TestRunner.h"
#include "app/Main.h"
#include "project/HerstelSchrijver.h"
#include "project/Herstelmap.h"

#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTimer>
#include <QtTest>

namespace {

struct Venster {
    TestFolder folder;
    ScriptedPlatform platform;
    std::unique_ptr<Main> main;

    Venster() {
        main = std::make_unique<Main>(AppFolder(folder.root()), platform, QSize(1024, 768));
    }
    QString herstel() const { return folder.path(".herstel"); }
    // The copies on the disk, by folder.
    QStringList kopieen() const {
        QStringList mappen;
        for (const QString &map : QDir(herstel()).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            if (QFile::exists(herstel() + "/" + map + "/herstel.ovb")) mappen << map;
        return mappen;
    }
    QPlainTextEdit *lijst() const { return main->findChild<QPlainTextEdit *>("Text1"); }
    void item(const QString &tekst) const {
        for (QAction *action : main->findChildren<QAction *>())
            if (action->text() == tekst) return action->trigger();
        qFatal("no menu item %s", qPrintable(tekst));
    }
    // The minute's check, every turn of the event loop.
    void elkeRonde() const {
        auto *timer = main->findChild<QTimer *>("HerstelTimer");
        timer->setInterval(0);
        timer->start();
    }
};

} // namespace

class TestMainHerstel : public QObject {
    Q_OBJECT
private slots:
    void vraagBijStart_data();
    void vraagBijStart();
    void kopieTotBewaard_data();
    void kopieTotBewaard();
};

void TestMainHerstel::vraagBijStart_data() {
    QTest::addColumn<bool>("ja");
    QTest::newRow("Yes restores") << true;
    QTest::newRow("No deletes") << false;
}

void TestMainHerstel::vraagBijStart() {
    QFETCH(bool, ja);
    Venster v;
    const QImage pic = v.main->ontwerp().Pic.image().copy(),
                 pic2 = v.main->ontwerp().Pic2.image().copy();
    Surface blad(pic), bord(pic2);
    blad.fillBox(51, 51, 99, 99, qRgb(0, 0, 255));
    bord.fillBox(300, 300, 340, 310, qRgb(255, 0, 0));
    const HerstelSchrijver::Momentopname verloren{blad.image(), bord.image(),
                                                  "Componentenlijst\nR1\n"};
    { // a program that died with that on its sheets
        HerstelSchrijver vorige(Herstelmap(v.herstel()).nieuweKopieMap(), {pic, pic2, {}});
        vorige.bewaar(verloren);
    }
    QCOMPARE(v.kopieen().size(), 1);

    v.platform.answers << (ja ? Platform::Answer::Yes : Platform::Answer::No);
    v.main->show();
    QTRY_COMPARE(v.platform.messages.size(), 1);
    QCOMPARE(v.platform.messages[0].title, QStringLiteral(" Herstellen"));
    QVERIFY(v.platform.messages[0].text.startsWith("Er is een niet-opgeslagen ontwerp van "));
    QCOMPARE(v.main->ontwerp().Pic.image(), ja ? verloren.Pic : pic);
    QCOMPARE(v.main->ontwerp().Pic2.image(), ja ? verloren.Pic2 : pic2);
    QCOMPARE(v.lijst()->toPlainText().contains("R1"), ja);
    QCOMPARE(v.main->findChild<QMenu *>("NaamOntwerp")->title(), QStringLiteral("*.*"));
    // A restored design keeps its copy until it is saved.
    QCOMPARE(v.kopieen().size(), ja ? 1 : 0);
}

void TestMainHerstel::kopieTotBewaard_data() {
    QTest::addColumn<QString>("actie");
    QTest::newRow("saved") << "opslaan";
    QTest::newRow("new design") << "nieuw";
    QTest::newRow("confirmed exit") << "afsluiten";
    QTest::newRow("drawn back to the saved design") << "terug";
}

void TestMainHerstel::kopieTotBewaard() {
    QFETCH(QString, actie);
    Venster v;
    v.elkeRonde();
    Surface &Pic = v.main->ontwerp().Pic;
    const QImage voor = Pic.image().copy();
    Pic.fillBox(51, 51, 99, 99, qRgb(0, 128, 0));
    QTRY_COMPARE(v.kopieen().size(), 1);

    v.platform.answers << Platform::Answer::Yes;
    if (actie == "opslaan") {
        v.platform.inputAnswers << "P";
        v.item("Project Opslaan");
    } else if (actie == "nieuw") {
        v.item("Nieuw Project");
    } else if (actie == "afsluiten") {
        // The exit ends the event loop it runs in: it gets one of its own, so that no
        // later test finds its loops ended before they begin.
        QTimer::singleShot(0, v.main.get(), [&v] { v.main->close(); });
        QTimer nooduitgang;
        nooduitgang.callOnTimeout([] { QCoreApplication::exit(1); });
        nooduitgang.start(30000);
        QCOMPARE(QCoreApplication::exec(), 0);
        QCOMPARE(v.kopieen(), QStringList()); // gone before the program ends
    } else {
        Pic.paste(voor);
    }
    QTRY_COMPARE(QDir(v.herstel()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList());
}

VOLTARIX_TEST(TestMainHerstel)
#include "tst_mainherstel.moc"

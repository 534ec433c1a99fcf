// The recovery copy through the window: the question at the start, and the copy kept
// while the design is not saved, and gone after a save, a new design or the exit.
#include "HoofdVenster.h"
#include "TestRunner.h"
#include "project/Herstelmap.h"

#include <QMenu>
#include <QPlainTextEdit>
#include <QTimer>
#include <QtTest>

namespace {

struct Venster : HoofdVenster<> {
    Venster() { start(); }
    QStringList inHerstel() const {
        return QDir(folder.path(".herstel")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    }
};

} // namespace

class TestMainHerstel : public QObject {
    Q_OBJECT
private slots:
    // No, and what is restored, at the level of the copies themselves (tst_herstel).
    void jaBijStartLaadtZonderNaam() {
        Venster v;
        const QImage pic = v.main->ontwerp().Pic.image().copy(),
                     pic2 = v.main->ontwerp().Pic2.image();
        Surface blad(pic);
        blad.fillBox(51, 51, 99, 99, qRgb(0, 0, 255));
        HerstelSchrijver(Herstelmap(v.folder.path(".herstel")).nieuweKopieMap(),
                         {pic, pic2, {}, {}})
            .bewaar({blad.image(), pic2, "Componentenlijst\nR1\n", {}});

        v.platform.answers << Platform::Answer::Yes;
        v.main->show();
        QTRY_COMPARE(v.platform.messages.size(), 1);
        QCOMPARE(v.platform.messages[0].title, QStringLiteral(" Herstellen"));
        QCOMPARE(v.main->ontwerp().Pic.image(), blad.image());
        QCOMPARE(v.w<QPlainTextEdit>("Text1")->toPlainText() + v.w<QMenu>("NaamOntwerp")->title(),
                 "Componentenlijst\nR1\n*.*");
        QCOMPARE(v.inHerstel().size(), 2); // its copy and lock, kept until it is saved
    }

    void kopieTotBewaard_data() {
        const Tabel<QString> rij("actie");
        for (const char *actie : {"Project Opslaan", "Nieuw Project", "Exit"})
            rij(actie, actie);
    }
    void kopieTotBewaard() {
        auto [actie] = velden<QString>("actie");
        Venster v;
        v.main->findChild<QTimer *>("HerstelTimer")->start(0); // every turn of the event loop
        v.main->ontwerp().Pic.fillBox(51, 51, 99, 99, qRgb(0, 128, 0));
        QTRY_COMPARE(v.inHerstel().size(), 2); // the copy's folder and its lock

        v.platform.answers << Platform::Answer::Yes;
        v.platform.inputAnswers << "P";
        if (actie == "Exit") {
            // The exit ends the event loop it runs in: it gets one of its own, so that no
            // later test finds its loops ended before they begin.
            QTimer::singleShot(0, v.main.get(), [&v] { v.item("Exit")->trigger(); });
            QTimer nooduitgang;
            nooduitgang.callOnTimeout([] { QCoreApplication::exit(1); });
            nooduitgang.start(30000);
            QCOMPARE(QCoreApplication::exec(), 0);
            QCOMPARE(v.inHerstel(), QStringList()); // gone before the program ends
            return;
        }
        v.item(actie)->trigger();
        QTRY_COMPARE(v.inHerstel(), QStringList());
    }
};

VOLTARIX_TEST(TestMainHerstel)
#include "tst_mainherstel.moc"

// A component list too large for the list box (a power cut's megabyte of NUL bytes, a
// list pasted together by another program) used to freeze the window for many
// seconds when it opened. It now stays out of the box, with a message, and a save
// writes it back byte for byte; a new design starts a list of its own again.
#include "ScriptedPlatform.h"
#include "TestFolder.h"
#include "TestRunner.h"
#include "app/Main.h"
#include "editor/ComponentList.h"
#include "project/ProjectMap.h"

#include <QAction>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

class TestGroteLijst : public QObject {
    Q_OBJECT
private slots:
    void teGroteLijstBlijftBewaard_data();
    void teGroteLijstBlijftBewaard();
};

void TestGroteLijst::teGroteLijstBlijftBewaard_data() {
    QTest::addColumn<QByteArray>("dat");
    QTest::newRow("a line too long to show")
        << "R1\r\n" + QByteArray(ComponentList::kMaxAlinea + 1, '\0');
    QTest::newRow("a file too large to read") << QByteArray("R1\r\n").repeated(6'000'000);
}

void TestGroteLijst::teGroteLijstBlijftBewaard() {
    QFETCH(QByteArray, dat);
    TestFolder folder;
    ScriptedPlatform platform;
    Main main(AppFolder(folder.root()), platform, QSize(1024, 768));
    QCOMPARE(ProjectMap(folder.path("Projecten")).opslaan("P", Surface(8, 8), Surface(8, 8), ""),
             ProjectMap::Geen);
    folder.writeFile("Projecten/P.dat", dat);

    bijModaalVenster([](QWidget *dialog) {
        dialog->findChild<QListWidget *>("List1")->setCurrentRow(0);
        dialog->findChild<QPushButton *>("OpenKnop")->click();
    });
    main.findChild<QToolButton *>("Knop1")->click();
    QVERIFY(platform.messages.constLast().text.startsWith(
        "De componentenlijst van dit project is te groot om te tonen."));
    auto *Text1 = main.findChild<QPlainTextEdit *>("Text1");
    QVERIFY(Text1->isReadOnly());

    // Saved under its own name (the file is replaced) and under another.
    platform.inputAnswers = {"P", "Kopie"};
    platform.answers = {Platform::Answer::Yes};
    main.findChild<QToolButton *>("Knop2")->click();
    main.findChild<QToolButton *>("Knop2")->click();
    QVERIFY(folder.readFile("Projecten/P.dat") == dat);
    QVERIFY(folder.readFile("Projecten/Kopie.dat") == dat);

    platform.answers = {Platform::Answer::Yes};
    main.findChild<QToolButton *>("Knop0")->click();
    QVERIFY(!Text1->isReadOnly());
    platform.inputAnswers = {"Nieuw"};
    main.findChild<QToolButton *>("Knop2")->click();
    QCOMPARE(folder.readFile("Projecten/Nieuw.dat"),
             QByteArray("Componentenlijst\r\n----------------------------\r\n"));
}

VOLTARIX_TEST(TestGroteLijst)
#include "tst_grotelijst.moc"

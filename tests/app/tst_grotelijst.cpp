// A component list too large for the list box used to freeze the window when it
// opened. It now stays out of the box, with a message, and saves write it back byte for
// byte until a new design starts a list of its own.
#include "ScriptedPlatform.h"
#include "TestFolder.h"
#include "TestRunner.h"
#include "app/Main.h"
#include "editor/ComponentList.h"
#include "project/ProjectMap.h"

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
    QTest::newRow("too long a line") << "R1\r\n" + QByteArray(ComponentList::kMaxAlinea + 1, '\0');
    QTest::newRow("too large to read") << QByteArray("R1\r\n").repeated(6'000'000);
}

void TestGroteLijst::teGroteLijstBlijftBewaard() {
    QFETCH(QByteArray, dat);
    TestFolder folder;
    ScriptedPlatform platform;
    Main main(AppFolder(folder.root()), platform, QSize(1024, 768));
    QCOMPARE(ProjectMap(folder.path("Projecten")).opslaan("P", Surface(8, 8), Surface(8, 8), ""),
             ProjectMap::Geen);
    folder.writeFile("Projecten/P.dat", dat);
    const auto knop = [&main](int index) {
        main.findChild<QToolButton *>(QStringLiteral("Knop%1").arg(index))->click();
    };
    bijModaalVenster([](QWidget *dialog) {
        dialog->findChild<QListWidget *>("List1")->setCurrentRow(0);
        dialog->findChild<QPushButton *>("OpenKnop")->click();
    });
    knop(1);
    QVERIFY(platform.messages.constLast().text.startsWith(
        "De componentenlijst van dit project is te groot"));
    QVERIFY(main.findChild<QPlainTextEdit *>("Text1")->isReadOnly());

    platform.inputAnswers = {"P", "Nieuw"}; // saved over itself, then a new design
    platform.answers = {Platform::Answer::Yes, Platform::Answer::Yes};
    knop(2);
    QVERIFY(folder.readFile("Projecten/P.dat") == dat);
    knop(0);
    knop(2);
    QCOMPARE(folder.readFile("Projecten/Nieuw.dat"),
             "Componentenlijst\r\n----------------------------\r\n");
}

VOLTARIX_TEST(TestGroteLijst)
#include "tst_grotelijst.moc"

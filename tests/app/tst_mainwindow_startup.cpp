#include "ScriptedPlatform.h"
#include "TestFolder.h"
#include "TestRunner.h"
#include "app/Main.h"
#include "app/Settings.h"
#include "board/BoardDrawing.h"
#include "ui/SheetView.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include <memory>

namespace {

QStringList entries(const QComboBox *box) {
    QStringList list;
    for (int i = 0; i < box->count(); ++i)
        list << box->itemText(i);
    return list;
}

Surface board(bool BBgroot, QSize size) {
    Surface sheet(size.width(), size.height());
    TekenBord(BBgroot, sheet, sheet);
    return sheet;
}

} // namespace

class TestMainStartup : public QObject {
    Q_OBJECT
private slots:
    void choiceBoxes();
    void missingFoldersLeaveBoxesShort();
    void layoutAt1024x768();
    void settingsFileBigBoard();
    void settingsFileMissingOrBroken_data();
    void settingsFileMissingOrBroken();
    void shutdownAnsweredNo();
    void shutdownAnsweredYes();
    void boardSizeButton();

private:
    std::unique_ptr<Main> start(const TestFolder &folder, ScriptedPlatform &platform) {
        return std::make_unique<Main>(AppFolder(folder.root()), platform, QSize(1024, 768));
    }
};

void TestMainStartup::choiceBoxes() {
    TestFolder folder;
    folder.makeDir("Symbolen/Weerstanden");
    folder.makeDir("Symbolen/condensatoren");
    folder.makeDir("Symbolen/IC/Dieper");
    folder.writeFile("Symbolen/los.bmp", "x");
    for (const char *name : {"Print.gif", "abcd", "abc", "LED rood.gif", "x.txt"})
        folder.writeFile(QStringLiteral("Breadboard/") + name, "x");
    ScriptedPlatform platform;
    const auto main = start(folder, platform);

    const auto *Combo1 = main->findChild<QComboBox *>("Combo1");
    QCOMPARE(entries(Combo1), (QStringList{"condensatoren", "ic", "weerstanden"}));
    QCOMPARE(Combo1->currentIndex(), 0);

    const QStringList tools = entries(main->findChild<QComboBox *>("Combo3"));
    QCOMPARE(tools.mid(0, 4),
             (QStringList{"Componenten", "Draadverbinding", "Gummen", "Tekst Plaatsen"}));
    QCOMPARE(tools[4], QString(52, '-'));
    QCOMPARE(tools.mid(5), (QStringList{"", "LED rood", "Print", "x"}));
    QCOMPARE(main->findChild<QComboBox *>("Combo3")->currentText(), QStringLiteral("Componenten"));

    const auto *Combo2 = main->findChild<QComboBox *>("Combo2");
    QCOMPARE(Combo2->count(), 9);
    QCOMPARE(Combo2->currentText(), QStringLiteral("Rood"));
    const auto *Combo4 = main->findChild<QComboBox *>("Combo4");
    QCOMPARE(entries(Combo4),
             (QStringList{"8", "10", "12", "14", "16", "18", "20", "22", "24", "26", "28", "30"}));
    QCOMPARE(Combo4->currentText(), QStringLiteral("12"));
    QCOMPARE(main->findChild<QPlainTextEdit *>("Text1")->toPlainText(),
             QStringLiteral("Componentenlijst\n----------------------------\n"));
}

void TestMainStartup::missingFoldersLeaveBoxesShort() {
    TestFolder folder;
    ScriptedPlatform platform;
    const auto main = start(folder, platform);
    QCOMPARE(main->findChild<QComboBox *>("Combo1")->count(), 0);
    QCOMPARE(main->findChild<QComboBox *>("Combo3")->count(), 5);
    QVERIFY(platform.messages.isEmpty());
}

void TestMainStartup::layoutAt1024x768() {
    TestFolder folder;
    ScriptedPlatform platform;
    const auto main = start(folder, platform);
    QCOMPARE(main->findChild<QWidget *>("Frame3")->size(), QSize(829, 586));
    QCOMPARE(main->findChild<SheetView *>("Pic2")->size(), QSize(801, 541));
    QCOMPARE(main->ontwerp().Pic2.size(), QSize(801, 541));
    QCOMPARE(main->ontwerp().GumPic.size(), QSize(801, 541));
    QCOMPARE(main->ontwerp().Pic.size(), QSize(801, 551));
    QCOMPARE(main->findChild<QWidget *>("Knop15")->geometry(), QRect(931, 19, 49, 49));
    // The design sheet carries the raster in grey 150, shown beside its slider.
    QCOMPARE(main->ontwerp().Pic.pixel(0, 0), grey(150));
    QCOMPARE(main->ontwerp().Pic.pixel(50, 20), grey(150));
    QCOMPARE(main->ontwerp().Pic.pixel(20, 20), Surface::kWhite);
    QCOMPARE(main->findChild<QLabel *>("Label3")->text(), QStringLiteral("Rasterkleur : 150"));
    QCOMPARE(main->findChild<QScrollBar *>("RasterScroll")->value(), 150);
    main->findChild<QScrollBar *>("RasterScroll")->setValue(0);
    QCOMPARE(main->ontwerp().Pic.pixel(50, 20), grey(0));
    QCOMPARE(main->findChild<QLabel *>("Label3")->text(), QStringLiteral("Rasterkleur : 0"));
}

void TestMainStartup::settingsFileBigBoard() {
    TestFolder folder;
    folder.writeFile("Voltarix.ini",
                     "\"Voltarix\"\r\n\"--------------------------\"\r\n#TRUE#\r\n");
    ScriptedPlatform platform;
    const auto main = start(folder, platform);
    QVERIFY(main->BBgroot());
    QCOMPARE(main->findChild<QPushButton *>("BBgrootKnop")->toolTip(),
             QStringLiteral(" Verkleinen "));
    QCOMPARE(main->ontwerp().Pic2.image(), board(true, QSize(801, 541)).image());
    QCOMPARE(main->ontwerp().GumPic.image(), main->ontwerp().Pic2.image());
    // Reading leaves the file as it was.
    QCOMPARE(folder.readFile("Voltarix.ini"),
             QByteArray("\"Voltarix\"\r\n\"--------------------------\"\r\n#TRUE#\r\n"));
}

void TestMainStartup::settingsFileMissingOrBroken_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("missing") << QByteArray();
    QTest::newRow("broken flag") << QByteArray("\"a\"\r\n\"b\"\r\n#JA#\r\n");
    QTest::newRow("binary") << QByteArray::fromHex("00ff00ff00ff");
}

void TestMainStartup::settingsFileMissingOrBroken() {
    QFETCH(QByteArray, content);
    TestFolder folder;
    if (!content.isEmpty()) folder.writeFile("Voltarix.ini", content);
    ScriptedPlatform platform;
    const auto main = start(folder, platform);
    QVERIFY(!main->BBgroot());
    QCOMPARE(main->ontwerp().Pic2.image(), board(false, QSize(801, 541)).image());
    QCOMPARE(folder.readFile("Voltarix.ini"), Settings::tekst(false));
    QCOMPARE(main->findChild<QPushButton *>("BBgrootKnop")->toolTip(),
             QStringLiteral(" Vergroten "));
    QVERIFY(platform.messages.isEmpty());
}

void TestMainStartup::shutdownAnsweredNo() {
    TestFolder folder;
    const QByteArray stored = "\"x\"\r\n\"y\"\r\n#TRUE#\r\n";
    folder.writeFile("Voltarix.ini", stored);
    ScriptedPlatform platform;
    const auto main = start(folder, platform);
    main->show();
    platform.answers = {Platform::Answer::No};
    QVERIFY(!main->close());
    QVERIFY(main->isVisible());
    QCOMPARE(platform.messages.last().text, QStringLiteral("Wilt u dit programma nu afsluiten?"));
    QCOMPARE(platform.messages.last().title, QStringLiteral(" Exit programma"));
    QCOMPARE(folder.readFile("Voltarix.ini"), stored);
}

void TestMainStartup::shutdownAnsweredYes() {
    TestFolder folder;
    folder.writeFile("Voltarix.ini", "\"x\"\r\n\"y\"\r\n#TRUE#\r\n");
    ScriptedPlatform platform;
    const auto main = start(folder, platform);
    main->show();
    platform.answers = {Platform::Answer::Yes};
    QVERIFY(main->close());
    QCOMPARE(folder.readFile("Voltarix.ini"), Settings::tekst(true));
}

void TestMainStartup::boardSizeButton() {
    TestFolder folder;
    ScriptedPlatform platform;
    const auto main = start(folder, platform);
    auto *button = main->findChild<QPushButton *>("BBgrootKnop");
    platform.answers = {Platform::Answer::No};
    button->click();
    QVERIFY(!main->BBgroot());
    QCOMPARE(button->toolTip(), QStringLiteral(" Vergroten "));
    platform.answers = {Platform::Answer::Yes};
    button->click();
    QVERIFY(main->BBgroot());
    QCOMPARE(button->toolTip(), QStringLiteral(" Verkleinen "));
    QCOMPARE(main->ontwerp().Pic2.image(), board(true, QSize(801, 541)).image());
    // The new size is stored at the end of the program.
    platform.answers = {Platform::Answer::Yes};
    main->show();
    QVERIFY(main->close());
    QCOMPARE(folder.readFile("Voltarix.ini"), Settings::tekst(true));
}

VOLTARIX_TEST(TestMainStartup)
#include "tst_mainwindow_startup.moc"

// "Kopiëren" and its Ctrl+C: the sheet that is shown goes to the clipboard as a
// picture, the list as text; a text box with the focus keeps Ctrl+C for its own text.
// And "Exporteren..." opens where the last export went.
#include "ScriptedPlatform.h"
#include "TestFolder.h"
#include "TestRunner.h"
#include "app/Main.h"

#include <QAction>
#include <QClipboard>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QtTest>

namespace {

struct Venster : ScriptedPlatform {
    TestFolder folder;
    QStringList exportMappen; // where each export dialog opened
    std::unique_ptr<Main> main =
        std::make_unique<Main>(AppFolder(folder.root()), *this, QSize(1024, 768));

    QString saveFileNameByFormat(const QString &title, const QString &map,
                                 const QString &filter) override {
        exportMappen << QFileInfo(map).path();
        return ScriptedPlatform::saveFileNameByFormat(title, map, filter);
    }
    void knop(int index) const {
        main->findChild<QToolButton *>(QStringLiteral("Knop%1").arg(index))->click();
    }
    QPlainTextEdit *lijst() const { return main->findChild<QPlainTextEdit *>("Text1"); }
    void ctrlC(QWidget *focus) const {
        focus->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
    }
};

QImage klembordBeeld() {
    return QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestMainKopieren : public QObject {
    Q_OBJECT
private slots:
    void kopierenEnCtrlC();
    void exportOnthoudtMap();
};

void TestMainKopieren::kopierenEnCtrlC() {
    Venster v;
    v.main->show();
    QVERIFY(QTest::qWaitForWindowActive(v.main.get()));
    Design &ontwerp = v.main->ontwerp();
    ontwerp.Pic.fillBox(51, 51, 99, 99, qRgb(0, 0, 255));
    ontwerp.Pic2.fillBox(300, 300, 340, 310, qRgb(255, 0, 0));

    v.knop(5); // the design sheet
    v.ctrlC(v.main->findChild<QWidget *>("Pic"));
    QCOMPARE(klembordBeeld(), ontwerp.Pic.image());
    v.knop(7); // the breadboard, through the menu item
    for (QAction *item : v.main->findChildren<QAction *>())
        if (item->text() == QStringLiteral("Kopiëren")) item->trigger();
    QCOMPARE(klembordBeeld(), ontwerp.Pic2.image());

    // The list: its own Ctrl+C copies what is selected; the item, all of it.
    v.knop(6);
    QTextCursor selectie = v.lijst()->textCursor();
    selectie.setPosition(0);
    selectie.setPosition(9, QTextCursor::KeepAnchor);
    v.lijst()->setTextCursor(selectie);
    v.ctrlC(v.lijst());
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Component"));
    QVERIFY(!QGuiApplication::clipboard()->mimeData()->hasImage());
    selectie.clearSelection();
    v.lijst()->setTextCursor(selectie);
    v.ctrlC(v.lijst());
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Component"));
    v.main->findChild<QWidget *>("Pic")->setFocus();
    for (QAction *item : v.main->findChildren<QAction *>())
        if (item->text() == QStringLiteral("Kopiëren")) item->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), v.lijst()->toPlainText());
}

void TestMainKopieren::exportOnthoudtMap() {
    Venster v;
    const QString map = v.folder.makeDir("Verslag");
    v.saveAnswers << map + "/blad.png";
    for (int keer = 0; keer < 2; ++keer)
        for (QAction *item : v.main->findChildren<QAction *>())
            if (item->text() == QStringLiteral("Exporteren...")) item->trigger();
    QCOMPARE(v.exportMappen.size(), 2);
    QCOMPARE(v.exportMappen[1], map);
    QCOMPARE(QImage(map + "/blad.png").convertToFormat(QImage::Format_RGB32),
             v.main->ontwerp().Pic.image());
}

VOLTARIX_TEST(TestMainKopieren)
#include "tst_mainkopieren.moc"

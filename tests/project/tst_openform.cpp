// The open dialog: the projects of the folder, chosen with the mouse or the keys, or a
// zip imported.
#include "ScriptedPlatform.h"
#include "TestFolder.h"
#include "TestRunner.h"
#include "editor/Exporteren.h"
#include "project/OpenForm.h"
#include "project/ProjectMap.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

class TestOpenForm : public QObject {
    Q_OBJECT
    TestFolder folder_;
    ScriptedPlatform platform_;
    QStringList geopend_;
    std::unique_ptr<OpenForm> form_;
    QListWidget *lijst() const { return form_->findChild<QListWidget *>("List1"); }

private slots:
    void init() {
        for (const char *project : {".ovb", "a.ovb", "Bel.ovb"})
            folder_.writeFile(QStringLiteral("Projecten/") + project, "BM");
        geopend_.clear();
        form_ = std::make_unique<OpenForm>(ProjectMap(folder_.path("Projecten")), platform_,
                                           [this](const QString &naam) { geopend_ << naam; });
        form_->show();
    }

    // Open hands over the chosen one, and asks for a choice when there is none or the
    // empty name; a double click opens.
    void kiesMetDeMuis() {
        QCOMPARE(form_->findChild<QLabel *>("Label1")->text(), "3 Projecten in de lijst...");
        auto *open = form_->findChild<QPushButton *>("OpenKnop");
        open->click();
        lijst()->setCurrentRow(0);
        open->click();
        QCOMPARE(platform_.messages.size(), 2);
        QCOMPARE(platform_.messages[1].text, "Eerst een project selecteren!");
        QVERIFY(form_->isVisible());
        lijst()->setCurrentRow(2);
        emit lijst()->itemDoubleClicked(lijst()->currentItem());
        QVERIFY(geopend_ == QStringList{"Bel"} && form_->result() == QDialog::Accepted);
    }

    // The list has the keys with no row marked: an arrow and Enter open.
    void kiesMetDeToetsen() {
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
        QVERIFY(QApplication::focusWidget() == lijst() && lijst()->currentRow() == -1);
        for (const auto toets : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Return})
            QTest::keyClick(lijst(), toets);
        QCOMPARE(geopend_, QStringList{"a"});
    }

    // "Exporteren..." as zip, then "Importeren...": the project opens under the zip's name
    // with the sheets and the list as a save writes them, replacing one of that name only
    // after Yes.
    void exporterenEnImporteren() {
        QString map = folder_.root();
        const QImage Pic = filledPicture(60, 40, qRgb(0, 0, 255)), Pic2 = filledPicture(3, 2, 0);
        const Exporteren::Ontwerp ontwerp{"*.*", Pic, Pic, Pic2, {}, [] { return "R1\r\n"; }};
        platform_.saveAnswers = {folder_.path("Bel.zip")};
        QCOMPARE(Exporteren::Exporteer(platform_, map, ontwerp), folder_.path("Bel.zip"));
        platform_.openAnswers = {folder_.path("Bel.zip"), folder_.path("Bel.zip")};
        platform_.answers = {Platform::Answer::No, Platform::Answer::Yes};
        for (int keer = 0; keer < 2; ++keer)
            form_->findChild<QPushButton *>("ImportKnop")->click();
        QCOMPARE(geopend_, QStringList{"Bel"});
        QCOMPARE(platform_.messages.last().text, "Project bestaat reeds, vernieuwen?");
        const ProjectMap::Geladen geladen = ProjectMap(folder_.path("Projecten")).laad("Bel");
        QVERIFY(geladen.ontwerpBlad == Pic && geladen.breadboard == Pic2);
        QCOMPARE(folder_.readFile("Projecten/Bel.dat"), "R1\r\n");
    }
};

VOLTARIX_TEST(TestOpenForm)
#include "tst_openform.moc"

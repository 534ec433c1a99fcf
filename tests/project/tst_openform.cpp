// The open dialog: the projects of the folder, chosen with the mouse or the keys, or imported.
#include "ScriptedPlatform.h"
#include "TestFolder.h"
#include "TestRunner.h"
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

    // Open hands over the chosen one, asks for a choice at none or the empty name; so does a
    // double click.
    void kiesMetDeMuis() {
        QCOMPARE(form_->findChild<QLabel *>("Label1")->text(), "3 Projecten in de lijst...");
        auto *open = form_->findChild<QPushButton *>("OpenKnop");
        open->click();
        lijst()->setCurrentRow(0);
        open->click();
        QVERIFY(platform_.messages.size() == 2 && form_->isVisible());
        QCOMPARE(platform_.messages[1].text, "Eerst een project selecteren!");
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

    // "Importeren..." brings a project in from elsewhere and opens it.
    void importeren() {
        for (const char *extensie : {".brb", ".dat", ".ovb"})
            platform_.openAnswers = {folder_.writeFile(QStringLiteral("elders/Zon") + extensie,
                                                       pictureFile(filledPicture(3, 2, 0)))};
        form_->findChild<QPushButton *>("ImportKnop")->click();
        QCOMPARE(geopend_, QStringList{"Zon"});
    }
};

VOLTARIX_TEST(TestOpenForm)
#include "tst_openform.moc"

// The open dialog: the projects of the folder, chosen with the mouse or the keys.
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

    // The list and the number of projects; Open hands over the chosen one, and asks for a
    // choice when there is none.
    void kiesMetDeMuis() {
        QCOMPARE(form_->findChild<QLabel *>("Label1")->text(),
                 QStringLiteral("3 Projecten in de lijst..."));
        auto *open = form_->findChild<QPushButton *>("OpenKnop");
        open->click(); // nothing chosen
        lijst()->setCurrentRow(0);
        open->click(); // the empty name
        QCOMPARE(platform_.messages.size(), 2);
        QCOMPARE(platform_.messages[1].text, QStringLiteral("Eerst een project selecteren!"));
        QVERIFY(form_->isVisible());
        lijst()->setCurrentRow(2);
        emit lijst()->itemDoubleClicked(lijst()->currentItem());
        QCOMPARE(geopend_, QStringList{"Bel"});
        QCOMPARE(form_->result(), QDialog::Accepted);
    }

    // The list has the keys with no row marked: an arrow and Enter open.
    void kiesMetDeToetsen() {
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
        QCOMPARE(QApplication::focusWidget(), lijst());
        QCOMPARE(lijst()->currentRow(), -1);
        QTest::keyClick(lijst(), Qt::Key_Down);
        QTest::keyClick(lijst(), Qt::Key_Down);
        QTest::keyClick(lijst(), Qt::Key_Return);
        QCOMPARE(geopend_, QStringList{"a"});
    }
};

VOLTARIX_TEST(TestOpenForm)
#include "tst_openform.moc"

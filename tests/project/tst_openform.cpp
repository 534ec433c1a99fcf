// The open dialog: the projects of the folder, chosen with the mouse or the keys, or imported.
#include "ScriptedPlatform.h"
#include "TestFolder.h"
#include "TestRunner.h"
#include "project/ProjectMap.h"
#include "project/vensters/OpenForm.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

class TestOpenForm : public QObject {
    Q_OBJECT
private slots:
    // Open by button, Enter, double click or import; no choice or the empty name asks for one.
    void kiezen() {
        TestFolder folder;
        for (const char *project : {".ovb", "a.ovb", "Bel.ovb"})
            folder.writeFile(QStringLiteral("Projecten/") + project, "BM");
        ScriptedPlatform platform;
        QStringList geopend;
        OpenForm form(ProjectMap(folder.path("Projecten")), platform,
                      [&geopend](const QString &naam) { geopend << naam; });
        form.show();
        auto *lijst = form.findChild<QListWidget *>("List1");
        auto *open = form.findChild<QPushButton *>("OpenKnop");
        ALLE_WAAR(QTest::qWaitForWindowActive(&form), QApplication::focusWidget() == lijst,
                  lijst->currentRow() == -1,
                  form.findChild<QLabel *>("Label1")->text() == "3 Projecten in de lijst...");
        open->click();
        QTest::keyClick(lijst, Qt::Key_Down); // the empty name
        open->click();
        ALLE_WAAR(platform.messages.size() == 2, form.isVisible(),
                  platform.messages.value(1).text == "Eerst een project selecteren!");
        for (const auto toets : {Qt::Key_Down, Qt::Key_Return})
            QTest::keyClick(lijst, toets);
        ALLE_WAAR(!form.isVisible(), form.result() == QDialog::Accepted);
        lijst->setCurrentRow(2);
        emit lijst->itemDoubleClicked(lijst->currentItem());
        for (const char *extensie : {".brb", ".dat", ".ovb"})
            platform.openAnswers = {folder.writeFile(QStringLiteral("elders/Zon") + extensie,
                                                     pictureFile(filledPicture(3, 2, 0)))};
        form.findChild<QPushButton *>("ImportKnop")->click();
        QCOMPARE(geopend, (QStringList{"a", "Bel", "Zon"}));
    }
};

VOLTARIX_TEST(TestOpenForm)
#include "tst_openform.moc"

#include "ScriptedPlatform.h"
#include "TestFolder.h"
#include "TestRunner.h"
#include "project/OpenForm.h"
#include "project/ProjectMap.h"

#include <QListWidget>
#include <QtTest>

// The open dialog used from the keyboard alone.
class TestOpenFormToetsen : public QObject {
    Q_OBJECT
private slots:
    void arrowThenEnterOpensTheFirstProject();
};

void TestOpenFormToetsen::arrowThenEnterOpensTheFirstProject() {
    TestFolder folder;
    for (const char *naam : {"Projecten/a.ovb", "Projecten/b.ovb"})
        folder.writeFile(QLatin1String(naam), "BM");
    ScriptedPlatform platform;
    QStringList geopend;
    OpenForm form(ProjectMap(folder.path(QStringLiteral("Projecten"))), platform,
                  [&](const QString &naam) { geopend << naam; });
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    auto *lijst = form.findChild<QListWidget *>(QStringLiteral("List1"));
    QCOMPARE(QApplication::focusWidget(), lijst);
    QCOMPARE(lijst->currentRow(), -1); // no highlight bar before a choice
    QTest::keyClick(lijst, Qt::Key_Return);
    QCOMPARE(platform.messages.size(), 1); // "Eerst een project selecteren!"
    QTest::keyClick(lijst, Qt::Key_Down);
    QCOMPARE(lijst->selectedItems().size(), 1);
    QCOMPARE(lijst->selectedItems().first()->text(), QStringLiteral("a"));
    QTest::keyClick(lijst, Qt::Key_Return);
    QCOMPARE(geopend, QStringList{QStringLiteral("a")});
    QCOMPARE(form.result(), int(QDialog::Accepted));
}

VOLTARIX_TEST(TestOpenFormToetsen)
#include "tst_openformtoetsen.moc"

#include "HoofdVenster.h"
#include "TestRunner.h"

#include <QtTest>
#include <QtWidgets>

// The search field and the symbols used last, as the library panel shows them.
class TestZoekVak : public QObject {
    Q_OBJECT
private slots:
    void zoekenKiezenBewerken() {
        HoofdVenster<> v;
        const QStringList symbolen = {"Halfgeleiders/Diode", "Halfgeleiders/Zener",
                                      "Weerstanden/LDR", "Weerstanden/R1"};
        for (int i = 0; i < symbolen.size(); ++i)
            v.folder.writePicture("Symbolen/" + symbolen[i] + ".bmp",
                                  filledPicture(49, 49, grey(40 * i)));
        v.start();
        auto *zoek = v.w<QLineEdit>("ZoekVak");
        auto *List1 = v.w<QListWidget>("List1");
        const auto lijst = [&] {
            QStringList regels;
            for (int i = 0; i < List1->count(); ++i)
                regels << List1->item(i)->text();
            return regels << v.w<QLabel>("Label1")->text();
        };
        List1->setCurrentRow(1); // Zener of the first category
        zoek->setText("W");      // the category's name
        QCOMPARE(lijst(),
                 (QStringList{"LDR (weerstanden)", "R1 (weerstanden)", "2 Symbolen gevonden..."}));
        zoek->setText("LD");
        QTest::keyClick(zoek, Qt::Key_Down);
        QCOMPARE(v.main->ontwerp().IconPic.pixel(0, 0), grey(40)); // Up and Down only point
        QTest::keyClick(zoek, Qt::Key_Return);
        QCOMPARE(v.main->ontwerp().IconPic.pixel(0, 0), grey(80));

        // Rename and Delete reach the file in its own folder; the recent list follows.
        v.platform.inputAnswers = {"LDR 2"};
        v.klik("RenameKnop");
        QVERIFY(QFile::exists(v.folder.path("Symbolen/Weerstanden/LDR 2.bmp")));
        QCOMPARE(lijst(), (QStringList{"LDR 2 (weerstanden)", "1 Symbolen gevonden..."}));
        List1->setCurrentRow(0);
        v.platform.answers = {Platform::Answer::Yes};
        v.klik("DeleteKnop");
        QVERIFY(!QFile::exists(v.folder.path("Symbolen/Weerstanden/LDR 2.bmp")));
        QCOMPARE(lijst(), QStringList{"0 Symbolen gevonden..."});

        // A file added meanwhile is found by the next search; Escape gives back the
        // category's list as it was.
        v.folder.writePicture("Symbolen/Weerstanden/Ldr nieuw.bmp", filledPicture(49, 49, 0));
        zoek->clear();
        zoek->setText("ldr");
        QCOMPARE(List1->count(), 1);
        QTest::keyClick(zoek, Qt::Key_Escape);
        QCOMPARE(lijst(), (QStringList{"Diode", "Zener", "2 Symbolen gevonden..."}));
        QCOMPARE(List1->currentRow(), 1);

        v.w<QComboBox>("Combo1")->setCurrentIndex(0);
        emit v.w<QComboBox>("Combo1")->activated(0);
        QCOMPARE(lijst(), QStringList{"0 Symbolen gevonden..."}); // LDR 2 is gone
        QVERIFY(v.w("Knop7")->toolTip().contains("(toets F7)"));
    }
};

VOLTARIX_TEST(TestZoekVak)
#include "tst_zoekvak.moc"

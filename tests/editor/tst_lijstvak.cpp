// The line count kept per paragraph as the list changes must stay the count of the
// whole list, whatever the edit.
#include "TestRunner.h"
#include "editor/ComponentList.h"
#include "editor/RegelTelling.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

class TestLijstVak : public QObject {
    Q_OBJECT
private slots:
    void telt_data() {
        kolommen<int, int, QString>("van", "tot", "nieuw");
        const QString lang = " heel lang woord dat de regel laat omslaan naar de volgende";
        QTest::newRow("a line made to wrap") << 5 << 5 << lang;
        QTest::newRow("lines pasted") << 7 << 7 << "een\ntwee" + lang + "\ndrie\n";
        QTest::newRow("cut across lines") << 2 << 40 << "";
        QTest::newRow("everything replaced") << 0 << 66 << "A\nB" + lang;
    }

    void telt() {
        auto [van, tot, nieuw] = velden<int, int, QString>("van", "tot", "nieuw");
        ComponentList lijst;
        lijst.zetLetterEnBreedte(QFont("Arial", 12, QFont::Bold), 200);
        QTextDocument document;
        document.documentLayout(); // without a layout a document reports no changes
        document.setPlainText(
            "Componentenlijst\n---\nR1 330 ohm voor de rode led op de voeding\n\nC1");
        RegelTelling telling;
        telling.telAlles(document, lijst);
        connect(&document, &QTextDocument::contentsChange, this, [&](int positie, int, int erbij) {
            telling.verander(document, lijst, positie, erbij);
        });
        QTextCursor cursor(&document);
        cursor.setPosition(van);
        cursor.setPosition(tot, QTextCursor::KeepAnchor);
        cursor.insertText(nieuw);
        QCOMPARE(telling.aantal(), lijst.regelAantal(document.toPlainText()));
        document.undo();
        QCOMPARE(telling.aantal(), lijst.regelAantal(document.toPlainText()));
    }
};

VOLTARIX_TEST(TestLijstVak)
#include "tst_lijstvak.moc"

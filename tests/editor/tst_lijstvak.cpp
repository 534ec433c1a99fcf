// The component list box. The line count kept as the list changes must always be the
// count of the whole list, whatever the edit: typing, a new line, joining lines,
// pasting, cutting across lines, undo and a new list. Lists beyond the box's bounds
// are not given to it.
#include "TestRunner.h"
#include "editor/ComponentList.h"
#include "editor/RegelTelling.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

#include <functional>

using Bewerking = std::function<void(QTextDocument &, QTextCursor &)>;
Q_DECLARE_METATYPE(Bewerking)

class TestLijstVak : public QObject {
    Q_OBJECT
private slots:
    void telt_data();
    void telt();
    void grenzen_data();
    void grenzen();
};

void TestLijstVak::telt_data() {
    QTest::addColumn<Bewerking>("bewerking");
    const auto op = [](int positie) {
        return [positie](QTextCursor &cursor) { cursor.setPosition(positie); };
    };
    QTest::newRow("a key") << Bewerking([=](QTextDocument &, QTextCursor &c) {
        op(3)(c);
        c.insertText("x");
    });
    QTest::newRow("a word that makes the line wrap")
        << Bewerking([=](QTextDocument &, QTextCursor &c) {
               op(5)(c);
               c.insertText(" heel lang woord dat de regel laat omslaan naar de volgende");
           });
    QTest::newRow("Enter") << Bewerking([=](QTextDocument &, QTextCursor &c) {
        op(4)(c);
        c.insertBlock();
    });
    QTest::newRow("Backspace joining two lines")
        << Bewerking([=](QTextDocument &d, QTextCursor &c) {
               op(d.findBlockByNumber(2).position())(c);
               c.deletePreviousChar();
           });
    QTest::newRow("paste of lines") << Bewerking([=](QTextDocument &, QTextCursor &c) {
        op(7)(c);
        c.insertText("een\ntwee heel lang woord dat de regel laat omslaan\ndrie\n");
    });
    QTest::newRow("cut across lines") << Bewerking([=](QTextDocument &d, QTextCursor &c) {
        op(2)(c);
        c.setPosition(d.findBlockByNumber(3).position() + 1, QTextCursor::KeepAnchor);
        c.removeSelectedText();
    });
    QTest::newRow("undo") << Bewerking([=](QTextDocument &d, QTextCursor &c) {
        op(2)(c);
        c.insertText("\nweg\n");
        d.undo();
    });
    QTest::newRow("a new list") << Bewerking([](QTextDocument &d, QTextCursor &) {
        d.setPlainText("A\nB heel lang woord dat de regel laat omslaan naar de volgende\n");
    });
    QTest::newRow("everything away")
        << Bewerking([](QTextDocument &d, QTextCursor &) { d.clear(); });
}

void TestLijstVak::telt() {
    QFETCH(Bewerking, bewerking);
    ComponentList lijst;
    QFont letter(QStringLiteral("Arial"), 12);
    letter.setBold(true);
    lijst.zetLetterEnBreedte(letter, 200);
    QTextDocument document;
    document.documentLayout(); // without a layout a document reports no changes
    document.setPlainText("Componentenlijst\n---\nR1 330 ohm voor de rode led op de voeding\n\nC1");
    RegelTelling telling;
    telling.telAlles(document, lijst);
    connect(&document, &QTextDocument::contentsChange, this, [&](int positie, int, int erbij) {
        telling.verander(document, lijst, positie, erbij);
    });
    QTextCursor cursor(&document);
    bewerking(document, cursor);
    QCOMPARE(telling.aantal(), lijst.regelAantal(document.toPlainText()));
}

void TestLijstVak::grenzen_data() {
    QTest::addColumn<QString>("lijst");
    QTest::addColumn<bool>("tonen");
    const qsizetype lang = ComponentList::kMaxAlinea;
    QTest::newRow("longest line") << QString(lang, 'x') + "\r\n" << true;
    QTest::newRow("line too long") << QString(lang + 1, QChar(0)) << false;
    const QString regels = QString("\r\n").repeated(ComponentList::kMaxAlineas - 1);
    QTest::newRow("most lines") << regels << true;
    QTest::newRow("too many lines") << regels + "\r\n" << false;
    const QString tekens =
        (QString(lang - 2, 'x') + "\r\n").repeated(ComponentList::kMaxTekens / lang);
    QTest::newRow("most characters")
        << tekens + QString(ComponentList::kMaxTekens - tekens.size(), 'x') << true;
    QTest::newRow("too many characters")
        << tekens + QString(ComponentList::kMaxTekens - tekens.size() + 1, 'x') << false;
}

void TestLijstVak::grenzen() {
    QFETCH(QString, lijst);
    QFETCH(bool, tonen);
    QCOMPARE(ComponentList::kanTonen(lijst), tonen);
}

VOLTARIX_TEST(TestLijstVak)
#include "tst_lijstvak.moc"

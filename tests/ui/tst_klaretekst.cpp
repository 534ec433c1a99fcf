#include "ScriptedPlatform.h"
#include "TestRunner.h"
#include "ui/QtPlatform.h"

#include <QLabel>
#include <QtTest>

// A symbol or project named "<b>R&D</b>" is shown by that name in the program's
// questions, not in bold.
class TestKlareTekst : public QObject {
    Q_OBJECT
private slots:
    void namesInDialogsAreNoMarkup_data();
    void namesInDialogsAreNoMarkup();
};

void TestKlareTekst::namesInDialogsAreNoMarkup_data() {
    QTest::addColumn<bool>("invoer");
    QTest::newRow("message box") << false;
    QTest::newRow("input box") << true;
}

void TestKlareTekst::namesInDialogsAreNoMarkup() {
    QFETCH(bool, invoer);
    const QString naam = QStringLiteral("<b>R&D</b>");
    const QString tekst = QStringLiteral("Wilt u symbool '%1' verwijderen?").arg(naam);
    QStringList getoond;
    bijModaalVenster([&](QWidget *dialoog) {
        for (const QLabel *label : dialoog->findChildren<QLabel *>())
            if (label->text() == tekst && label->textFormat() == Qt::PlainText)
                getoond << label->text();
    });
    QtPlatform qt;
    Platform &platform = qt;
    if (invoer)
        platform.inputBox(tekst, QStringLiteral(" Rename"), naam);
    else
        platform.message(tekst);
    QCOMPARE(getoond, QStringList{tekst});
}

VOLTARIX_TEST(TestKlareTekst)
#include "tst_klaretekst.moc"

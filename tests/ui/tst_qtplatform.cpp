// The platform of the real program: its message box.
#include "ScriptedPlatform.h"
#include "TestRunner.h"
#include "ui/QtPlatform.h"

#include <QMessageBox>
#include <QtTest>

class TestQtPlatform : public QObject {
    Q_OBJECT
private slots:
    // A message often holds a name the user typed: "<b>R1" is a name, not markup, and the
    // program's CR LF breaks are the box's line breaks.
    void messageShowsItsTextAsItStands() {
        QtPlatform platform;
        QString titel, tekst;
        Qt::TextFormat vorm = Qt::AutoText;
        bijModaalVenster([&](QWidget *venster) {
            auto *box = qobject_cast<QMessageBox *>(venster);
            titel = box->windowTitle(), tekst = box->text(), vorm = box->textFormat();
        });
        QCOMPARE(platform.message("<b>R1</b> opslaan?\r\nJa", "", Platform::Buttons::YesNo,
                                  Platform::Icon::Question),
                 Platform::Answer::No);
        QCOMPARE(titel + '|' + tekst, "Voltarix|<b>R1</b> opslaan?\nJa");
        QCOMPARE(vorm, Qt::PlainText);
    }
};

VOLTARIX_TEST(TestQtPlatform)
#include "tst_qtplatform.moc"

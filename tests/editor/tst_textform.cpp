#include "TestRunner.h"
#include "editor/Design.h"
#include "editor/Textform.h"
#include "ui/SheetView.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

class TestTextform : public QObject {
    Q_OBJECT
private slots:
    void besturingPastInVenster();
    void zevendeTekenGeweigerd();
    void onderenEnDanTypen();
    void transferGeeftSymbool();
};

void TestTextform::besturingPastInVenster() {
    Surface IconPic(kSymboolGrootte, kSymboolGrootte);
    Textform venster(IconPic);
    QCOMPARE(venster.windowTitle(), QStringLiteral(" Tekst"));
    const QList<QWidget *> besturing = venster.findChildren<QWidget *>();
    QVERIFY(besturing.size() >= 12);
    for (QWidget *control : besturing) {
        QVERIFY2(venster.rect().contains(control->geometry()), qPrintable(control->objectName()));
        // Labels show their whole text.
        if (qobject_cast<QLabel *>(control)) {
            QVERIFY2(control->sizeHint().width() <= control->width() + 2,
                     qPrintable(control->objectName() + QLatin1Char(' ') +
                                QString::number(control->sizeHint().width())));
            QVERIFY2(control->sizeHint().height() <= control->height() + 2,
                     qPrintable(control->objectName()));
        }
    }
    auto *WeerPic = venster.findChild<SheetView *>(QStringLiteral("WeerPic"));
    QVERIFY(WeerPic);
    QCOMPARE(WeerPic->size(), QSize(kSymboolGrootte, kSymboolGrootte));
}

void TestTextform::zevendeTekenGeweigerd() {
    Surface IconPic(kSymboolGrootte, kSymboolGrootte);
    Textform venster(IconPic);
    auto *Text1 = venster.findChild<QLineEdit *>(QStringLiteral("Text1"));
    QVERIFY(Text1);
    QCOMPARE(Text1->text(), QStringLiteral("R 1"));
    Text1->clear();
    QTest::keyClicks(Text1, QStringLiteral("LED 12X"));
    QCOMPARE(Text1->text(), QStringLiteral("LED 12"));
    QCOMPARE(venster.blok().code(), QStringLiteral("LED 12"));
}

void TestTextform::onderenEnDanTypen() {
    Surface IconPic(kSymboolGrootte, kSymboolGrootte);
    Textform venster(IconPic);
    auto *Text1 = venster.findChild<QLineEdit *>(QStringLiteral("Text1"));
    auto *onderen = venster.findChild<QPushButton *>(QStringLiteral("Bknop2"));
    QVERIFY(Text1 && onderen);
    QTest::mouseClick(onderen, Qt::LeftButton);
    QCOMPARE(venster.blok().positie().y(), 31.0);
    QTest::keyClicks(Text1, QStringLiteral("0"));
    TekstBlok vers;
    vers.Text1_Change(QStringLiteral("R 10"));
    QCOMPARE(venster.blok().WeerPic().image(), vers.WeerPic().image());
}

void TestTextform::transferGeeftSymbool() {
    Surface IconPic(kSymboolGrootte, kSymboolGrootte, qRgb(0, 0, 0));
    Textform venster(IconPic);
    venster.show();
    auto *Text1 = venster.findChild<QLineEdit *>(QStringLiteral("Text1"));
    Text1->setText(QStringLiteral("C 7"));
    auto *transfer = venster.findChild<QPushButton *>(QStringLiteral("PlaatsKnop"));
    QVERIFY(transfer);
    QCOMPARE(transfer->text(), QStringLiteral("Transfer"));
    QTest::mouseClick(transfer, Qt::LeftButton);
    QCOMPARE(venster.result(), int(QDialog::Accepted));
    QCOMPARE(IconPic.image(), venster.blok().WeerPic().image());
    QVERIFY(IconPic.pixel(0, 0) == Surface::kWhite);
}

VOLTARIX_TEST(TestTextform)
#include "tst_textform.moc"

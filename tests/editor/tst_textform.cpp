// The text block dialog that writes a code such as "R 1" into the current symbol.
#include "TestFolder.h"
#include "TestRunner.h"
#include "editor/Textform.h"

#include <QtTest>

class TestTextform : public QObject {
    Q_OBJECT
private slots:
    // The dialog fits its controls and starts with the sample "R 1"; "Boven", "Midden",
    // "Onderen" draw the code 2, 16 and 31 pixels down, typing (six characters at most)
    // centres it on column 25 in the middle; "Transfer" makes it the current symbol.
    void dialoog() {
        Surface IconPic(49, 49, qRgb(0, 0, 0));
        Textform venster(IconPic);
        venster.show();
        for (QWidget *w : venster.findChildren<QWidget *>()) { // labels showing all their text
            QVERIFY2(venster.rect().contains(w->geometry()), qPrintable(w->objectName()));
            if (w->inherits("QLabel"))
                QCOMPARE(w->sizeHint().boundedTo(w->size() + QSize(2, 2)), w->sizeHint());
        }
        const auto inkt = [&venster] { // around the pixels that are not white
            const Surface &WeerPic = venster.blok().WeerPic();
            return differingRect(WeerPic.image(),
                                 Surface(WeerPic.width(), WeerPic.height()).image());
        };
        QCOMPARE(venster.blok().positie(), QPointF(14, 16));
        QVERIFY(!inkt().isNull());
        const auto klik = [&venster](const QString &naam) {
            QTest::mouseClick(venster.findChild<QWidget *>(naam), Qt::LeftButton);
        };
        klik("Bknop1");
        const QRect midden = inkt();
        for (const int knop : {0, 2}) {
            klik(QStringLiteral("Bknop%1").arg(knop));
            QCOMPARE(inkt(), midden.translated(0, knop ? 15 : -14));
        }
        QTest::keyClicks(venster.findChild<QWidget *>("Text1"), "0 LEDX");
        QCOMPARE(venster.blok().code(), "R 10 L");
        QCOMPARE(venster.blok().positie(), QPointF(25 - TextformModel::breedte("R 10 L") / 2.0, 16));
        klik("PlaatsKnop");
        QCOMPARE(venster.result(), int(QDialog::Accepted));
        QCOMPARE(IconPic.image(), venster.blok().WeerPic().image());
    }
};

VOLTARIX_TEST(TestTextform)
#include "tst_textform.moc"

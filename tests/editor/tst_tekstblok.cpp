#include "TestRunner.h"
#include "editor/Design.h"
#include "editor/TekstBlok.h"

#include <QtTest>

namespace {

// The smallest rectangle around the pixels that are not white.
QRect inkt(const Surface &WeerPic) {
    QRect rect;
    for (int y = 0; y < WeerPic.height(); ++y)
        for (int x = 0; x < WeerPic.width(); ++x)
            if (WeerPic.pixel(x, y) != Surface::kWhite) rect |= QRect(x, y, 1, 1);
    return rect;
}

} // namespace

class TestTekstBlok : public QObject {
    Q_OBJECT
private slots:
    void beginMetVoorbeeld();
    void codeStaatMidden_data();
    void codeStaatMidden();
    void hoogteKnoppen();
    void typenNaOnderenZetMidden();
    void zevendeTekenValtAf();
    void bredeCodeWordtAfgesneden();
    void legeCodeGeeftWitBlok();
    void transfer();
};

void TestTekstBlok::beginMetVoorbeeld() {
    TekstBlok blok;
    QCOMPARE(blok.code(), QStringLiteral("R 1"));
    QCOMPARE(blok.positie(), QPointF(14, 16));
    QCOMPARE(blok.WeerPic().size(), QSize(kSymboolGrootte, kSymboolGrootte));
    const QRect letters = inkt(blok.WeerPic());
    QVERIFY(letters.left() >= 14 && letters.top() >= 16);
    QVERIFY(letters.bottom() < 16 + 16);
}

void TestTekstBlok::codeStaatMidden_data() {
    QTest::addColumn<QString>("code");
    for (const char *code : {"R 1", "C12", "IC", "T", "D 100", "IC 12"})
        QTest::newRow(code) << QString::fromLatin1(code);
}

void TestTekstBlok::codeStaatMidden() {
    QFETCH(QString, code);
    TekstBlok blok;
    blok.Text1_Change(code);
    QCOMPARE(blok.code(), code);
    QCOMPARE(blok.positie().y(), 16.0);
    // The letters' middle lies on column 25, give or take the letters' own margins.
    const QRect letters = inkt(blok.WeerPic());
    const double midden = (letters.left() + letters.right()) / 2.0;
    QVERIFY2(midden >= 23.5 && midden <= 26.5, qPrintable(QString::number(midden)));
    // Centred by the measured width, which may leave half a pixel.
    QCOMPARE(blok.positie().x() * 2 + TekstBlok::breedte(code), 50.0);
}

void TestTekstBlok::hoogteKnoppen() {
    TekstBlok blok;
    blok.Text1_Change(QStringLiteral("C 5"));
    const QImage midden = blok.WeerPic().image().copy();
    int vorigeTop = -100;
    for (int knop = 0; knop < 3; ++knop) {
        blok.Bknop_Click(knop);
        QCOMPARE(blok.positie().y(), double(TekstBlok::kHoogtes[knop]));
        const int top = inkt(blok.WeerPic()).top();
        QVERIFY(top > vorigeTop);
        if (knop == 1) QCOMPARE(blok.WeerPic().image(), midden);
        vorigeTop = top;
    }
    // "Onderen" is 29 pixels below "Boven"; the letters stay inside the block.
    blok.Bknop_Click(0);
    const QRect boven = inkt(blok.WeerPic());
    blok.Bknop_Click(2);
    const QRect onder = inkt(blok.WeerPic());
    QCOMPARE(onder, boven.translated(0, 29));
    QVERIFY(onder.bottom() < kSymboolGrootte);
    // Buttons that do not exist change nothing.
    blok.Bknop_Click(3);
    blok.Bknop_Click(-1);
    QCOMPARE(inkt(blok.WeerPic()), onder);
}

void TestTekstBlok::typenNaOnderenZetMidden() {
    TekstBlok blok, vers;
    blok.Bknop_Click(2);
    blok.Text1_Change(QStringLiteral("R 12"));
    vers.Text1_Change(QStringLiteral("R 12"));
    QCOMPARE(blok.positie().y(), 16.0);
    QCOMPARE(blok.WeerPic().image(), vers.WeerPic().image());
}

void TestTekstBlok::zevendeTekenValtAf() {
    TekstBlok blok, zes;
    blok.Text1_Change(QStringLiteral("ABCDEFG"));
    zes.Text1_Change(QStringLiteral("ABCDEF"));
    QCOMPARE(blok.code(), QStringLiteral("ABCDEF"));
    QCOMPARE(blok.WeerPic().image(), zes.WeerPic().image());
}

void TestTekstBlok::bredeCodeWordtAfgesneden() {
    TekstBlok blok;
    blok.Text1_Change(QStringLiteral("WWWWWW"));
    QVERIFY(TekstBlok::breedte(blok.code()) > kSymboolGrootte);
    QVERIFY(blok.positie().x() < 0);
    const QRect letters = inkt(blok.WeerPic());
    QCOMPARE(letters.left(), 0);
    QCOMPARE(letters.right(), kSymboolGrootte - 1);
}

void TestTekstBlok::legeCodeGeeftWitBlok() {
    TekstBlok blok;
    blok.Text1_Change(QString());
    QVERIFY(inkt(blok.WeerPic()).isNull());
}

void TestTekstBlok::transfer() {
    TekstBlok blok;
    blok.Text1_Change(QStringLiteral("T 3"));
    Surface IconPic(kSymboolGrootte, kSymboolGrootte, qRgb(0, 0, 0));
    blok.Transfer(IconPic);
    QCOMPARE(IconPic.image(), blok.WeerPic().image());
}

VOLTARIX_TEST(TestTekstBlok)
#include "tst_tekstblok.moc"

#include "TestRunner.h"
#include "editor/ToolButtons.h"
#include "editor/ToolIcons.h"

#include <QtTest>

namespace {

// How many pixels of the picture are covered (not fully transparent), in a rectangle.
int bedekt(const QImage &picture, const QRect &rect) {
    int aantal = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            aantal += qAlpha(picture.pixel(x, y)) > 0 ? 1 : 0;
    return aantal;
}

int bedekt(const QImage &picture) {
    return bedekt(picture, picture.rect());
}

// How many pixels are covered in one picture and not in the other.
int verschilInOmtrek(const QImage &a, const QImage &b) {
    int verschil = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            verschil += (qAlpha(a.pixel(x, y)) > 0) != (qAlpha(b.pixel(x, y)) > 0) ? 1 : 0;
    return verschil;
}

// A picture that reads as a shape: neither empty nor a filled block.
void isVorm(const QImage &picture, QSize size) {
    QCOMPARE(picture.size(), size);
    const int totaal = size.width() * size.height();
    QVERIFY2(bedekt(picture) > totaal / 8, "too little drawn to be recognised");
    QVERIFY2(bedekt(picture) < totaal, "no transparent edge: the button face would vanish");
}

} // namespace

class TestToolIcons : public QObject {
    Q_OBJECT
private slots:
    void knoppen_data();
    void knoppen();
    void allemaalVerschillend();
    void pijlenWijzenHunKant_data();
    void pijlenWijzenHunKant();
    void zijKnoppen();
    void spiegelKnoppenOpMaat_data();
    void spiegelKnoppenOpMaat();
};

void TestToolIcons::knoppen_data() {
    QTest::addColumn<int>("knop");
    for (int knop = -1; knop <= ToolButtons::kAantal; ++knop)
        QTest::addRow("knop %d", knop) << knop;
}

void TestToolIcons::knoppen() {
    QFETCH(int, knop);
    const QImage plaatje = ToolIcons::knop(knop);
    // Exactly the buttons with a command carry a picture.
    QCOMPARE(!plaatje.isNull(), ToolButtons::heeftPlaatje(knop));
    if (!plaatje.isNull()) isVorm(plaatje, QSize(ToolIcons::kMaat, ToolIcons::kMaat));
}

void TestToolIcons::allemaalVerschillend() {
    QList<QImage> plaatjes;
    for (int knop = 0; knop < ToolButtons::kAantal; ++knop)
        if (ToolButtons::heeftPlaatje(knop)) plaatjes << ToolIcons::knop(knop);
    for (int i = 0; i < 3; ++i)
        plaatjes << ToolIcons::knop2(i);
    for (int i = 0; i < plaatjes.size(); ++i)
        for (int j = i + 1; j < plaatjes.size(); ++j)
            QVERIFY2(plaatjes[i] != plaatjes[j],
                     qPrintable(QStringLiteral("%1 = %2").arg(i).arg(j)));
    // Drawn by code, so the same every time.
    QCOMPARE(ToolIcons::knop(7), ToolIcons::knop(7));
}

void TestToolIcons::pijlenWijzenHunKant_data() {
    QTest::addColumn<int>("knop");
    QTest::addColumn<QRect>("kop");    // the half where the arrow's head lies
    QTest::addColumn<QRect>("staart"); // the other half
    const QRect links(0, 0, 24, 49), rechts(25, 0, 24, 49), boven(0, 0, 49, 24),
        onder(0, 25, 49, 24);
    QTest::newRow("naar links") << 12 << links << rechts;
    QTest::newRow("naar boven") << 13 << boven << onder;
    QTest::newRow("naar rechts") << 14 << rechts << links;
    QTest::newRow("naar onderen") << 15 << onder << boven;
}

void TestToolIcons::pijlenWijzenHunKant() {
    QFETCH(int, knop);
    QFETCH(QRect, kop);
    QFETCH(QRect, staart);
    const QImage pijl = ToolIcons::knop(knop);
    // The head is wider than the shaft, so its half holds clearly more of the arrow.
    QVERIFY(bedekt(pijl, kop) > bedekt(pijl, staart) * 11 / 10);
    // One arrow turned: the same number of pixels, within the rounding of the edge.
    QVERIFY(qAbs(bedekt(pijl) - bedekt(ToolIcons::knop(12))) < 20);
}

void TestToolIcons::zijKnoppen() {
    for (int i = 0; i < 3; ++i)
        isVorm(ToolIcons::knop2(i), QSize(ToolIcons::kMaat, ToolIcons::kMaat));
    QVERIFY(ToolIcons::knop2(3).isNull());
    QVERIFY(ToolIcons::knop2(-1).isNull());
}

void TestToolIcons::spiegelKnoppenOpMaat_data() {
    QTest::addColumn<QSize>("maat");
    QTest::newRow("zoals de knoppen") << QSize(42, 21);
    QTest::newRow("hoog") << QSize(24, 48);
    QTest::newRow("vierkant") << QSize(49, 49);
}

void TestToolIcons::spiegelKnoppenOpMaat() {
    QFETCH(QSize, maat);
    isVorm(ToolIcons::spiegelLinksRechts(maat), maat);
    isVorm(ToolIcons::spiegelBovenOnder(maat), maat);
    isVorm(ToolIcons::kwartslag(maat), maat);
    // A mirror picture is its own mirror image in outline, about its own axis.
    const QImage lr = ToolIcons::spiegelLinksRechts(maat);
    const QImage bo = ToolIcons::spiegelBovenOnder(maat);
    const int toegestaan = maat.width() * maat.height() / 20;
    QVERIFY(verschilInOmtrek(lr, lr.mirrored(true, false)) < toegestaan);
    QVERIFY(verschilInOmtrek(bo, bo.mirrored(false, true)) < toegestaan);
}

VOLTARIX_TEST(TestToolIcons)
#include "tst_toolicons.moc"

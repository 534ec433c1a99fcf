#include "TestRunner.h"
#include "tools/LedTekening.h"

#include <QtTest>

namespace {

const QRgb kZwart = qRgb(0, 0, 0);
const QRgb kRood = qRgb(255, 0, 0);

bool heeftKleur(const Surface &s, const QRect &vlak, QRgb kleur) {
    for (int y = vlak.top(); y <= vlak.bottom(); ++y)
        for (int x = vlak.left(); x <= vlak.right(); ++x)
            if (s.pixel(x, y) == kleur) return true;
    return false;
}

bool alleenKleur(const Surface &s, const QRect &vlak, QRgb kleur) {
    for (int y = vlak.top(); y <= vlak.bottom(); ++y)
        for (int x = vlak.left(); x <= vlak.right(); ++x)
            if (s.pixel(x, y) != kleur) return false;
    return true;
}

Surface schemaNa(LedModus modus, const QString &aantal) {
    LedRekenaar rekenaar{QLocale::c()};
    rekenaar.kiesModus(modus);
    LedInvoer invoer;
    invoer.txtSV = QStringLiteral("1000");
    invoer.txtNoLED = aantal;
    rekenaar.bereken(invoer);
    Surface picCir(kSchemaMaat.width(), kSchemaMaat.height());
    TekenSchema(picCir, rekenaar.schema());
    return picCir;
}

} // namespace

Q_DECLARE_METATYPE(LedModus)

class TestLedTekening : public QObject {
    Q_OBJECT
private slots:
    void legsMeetTheWires();
    void pictureCount_data();
    void pictureCount();
    void fixedPartsAreAlwaysThere();
    void groundFollowsTheLastLed();
};

void TestLedTekening::legsMeetTheWires() {
    // Standing pictures chain along the wire height; lying ones hang between rails.
    const Surface staand = StaandeLed();
    QCOMPARE(staand.size(), kLedMaat);
    QCOMPARE(staand.pixel(0, kStaandeBeenY), kZwart);
    QCOMPARE(staand.pixel(49, kStaandeBeenY), kZwart);
    QCOMPARE(staand.pixel(0, kStaandeBeenY - 1), kSchemaAchtergrond);
    const Surface liggend = LiggendeLed();
    QCOMPARE(liggend.pixel(kLiggendPlusX, 0), kZwart);
    QCOMPARE(liggend.pixel(kLiggendMinX, 49), kZwart);
    QCOMPARE(liggend.pixel(kLiggendMinX, 0), kSchemaAchtergrond);
    QVERIFY(heeftKleur(staand, staand.rect(), kRood));
    QVERIFY(heeftKleur(liggend, liggend.rect(), kRood));
}

void TestLedTekening::pictureCount_data() {
    QTest::addColumn<LedModus>("modus");
    QTest::addColumn<QString>("aantal");
    QTest::addColumn<int>("getekend");
    QTest::newRow("single") << LedModus::Single << "3" << 1;
    QTest::newRow("serie 3") << LedModus::Serie << "3" << 3;
    QTest::newRow("parallel 2.5") << LedModus::Parallel << "2.5" << 2;
    QTest::newRow("parallel 4") << LedModus::Parallel << "4" << 4;
    QTest::newRow("serie 200, as many as fit") << LedModus::Serie << "200" << 7;
}

void TestLedTekening::pictureCount() {
    QFETCH(LedModus, modus);
    QFETCH(QString, aantal);
    QFETCH(int, getekend);
    const Surface picCir = schemaNa(modus, aantal);
    const bool parallel = modus == LedModus::Parallel;
    int rood = 0;
    for (int i = 1; i <= 8; ++i) {
        const QRect plek(parallel ? 50 * i + 100 : 50 * i + 90, parallel ? 103 : 61, 50, 50);
        if (heeftKleur(picCir, plek.intersected(picCir.rect()), kRood)) ++rood;
    }
    QCOMPARE(rood, getekend);
}

void TestLedTekening::fixedPartsAreAlwaysThere() {
    for (const LedModus modus : {LedModus::Single, LedModus::Parallel, LedModus::Serie}) {
        const Surface picCir = schemaNa(modus, QStringLiteral("2"));
        QCOMPARE(picCir.pixel(50, 103), kZwart);            // Line1
        QCOMPARE(picCir.pixel(100, 103), qRgb(192, 64, 0)); // resistor body
        QCOMPARE(picCir.pixel(78, 93), kZwart);             // its outline
        QCOMPARE(picCir.pixel(145, 102), kZwart);           // Line2
        QCOMPARE(picCir.pixel(24, 99), kZwart);             // supply terminal
        QCOMPARE(picCir.pixel(5, 5), kSchemaAchtergrond);
        QVERIFY(!alleenKleur(picCir, QRect(8, 75, 30, 12), kSchemaAchtergrond)); // "+ Vcc"
    }
}

void TestLedTekening::groundFollowsTheLastLed() {
    const Surface serie = schemaNa(LedModus::Serie, QStringLiteral("3"));
    QCOMPARE(serie.pixel(294, 98), kZwart); // Shape3 at left 290, top 98
    const Surface parallel = schemaNa(LedModus::Parallel, QStringLiteral("3"));
    QCOMPARE(parallel.pixel(259, 102), kZwart); // top rail to 50 × 3 + 109
    QCOMPARE(parallel.pixel(260, 102), kSchemaAchtergrond);
    QCOMPARE(parallel.pixel(270, 153), kZwart); // bottom rail towards 280
    QCOMPARE(parallel.pixel(284, 150), kZwart); // Shape3 at left 280, top 150
    const Surface veel = schemaNa(LedModus::Parallel, QStringLiteral("50"));
    QCOMPARE(veel.pixel(kSchemaMaat.width() - 1, 102), kZwart); // rails run out of sight
    QCOMPARE(veel.pixel(kSchemaMaat.width() - 1, 153), kZwart);
}

VOLTARIX_TEST(TestLedTekening)
#include "tst_ledtekening.moc"

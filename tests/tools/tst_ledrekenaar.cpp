#include "TestRunner.h"
#include "tools/LedRekenaar.h"

#include <QtTest>

namespace {

const QLocale kEngels(QLocale::English, QLocale::UnitedStates);
const QLocale kNederlands(QLocale::Dutch, QLocale::Netherlands);

LedInvoer invoer(const QString &vs, const QString &vf, const QString &stroom,
                 const QString &aantal) {
    LedInvoer i;
    i.txtSV = vs;
    i.txtDFV = vf;
    i.txtDFC = stroom;
    i.txtNoLED = aantal;
    return i;
}

QStringList teksten(const LedUitkomst &u) {
    return {u.lblResistorValue, u.lblWatt, u.lbltotCur};
}

// Everything the form shows of the schematic, in one comparable text.
QString beschrijf(const LedSchema &s) {
    QStringList leds;
    for (const QPoint p : s.leds)
        leds << QStringLiteral("%1,%2").arg(p.x()).arg(p.y());
    return QStringLiteral("%1 leds[%2] L3 %3,%4-%5,%6 L4 %7 %8,%9-%10,%11 S3 %12,%13 L6 %14,%15")
        .arg(s.soort == LedSchema::Led::Staand ? "staand" : "liggend", leds.join(' '))
        .arg(s.Line3.x1())
        .arg(s.Line3.y1())
        .arg(s.Line3.x2())
        .arg(s.Line3.y2())
        .arg(s.Line4Zichtbaar ? "aan" : "uit")
        .arg(s.Line4.x1())
        .arg(s.Line4.y1())
        .arg(s.Line4.x2())
        .arg(s.Line4.y2())
        .arg(s.Shape3.x())
        .arg(s.Shape3.y())
        .arg(s.Label6.x())
        .arg(s.Label6.y());
}

} // namespace

Q_DECLARE_METATYPE(LedModus)

class TestLedRekenaar : public QObject {
    Q_OBJECT
private slots:
    void bereken_data();
    void bereken();
    void zeroOrEmptyFieldChangesNothing_data();
    void zeroOrEmptyFieldChangesNothing();
    void modeClickShowsTheEmptySchematic_data();
    void modeClickShowsTheEmptySchematic();
    void wiresFollowTheCount_data();
    void wiresFollowTheCount();
    void countThatIsNotWholeLeavesTheWires();
    void modeClickKeepsTheGroundLabelSideways();
    void hugeCountsStayInRange();
};

void TestLedRekenaar::bereken_data() {
    QTest::addColumn<LedModus>("modus");
    QTest::addColumn<LedInvoer>("velden");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QStringList>("uitkomst");
    QTest::addColumn<int>("leds");
    const auto S = LedModus::Single, P = LedModus::Parallel, R = LedModus::Serie;
    QTest::newRow("single, defaults")
        << S << LedInvoer{} << kEngels << QStringList{"350", "0.18", "0.02"} << 1;
    QTest::newRow("single, Dutch")
        << S << LedInvoer{} << kNederlands << QStringList{"350", "0,18", "0,02"} << 1;
    QTest::newRow("single ignores a hidden count of 5")
        << S << invoer("9", "2", "20", "5") << kEngels << QStringList{"350", "0.18", "0.02"} << 1;
    QTest::newRow("single ignores a hidden count of 0")
        << S << invoer("9", "2", "20", "0") << kEngels << QStringList{"350", "0.18", "0.02"} << 1;
    QTest::newRow("single, rounded with groups") << S << invoer("12", "3", "7", "1") << kEngels
                                                 << QStringList{"1,286", "0.084", "0.007"} << 1;
    QTest::newRow("single, Dutch groups") << S << invoer("12", "3", "7", "1") << kNederlands
                                          << QStringList{"1.286", "0,084", "0,007"} << 1;
    QTest::newRow("single, supply below the LED")
        << S << invoer("1.5", "2", "20", "1") << kEngels << QStringList{"", "", ""} << 0;
    QTest::newRow("single, supply equal")
        << S << invoer("2", "2", "20", "1") << kEngels << QStringList{"", "0.04", "0.02"} << 1;
    QTest::newRow("serie, 3") << R << invoer("9", "2", "20", "3") << kEngels
                              << QStringList{"150", "0.18", "0.02"} << 3;
    QTest::newRow("serie, supply equal to the total")
        << R << invoer("6", "2", "20", "3") << kEngels << QStringList{"", "0.12", "0.02"} << 3;
    QTest::newRow("serie, supply below the total")
        << R << invoer("5", "2", "20", "3") << kEngels << QStringList{"", "", ""} << 0;
    QTest::newRow("parallel, 3") << P << invoer("9", "2", "20", "3") << kEngels
                                 << QStringList{"117", "0.54", "0.06"} << 3;
    QTest::newRow("parallel keeps the fraction of a Dutch supply")
        << P << invoer("9.5", "2", "20", "3") << kNederlands << QStringList{"125", "0,57", "0,06"}
        << 3;
    QTest::newRow("parallel, supply below the LED")
        << P << invoer("1", "2", "20", "2") << kEngels << QStringList{"-25", "0.04", "0.04"} << 2;
    QTest::newRow("parallel, 2.5 draws two")
        << P << invoer("9", "2", "20", "2.5") << kEngels << QStringList{"140", "0.45", "0.05"} << 2;
    QTest::newRow("parallel, 3.5 draws four (halves to even)")
        << P << invoer("9", "2", "20", "3.5") << kEngels << QStringList{"100", "0.63", "0.07"} << 4;
    QTest::newRow("single, current 0.0")
        << S << invoer("9", "2", "0.0", "1") << kEngels << QStringList{"", "", ""} << 1;
    QTest::newRow("single, current abc")
        << S << invoer("9", "2", "abc", "1") << kEngels << QStringList{"", "", ""} << 1;
    QTest::newRow("serie, current 0,0")
        << R << invoer("9", "2", "0,0", "3") << kEngels << QStringList{"", "", ""} << 3;
    QTest::newRow("parallel, count abc")
        << P << invoer("9", "2", "20", "abc") << kEngels << QStringList{"", "", ""} << 0;
    QTest::newRow("parallel, count 0.0")
        << P << invoer("9", "2", "20", "0.0") << kEngels << QStringList{"", "", ""} << 0;
    QTest::newRow("single, supply too large to hold")
        << S << invoer("1e999", "2", "20", "1") << kEngels << QStringList{"", "", ""} << 1;
    QTest::newRow("serie, more LEDs than fit")
        << R << invoer("1000000", "0.001", "20", "1000") << kEngels
        << QStringList{"49,999,950", "20000", "0.02"} << 7;
    QTest::newRow("parallel, a billion LEDs") << P << invoer("9", "2", "20", "1e9") << kEngels
                                              << QStringList{"", "180000000", "20000000"} << 7;
}

void TestLedRekenaar::bereken() {
    QFETCH(LedModus, modus);
    QFETCH(LedInvoer, velden);
    QFETCH(QLocale, locale);
    QFETCH(QStringList, uitkomst);
    QFETCH(int, leds);
    LedRekenaar rekenaar(locale);
    rekenaar.kiesModus(modus);
    rekenaar.bereken(velden);
    QCOMPARE(teksten(rekenaar.uitkomst()), uitkomst);
    QCOMPARE(rekenaar.schema().leds.size(), leds);
    for (const QPoint led : rekenaar.schema().leds)
        QVERIFY(led.x() < kSchemaMaat.width());
}

void TestLedRekenaar::zeroOrEmptyFieldChangesNothing_data() {
    QTest::addColumn<LedModus>("modus");
    QTest::addColumn<int>("veld");
    QTest::addColumn<QString>("tekst");
    for (const LedModus modus : {LedModus::Single, LedModus::Parallel, LedModus::Serie}) {
        const int velden = modus == LedModus::Single ? 3 : 4;
        for (int veld = 0; veld < velden; ++veld)
            for (const char *tekst : {"0", ""})
                QTest::addRow("mode %d, field %d, \"%s\"", int(modus), veld, tekst)
                    << modus << veld << QString::fromLatin1(tekst);
    }
}

void TestLedRekenaar::zeroOrEmptyFieldChangesNothing() {
    QFETCH(LedModus, modus);
    QFETCH(int, veld);
    QFETCH(QString, tekst);
    LedRekenaar rekenaar(kEngels);
    rekenaar.kiesModus(modus);
    rekenaar.bereken(invoer("9", "2", "20", "2"));
    const QStringList voor = teksten(rekenaar.uitkomst());
    const QString schemaVoor = beschrijf(rekenaar.schema());
    QVERIFY(!voor.first().isEmpty());
    LedInvoer nul = invoer("12", "3", "7", "3");
    QString *velden[] = {&nul.txtSV, &nul.txtDFV, &nul.txtDFC, &nul.txtNoLED};
    *velden[veld] = tekst;
    rekenaar.bereken(nul);
    QCOMPARE(teksten(rekenaar.uitkomst()), voor);
    QCOMPARE(beschrijf(rekenaar.schema()), schemaVoor);
}

void TestLedRekenaar::modeClickShowsTheEmptySchematic_data() {
    QTest::addColumn<LedModus>("modus");
    QTest::addColumn<QString>("schema");
    QTest::addColumn<bool>("aantalZichtbaar");
    QTest::newRow("single")
        << LedModus::Single
        << "staand leds[140,61] L3 190,102-194,102 L4 uit 158,400-168,400 S3 187,98 L6 204,95"
        << false;
    QTest::newRow("parallel")
        << LedModus::Parallel
        << "liggend leds[150,103] L3 158,153-194,153 L4 aan 158,400-168,400 S3 187,150 L6 204,160"
        << true;
    QTest::newRow("serie")
        << LedModus::Serie
        << "staand leds[140,61] L3 190,102-194,102 L4 uit 158,400-168,400 S3 187,98 L6 204,95"
        << true;
}

void TestLedRekenaar::modeClickShowsTheEmptySchematic() {
    QFETCH(LedModus, modus);
    QFETCH(QString, schema);
    QFETCH(bool, aantalZichtbaar);
    LedRekenaar rekenaar(kEngels);
    rekenaar.kiesModus(LedModus::Parallel);
    rekenaar.bereken(invoer("9", "2", "20", "1"));
    QVERIFY(!rekenaar.uitkomst().lblResistorValue.isEmpty());
    rekenaar.kiesModus(modus);
    QCOMPARE(rekenaar.modus(), modus);
    QCOMPARE(teksten(rekenaar.uitkomst()), (QStringList{"", "", ""}));
    QCOMPARE(beschrijf(rekenaar.schema()), schema);
    QCOMPARE(rekenaar.aantalZichtbaar(), aantalZichtbaar);
}

void TestLedRekenaar::wiresFollowTheCount_data() {
    QTest::addColumn<LedModus>("modus");
    QTest::addColumn<QString>("aantal");
    QTest::addColumn<QString>("schema");
    QTest::newRow("parallel, 1")
        << LedModus::Parallel << "1"
        << "liggend leds[150,103] L3 150,102-159,102 L4 aan 158,153-189,153 S3 187,150 L6 204,160";
    QTest::newRow("parallel, 3") << LedModus::Parallel << "3"
                                 << "liggend leds[150,103 200,103 250,103] L3 150,102-259,102 "
                                    "L4 aan 158,153-280,153 S3 280,150 L6 280,160";
    QTest::newRow("serie, 3")
        << LedModus::Serie << "3"
        << "staand leds[140,61 190,61 240,61] L3 190,102-194,102 L4 uit 158,400-168,400 "
           "S3 290,98 L6 290,95";
    QTest::newRow("single")
        << LedModus::Single << "4"
        << "staand leds[140,61] L3 190,102-194,102 L4 uit 158,400-168,400 S3 187,98 L6 204,95";
}

void TestLedRekenaar::wiresFollowTheCount() {
    QFETCH(LedModus, modus);
    QFETCH(QString, aantal);
    QFETCH(QString, schema);
    LedRekenaar rekenaar(kEngels);
    rekenaar.kiesModus(modus);
    rekenaar.bereken(invoer("20", "2", "20", aantal));
    QCOMPARE(beschrijf(rekenaar.schema()), schema);
}

void TestLedRekenaar::countThatIsNotWholeLeavesTheWires() {
    LedRekenaar rekenaar(kEngels);
    rekenaar.kiesModus(LedModus::Parallel);
    rekenaar.bereken(invoer("9", "2", "20", "3"));
    LedSchema voor = rekenaar.schema();
    rekenaar.bereken(invoer("9", "2", "20", "2.5"));
    QCOMPARE(rekenaar.schema().leds.size(), 2);
    QCOMPARE(rekenaar.schema().Line3, voor.Line3);
    QCOMPARE(rekenaar.schema().Line4, voor.Line4);
    QCOMPARE(rekenaar.schema().Shape3, voor.Shape3);
    QCOMPARE(rekenaar.schema().Label6, voor.Label6);
}

void TestLedRekenaar::modeClickKeepsTheGroundLabelSideways() {
    LedRekenaar rekenaar(kEngels);
    rekenaar.kiesModus(LedModus::Serie);
    rekenaar.bereken(invoer("9", "2", "20", "3"));
    QCOMPARE(rekenaar.schema().Label6, QPoint(290, 95));
    rekenaar.kiesModus(LedModus::Parallel);
    QCOMPARE(rekenaar.schema().Label6, QPoint(290, 160));
    rekenaar.kiesModus(LedModus::Single);
    QCOMPARE(rekenaar.schema().Label6, QPoint(290, 95));
    rekenaar.bereken(LedInvoer{});
    QCOMPARE(rekenaar.schema().Label6, QPoint(204, 95));
}

void TestLedRekenaar::hugeCountsStayInRange() {
    // Far beyond what the picture shows, and beyond what 16-bit positions could hold.
    for (const LedModus modus : {LedModus::Parallel, LedModus::Serie}) {
        LedRekenaar rekenaar(kEngels);
        rekenaar.kiesModus(modus);
        rekenaar.bereken(invoer("1e12", "0.000001", "20", "700000"));
        const LedSchema &s = rekenaar.schema();
        QVERIFY(!rekenaar.uitkomst().lblWatt.isEmpty());
        QCOMPARE(s.leds.size(), 7);
        QVERIFY(s.Shape3.x() >= kSchemaMaat.width()); // out of sight, not wrapped round
        QVERIFY(s.Label6.x() >= kSchemaMaat.width());
        if (modus == LedModus::Parallel) QVERIFY(s.Line3.x2() >= kSchemaMaat.width());
    }
}

VOLTARIX_TEST(TestLedRekenaar)
#include "tst_ledrekenaar.moc"

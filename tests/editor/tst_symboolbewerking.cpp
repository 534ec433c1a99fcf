#include "TestRunner.h"
#include "editor/Design.h"
#include "editor/SymboolBewerking.h"
#include "ui/Surface.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

using Bewerking = void (*)(Surface &);

// A symbol with every pixel a different colour, so that any pixel landing in the
// wrong place shows.
Surface bontSymbool() {
    Surface icon(kSymboolGrootte, kSymboolGrootte);
    QRandomGenerator kans(49);
    for (int y = 0; y < kSymboolGrootte; ++y)
        for (int x = 0; x < kSymboolGrootte; ++x)
            icon.setPixel(x, y, qRgb(x * 5, y * 5, int(kans.bounded(256))));
    return icon;
}

Surface eenPunt(QPoint punt) {
    Surface icon(kSymboolGrootte, kSymboolGrootte);
    icon.setPixel(punt.x(), punt.y(), qRgb(0, 0, 0));
    return icon;
}

QPoint waarIsHetPunt(const Surface &icon) {
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x)
            if (icon.pixel(x, y) != Surface::kWhite) return {x, y};
    return {-1, -1};
}

} // namespace

Q_DECLARE_METATYPE(Bewerking)

class TestSymboolBewerking : public QObject {
    Q_OBJECT
private slots:
    void eenPuntVerhuist_data();
    void eenPuntVerhuist();
    void herhalenGeeftSymboolTerug_data();
    void herhalenGeeftSymboolTerug();
};

void TestSymboolBewerking::eenPuntVerhuist_data() {
    QTest::addColumn<Bewerking>("bewerking");
    QTest::addColumn<QPoint>("van");
    QTest::addColumn<QPoint>("naar");
    const Bewerking draai = draaiKwartslag, boven = spiegelBovenOnder, links = spiegelLinksRechts;
    QTest::newRow("turn (0, 0)") << draai << QPoint(0, 0) << QPoint(48, 0);
    QTest::newRow("turn (48, 0)") << draai << QPoint(48, 0) << QPoint(48, 48);
    QTest::newRow("turn (10, 3)") << draai << QPoint(10, 3) << QPoint(45, 10);
    QTest::newRow("top-bottom (0, 0)") << boven << QPoint(0, 0) << QPoint(0, 48);
    QTest::newRow("top-bottom (7, 30)") << boven << QPoint(7, 30) << QPoint(7, 18);
    QTest::newRow("left-right (0, 0)") << links << QPoint(0, 0) << QPoint(48, 0);
    QTest::newRow("left-right (7, 30)") << links << QPoint(7, 30) << QPoint(41, 30);
    QTest::newRow("centre stays") << draai << QPoint(24, 24) << QPoint(24, 24);
}

void TestSymboolBewerking::eenPuntVerhuist() {
    QFETCH(Bewerking, bewerking);
    QFETCH(QPoint, van);
    QFETCH(QPoint, naar);
    Surface icon = eenPunt(van);
    bewerking(icon);
    QCOMPARE(waarIsHetPunt(icon), naar);
    QCOMPARE(icon.size(), QSize(kSymboolGrootte, kSymboolGrootte));
}

void TestSymboolBewerking::herhalenGeeftSymboolTerug_data() {
    QTest::addColumn<Bewerking>("bewerking");
    QTest::addColumn<int>("keer");
    QTest::newRow("four quarter turns") << Bewerking(draaiKwartslag) << 4;
    QTest::newRow("two top-bottom mirrors") << Bewerking(spiegelBovenOnder) << 2;
    QTest::newRow("two left-right mirrors") << Bewerking(spiegelLinksRechts) << 2;
}

void TestSymboolBewerking::herhalenGeeftSymboolTerug() {
    QFETCH(Bewerking, bewerking);
    QFETCH(int, keer);
    const Surface origineel = bontSymbool();
    Surface icon = origineel;
    for (int i = 1; i <= keer; ++i) {
        bewerking(icon);
        // Not back before the last time: each step really changes the symbol.
        QCOMPARE(icon.image() == origineel.image(), i == keer);
    }
}

VOLTARIX_TEST(TestSymboolBewerking)
#include "tst_symboolbewerking.moc"

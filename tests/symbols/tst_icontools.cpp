#include "TestRunner.h"
#include "editor/Design.h"
#include "symbols/IconTools.h"

#include <QtTest>

#include <cmath>
#include <functional>
#include <set>
#include <utility>

using namespace IconTools;

namespace {

using Bewerking = std::function<void(Surface &)>;
using Punten = std::set<std::pair<int, int>>;

const QRgb kInkt = qRgb(200, 0, 100);
constexpr int M = 24; // the middle pixel

Surface bonteTekening() {
    Surface tekening(kSymboolGrootte, kSymboolGrootte);
    for (int y = 0; y < kSymboolGrootte; ++y)
        for (int x = 0; x < kSymboolGrootte; ++x)
            tekening.setPixel(x, y, qRgb(5 * x, 5 * y, (x * 7 + y * 13) % 256));
    return tekening;
}

// The pixels (relative to the middle) that differ between two drawings.
Punten verschil(const Surface &voor, const Surface &na) {
    Punten punten;
    for (int y = 0; y < kSymboolGrootte; ++y)
        for (int x = 0; x < kSymboolGrootte; ++x)
            if (voor.pixel(x, y) != na.pixel(x, y)) punten.insert({x - M, y - M});
    return punten;
}

int buren(const Punten &punten, std::pair<int, int> p) {
    int n = 0;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if ((dx || dy) && punten.count({p.first + dx, p.second + dy})) ++n;
    return n;
}

// The pixels reachable from one of them through 8-neighbours.
std::size_t bereikbaar(const Punten &punten) {
    Punten gezien{*punten.begin()};
    std::vector<std::pair<int, int>> rij{*punten.begin()};
    while (!rij.empty()) {
        const auto p = rij.back();
        rij.pop_back();
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const std::pair<int, int> q{p.first + dx, p.second + dy};
                if (punten.count(q) && gezien.insert(q).second) rij.push_back(q);
            }
    }
    return gezien.size();
}

} // namespace

class TestIconTools : public QObject {
    Q_OBJECT
private slots:
    void squareIsOneRing_data();
    void squareIsOneRing();
    void circleIsThinClosedAndSymmetric_data();
    void circleIsThinClosedAndSymmetric();
    void circleOf24TouchesTheEdges();
    void inversesGiveBackTheDrawing_data();
    void inversesGiveBackTheDrawing();
    void pixelsGoWhereExpected_data();
    void pixelsGoWhereExpected();
    void shiftedOutPixelIsLost_data();
    void shiftedOutPixelIsLost();
    void negativeAndFillColours();
    void sizeAnswers_data();
    void sizeAnswers();
};

void TestIconTools::squareIsOneRing_data() {
    QTest::addColumn<int>("s");
    for (int s : {1, 2, 12, 23, 24})
        QTest::addRow("s = %d", s) << s;
}

void TestIconTools::squareIsOneRing() {
    QFETCH(int, s);
    const Surface voor = bonteTekening();
    Surface na = voor;
    TekenVierkant(na, s, kInkt);
    const Punten veranderd = verschil(voor, na);
    QCOMPARE(int(veranderd.size()), 8 * s); // 8 around the middle for 1, 192 for 24
    for (const auto &[x, y] : veranderd) {
        QCOMPARE(std::max(std::abs(x), std::abs(y)), s);
        QCOMPARE(na.pixel(M + x, M + y), kInkt);
    }
}

void TestIconTools::circleIsThinClosedAndSymmetric_data() {
    QTest::addColumn<int>("r");
    for (int r = kKleinsteMaat; r <= kGrootsteMaat; ++r)
        QTest::addRow("r = %d", r) << r;
}

void TestIconTools::circleIsThinClosedAndSymmetric() {
    QFETCH(int, r);
    const Surface voor = bonteTekening();
    Surface na = voor;
    TekenCirkel(na, r, kInkt);
    const Punten cirkel = verschil(voor, na);
    QVERIFY(!cirkel.empty());
    for (const auto &[x, y] : cirkel) {
        const auto naam = QStringLiteral("(%1, %2)").arg(x).arg(y);
        QCOMPARE(na.pixel(M + x, M + y), kInkt);
        // The same in all eight octants.
        for (const auto &spiegel : Punten{{-x, y}, {x, -y}, {y, x}, {-y, -x}})
            QVERIFY2(cirkel.count(spiegel), qPrintable(naam));
        // Near the circle, and one pixel wide: a closed curve without corners doubled.
        QVERIFY2(std::abs(std::hypot(x, y) - r) < 0.5, qPrintable(naam));
        QVERIFY2(buren(cirkel, {x, y}) == 2, qPrintable(naam));
    }
    QCOMPARE(bereikbaar(cirkel), cirkel.size());
    // Every pixel at exactly distance r lies on it.
    for (int y = -r; y <= r; ++y)
        for (int x = -r; x <= r; ++x)
            if (x * x + y * y == r * r) QVERIFY(cirkel.count({x, y}));
}

void TestIconTools::circleOf24TouchesTheEdges() {
    Surface tekening(kSymboolGrootte, kSymboolGrootte);
    TekenCirkel(tekening, 24, kInkt);
    for (const QPoint p : {QPoint(0, 24), QPoint(48, 24), QPoint(24, 0), QPoint(24, 48)})
        QCOMPARE(tekening.pixel(p.x(), p.y()), kInkt);
    QCOMPARE(tekening.pixel(0, 0), Surface::kWhite);
    QCOMPARE(tekening.pixel(24, 24), Surface::kWhite);
}

void TestIconTools::inversesGiveBackTheDrawing_data() {
    QTest::addColumn<Bewerking>("bewerking");
    QTest::addColumn<int>("keer");
    QTest::newRow("rotate") << Bewerking(DraaiIcon) << 4;
    QTest::newRow("mirror") << Bewerking(SpiegelIcon) << 2;
    QTest::newRow("negative") << Bewerking(NegatiefIcon) << 2;
}

void TestIconTools::inversesGiveBackTheDrawing() {
    QFETCH(Bewerking, bewerking);
    QFETCH(int, keer);
    const Surface voor = bonteTekening();
    Surface tekening = voor;
    for (int i = 1; i <= keer; ++i) {
        bewerking(tekening);
        if (i < keer) QVERIFY2(tekening.image() != voor.image(), "back too early");
    }
    QCOMPARE(tekening.image(), voor.image());
}

void TestIconTools::pixelsGoWhereExpected_data() {
    QTest::addColumn<Bewerking>("bewerking");
    QTest::addColumn<QPoint>("van");
    QTest::addColumn<QPoint>("naar");
    QTest::newRow("rotate: top left to top right")
        << Bewerking(DraaiIcon) << QPoint(0, 0) << QPoint(48, 0);
    QTest::newRow("rotate: top right to bottom right")
        << Bewerking(DraaiIcon) << QPoint(48, 0) << QPoint(48, 48);
    QTest::newRow("rotate: 3,10") << Bewerking(DraaiIcon) << QPoint(3, 10) << QPoint(38, 3);
    QTest::newRow("mirror") << Bewerking(SpiegelIcon) << QPoint(0, 10) << QPoint(48, 10);
    QTest::newRow("left") << Bewerking(SchuifLinks) << QPoint(5, 10) << QPoint(4, 10);
    QTest::newRow("right") << Bewerking(SchuifRechts) << QPoint(47, 10) << QPoint(48, 10);
    QTest::newRow("up") << Bewerking(SchuifOmhoog) << QPoint(5, 1) << QPoint(5, 0);
    QTest::newRow("down") << Bewerking(SchuifOmlaag) << QPoint(5, 47) << QPoint(5, 48);
}

void TestIconTools::pixelsGoWhereExpected() {
    QFETCH(Bewerking, bewerking);
    QFETCH(QPoint, van);
    QFETCH(QPoint, naar);
    Surface tekening(kSymboolGrootte, kSymboolGrootte);
    tekening.setPixel(van.x(), van.y(), kInkt);
    bewerking(tekening);
    const Punten verwacht{{naar.x() - M, naar.y() - M}};
    QCOMPARE(verschil(Surface(kSymboolGrootte, kSymboolGrootte), tekening), verwacht);
}

void TestIconTools::shiftedOutPixelIsLost_data() {
    QTest::addColumn<Bewerking>("heen");
    QTest::addColumn<Bewerking>("terug");
    QTest::addColumn<QPoint>("rand"); // the line shifted out
    QTest::newRow("left, then right")
        << Bewerking(SchuifLinks) << Bewerking(SchuifRechts) << QPoint(0, -1);
    QTest::newRow("right, then left")
        << Bewerking(SchuifRechts) << Bewerking(SchuifLinks) << QPoint(48, -1);
    QTest::newRow("up, then down")
        << Bewerking(SchuifOmhoog) << Bewerking(SchuifOmlaag) << QPoint(-1, 0);
    QTest::newRow("down, then up")
        << Bewerking(SchuifOmlaag) << Bewerking(SchuifOmhoog) << QPoint(-1, 48);
}

void TestIconTools::shiftedOutPixelIsLost() {
    QFETCH(Bewerking, heen);
    QFETCH(Bewerking, terug);
    QFETCH(QPoint, rand);
    const Surface voor = bonteTekening();
    Surface tekening = voor;
    heen(tekening);
    terug(tekening);
    // Everything comes back except the line that went over the edge: it is white now
    // (no wrap-around from the other side).
    for (int y = 0; y < kSymboolGrootte; ++y)
        for (int x = 0; x < kSymboolGrootte; ++x) {
            const bool verloren = x == rand.x() || y == rand.y();
            QCOMPARE(tekening.pixel(x, y), verloren ? Surface::kWhite : voor.pixel(x, y));
        }
}

void TestIconTools::negativeAndFillColours() {
    Surface tekening(kSymboolGrootte, kSymboolGrootte);
    tekening.setPixel(3, 4, grey(190));
    tekening.setPixel(5, 6, qRgb(10, 20, 30));
    NegatiefIcon(tekening);
    QCOMPARE(tekening.pixel(0, 0), qRgb(0, 0, 0));
    QCOMPARE(tekening.pixel(3, 4), grey(65));
    QCOMPARE(tekening.pixel(5, 6), qRgb(245, 235, 225));
    VulIcon(tekening, kInkt);
    QCOMPARE(verschil(tekening, Surface(kSymboolGrootte, kSymboolGrootte, kInkt)), Punten{});
}

void TestIconTools::sizeAnswers_data() {
    QTest::addColumn<QString>("antwoord");
    QTest::addColumn<int>("maat"); // 0: refused
    QTest::newRow("empty (also Cancel)") << "" << 0;
    QTest::newRow("blanks only") << "   " << 0;
    QTest::newRow("text") << "abc" << 0;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("one") << "1" << 1;
    QTest::newRow("24") << "24" << 24;
    QTest::newRow("25") << "25" << 0;
    QTest::newRow("negative") << "-1" << 0;
    QTest::newRow("blanks around") << "  7 " << 7;
    QTest::newRow("tab and line break") << "\t12\n" << 12;
    QTest::newRow("plus sign") << "+3" << 3;
    QTest::newRow("2.5 to even 2") << "2.5" << 2;
    QTest::newRow("3.5 to even 4") << "3.5" << 4;
    QTest::newRow("1.5 to 2") << "1.5" << 2;
    QTest::newRow("24.5 to 24") << "24.5" << 24;
    QTest::newRow("0.5 to 0") << "0.5" << 0;
    QTest::newRow("0.51 to 1") << "0.51" << 1;
    QTest::newRow("24.51 to 25") << "24.51" << 0;
    QTest::newRow("trailing point") << "7." << 7;
    QTest::newRow("leading point") << ".9" << 1;
    QTest::newRow("exponent, too big") << "1e3" << 0;
    QTest::newRow("exponent, in range") << "1.2E1" << 12;
    QTest::newRow("exponent overflow") << "1e400" << 0;
    QTest::newRow("number then text") << "7abc" << 0;
    QTest::newRow("two numbers") << "1 2" << 0;
    QTest::newRow("comma") << "2,5" << 0;
    QTest::newRow("hexadecimal") << "0x10" << 0;
    QTest::newRow("infinity") << "inf" << 0;
    QTest::newRow("not a number") << "nan" << 0;
    QTest::newRow("other digits") << QString::fromUtf8("\u0667") << 0;
    QTest::newRow("huge") << "99999999999999999999" << 0;
}

void TestIconTools::sizeAnswers() {
    QFETCH(QString, antwoord);
    QFETCH(int, maat);
    QCOMPARE(leesMaat(antwoord).value_or(0), maat);
}

VOLTARIX_TEST(TestIconTools)
#include "tst_icontools.moc"

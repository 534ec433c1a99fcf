#include "ScriptedPlatform.h"
#include "TestRunner.h"
#include "board/BoardDrawing.h"
#include "board/BoardGeometry.h"
#include "board/BoardSize.h"
#include "board/ColourTable.h"
#include "board/Raster.h"
#include "ui/Surface.h"

#include <QtTest>

namespace {

// A hole at (x, y): four rings shading from grey 180 to 40 and a light contact.
bool isHole(const Surface &sheet, int x, int y) {
    const int rings[] = {180, 120, 80, 40};
    for (int i = 0; i < 4; ++i)
        if (sheet.pixel(x + i, y + i) != grey(rings[i]) ||
            sheet.pixel(x + 12 - i, y + 12 - i) != grey(rings[i]))
            return false;
    for (int dy = 4; dy <= 8; ++dy)
        for (int dx = 4; dx <= 8; ++dx)
            if (sheet.pixel(x + dx, y + dy) != grey(250)) return false;
    return true;
}

struct HoleCount {
    int block = 0;
    int rail = 0;
};

HoleCount countHoles(const Surface &sheet, const BoardGeometry &board) {
    HoleCount count;
    for (int x = 170; x <= board.lastColumnX + 40; x += kHolePitch)
        for (int y = 120; y <= board.bottomRailY + 40; y += kHolePitch) {
            if (!isHole(sheet, x, y)) continue;
            if (y == board.topRailY || y == board.bottomRailY)
                ++count.rail;
            else
                ++count.block;
        }
    return count;
}

Surface drawn(bool BBgroot) {
    Surface sheet(1000, 620);
    tekenBordIn(sheet, BoardGeometry::voor(BBgroot));
    return sheet;
}

// The horizontal centres of the runs of ink in a band of rows.
QList<double> inkRuns(const Surface &sheet, int top, int bottom, QRgb background) {
    QList<double> centres;
    int start = -1, last = -10;
    for (int x = 0; x < sheet.width(); ++x) {
        bool ink = false;
        for (int y = top; y <= bottom && !ink; ++y)
            ink = sheet.pixel(x, y) != background;
        if (!ink) continue;
        if (start < 0 || x - last > 5) {
            if (start >= 0) centres << (start + last) / 2.0;
            start = x;
        }
        last = x;
    }
    if (start >= 0) centres << (start + last) / 2.0;
    return centres;
}

// The pixels of one letter as the board draws it on its face.
QImage letterAt(const Surface &sheet, int x, int y) {
    return sheet.image().copy(x, y, 12, 14);
}

QImage letterAlone(const QString &letter) {
    Surface face(12, 14, grey(240));
    face.clear();
    face.drawText(0, 0, letter, bordTekstStijl());
    return face.image();
}

} // namespace

class TestBoard : public QObject {
    Q_OBJECT
private slots:
    void holeCounts_data();
    void holeCounts();
    void railGapsLeaveGroupsOfFive();
    void pixelsOfTheDrawing_data();
    void pixelsOfTheDrawing();
    void lettersAtBothEnds_data();
    void lettersAtBothEnds();
    void columnNumbersStandOverTheirColumns_data();
    void columnNumbersStandOverTheirColumns();
    void drawingIsRepeatableAndFillsBothSheets();
    void smallSheetClipsTheBigBoard();
    void raster();
    void colourTable_data();
    void colourTable();
    void sizeSwitchAnsweredNo();
    void sizeSwitchAnsweredYes();
};

void TestBoard::holeCounts_data() {
    QTest::addColumn<bool>("BBgroot");
    QTest::addColumn<int>("block");
    QTest::addColumn<int>("rail");
    QTest::newRow("small") << false << 230 << 40;
    QTest::newRow("big") << true << 490 << 60;
}

void TestBoard::holeCounts() {
    QFETCH(bool, BBgroot);
    QFETCH(int, block);
    QFETCH(int, rail);
    const HoleCount count = countHoles(drawn(BBgroot), BoardGeometry::voor(BBgroot));
    QCOMPARE(count.block, block);
    QCOMPARE(count.rail, rail);
}

void TestBoard::railGapsLeaveGroupsOfFive() {
    for (const bool BBgroot : {false, true}) {
        const Surface sheet = drawn(BBgroot);
        const BoardGeometry &board = BoardGeometry::voor(BBgroot);
        QString pattern;
        for (int x = 190; x <= board.lastColumnX; x += kHolePitch)
            pattern += isHole(sheet, x, board.topRailY) ? 'o' : '-';
        const QString expected =
            BBgroot ? "ooooo-ooooo-ooooo-ooooo-ooooo-ooooo" : "ooooo-ooooo-ooooo-ooooo";
        QCOMPARE(pattern, expected);
        for (int x = 190; x <= board.lastColumnX; x += kHolePitch)
            QCOMPARE(isHole(sheet, x, board.bottomRailY), isHole(sheet, x, board.topRailY));
    }
}

void TestBoard::pixelsOfTheDrawing_data() {
    QTest::addColumn<bool>("BBgroot");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<int>("grey");
    const auto row = [](const char *name, bool big, QPoint p, int g) {
        QTest::newRow(name) << big << p << g;
    };
    row("contact of the first rail hole", false, {196, 146}, 250);
    row("rail line between holes", false, {203, 146}, 160);
    row("strip line between rows", false, {196, 196}, 160);
    row("strip line of the lower block", false, {196, 336}, 160);
    row("face", false, {400, 120}, 240);
    row("face outline corner", false, {100, 90}, 100);
    row("face outline far corner", false, {730, 500}, 100);
    row("notch", false, {100, 500}, 255);
    row("notch inside", false, {110, 490}, 255);
    row("notch edge", false, {100, 485}, 100);
    row("notch side", false, {115, 500}, 100);
    row("channel edge", false, {400, 285}, 130);
    row("channel second row", false, {400, 286}, 140);
    row("channel middle", false, {400, 296}, 240);
    row("channel mirror edge", false, {400, 307}, 130);
    row("channel left end", false, {172, 290}, 180);
    row("channel right end left out", false, {658, 290}, 240);
    row("top edge dark", false, {300, 79}, 160);
    row("top edge dark last", false, {300, 84}, 160);
    row("top edge light", false, {300, 85}, 230);
    row("top edge light last", false, {300, 89}, 230);
    row("top edge end left out", false, {731, 80}, 255);
    row("top edge start", false, {115, 80}, 160);
    row("right edge light", false, {731, 100}, 230);
    row("right edge light last", false, {736, 100}, 230);
    row("right edge dark", false, {737, 100}, 160);
    row("right edge dark last", false, {741, 100}, 160);
    row("right edge ends", false, {741, 485}, 255);
    row("beyond the board", false, {742, 100}, 255);
    row("big: contact", true, {196, 146}, 250);
    row("big: lower rail contact", true, {196, 526}, 250);
    row("big: channel edge", true, {400, 325}, 130);
    row("big: channel middle", true, {400, 336}, 240);
    row("big: channel mirror edge", true, {400, 347}, 130);
    row("big: notch", true, {100, 580}, 255);
    row("big: right edge dark", true, {981, 300}, 160);
    row("big: right edge light", true, {971, 300}, 230);
    row("big: top edge end", true, {970, 84}, 160);
}

void TestBoard::pixelsOfTheDrawing() {
    QFETCH(bool, BBgroot);
    QFETCH(QPoint, point);
    QFETCH(int, grey);
    QCOMPARE(drawn(BBgroot).pixel(point.x(), point.y()), ::grey(grey));
}

void TestBoard::lettersAtBothEnds_data() {
    QTest::addColumn<bool>("BBgroot");
    QTest::addColumn<QPoint>("place");
    QTest::addColumn<QString>("letter");
    QTest::newRow("A left") << false << QPoint(173, 180) << "A";
    QTest::newRow("A right") << false << QPoint(650, 180) << "A";
    QTest::newRow("E right") << false << QPoint(650, 260) << "E";
    QTest::newRow("F left") << false << QPoint(173, 320) << "F";
    QTest::newRow("J right") << false << QPoint(650, 400) << "J";
    QTest::newRow("X rail") << false << QPoint(650, 140) << "X";
    QTest::newRow("Y rail") << false << QPoint(173, 440) << "Y";
    QTest::newRow("big G") << true << QPoint(890, 300) << "G";
    QTest::newRow("big H") << true << QPoint(890, 360) << "H";
    QTest::newRow("big N") << true << QPoint(890, 480) << "N";
    QTest::newRow("big N left") << true << QPoint(173, 480) << "N";
    QTest::newRow("big Y") << true << QPoint(890, 520) << "Y";
}

void TestBoard::lettersAtBothEnds() {
    QFETCH(bool, BBgroot);
    QFETCH(QPoint, place);
    QFETCH(QString, letter);
    QCOMPARE(letterAt(drawn(BBgroot), place.x(), place.y()), letterAlone(letter));
}

void TestBoard::columnNumbersStandOverTheirColumns_data() {
    QTest::addColumn<bool>("BBgroot");
    QTest::addColumn<int>("rulerY");
    QTest::addColumn<int>("numbers");
    QTest::newRow("small, top") << false << 160 << 4;
    QTest::newRow("small, bottom") << false << 420 << 4;
    QTest::newRow("big, top") << true << 160 << 7;
    QTest::newRow("big, bottom") << true << 500 << 7;
}

void TestBoard::columnNumbersStandOverTheirColumns() {
    QFETCH(bool, BBgroot);
    QFETCH(int, rulerY);
    QFETCH(int, numbers);
    const Surface sheet = drawn(BBgroot);
    // Only the ruler's own band, between the letters at both ends.
    Surface band(sheet.width(), 12, grey(240));
    band.clear();
    const int end = BoardGeometry::voor(BBgroot).lastColumnX + 14;
    band.copyFrom(sheet, QRect(260, rulerY + 1, end - 260, 11), QPoint(260, 0));
    const QList<double> centres = inkRuns(band, 0, 10, grey(240));
    QCOMPARE(centres.size(), numbers);
    for (int i = 0; i < numbers; ++i) {
        const int column = 5 * (i + 1);
        const double columnCentre = 190 + 20 * (column - 1) + 6;
        QVERIFY2(std::abs(centres[i] - columnCentre) <= 4,
                 qPrintable(QStringLiteral("%1 stands at %2").arg(column).arg(centres[i])));
    }
}

void TestBoard::drawingIsRepeatableAndFillsBothSheets() {
    Surface Pic2(900, 600), GumPic(900, 600);
    Pic2.fillBox(0, 0, 899, 599, qRgb(1, 2, 3));
    Pic2.setLineWidth(3);
    Pic2.setDrawMode(Surface::DrawMode::Invert);
    TekenBord(false, Pic2, GumPic);
    QCOMPARE(Pic2.image(), GumPic.image());
    QCOMPARE(Pic2.lineWidth(), 1);
    QCOMPARE(Pic2.drawMode(), Surface::DrawMode::Copy);
    Surface again(900, 600);
    TekenKleinBord(again);
    QCOMPARE(again.image(), Pic2.image());
    TekenBord(true, Pic2, GumPic);
    QCOMPARE(Pic2.image(), GumPic.image());
    QCOMPARE(Pic2.pixel(196, 526), grey(250));
}

void TestBoard::smallSheetClipsTheBigBoard() {
    Surface sheet(801, 541); // the breadboard sheet on a 1024 x 768 screen
    TekenGrootBord(sheet);
    QCOMPARE(sheet.size(), QSize(801, 541));
    QCOMPARE(sheet.pixel(196, 146), grey(250));
    QCOMPARE(sheet.pixel(800, 540), grey(240));
}

void TestBoard::raster() {
    Surface Pic(260, 120);
    Pic.setPixel(25, 25, qRgb(255, 0, 0));
    tekenRasterLijnen(Pic, 150);
    for (const QPoint p :
         {QPoint(0, 0), QPoint(50, 7), QPoint(250, 119), QPoint(3, 100), QPoint(259, 50)})
        QCOMPARE(Pic.pixel(p.x(), p.y()), grey(150));
    QCOMPARE(Pic.pixel(25, 25), qRgb(255, 0, 0)); // drawn over, not cleared
    QCOMPARE(Pic.pixel(49, 49), Surface::kWhite);
    QCOMPARE(Pic.pixel(51, 51), Surface::kWhite);
    tekenRasterLijnen(Pic, 0);
    QCOMPARE(Pic.pixel(100, 10), grey(0));
    tekenRasterLijnen(Pic, 255);
    QCOMPARE(Pic.pixel(100, 10), Surface::kWhite);
    QCOMPARE(rasterKleurTekst(150), QStringLiteral("Rasterkleur : 150"));
    QCOMPARE(rasterKleurTekst(0), QStringLiteral("Rasterkleur : 0"));
}

void TestBoard::colourTable_data() {
    QTest::addColumn<QString>("naam");
    QTest::addColumn<QRgb>("kleur");
    QTest::newRow("Rood") << "Rood" << qRgb(255, 0, 0);
    QTest::newRow("Groen") << "Groen" << qRgb(0, 255, 0);
    QTest::newRow("Blauw") << "Blauw" << qRgb(0, 0, 255);
    QTest::newRow("Geel") << "Geel" << qRgb(255, 255, 0);
    QTest::newRow("Paars") << "Paars" << qRgb(255, 0, 255);
    QTest::newRow("Cyaan") << "Cyaan" << qRgb(0, 255, 255);
    QTest::newRow("Zwart") << "Zwart" << qRgb(0, 0, 0);
    QTest::newRow("Grijs") << "Grijs" << qRgb(190, 190, 190);
    QTest::newRow("Wit") << "Wit" << qRgb(255, 255, 255);
    QTest::newRow("case counts") << "rood" << qRgb(0, 0, 0);
    QTest::newRow("unknown") << "Oranje" << qRgb(0, 0, 0);
    QTest::newRow("empty") << "" << qRgb(0, 0, 0);
}

void TestBoard::colourTable() {
    QFETCH(QString, naam);
    QFETCH(QRgb, kleur);
    QCOMPARE(KleurVanNaam(naam), kleur);
}

void TestBoard::sizeSwitchAnsweredNo() {
    ScriptedPlatform platform;
    platform.answers = {Platform::Answer::No};
    Surface Pic2(1000, 620), GumPic(1000, 620);
    TekenBord(false, Pic2, GumPic);
    Pic2.setPixel(300, 300, qRgb(255, 0, 0));
    const QImage before = Pic2.image().copy();
    bool BBgroot = false;
    QVERIFY(!wisselBordGrootte(platform, BBgroot, Pic2, GumPic));
    QCOMPARE(BBgroot, false);
    QCOMPARE(Pic2.image(), before);
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages[0].title, QStringLiteral(" Size"));
    QCOMPARE(platform.messages[0].text,
             QStringLiteral(
                 "Wilt u grootte Breadboard wijzigen?\r\n(gemaakte opstelling gaat verloren)"));
    QCOMPARE(platform.messages[0].buttons, Platform::Buttons::YesNo);
    QCOMPARE(bbGrootHint(false), QStringLiteral(" Vergroten "));
}

void TestBoard::sizeSwitchAnsweredYes() {
    ScriptedPlatform platform;
    platform.answers = {Platform::Answer::Yes, Platform::Answer::Yes};
    Surface Pic2(1000, 620), GumPic(1000, 620);
    TekenBord(false, Pic2, GumPic);
    Pic2.setPixel(300, 300, qRgb(255, 0, 0));
    bool BBgroot = false;
    QVERIFY(wisselBordGrootte(platform, BBgroot, Pic2, GumPic));
    QCOMPARE(BBgroot, true);
    QCOMPARE(bbGrootHint(BBgroot), QStringLiteral(" Verkleinen "));
    QCOMPARE(Pic2.image(), drawn(true).image());
    QCOMPARE(GumPic.image(), Pic2.image());
    QVERIFY(wisselBordGrootte(platform, BBgroot, Pic2, GumPic));
    QCOMPARE(BBgroot, false);
    QCOMPARE(Pic2.image(), drawn(false).image());
}

VOLTARIX_TEST(TestBoard)
#include "tst_board.moc"

#include "ScriptedPlatform.h"
#include "TestRunner.h"
#include "board/BoardDrawing.h"
#include "board/BoardGeometry.h"
#include "board/BoardSize.h"
#include "board/ColourTable.h"
#include "board/Raster.h"

#include <QtTest>

namespace {

// A hole at (x, y): rings shading from grey 180 to 40 round a light 5 x 5 contact.
bool isHole(const Surface &sheet, int x, int y) {
    bool hole = sheet.image().copy(x + 4, y + 4, 5, 5) == Surface(5, 5, grey(250)).image();
    for (int i = 0; i < 4; ++i) {
        const QRgb ring = grey(std::array{180, 120, 80, 40}[size_t(i)]);
        hole = hole && sheet.pixel(x + i, y + i) == ring &&
               sheet.pixel(x + 12 - i, y + 12 - i) == ring;
    }
    return hole;
}

Surface drawn(bool BBgroot) {
    Surface sheet(1000, 620);
    tekenBordIn(sheet, BoardGeometry::voor(BBgroot));
    return sheet;
}

} // namespace

class TestBoard : public QObject {
    Q_OBJECT
private slots:
    // Checks at the ends and corners of what is drawn: "grey@x,y" of a single pixel, "o@x,y"
    // of a hole with its top-left corner there ("-" for none), "text@x,y" of the board's
    // letters as they are drawn alone ("ruler" for the row of column numbers).
    void drawing_data() {
        QTest::addColumn<bool>("BBgroot");
        QTest::addColumn<QString>("checks");
        const auto row = [](const char *name, bool big, const char *checks) {
            QTest::newRow(name) << big << QString(checks);
        };
        row("rail holes in groups of five", false,
            "-@170,140 o@190,140 o@270,140 -@290,140 o@310,140 -@410,140 -@530,140 o@630,140 "
            "-@650,140 o@190,440 -@290,440 o@630,440");
        row("block holes", false,
            "o@190,180 o@630,260 -@630,280 -@650,180 o@190,320 o@630,400 -@630,420 -@190,160");
        row("big board's holes", true,
            "-@770,140 o@870,140 -@890,140 o@870,520 -@650,520 o@870,300 -@870,320 o@190,360 "
            "o@870,480 -@870,500");
        row("lines between the holes", false, "160@203,146 160@196,196 160@196,336");
        row("face and its outline", false, "240@400,120 100@100,90 100@730,500");
        row("notch", false, "255@110,490 100@100,485 100@115,500 255@100,500");
        row("channel", false,
            "130@400,285 140@400,286 240@400,296 130@400,307 180@172,290 240@658,290");
        row("top edge", false, "160@115,79 160@300,84 230@300,85 230@300,89 255@731,80");
        row("right edge", false, "230@731,100 160@737,100 160@741,484 255@741,485 255@742,100");
        row("big board's edges and channel", true,
            "130@400,347 255@100,580 160@981,300 160@970,84");
        row("letters", false, "A@173,180 E@650,260 F@173,320 J@650,400 X@650,140 Y@173,440");
        row("big board's letters", true, "H@890,360 N@173,480 Y@890,520");
        row("ruler", false, "ruler@273,160 ruler@273,420");
        row("big board's ruler", true, "ruler@273,160 ruler@273,500");
    }
    void drawing() {
        QFETCH(bool, BBgroot);
        QFETCH(QString, checks);
        const Surface sheet = drawn(BBgroot);
        for (const QString &check : checks.split(' ')) {
            const QString what = check.section('@', 0, 0), where = check.section('@', 1);
            const QPoint p(where.section(',', 0, 0).toInt(), where.section(',', 1).toInt());
            if (what == "o" || what == "-") {
                QVERIFY2(isHole(sheet, p.x(), p.y()) == (what == "o"), qPrintable(check));
                continue;
            }
            bool isGrey = false;
            const int g = what.toInt(&isGrey);
            if (isGrey) {
                QVERIFY2(sheet.pixel(p.x(), p.y()) == grey(g), qPrintable(check));
                continue;
            }
            const QString text =
                what == "ruler" ? BoardGeometry::voor(BBgroot).columnNumbers : what;
            Surface alone(Surface::textSize(text, bordTekstStijl()).width(), 14, grey(240));
            alone.drawText(0, 0, text, bordTekstStijl());
            QVERIFY2(sheet.image().copy(QRect(p, alone.size())) == alone.image(),
                     qPrintable(check));
        }
    }

    // The blanks of the ruler put every number over its column, with the board's font.
    void rulerNumbersStandOverTheirColumns() {
        const Surface sheet = drawn(true);
        for (int column = 5; column <= BoardGeometry::groot().columnCount(); column += 5) {
            const int centre = kContactX0 + kHolePitch * (column - 1);
            int left = centre + 16, right = centre - 16;
            for (int x = centre - 16; x <= centre + 16; ++x)
                for (int y = 161; y < 174; ++y)
                    if (sheet.pixel(x, y) != grey(240))
                        left = std::min(left, x), right = std::max(right, x);
            QVERIFY2(std::abs(left + right - 2 * centre) <= 8, qPrintable(QString::number(column)));
        }
    }

    // The size button asks first, as everything on the board is lost; Yes draws the other
    // board into both sheets whatever they held and however they were set; No changes nothing.
    void sizeSwitch() {
        ScriptedPlatform platform;
        platform.answers = {Platform::Answer::No, Platform::Answer::Yes, Platform::Answer::Yes};
        Surface Pic2(1000, 620), GumPic(801, 541); // the eraser's twin of a 1024 x 768 screen
        Pic2.setBackground(qRgb(1, 2, 3));
        Pic2.setLineWidth(3);
        Pic2.setDrawMode(Surface::DrawMode::Invert);
        Pic2.setPixel(300, 300, qRgb(255, 0, 0));
        const QImage before = Pic2.image().copy();
        bool BBgroot = false;
        QVERIFY(!wisselBordGrootte(platform, BBgroot, Pic2, GumPic));
        QVERIFY(!BBgroot && Pic2.image() == before);
        QCOMPARE(platform.messages[0].text,
                 QStringLiteral(
                     "Wilt u grootte Breadboard wijzigen?\r\n(gemaakte opstelling gaat verloren)"));
        QCOMPARE(platform.messages[0].title, QStringLiteral(" Size"));
        for (const bool groot : {true, false}) {
            QVERIFY(wisselBordGrootte(platform, BBgroot, Pic2, GumPic));
            QCOMPARE(BBgroot, groot);
            QCOMPARE(Pic2.image(), drawn(groot).image());
            QCOMPARE(GumPic.image(), drawn(groot).image().copy(GumPic.rect()));
            QCOMPARE(bbGrootHint(BBgroot), groot ? " Verkleinen " : " Vergroten ");
        }
        TekenGrootBord(GumPic);
        QCOMPARE(GumPic.image(), drawn(true).image().copy(GumPic.rect()));
        TekenKleinBord(GumPic);
        QCOMPARE(GumPic.image(), drawn(false).image().copy(GumPic.rect()));
    }

    void rasterAndColours() {
        Surface Pic(260, 120);
        Pic.setPixel(25, 25, qRgb(255, 0, 0));
        tekenRasterLijnen(Pic, 150);
        for (const QPoint p :
             {QPoint(0, 0), QPoint(50, 7), QPoint(250, 119), QPoint(3, 100), QPoint(259, 50)})
            QCOMPARE(Pic.pixel(p.x(), p.y()), grey(150));
        QCOMPARE(Pic.pixel(25, 25), qRgb(255, 0, 0)); // drawn over, not cleared
        QCOMPARE(Pic.pixel(49, 49), Surface::kWhite);
        QCOMPARE(Pic.pixel(51, 51), Surface::kWhite);
        QCOMPARE(rasterKleurTekst(150), QStringLiteral("Rasterkleur : 150"));
        // Nine colours by their names, exactly as shown; any other name gives black.
        QSet<QRgb> kleuren;
        for (const QString &naam : kleurNamen())
            kleuren << KleurVanNaam(naam);
        QVERIFY(kleuren.size() == 9 && kleuren.contains(qRgb(255, 255, 255)) &&
                kleuren.contains(qRgb(0, 0, 0)));
        for (const char *naam : {"rood", "Oranje", ""})
            QCOMPARE(KleurVanNaam(naam), qRgb(0, 0, 0));
    }
};

VOLTARIX_TEST(TestBoard)
#include "tst_board.moc"

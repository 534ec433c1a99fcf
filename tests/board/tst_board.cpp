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
    const int diagonal[] = {180, 120, 80, 40, 250, 250, 250, 250, 250, 40, 80, 120, 180};
    bool hole = sheet.image().copy(x + 4, y + 4, 5, 5) == Surface(5, 5, grey(250)).image();
    for (int i = 0; i < 13; ++i)
        hole = hole && sheet.pixel(x + i, y + i) == grey(diagonal[i]);
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
    // The ends and corners of the drawing: single pixels "grey@x,y", holes "o@x,y" by their top
    // left corner ("-": none), letters "text@x,y" as drawn alone ("ruler": column numbers).
    void drawing() {
        const std::pair<bool, const char *> boards[] = {
            {false, "-@170,140 o@190,140 o@270,140 -@290,140 o@310,140 -@410,140 -@530,140 "
                    "o@630,140 -@650,140 o@190,440 -@290,440 o@630,440 o@190,180 o@630,260 "
                    "-@630,280 -@650,180 o@190,320 o@630,400 -@630,420 -@190,160 "
                    "160@203,146 160@196,196 160@196,336 240@400,120 100@100,90 100@730,500 "
                    "255@110,490 100@100,485 100@115,500 255@100,500 130@400,285 140@400,286 "
                    "240@400,296 130@400,307 180@172,290 240@658,290 160@115,79 160@300,84 "
                    "230@300,85 230@300,89 255@731,80 230@731,100 160@737,100 160@741,484 "
                    "255@741,485 255@742,100 A@173,180 E@650,260 F@173,320 J@650,400 X@650,140 "
                    "Y@173,440 ruler@273,160 ruler@273,420"},
            {true, "-@770,140 o@870,140 -@890,140 o@870,520 -@650,520 o@870,300 -@870,320 "
                   "o@190,360 o@870,480 -@870,500 130@400,347 255@100,580 160@981,300 "
                   "160@970,84 H@890,360 N@173,480 Y@890,520 ruler@273,160 ruler@273,500"}};
        for (const auto &[BBgroot, checks] : boards) {
            const Surface sheet = drawn(BBgroot);
            const BoardGeometry &board = BoardGeometry::voor(BBgroot);
            for (const QString &check : QString(checks).split(' ')) {
                const QStringList f = check.split(QRegularExpression("[@,]"));
                const QString what = f[0];
                const QPoint p(f[1].toInt(), f[2].toInt());
                const QString text = what == "ruler" ? board.columnNumbers : what;
                Surface alone(Surface::textSize(text, bordTekstStijl()).width(), 14, grey(240));
                alone.drawText(0, 0, text, bordTekstStijl());
                QVERIFY2(what == "o" || what == "-" ? isHole(sheet, p.x(), p.y()) == (what == "o")
                         : what[0].isDigit()
                             ? sheet.pixel(p.x(), p.y()) == grey(what.toInt())
                             : sheet.image().copy(QRect(p, alone.size())) == alone.image(),
                         qPrintable(check));
            }
            // The blanks of the ruler put every number over its column, with the board's font.
            for (int column = 5; column <= board.columnCount(); column += 5) {
                const int centre = kContactX0 + kHolePitch * (column - 1);
                int left = centre + 16, right = centre - 16;
                for (int x = centre - 16; x <= centre + 16; ++x)
                    for (int y = 161; y < 174; ++y)
                        if (sheet.pixel(x, y) != grey(240)) left = std::min(left, x), right = x;
                QVERIFY2(std::abs(left + right - 2 * centre) <= 8,
                         qPrintable(QString::number(column)));
            }
        }
    }

    // The size button asks first, as everything on the board is lost; Yes draws the other
    // board into both sheets whatever they held and however they were set; No changes nothing.
    void sizeSwitch() {
        ScriptedPlatform platform;
        platform.answers = {Platform::Answer::No, Platform::Answer::Yes, Platform::Answer::Yes};
        Surface Pic2(1000, 620, qRgb(1, 2, 3)), GumPic(801, 541); // GumPic: of a 1024 x 768 screen
        Pic2.setLineWidth(3);
        Pic2.setDrawMode(Surface::DrawMode::Invert);
        const QImage before = Pic2.image().copy();
        bool BBgroot = false;
        QVERIFY(!wisselBordGrootte(platform, BBgroot, Pic2, GumPic));
        QVERIFY(!BBgroot && Pic2.image() == before);
        QCOMPARE(platform.messages[0].text,
                 "Wilt u grootte Breadboard wijzigen?\r\n(gemaakte opstelling gaat verloren)");
        QCOMPARE(platform.messages[0].title, QStringLiteral(" Size"));
        for (const bool groot : {true, false}) {
            QVERIFY(wisselBordGrootte(platform, BBgroot, Pic2, GumPic));
            QCOMPARE(BBgroot, groot);
            QCOMPARE(Pic2.image(), drawn(groot).image());
            QCOMPARE(GumPic.image(), drawn(groot).image().copy(GumPic.rect()));
            (groot ? TekenKleinBord : TekenGrootBord)(GumPic);
            QCOMPARE(GumPic.image(), drawn(!groot).image().copy(GumPic.rect()));
        }
    }

    // The raster is drawn over the sheet every 50 pixels, up to its last row and column; the
    // nine colours go by their names exactly as shown, any other name gives black.
    void rasterAndColours() {
        Surface Pic(260, 120);
        Pic.setPixel(25, 25, qRgb(255, 0, 0));
        tekenRasterLijnen(Pic, 150);
        for (const QPoint p :
             {QPoint(0, 0), QPoint(50, 7), QPoint(250, 119), QPoint(3, 100), QPoint(259, 50)})
            QCOMPARE(Pic.pixel(p.x(), p.y()), grey(150));
        QVERIFY(Pic.pixel(25, 25) == qRgb(255, 0, 0) && Pic.pixel(49, 49) == Surface::kWhite &&
                Pic.pixel(51, 51) == Surface::kWhite);
        QSet<QRgb> kleuren,
            onbekend{KleurVanNaam("rood"), KleurVanNaam("Oranje"), KleurVanNaam("")};
        for (const QString &naam : kleurNamen())
            kleuren << KleurVanNaam(naam);
        QVERIFY(kleuren.size() == 9 && kleuren.contains(qRgb(255, 255, 255)) &&
                kleuren.contains(qRgb(0, 0, 0)) && onbekend == QSet<QRgb>{qRgb(0, 0, 0)});
    }
};

VOLTARIX_TEST(TestBoard)
#include "tst_board.moc"

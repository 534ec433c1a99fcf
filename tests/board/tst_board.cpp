#include "ScriptedPlatform.h"
#include "TestRunner.h"
#include "board/BoardDrawing.h"
#include "board/BoardGeometry.h"
#include "board/BoardSize.h"
#include "board/ColourTable.h"
#include "board/Raster.h"

#include <QtTest>

#include <array>

namespace {

// A hole at (x, y): rings shading from grey 180 to 40 round a light 5 x 5 contact.
bool isHole(const Surface &sheet, int x, int y) {
    const int diagonal[] = {180, 120, 80, 40, 250, 250, 250, 250, 250, 40, 80, 120, 180};
    bool hole = sheet.image().copy(x + 4, y + 4, 5, 5) == Surface(5, 5, grey(250)).image();
    for (int i = 0; i < 13; ++i)
        hole = hole && sheet.pixel(x + i, y + i) == grey(diagonal[i]);
    return hole;
}

// The board drawn on a sheet of 1000 x 620, once for all tests.
const Surface &drawn(bool BBgroot) {
    static Surface boards[2];
    Surface &sheet = boards[BBgroot];
    if (sheet.width() == 0) {
        sheet = Surface(1000, 620);
        tekenBreadboard(sheet, BoardGeometry::voor(BBgroot));
    }
    return sheet;
}

} // namespace

class TestBoard : public QObject {
    Q_OBJECT
private slots:
    // The ends and corners of the drawing: holes by their top left corner, or none there.
    void gaten_data() {
        kolommen<bool, QPoint, bool>("groot", "p", "gat");
        const auto rijen = [](bool groot, const QList<QPoint> &gaten, const QList<QPoint> &geen) {
            for (const bool gat : {true, false})
                for (const QPoint p : gat ? gaten : geen)
                    QTest::addRow("%s board, %s at %d,%d", groot ? "big" : "small",
                                  gat ? "hole" : "no hole", p.x(), p.y())
                        << groot << p << gat;
        };
        const QList<QPoint> klein = {{190, 140}, {270, 140}, {310, 140}, {630, 140}, {190, 440},
                                     {630, 440}, {190, 180}, {630, 260}, {190, 320}, {630, 400}};
        const QList<QPoint> kleinGeen = {{170, 140}, {290, 140}, {410, 140}, {530, 140},
                                         {650, 140}, {290, 440}, {630, 280}, {650, 180},
                                         {630, 420}, {190, 160}};
        rijen(false, klein, kleinGeen);
        rijen(true, {{870, 140}, {870, 520}, {870, 300}, {190, 360}, {870, 480}},
              {{770, 140}, {890, 140}, {650, 520}, {870, 320}, {870, 500}});
    }
    void gaten() {
        auto [groot, p, gat] = velden<bool, QPoint, bool>("groot", "p", "gat");
        QCOMPARE(isHole(drawn(groot), p.x(), p.y()), gat);
    }

    // Single pixels of the frame, the strips, the edges and the shadows.
    void grijzen_data() {
        kolommen<bool, QPoint, int>("groot", "p", "grijs");
        const auto rijen = [](bool groot, std::initializer_list<std::array<int, 3>> pixels) {
            for (const auto &[x, y, grijs] : pixels)
                QTest::addRow("%s board, %d,%d", groot ? "big" : "small", x, y)
                    << groot << QPoint(x, y) << grijs;
        };
        rijen(false,
              {{203, 146, 160}, {196, 196, 160}, {196, 336, 160}, {400, 120, 240}, {100, 90, 100},
               {730, 500, 100}, {110, 490, 255}, {100, 485, 100}, {115, 500, 100}, {100, 500, 255},
               {400, 285, 130}, {400, 286, 140}, {400, 296, 240}, {400, 307, 130}, {172, 290, 180},
               {658, 290, 240}, {115, 79, 160},  {300, 84, 160},  {300, 85, 230},  {300, 89, 230},
               {731, 80, 255},  {731, 100, 230}, {737, 100, 160}, {741, 484, 160}, {741, 485, 255},
               {742, 100, 255}});
        rijen(true, {{400, 347, 130}, {100, 580, 255}, {981, 300, 160}, {970, 84, 160}});
    }
    void grijzen() {
        auto [groot, p, grijs] = velden<bool, QPoint, int>("groot", "p", "grijs");
        QCOMPARE(drawn(groot).pixel(p.x(), p.y()), grey(grijs));
    }

    // The row letters and the column numbers ("ruler") as drawn alone.
    void letters_data() {
        kolommen<bool, QString, QPoint>("groot", "tekst", "p");
        using Letter = std::tuple<const char *, int, int>;
        const auto rijen = [](bool groot, std::initializer_list<Letter> rij) {
            for (const auto &[tekst, x, y] : rij)
                QTest::addRow("%s board, %s at %d,%d", groot ? "big" : "small", tekst, x, y)
                    << groot << QString(tekst) << QPoint(x, y);
        };
        const std::initializer_list<Letter> klein = {
            {"A", 173, 180}, {"E", 650, 260}, {"F", 173, 320},     {"J", 650, 400},
            {"X", 650, 140}, {"Y", 173, 440}, {"ruler", 273, 160}, {"ruler", 273, 420}};
        const std::initializer_list<Letter> groot = {{"H", 890, 360},
                                                     {"N", 173, 480},
                                                     {"Y", 890, 520},
                                                     {"ruler", 273, 160},
                                                     {"ruler", 273, 500}};
        rijen(false, klein);
        rijen(true, groot);
    }
    void letters() {
        auto [groot, tekst, p] = velden<bool, QString, QPoint>("groot", "tekst", "p");
        if (tekst == "ruler") tekst = BoardGeometry::voor(groot).columnNumbers;
        Surface alone(Surface::textSize(tekst, bordTekstStijl()).width(), 14, grey(240));
        alone.drawText(0, 0, tekst, bordTekstStijl());
        QCOMPARE(drawn(groot).image().copy(QRect(p, alone.size())), alone.image());
    }

    // The blanks of the ruler put every number over its column, with the board's font.
    void linealen() {
        for (const bool groot : {false, true}) {
            const Surface &sheet = drawn(groot);
            for (int column = 5; column <= BoardGeometry::voor(groot).columnCount(); column += 5) {
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
        QVERIFY(!BBgroot);
        QCOMPARE(Pic2.image(), before);
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
        QCOMPARE(Pic.pixel(25, 25), qRgb(255, 0, 0));
        QCOMPARE(Pic.pixel(49, 49), Surface::kWhite);
        QCOMPARE(Pic.pixel(51, 51), Surface::kWhite);
        QSet<QRgb> kleuren,
            onbekend{KleurVanNaam("rood"), KleurVanNaam("Oranje"), KleurVanNaam("")};
        for (const QString &naam : kleurNamen())
            kleuren << KleurVanNaam(naam);
        QCOMPARE(kleuren.size(), 9);
        QVERIFY(kleuren.contains(qRgb(255, 255, 255)));
        QVERIFY(kleuren.contains(qRgb(0, 0, 0)));
        QCOMPARE(onbekend, QSet<QRgb>{qRgb(0, 0, 0)});
    }
};

VOLTARIX_TEST(TestBoard)
#include "tst_board.moc"

#include "ScriptedPlatform.h"
#include "TestRunner.h"
#include "board/BoardDrawing.h"
#include "board/BoardGeometry.h"
#include "board/BoardSize.h"
#include "board/ColourTable.h"
#include "board/Gaten.h"
#include "board/Raster.h"

#include <QRegularExpression>
#include <QtTest>

namespace {

// A hole at (x, y): rings shading from grey 180 to 40 round a light 5 x 5 contact.
bool isHole(const Surface &sheet, int x, int y) {
    const int diagonal[] = {180, 120, 80, 40, 250, 250, 250, 250, 250, 40, 80, 120, 180};
    for (int i = 0; i < 13; ++i)
        if (sheet.pixel(x + i, y + i) != grey(diagonal[i])) return false;
    return sheet.image().copy(x + 4, y + 4, 5, 5) == Surface(5, 5, grey(250)).image();
}

// The board drawn on a sheet of 1000 x 620, once for all tests.
const Surface &drawn(bool BBgroot) {
    static Surface boards[2] = {Surface(1000, 620), Surface(1000, 620)};
    [[maybe_unused]] static const bool getekend =
        (tekenBreadboard(boards[0], BoardGeometry::voor(false)),
         tekenBreadboard(boards[1], BoardGeometry::voor(true)), true);
    return boards[BBgroot];
}

} // namespace

class TestBoard : public QObject {
    Q_OBJECT
private slots:
    // Points of the drawing as "x,y=what": a hole by its top left corner ("gat"), none there
    // ("geen"), a grey level of the frame, strips, edges and shadows, or a row letter or the
    // column numbers ("ruler") as drawn alone with their top left corner there.
    void punten_data() {
        kolommen<bool, QPoint, QString>("groot", "p", "wat");
        const char *const punten[] = {
            "190,140=gat 270,140=gat 310,140=gat 630,140=gat 190,440=gat 630,440=gat 190,180=gat "
            "630,260=gat 190,320=gat 630,400=gat 170,140=geen 290,140=geen 410,140=geen "
            "530,140=geen 650,140=geen 290,440=geen 630,280=geen 650,180=geen 630,420=geen "
            "190,160=geen 203,146=160 196,196=160 196,336=160 400,120=240 100,90=100 730,500=100 "
            "110,490=255 100,485=100 115,500=100 100,500=255 400,285=130 400,286=140 400,296=240 "
            "400,307=130 172,290=180 658,290=240 115,79=160 300,84=160 300,85=230 300,89=230 "
            "731,80=255 731,100=230 737,100=160 741,484=160 741,485=255 742,100=255 173,180=A "
            "650,260=E 173,320=F 650,400=J 650,140=X 173,440=Y 273,160=ruler 273,420=ruler",
            "870,140=gat 870,520=gat 870,300=gat 190,360=gat 870,480=gat 770,140=geen 890,140=geen "
            "650,520=geen 870,320=geen 870,500=geen 400,347=130 100,580=255 981,300=160 970,84=160 "
            "890,360=H 173,480=N 890,520=Y 273,160=ruler 273,500=ruler"};
        for (const bool groot : {false, true})
            for (const QString &punt : QString(punten[groot]).split(' ')) {
                const QStringList d = punt.split(QRegularExpression("[,=]"));
                QTest::addRow("%s board, %s", groot ? "big" : "small", qPrintable(punt))
                    << groot << QPoint(d[0].toInt(), d[1].toInt()) << d[2];
            }
    }
    void punten() {
        auto [groot, p, wat] = velden<bool, QPoint, QString>("groot", "p", "wat");
        const bool isGrijs = wat.front().isDigit();
        if (wat == "ruler") wat = BoardGeometry::voor(groot).columnNumbers;
        Surface alone(Surface::textSize(wat, bordTekstStijl()).width(), 14, grey(240));
        alone.drawText(0, 0, wat, bordTekstStijl());
        if (isGrijs)
            QCOMPARE(drawn(groot).pixel(p.x(), p.y()), grey(wat.toInt()));
        else if (wat == "gat" || wat == "geen")
            QCOMPARE(isHole(drawn(groot), p.x(), p.y()), wat == "gat");
        else
            QCOMPARE(drawn(groot).image().copy(QRect(p, alone.size())), alone.image());
    }

    // The holes looked up are the holes drawn, every one of them: 230 + 40 on the small
    // board, 490 + 60 on the big one; a strip has five holes (seven), a rail twenty (thirty).
    void gatenZoalsGetekend() {
        for (const bool groot : {false, true}) {
            const Gaten &gaten = Gaten::voor(groot);
            QCOMPARE(int(gaten.alle().size()), groot ? 550 : 270);
            for (const Gaten::Gat &gat : gaten.alle())
                QVERIFY2(isHole(drawn(groot), gat.hoek.x(), gat.hoek.y()), qPrintable(gat.naam()));
            QCOMPARE(int(gaten.verbonden(*gaten.onder({196, 186})).size()), groot ? 7 : 5);
            QCOMPARE(int(gaten.verbonden(*gaten.onder({196, 146})).size()), groot ? 30 : 20);
        }
    }

    // A point of the sheet: the hole whose square holds it, the nearest hole within 10
    // pixels and what the board joins that one with ("" for none).
    void gatOpzoeken_data() {
        const Tabel<bool, QPoint, QString, QString, QString> rij("groot", "p", "onder",
                                                                 "dichtstbij", "verbinding");
        rij("centre of C12", false, {416, 226}, "C12", "C12", "verbonden met A12 - E12");
        rij("corner of A1", false, {190, 180}, "A1", "A1", "verbonden met A1 - E1");
        rij("8 below J23", false, {636, 414}, "", "J23", "verbonden met F23 - J23");
        rij("just over 10 from E1", false, {203, 274}, "", "", "");
        rij("10 below E1", false, {196, 276}, "", "E1", "verbonden met A1 - E1");
        rij("between two: the first", false, {206, 186}, "", "A1", "verbonden met A1 - E1");
        rij("rail X", false, {200, 150}, "X", "X", "verbonden met rail X");
        rij("rail gap", false, {296, 146}, "", "", "");
        rij("centre channel", false, {400, 291}, "", "", "");
        rij("outside the face", false, {60, 60}, "", "", "");
        rij("big board, H12", true, {416, 366}, "H12", "H12", "verbonden met H12 - N12");
        rij("big board, G35", true, {876, 306}, "G35", "G35", "verbonden met A35 - G35");
        rij("big board, rail Y", true, {876, 526}, "Y", "Y", "verbonden met rail Y");
        rij("big board, gap at 770", true, {776, 526}, "", "", "");
        rij("big board, centre channel", true, {416, 336}, "", "", "");
    }
    void gatOpzoeken() {
        auto [groot, p, onder, dichtstbij, verbinding] =
            velden<bool, QPoint, QString, QString, QString>("groot", "p", "onder", "dichtstbij",
                                                            "verbinding");
        const Gaten &gaten = Gaten::voor(groot);
        const auto naam = [](const std::optional<Gaten::Gat> &gat) {
            return gat ? gat->naam() : QString();
        };
        QCOMPARE(naam(gaten.onder(p)), onder);
        QCOMPARE(naam(gaten.dichtstbij(p)), dichtstbij);
        const auto gat = gaten.dichtstbij(p);
        QCOMPARE(gat ? gaten.verbindingTekst(*gat) : QString(), verbinding);
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
        ALLE_WAAR(
            !wisselBordGrootte(platform, BBgroot, Pic2, GumPic), !BBgroot, Pic2.image() == before,
            platform.messages[0].title + '|' + platform.messages[0].text ==
                " Size|Wilt u grootte Breadboard wijzigen?\r\n(gemaakte opstelling gaat verloren)");
        for (const bool groot : {true, false}) {
            ALLE_WAAR(wisselBordGrootte(platform, BBgroot, Pic2, GumPic), BBgroot == groot,
                      Pic2.image() == drawn(groot).image(),
                      GumPic.image() == drawn(groot).image().copy(GumPic.rect()));
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
        for (const auto &[x, y] : {std::pair(0, 0), {50, 7}, {250, 119}, {3, 100}, {259, 50}})
            QCOMPARE(Pic.pixel(x, y), grey(150));
        ALLE_WAAR(Pic.pixel(25, 25) == qRgb(255, 0, 0),
                  (Pic.pixel(49, 49) & Pic.pixel(51, 51)) == Surface::kWhite);
        QSet<QRgb> kleuren, onbekend;
        for (const QString &naam : kleurNamen() + QStringList{"rood", "Oranje", ""})
            (kleurNamen().contains(naam) ? kleuren : onbekend) << KleurVanNaam(naam);
        ALLE_WAAR(kleuren.size() == 9, kleuren.contains(qRgb(255, 255, 255)),
                  kleuren.contains(qRgb(0, 0, 0)), (onbekend == QSet<QRgb>{qRgb(0, 0, 0)}));
    }
};

VOLTARIX_TEST(TestBoard)
#include "tst_board.moc"

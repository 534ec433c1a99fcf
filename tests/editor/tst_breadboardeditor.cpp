#include "TestFolder.h"
#include "TestRunner.h"
#include "board/BoardDrawing.h"
#include "editor/BreadboardEditor.h"
#include "editor/BreadboardTekenen.h"
#include "editor/Design.h"

#include <QtTest>

namespace {

const QRgb kRood = qRgb(255, 0, 0), kBlauw = qRgb(0, 0, 255);
using Modus = BreadboardEditor::Gereedschap;

// The editor on a small board, with one part picture "Onderdeel" (20 x 10: transparent
// on the left, blue on the right) at tool box index 5 and a broken one at index 6.
struct Opstelling {
    TestFolder map;
    Design design;
    BreadboardEditor editor{design, AppFolder(map.root())};

    Opstelling() {
        design.Pic2.resize(700, 500);
        design.GumPic.resize(700, 500);
        TekenKleinBord(design.Pic2);
        TekenKleinBord(design.GumPic);
        QImage part(20, 10, QImage::Format_Indexed8);
        part.setColorTable({qRgb(1, 2, 3), kBlauw});
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 20; ++x)
                part.setPixel(x, y, x < 10 ? 0 : 1);
        map.writeFile(QStringLiteral("Breadboard/Onderdeel.gif"), gifFile(part, 0));
        map.writeFile(QStringLiteral("Breadboard/Kapot.gif"), QByteArray("GIF89a broken"));
    }

    void kies(int modus) {
        static const QStringList namen = {"Componenten",    "Draadverbinding", "Gummen",
                                          "Tekst Plaatsen", QString(52, '-'),  "Onderdeel",
                                          "Kapot"};
        editor.kiesGereedschap(modus, namen.value(modus));
    }

    // A drag with the left button through the given points, released at the last.
    void sleep(const QList<QPoint> &punten) {
        editor.MouseDown(Qt::LeftButton, punten.first().x(), punten.first().y());
        for (const QPoint &p : punten.mid(1))
            editor.MouseMove(Qt::LeftButton, p.x(), p.y());
        editor.MouseUp(Qt::LeftButton, punten.last().x(), punten.last().y());
    }

    // A press and a release without any move between them.
    void klik(QPoint druk, QPoint los) {
        editor.MouseDown(Qt::LeftButton, druk.x(), druk.y());
        editor.MouseUp(Qt::LeftButton, los.x(), los.y());
    }

    QImage blad() const { return design.Pic2.image().copy(); }
};

// The sheet as it should be: `voor` with one wire drawn over it.
QImage metDraad(const QImage &voor, QPoint van, QPoint naar, int breedte, QRgb kleur) {
    Surface verwacht(voor);
    verwacht.setLineWidth(breedte);
    verwacht.drawLine(van.x(), van.y(), naar.x(), naar.y(), kleur);
    return verwacht.image();
}

// How many pixels of a column, between two rows, have this colour.
int telInKolom(const Surface &blad, int x, int van, int tot, QRgb kleur) {
    int aantal = 0;
    for (int y = van; y <= tot; ++y)
        aantal += blad.pixel(x, y) == kleur;
    return aantal;
}

} // namespace

class TestBreadboardEditor : public QObject {
    Q_OBJECT
private slots:
    void snapshotBijDrukken_data();
    void snapshotBijDrukken();
    void gummen_data();
    void gummen();
    void draadBreedtes();
    void elastiekLaatGeenSpoor_data();
    void elastiekLaatGeenSpoor();
    void tweedeKnopTijdensDraad();
    void kleurTussenDraden();
    void modusNaLoslaten_data();
    void modusNaLoslaten();
    void voorbeeldenPerModus_data();
    void voorbeeldenPerModus();
    void stempelLandtWaarVoorbeeldStond_data();
    void stempelLandtWaarVoorbeeldStond();
    void rechtsLoslatenStempeltNiets();
    void mislukkendPlaatjeHoudtVorige();
    void tekstInGrootteBijLoslaten();
    void legeTekstEindigtModus();
    void statusEnGumVolgenAltijd();
};

void TestBreadboardEditor::snapshotBijDrukken_data() {
    QTest::addColumn<int>("modus");
    QTest::addColumn<bool>("snapshot");
    QTest::newRow("Componenten") << int(Modus::kComponenten) << false;
    QTest::newRow("Draadverbinding") << int(Modus::kDraadverbinding) << true;
    QTest::newRow("Gummen") << int(Modus::kGummen) << true;
    QTest::newRow("Tekst Plaatsen") << int(Modus::kTekstPlaatsen) << true;
    QTest::newRow("separator") << int(Modus::kScheiding) << false;
    QTest::newRow("part picture") << int(Modus::kEersteOnderdeel) << true;
}

void TestBreadboardEditor::snapshotBijDrukken() {
    QFETCH(int, modus);
    QFETCH(bool, snapshot);
    Opstelling o;
    // An earlier press in the wire mode took the snapshot of the bare board.
    o.kies(Modus::kDraadverbinding);
    o.sleep({{250, 250}, {300, 260}});
    const QImage bordAlleen = o.design.UndoPic.image().copy();
    const QImage metDraad = o.blad();
    QVERIFY(bordAlleen != metDraad);

    o.kies(modus);
    for (const Qt::MouseButton knop : {Qt::RightButton, Qt::LeftButton}) {
        o.editor.MouseDown(knop, 400, 300);
        QCOMPARE(o.design.UndoPic.image(), snapshot ? metDraad : bordAlleen);
        QCOMPARE(o.editor.start(), snapshot ? QPoint(400, 300) : QPoint(250, 250));
        o.editor.MouseUp(knop, 400, 300);
        o.kies(modus);
    }
}

void TestBreadboardEditor::gummen_data() {
    QTest::addColumn<Qt::MouseButton>("knop");
    QTest::addColumn<int>("y");
    QTest::addColumn<bool>("gegumd");
    QTest::newRow("left at y = 56") << Qt::LeftButton << 56 << true;
    QTest::newRow("left at y = 55") << Qt::LeftButton << 55 << false;
    QTest::newRow("right at y = 200") << Qt::RightButton << 200 << false;
}

void TestBreadboardEditor::gummen() {
    QFETCH(Qt::MouseButton, knop);
    QFETCH(int, y);
    QFETCH(bool, gegumd);
    Opstelling o;
    o.design.Pic2.fillBox(0, 0, 699, 499, kRood);
    o.kies(Modus::kGummen);
    o.editor.MouseDown(knop, 300, y);
    const QImage rood = Surface(700, 500, kRood).image();
    QCOMPARE(differingRect(o.blad(), rood), gegumd ? QRect(285, y - 15, 16, 16) : QRect());
    // Moving with the left button held erases on; hovering does not.
    o.editor.MouseMove(Qt::NoButton, 400, 300);
    o.editor.MouseMove(Qt::LeftButton, 500, 300);
    o.editor.MouseUp(Qt::LeftButton, 500, 300);
    QCOMPARE(o.design.Pic2.pixel(395, 295), kRood);
    QVERIFY(o.design.Pic2.pixel(495, 295) != kRood);
    QCOMPARE(o.editor.Modus(), int(Modus::kGummen));
}

void TestBreadboardEditor::draadBreedtes() {
    Opstelling o;
    o.kies(Modus::kDraadverbinding);
    // Without a drag the first wire is 1 pixel wide.
    o.klik({100, 200}, {300, 200});
    QCOMPARE(telInKolom(o.design.Pic2, 200, 195, 205, kRood), 1);
    // A drag makes it 3, and so it stays for the next wire without a drag.
    o.sleep({{100, 250}, {200, 250}, {300, 250}});
    QCOMPARE(telInKolom(o.design.Pic2, 200, 245, 255, kRood), 3);
    o.klik({100, 300}, {300, 300});
    QCOMPARE(telInKolom(o.design.Pic2, 200, 295, 305, kRood), 3);
    QCOMPARE(o.editor.Modus(), int(Modus::kDraadverbinding));
    // A cancel brings back 1 pixel.
    o.editor.MouseUp(Qt::RightButton, 0, 0);
    o.kies(Modus::kDraadverbinding);
    o.klik({100, 350}, {300, 350});
    QCOMPARE(telInKolom(o.design.Pic2, 200, 345, 355, kRood), 1);
}

void TestBreadboardEditor::elastiekLaatGeenSpoor_data() {
    QTest::addColumn<QString>("einde");
    QTest::addColumn<bool>("draad");
    QTest::newRow("release at the last point") << "left" << true;
    QTest::newRow("release elsewhere") << "left elsewhere" << true;
    QTest::newRow("right release") << "right" << false;
    QTest::newRow("middle release") << "middle" << false;
    QTest::newRow("another tool") << "tool" << false;
}

void TestBreadboardEditor::elastiekLaatGeenSpoor() {
    QFETCH(QString, einde);
    QFETCH(bool, draad);
    Opstelling o;
    o.kies(Modus::kDraadverbinding);
    const QImage voor = o.blad();
    const QPoint start(150, 150);
    o.editor.MouseDown(Qt::LeftButton, start.x(), start.y());
    for (const QPoint p : {QPoint(400, 300), QPoint(-50, 480), QPoint(650, 200)}) {
        o.editor.MouseMove(Qt::LeftButton, p.x(), p.y());
        QVERIFY(o.blad() != voor); // the band shows
    }
    QPoint los(650, 200);
    if (einde == "left elsewhere") los = QPoint(600, 400);
    if (einde.startsWith("left")) o.editor.MouseUp(Qt::LeftButton, los.x(), los.y());
    if (einde == "right") o.editor.MouseUp(Qt::RightButton, los.x(), los.y());
    if (einde == "middle") o.editor.MouseUp(Qt::MiddleButton, los.x(), los.y());
    if (einde == "tool") o.kies(Modus::kGummen);
    QCOMPARE(o.blad(), draad ? metDraad(voor, start, los, 3, kRood) : voor);
    QCOMPARE(o.design.Pic2.drawMode(), Surface::DrawMode::Copy);
}

void TestBreadboardEditor::tweedeKnopTijdensDraad() {
    Opstelling o;
    o.kies(Modus::kDraadverbinding);
    const QImage voor = o.blad();
    o.editor.MouseDown(Qt::LeftButton, 150, 150);
    o.editor.MouseMove(Qt::LeftButton, 300, 300);
    o.editor.MouseDown(Qt::RightButton, 300, 300);
    // The snapshot and the start point still belong to the wire drag.
    QCOMPARE(o.design.UndoPic.image(), voor);
    QCOMPARE(o.editor.start(), QPoint(150, 150));
    o.editor.MouseMove(Qt::LeftButton | Qt::RightButton, 320, 310);
    o.editor.MouseUp(Qt::RightButton, 320, 310);
    QCOMPARE(o.blad(), voor);
    QCOMPARE(o.editor.Modus(), int(Modus::kComponenten));
    o.editor.MouseUp(Qt::LeftButton, 320, 310);
    QCOMPARE(o.blad(), voor);
}

void TestBreadboardEditor::kleurTussenDraden() {
    Opstelling o;
    o.kies(Modus::kDraadverbinding);
    o.sleep({{100, 200}, {300, 200}});
    o.editor.kiesKleur(QStringLiteral("Blauw"));
    o.sleep({{100, 250}, {300, 250}});
    o.editor.kiesKleur(QStringLiteral("Oranje")); // not in the table: black
    o.sleep({{100, 300}, {300, 300}});
    QCOMPARE(o.design.Pic2.pixel(200, 200), kRood);
    QCOMPARE(o.design.Pic2.pixel(200, 250), kBlauw);
    QCOMPARE(o.design.Pic2.pixel(200, 300), qRgb(0, 0, 0));
}

void TestBreadboardEditor::modusNaLoslaten_data() {
    QTest::addColumn<int>("modus");
    QTest::addColumn<Qt::MouseButton>("knop");
    QTest::addColumn<int>("daarna");
    const int nul = Modus::kComponenten;
    QTest::newRow("wire, left") << int(Modus::kDraadverbinding) << Qt::LeftButton << 1;
    QTest::newRow("wire, right") << int(Modus::kDraadverbinding) << Qt::RightButton << nul;
    QTest::newRow("wire, middle") << int(Modus::kDraadverbinding) << Qt::MiddleButton << nul;
    QTest::newRow("eraser, right") << int(Modus::kGummen) << Qt::RightButton << 2;
    QTest::newRow("eraser, middle") << int(Modus::kGummen) << Qt::MiddleButton << 2;
    QTest::newRow("text, left") << int(Modus::kTekstPlaatsen) << Qt::LeftButton << nul;
    QTest::newRow("text, right") << int(Modus::kTekstPlaatsen) << Qt::RightButton << nul;
    QTest::newRow("text, middle") << int(Modus::kTekstPlaatsen) << Qt::MiddleButton << nul;
    QTest::newRow("part, left") << int(Modus::kEersteOnderdeel) << Qt::LeftButton << nul;
    QTest::newRow("part, middle") << int(Modus::kEersteOnderdeel) << Qt::MiddleButton << nul;
    QTest::newRow("part, right") << int(Modus::kEersteOnderdeel) << Qt::RightButton << nul;
    QTest::newRow("separator, right") << int(Modus::kScheiding) << Qt::RightButton << 4;
}

void TestBreadboardEditor::modusNaLoslaten() {
    QFETCH(int, modus);
    QFETCH(Qt::MouseButton, knop);
    QFETCH(int, daarna);
    Opstelling o;
    o.kies(modus);
    o.editor.MouseDown(knop, 300, 300);
    o.editor.MouseMove(knop, 310, 305);
    o.editor.MouseUp(knop, 310, 305);
    QCOMPARE(o.editor.Modus(), daarna);
    if (daarna == Modus::kComponenten && modus != Modus::kComponenten) {
        QCOMPARE(o.design.Pic2.lineWidth(), 1);
        QCOMPARE(o.design.Pic2.drawMode(), Surface::DrawMode::Copy);
        QVERIFY(!o.editor.BBlayer().zichtbaar);
        QVERIFY(!o.editor.TekstLabel().zichtbaar);
        QVERIFY(!o.editor.tekstGereedschapZichtbaar());
        // Until a tool is chosen again, a press does nothing at all.
        const QImage na = o.blad(), undo = o.design.UndoPic.image().copy();
        o.editor.MouseDown(Qt::LeftButton, 100, 100);
        o.editor.MouseMove(Qt::LeftButton, 300, 300);
        o.editor.MouseUp(Qt::LeftButton, 300, 300);
        QCOMPARE(o.blad(), na);
        QCOMPARE(o.design.UndoPic.image(), undo);
    }
}

void TestBreadboardEditor::voorbeeldenPerModus_data() {
    QTest::addColumn<int>("modus");
    QTest::addColumn<bool>("onderdeel");
    QTest::addColumn<bool>("gum");
    QTest::addColumn<bool>("tekst");
    QTest::newRow("Componenten") << int(Modus::kComponenten) << false << false << false;
    QTest::newRow("Draadverbinding") << int(Modus::kDraadverbinding) << false << false << false;
    QTest::newRow("Gummen") << int(Modus::kGummen) << false << true << false;
    QTest::newRow("Tekst Plaatsen") << int(Modus::kTekstPlaatsen) << false << false << true;
    QTest::newRow("separator") << int(Modus::kScheiding) << false << false << false;
    QTest::newRow("part") << int(Modus::kEersteOnderdeel) << true << false << false;
}

void TestBreadboardEditor::voorbeeldenPerModus() {
    QFETCH(int, modus);
    QFETCH(bool, onderdeel);
    QFETCH(bool, gum);
    QFETCH(bool, tekst);
    Opstelling o;
    // Coming from the text mode: its preview must not stay behind under another tool.
    o.kies(Modus::kTekstPlaatsen);
    o.kies(modus);
    QCOMPARE(o.editor.Modus(), modus);
    QCOMPARE(o.editor.BBlayer().zichtbaar, onderdeel);
    QCOMPARE(o.editor.GumLayer().zichtbaar, gum);
    QCOMPARE(o.editor.TekstLabel().zichtbaar, tekst);
    QCOMPARE(o.editor.tekstGereedschapZichtbaar(), tekst);
}

void TestBreadboardEditor::stempelLandtWaarVoorbeeldStond_data() {
    QTest::addColumn<Qt::MouseButton>("knop");
    QTest::newRow("left") << Qt::LeftButton;
    QTest::newRow("middle") << Qt::MiddleButton;
}

void TestBreadboardEditor::stempelLandtWaarVoorbeeldStond() {
    QFETCH(Qt::MouseButton, knop);
    Opstelling o;
    o.kies(Modus::kEersteOnderdeel);
    const QImage voor = o.blad();
    o.editor.MouseDown(knop, 300, 250);
    o.editor.MouseMove(knop, 330, 260);
    const QRect voorbeeld = o.editor.BBlayer().plek;
    QCOMPARE(voorbeeld, QRect(330 - 20 - 5, 260 - 10 - 5, 20, 10));
    o.editor.MouseUp(knop, 330, 260);
    // Only the blue right half is written; the transparent half leaves the board.
    QCOMPARE(differingRect(o.blad(), voor), voorbeeld.adjusted(10, 0, 0, 0));
    for (int y = voorbeeld.top(); y <= voorbeeld.bottom(); ++y)
        QCOMPARE(o.design.Pic2.pixel(voorbeeld.left() + 10, y), kBlauw);
    QCOMPARE(o.editor.Modus(), int(Modus::kComponenten));
    QVERIFY(!o.editor.BBlayer().zichtbaar);
}

void TestBreadboardEditor::rechtsLoslatenStempeltNiets() {
    Opstelling o;
    o.kies(Modus::kEersteOnderdeel);
    const QImage voor = o.blad();
    o.editor.MouseDown(Qt::RightButton, 300, 250);
    o.editor.MouseUp(Qt::RightButton, 300, 250);
    QCOMPARE(o.blad(), voor);
    QVERIFY(!o.editor.BBlayer().zichtbaar);
}

void TestBreadboardEditor::mislukkendPlaatjeHoudtVorige() {
    Opstelling o;
    QCOMPARE(o.design.BBPic.size(), QSize(0, 0));
    o.kies(Modus::kEersteOnderdeel);
    const QImage onderdeel = o.design.BBPic.image().copy();
    QCOMPARE(onderdeel.size(), QSize(20, 10));
    QCOMPARE(onderdeel.pixel(0, 0), Surface::kWhite);
    o.kies(6); // broken file
    QCOMPARE(o.design.BBPic.image(), onderdeel);
    QVERIFY(o.editor.BBlayer().zichtbaar);
    o.kies(Modus::kComponenten);
    QCOMPARE(o.design.BBPic.image(), onderdeel);
    QCOMPARE(o.editor.BBlayerBeeld().size(), QSize(20, 10));
}

void TestBreadboardEditor::tekstInGrootteBijLoslaten() {
    Opstelling o;
    o.editor.zetTekst(QStringLiteral("Led 1"));
    o.editor.zetVet(true);
    o.editor.zetTekstGrootte(QStringLiteral("8"));
    o.kies(Modus::kTekstPlaatsen);
    const QImage voor = o.blad();
    o.editor.MouseDown(Qt::LeftButton, 400, 300);
    o.editor.MouseMove(Qt::LeftButton, 450, 320);
    const QSize klein = o.editor.TekstLabel().plek.size();
    o.editor.zetTekstGrootte(QStringLiteral("24"));
    const QRect groot = o.editor.TekstLabel().plek;
    QVERIFY(groot.height() > klein.height() * 2);
    o.editor.MouseUp(Qt::LeftButton, 450, 320);

    // The letters stand inside the place of the preview, at 24 points, bold, red.
    Surface verwacht(voor);
    Surface::TextStyle stijl;
    stijl.pointSize = 24;
    stijl.bold = true;
    stijl.colour = kRood;
    const QPoint hoek(450 - groot.width() - 5, 320 - groot.height() - 5);
    verwacht.drawText(hoek.x(), hoek.y(), QStringLiteral("Led 1"), stijl);
    QCOMPARE(o.blad(), verwacht.image());
    QVERIFY(QRect(hoek, groot.size()).contains(differingRect(o.blad(), voor)));
    QCOMPARE(o.editor.Modus(), int(Modus::kComponenten));
    QVERIFY(!o.editor.tekstGereedschapZichtbaar());
}

void TestBreadboardEditor::legeTekstEindigtModus() {
    Opstelling o;
    o.editor.zetTekst(QString());
    o.kies(Modus::kTekstPlaatsen);
    const QImage voor = o.blad();
    o.sleep({{300, 300}, {320, 320}});
    QCOMPARE(o.blad(), voor);
    QCOMPARE(o.editor.Modus(), int(Modus::kComponenten));
}

void TestBreadboardEditor::statusEnGumVolgenAltijd() {
    Opstelling o;
    for (const int modus : {0, 1, 3, 4, 5}) {
        o.kies(modus);
        QCOMPARE(o.editor.MouseMove(Qt::NoButton, 216, 146), QStringLiteral("Contactpunt : 2, 1"));
        QVERIFY(!o.editor.MouseMove(Qt::NoButton, 100, 300).has_value());
        QCOMPARE(o.editor.GumLayer().plek, QRect(85, 285, 16, 16));
    }
    // The text preview follows only in its own mode, the part preview in the others.
    o.kies(Modus::kTekstPlaatsen);
    o.editor.MouseMove(Qt::NoButton, 400, 300);
    const QRect tekst = o.editor.TekstLabel().plek;
    QCOMPARE(tekst.bottomRight(), QPoint(400 - 6, 300 - 6));
    o.kies(Modus::kEersteOnderdeel);
    o.editor.MouseMove(Qt::NoButton, 200, 200);
    QCOMPARE(o.editor.TekstLabel().plek.topLeft(), tekst.topLeft());
    QCOMPARE(o.editor.BBlayer().plek.bottomRight(), QPoint(200 - 6, 200 - 6));
}

VOLTARIX_TEST(TestBreadboardEditor)
#include "tst_breadboardeditor.moc"

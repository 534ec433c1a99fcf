// The symbol designer's model: its pictures, the mouse, every button's command, undo.
#include "ScriptedPlatform.h"
#include "TestFolder.h"
#include "TestRunner.h"
#include "symbols/IconDesignModel.h"
#include "symbols/IconRaster.h"
#include "symbols/IconTools.h"

#include <QtTest>

#include <functional>

using namespace IconRaster;

namespace {

using Bewerking = std::function<void(Surface &)>;
const QRgb kZwart = qRgb(0, 0, 0), kRood = qRgb(255, 0, 0), kWit = Surface::kWhite;
const QString kTitel = QStringLiteral(" 49 x 49 Symbool Designer");

struct Ontwerper : ScriptedPlatform {
    void druk(int cx, int cy, Qt::MouseButtons knop = Qt::LeftButton) { // in the cell's centre
        model.IconPicture_MouseDown(knop, 10 * (cx + 1), 10 * (cy + 1));
    }
    // The grid always shows what a repaint from the drawing, the one source of truth, gives.
    bool rasterKlopt() const {
        Surface verwacht(kRasterGrootte, kRasterGrootte);
        ToonIcon(verwacht, model.tekening());
        return model.raster().image() == verwacht.image();
    }
    IconDesignModel model{*this};
};

// The drawing in which each pixel comes from where `bron` says, white from outside, its
// colour bits flipped by `keer`.
Bewerking verplaats(QPoint (*bron)(int x, int y), QRgb keer = 0) {
    return [bron, keer](Surface &s) {
        const Surface voor = s;
        for (int i = 0; i < 49 * 49; ++i) {
            const QPoint p = bron(i % 49, i / 49);
            s.setPixel(i % 49, i / 49,
                       voor.rect().contains(p) ? voor.pixel(p.x(), p.y()) ^ keer : kWit);
        }
    };
}

// A button, the answer (or size, or file name), its effect on the drawing, all text shown.
using Opdracht = std::tuple<int, QString, Bewerking, QString>;

} // namespace

class TestIconDesign : public QObject {
    Q_OBJECT
private slots:
    // The size typed for a square or circle: rounded half to even, 1 to 24; 0 for refused.
    void sizeAnswers() {
        const std::pair<const char *, int> rijen[] = {
            {"1", 1},     {"24", 24},   {"  7 ", 7},  {"\t12\n", 12}, {"+3", 3},   {"2.5", 2},
            {"3.5", 4},   {"24.5", 24}, {"0.51", 1},  {"7.", 7},      {".9", 1},   {"1.2E1", 12},
            {"", 0},      {"abc", 0},   {"0", 0},     {"25", 0},      {"-1", 0},   {"0.5", 0},
            {"24.51", 0}, {"1e3", 0},   {"1e400", 0}, {"1e99", 0},    {"7abc", 0}, {"\u0667", 0}};
        for (const auto &[tekst, maat] : rijen)
            QVERIFY2(IconTools::leesMaat(QString::fromUtf8(tekst)).value_or(0) == maat, tekst);
    }

    // Grid cells, lines, margins, markers; a cell owns its left and top line; the palette.
    void pictures() {
        Surface raster(kRasterGrootte, kRasterGrootte), palet(60, 239);
        ToonIcon(raster, Surface(bont(49, 49)));
        for (int i = 0; i < 49 * 49 * 4; ++i)
            QCOMPARE(
                raster.pixel(i / 4 % 49 * 10 + 6 + i % 2 * 8, i / 196 * 10 + 6 + i / 2 % 2 * 8),
                bont(49, 49).pixel(i / 4 % 49, i / 196));
        const QRgb kleur[] = {kLijnKleur, kWit, kRood, kZwart}; // x, y and the colour there
        const int punten[][3] = {{5, 100, 0}, {15, 100, 0},  {100, 255, 0}, {495, 495, 0},
                                 {4, 100, 1}, {496, 100, 1}, {245, 498, 3}, {2, 244, 1},
                                 {2, 250, 2}, {250, 2, 2},   {250, 498, 2}, {498, 250, 2},
                                 {1, 245, 3}, {499, 255, 3}};
        for (const auto &[x, y, k] : punten)
            QCOMPARE(std::pair(QPoint(x, y), raster.pixel(x, y)),
                     std::pair(QPoint(x, y), kleur[k]));
        const QPoint geen(-1, -1);
        for (const auto &[v, c] :
             {std::pair{-7, -2}, {4, -1}, {5, 0}, {250, 24}, {494, 48}, {495, 49}}) {
            QCOMPARE(std::pair(celOnder(v, 250).value_or(geen), celOnder(250, v).value_or(geen)),
                     c >= 0 && c < 49 ? std::pair(QPoint(c, 24), QPoint(24, c))
                                      : std::pair(geen, geen));
            QCOMPARE(coordinaten(v, 250), QStringLiteral("X:%1 - Y:25").arg(c + 1));
        }
        TekenPalet(palet); // x, y and the swatch colour; a shared edge goes right and down
        const int stalen[][5] = {
            {3, 230, 255, 255, 255}, {10, 5, 0, 255, 255},   {20, 230, 0, 0, 255},
            {28, 5, 255, 0, 255},    {36, 230, 255, 255, 0}, {56, 234, 0, 255, 0},
            {4, 70, 75, 75, 75},     {8, 13, 0, 240, 240},   {58, 100, 240, 240, 240}};
        for (const auto &[x, y, r, g, b] : stalen)
            QCOMPARE(std::pair(QPoint(x, y), palet.pixel(x, y)),
                     std::pair(QPoint(x, y), qRgb(r, g, b)));
        QCOMPARE(kleurHint(qRgb(12, 34, 56)), QStringLiteral(" R:12 / G:34 / B:56 "));
    }

    // A drag paints with left, erases with right, else nothing (the row's `kleur`); picking
    // takes the grid's own pixel (a line's grey when `lijn`), paints nothing and ends;
    // meanwhile only the palette works.
    void mouse_data() {
        const Tabel<int, QRgb, bool> rij("knoppen", "kleur", "lijn");
        rij("left paints", Qt::LeftButton, kRood, false);
        rij("right erases", Qt::RightButton, kWit, true);
        rij("both: nothing", Qt::LeftButton | Qt::RightButton, kZwart, false);
        rij("middle: nothing", Qt::MiddleButton, kZwart, true);
        rij("none: nothing", 0, kZwart, false);
    }
    void mouse() {
        auto [knoppen, kleur, lijn] = velden<int, QRgb, bool>("knoppen", "kleur", "lijn");
        Ontwerper o;
        for (int cx = 10; cx <= 20; ++cx)
            o.druk(cx, 30);
        o.druk(1, 1, Qt::MiddleButton);
        o.model.IconPalet_MouseDown(44, 5); // red
        for (int x = 110; x <= 210; x += 3)
            o.model.IconPicture_MouseMove(Qt::MouseButtons(knoppen), x, 310);
        Surface verwacht(49, 49);
        verwacht.fillBox(10, 30, 20, 30, kleur);
        QVERIFY(o.model.tekening().image() == verwacht.image() && o.rasterKlopt());
        for (int knop : {IconDesignModel::kKiesKnop, 7, IconDesignModel::kKiesKnop})
            o.model.KnopB_Click(knop);
        o.model.IconPalet_MouseDown(20, 130); // (0, 0, 150)
        QVERIFY(o.messages.isEmpty() && o.model.kiezen() &&
                o.model.tekenKleur() == qRgb(0, 0, 150));
        o.model.IconPicture_MouseDown(Qt::RightButton, lijn ? 15 : 160, lijn ? 100 : 310);
        QVERIFY(!o.model.kiezen());
        QCOMPARE(o.model.tekening().image(), verwacht.image());
        QCOMPARE(o.model.tekenKleur(), lijn ? kLijnKleur : kleur);
    }

    // Every button's command, after its question; button 12, the picker and 0 and 16 do nothing.
    void commands_data() {
        QTest::addColumn<Opdracht>("opdracht");
        const Bewerking niets = [](Surface &) {};
        const QString nieuw = "Wilt u een nieuw Icon ontwerpen ?  Nieuw";
        const QString vul = "Wilt u het Icon vullen met de vulkleur?  Fill";
        const QString maat = "Geef de %1 (1..24)\r\nwaarvan 1 het kleinst is en 24 het grootst.";
        const QString vierkant = maat.arg("lengte van het vierkant");
        const QString cirkel = maat.arg("diameter van de circel");
        const Opdracht opdrachten[] = {
            {1, "Yes", [](Surface &s) { s.clear(); }, nieuw},
            {1, "No", niets, nieuw},
            {2, "Led 1.bmp", [](Surface &s) { s.setImage(bont(49, 49).mirrored()); }, ""},
            {2, "48.bmp", niets,
             "Deze afbeelding is geen 49 x 49 pixels!\r\n(maar 48 x 48 pixels)"},
            {2, "tekst.bmp", niets, ""},
            {2, "half.bmp", niets, ""}, // regression: a cut-off BMP opened with black rows
            {2, "", niets, ""},
            {3, "z", niets, ""},
            {3, "", niets, ""},
            {3, "nergens/z.bmp", niets, ""},
            {4, "12", [](Surface &s) { s.drawBox(12, 12, 36, 36, kRood); }, vierkant},
            {4, "25", niets, vierkant + "|Allen nummers tussen 1..24"},
            {5, "", verplaats([](int x, int y) { return QPoint(y, 48 - x); }), ""},
            {6, "", verplaats([](int x, int y) { return QPoint(48 - x, y); }), ""},
            {7, "Yes", [](Surface &s) { s.fillBox(0, 0, 48, 48, kRood); }, vul},
            {7, "No", niets, vul},
            {8, "", verplaats([](int x, int y) { return QPoint(x + 1, y); }), ""},
            {9, "", verplaats([](int x, int y) { return QPoint(x - 1, y); }), ""},
            {10, "", verplaats([](int x, int y) { return QPoint(x, y + 1); }), ""},
            {11, "", verplaats([](int x, int y) { return QPoint(x, y - 1); }), ""},
            {12, "", niets, ""},
            {13, "", verplaats([](int x, int y) { return QPoint(x, y); }, 0xffffff), ""},
            {14, "12", [](Surface &s) { s.drawCircle(24, 24, 12, kRood); }, cirkel},
            {14, "abc", niets, cirkel + "|Alleen nummers tussen 1..24"},
            {15, "", niets, ""},
            {0, "", niets, ""},
            {16, "", niets, ""}};
        for (const Opdracht &o : opdrachten)
            QTest::addRow("%d %s", std::get<0>(o), qPrintable(std::get<1>(o))) << o;
    }
    void commands() {
        QFETCH(Opdracht, opdracht);
        const auto &[knop, antwoord, bewerking, gezegd] = opdracht;
        TestFolder folder;
        folder.writeFile("Led 1.bmp", pictureFile(bont(49, 49).mirrored()));
        folder.writeFile("48.bmp", pictureFile(bont(48, 48)));
        folder.writeFile("tekst.bmp", "not a picture");
        folder.writeFile("half.bmp", pictureFile(bont(49, 49)).chopped(400));
        Ontwerper o;
        o.answers << (antwoord == "Yes" ? Platform::Answer::Yes : Platform::Answer::No);
        o.inputAnswers << antwoord;
        o.openAnswers << (antwoord.isEmpty() ? antwoord : folder.path(antwoord));
        o.saveAnswers << o.openAnswers;
        o.model.tekening().setImage(bont(49, 49));
        ToonIcon(o.model.raster(), o.model.tekening());
        o.model.IconPalet_MouseDown(44, 5); // red
        Surface verwacht = o.model.tekening();
        bewerking(verwacht);
        o.model.KnopB_Click(knop);
        QCOMPARE(o.model.tekening().image(), verwacht.image());
        QVERIFY(o.rasterKlopt() && o.model.laatsteKnop() == (knop <= 15 ? knop : 0));
        QStringList tekst;
        for (const auto &vraag : o.inputs)
            tekst << vraag.prompt + vraag.title + vraag.defaultAnswer;
        for (const auto &melding : o.messages)
            tekst << melding.text + melding.title;
        QCOMPARE(tekst.join('|'), gezegd);
        // The title names the file opened, until New; Save adds ".bmp" to a bare name.
        QCOMPARE(o.model.titel(),
                 kTitel + (knop == 2 && verwacht.image() != bont(49, 49) ? " / " + antwoord : ""));
        if (knop == 3)
            QCOMPARE(QImage(folder.path("z.bmp"), "BMP").convertToFormat(QImage::Format_RGB32),
                     antwoord == "z" ? bont(49, 49) : QImage());
        o.answers = {Platform::Answer::Yes};
        o.model.KnopB_Click(knop == 15 ? 15 : 1);
        QCOMPARE(o.model.titel(), kTitel);
        o.druk(0, 48); // afterwards a press paints as ever
        QCOMPARE(o.model.tekening().pixel(0, 48), knop == 15 ? bont(49, 49).pixel(0, 48) : kRood);
    }
    // Undo and redo over more than a hundred steps of strokes and commands; a symbol opened
    // starts a fresh history.
    void geschiedenis() {
        TestFolder folder;
        Ontwerper o;
        IconDesignModel &model = o.model;
        QList<QImage> momenten{model.tekening().image()};
        const QImage raster = model.raster().image();
        for (int i = 0; momenten.size() <= 110 && i < 1000; ++i) {
            const QPoint cel(10 * (i % 49 + 1), 10 * ((i / 49 + i * 7) % 49 + 1)); // centres
            if (i % 10 == 9) {
                model.KnopB_Click(i % 20 == 9 ? 5 : 13); // rotate, negative
            } else {
                model.IconPicture_MouseDown(Qt::LeftButton, cel.x(), cel.y());
                model.IconPicture_MouseMove(Qt::LeftButton, cel.x() + 10, cel.y());
                model.IconPicture_MouseUp();
            }
            // A stroke over cells of its own colour changed nothing and is no step.
            if (model.tekening().image() != momenten.last()) momenten << model.tekening().image();
        }
        QVERIFY(momenten.size() > 100);
        for (qsizetype i = momenten.size() - 2; i >= 0; --i) {
            model.Undo();
            QCOMPARE(model.tekening().image(), momenten[i]);
        }
        QCOMPARE(model.raster().image(), raster); // the grid shows the drawing undone
        for (qsizetype i = 1; i < momenten.size(); ++i) {
            model.Redo();
            QCOMPARE(model.tekening().image(), momenten[i]);
        }
        o.openAnswers << folder.writePicture("s.bmp", filledPicture(49, 49, qRgb(0, 0, 255)));
        model.KnopB_Click(2);
        model.Undo();
        QCOMPARE(model.tekening().pixel(0, 0), qRgb(0, 0, 255));
    }
};

VOLTARIX_TEST(TestIconDesign)
#include "tst_icondesign.moc"

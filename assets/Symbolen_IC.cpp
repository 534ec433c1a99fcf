#include "Symbolen.h"
#include "SymboolPen.h"

// Integrated circuits. A block has one lead per side, so parts with two inputs take
// them from the top and bottom middle, bent into the body's left side; the output
// leaves on the right. Logic gates are drawn as the rectangles with a function
// mark that Dutch schoolbooks use.
namespace {

constexpr QRgb kZwart = SymboolPen::kZwart;

// Two inputs from above and below, entering at x = 27 on rows 18 and 30.
void tweeIngangen(SymboolPen &pen, int ingangX) {
    pen.lijnen({{24, 0}, {24, 18}, {ingangX, 18}});
    pen.lijnen({{24, 48}, {24, 30}, {ingangX, 30}});
}

void opamp(SymboolPen &pen) {
    tweeIngangen(pen, 27);
    pen.lijnen({{27, 10}, {27, 38}, {45, 24}, {27, 10}});
    pen.draadRechts(45);
    pen.tekst(29, 16, QStringLiteral("-"));
    pen.tekst(29, 28, QStringLiteral("+"));
}

void ne555(SymboolPen &pen) {
    pen.draadLinks(12);
    pen.draadRechts(36);
    pen.draadBoven(10);
    pen.draadOnder(38);
    pen.doos(12, 10, 36, 38);
    pen.tekstMidden(24, 18, QStringLiteral("NE"));
    pen.tekstMidden(24, 25, QStringLiteral("555"));
    // Pin numbers beside the leads: trigger, output, plus and ground.
    pen.tekst(4, 18, QStringLiteral("2"));
    pen.tekst(41, 18, QStringLiteral("3"));
    pen.tekst(27, 3, QStringLiteral("8"));
    pen.tekst(27, 41, QStringLiteral("1"));
}

// A gate with two inputs: the box, its mark, and a plain or inverting output.
void poort(SymboolPen &pen, const QString &teken, bool inverterend) {
    tweeIngangen(pen, 27);
    pen.doos(27, 12, 41, 36);
    pen.tekstMidden(34, 15, teken, PixelFont::Size::Large);
    if (inverterend) {
        pen.cirkel(44, 24, 2);
        pen.draadRechts(46);
    } else {
        pen.draadRechts(41);
    }
}

void en(SymboolPen &pen) {
    poort(pen, QStringLiteral("&"), false);
}
void nen(SymboolPen &pen) {
    poort(pen, QStringLiteral("&"), true);
}
void of(SymboolPen &pen) {
    poort(pen, QString(QChar(0x2265)) + QLatin1Char('1'), false);
}
void nof(SymboolPen &pen) {
    poort(pen, QString(QChar(0x2265)) + QLatin1Char('1'), true);
}
void exof(SymboolPen &pen) {
    poort(pen, QStringLiteral("=1"), false);
}
void exnof(SymboolPen &pen) {
    poort(pen, QStringLiteral("=1"), true);
}

// A gate with one input, straight through from left to right.
void eenIngang(SymboolPen &pen, bool inverterend) {
    pen.draadLinks(16);
    pen.doos(16, 12, 30, 36);
    if (inverterend) {
        pen.cirkel(33, 24, 2);
        pen.draadRechts(35);
    } else {
        pen.draadRechts(30);
    }
}

void niet(SymboolPen &pen) {
    eenIngang(pen, true);
    pen.tekstMidden(23, 15, QStringLiteral("1"), PixelFont::Size::Large);
}

void buffer(SymboolPen &pen) {
    eenIngang(pen, false);
    pen.tekstMidden(23, 15, QStringLiteral("1"), PixelFont::Size::Large);
}

void schmittTrigger(SymboolPen &pen) {
    eenIngang(pen, true);
    // The hysteresis mark: two steps that pass each other.
    pen.lijnen({{18, 27}, {25, 27}, {25, 20}});
    pen.lijnen({{21, 27}, {21, 20}, {28, 20}});
}

// A chip in its DIL housing seen from above; a picture, without leads.
void dip(SymboolPen &pen, int pinnen) {
    const int perKant = pinnen / 2, steek = 5;
    const int breedte = (perKant - 1) * steek;
    const int links = 24 - breedte / 2 - 3, rechts = links + breedte + 6;
    const QRgb pin = qRgb(170, 170, 170), huis = qRgb(50, 50, 50);
    for (int i = 0; i < perKant; ++i) {
        const int x = links + 3 + i * steek;
        pen.vlak(x - 1, 12, x + 1, 16, pin);
        pen.vlak(x - 1, 32, x + 1, 36, pin);
    }
    pen.vlak(links, 17, rechts, 31, huis);
    pen.doos(links, 17, rechts, 31, kZwart);
    // The notch that marks the end of pin 1, and the dot beside pin 1.
    pen.schijf(links, 24, 3, Surface::kWhite);
    pen.boog(links, 24, 3, -90, 90);
    pen.vlak(links + 3, 28, links + 4, 29, pin);
    pen.tekstMidden(26, 22, QString::number(pinnen), PixelFont::Size::Small, Surface::kWhite);
}

void dip8(SymboolPen &pen) {
    dip(pen, 8);
}
void dip14(SymboolPen &pen) {
    dip(pen, 14);
}
void dip16(SymboolPen &pen) {
    dip(pen, 16);
}

} // namespace

QVector<Symbool> Symbolen::ic() {
    const QString ic = QStringLiteral("IC");
    return {
        {ic, QStringLiteral("Opamp"), opamp},
        {ic, QStringLiteral("NE555 timer"), ne555},
        {ic, QStringLiteral("EN-poort"), en},
        {ic, QStringLiteral("NEN-poort"), nen},
        {ic, QStringLiteral("OF-poort"), of},
        {ic, QStringLiteral("NOF-poort"), nof},
        {ic, QStringLiteral("EXOF-poort"), exof},
        {ic, QStringLiteral("EXNOF-poort"), exnof},
        {ic, QStringLiteral("NIET-poort"), niet},
        {ic, QStringLiteral("Buffer"), buffer},
        {ic, QStringLiteral("Schmitt-trigger"), schmittTrigger},
        {ic, QStringLiteral("DIP-8"), dip8},
        {ic, QStringLiteral("DIP-14"), dip14},
        {ic, QStringLiteral("DIP-16"), dip16},
    };
}

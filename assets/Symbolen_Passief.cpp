#include "Symbolen.h"
#include "SymboolPen.h"

// Resistors and capacitors, drawn lying: leads to the left and right middle.
namespace {

// The resistor: a box of 25 x 11 pixels between two leads.
void weerstandDoos(SymboolPen &pen) {
    pen.draadLinks(12);
    pen.doos(12, 19, 36, 29);
    pen.draadRechts(36);
}

void weerstand(SymboolPen &pen) {
    weerstandDoos(pen);
}

void regelbareWeerstand(SymboolPen &pen) {
    weerstandDoos(pen);
    pen.pijl(13, 36, 35, 11);
}

void potentiometer(SymboolPen &pen) {
    weerstandDoos(pen);
    pen.pijl(24, 48, 24, 30);
}

void instelpotentiometer(SymboolPen &pen) {
    weerstandDoos(pen);
    pen.draadOnder(31);
    pen.lijn(20, 31, 28, 31);
}

void ldr(SymboolPen &pen) {
    weerstandDoos(pen);
    pen.pijl(18, 4, 14, 16);
    pen.pijl(26, 4, 22, 16);
}

// NTC, PTC and VDR: a resistor crossed by a line with a bent foot, and a mark of
// what it reacts to.
void nietLineair(SymboolPen &pen, const QString &teken) {
    weerstandDoos(pen);
    pen.lijnen({{9, 36}, {14, 36}, {37, 12}});
    pen.tekst(31, 35, teken);
}

void ntc(SymboolPen &pen) {
    nietLineair(pen, QStringLiteral("-T"));
}

void ptc(SymboolPen &pen) {
    nietLineair(pen, QStringLiteral("+T"));
}

void varistor(SymboolPen &pen) {
    nietLineair(pen, QStringLiteral("U"));
}

// The capacitor: two plates of two pixels, 3 pixels apart.
void platen(SymboolPen &pen) {
    pen.draadLinks(20);
    pen.vlak(21, 13, 22, 35, SymboolPen::kZwart);
    pen.vlak(26, 13, 27, 35, SymboolPen::kZwart);
    pen.draadRechts(28);
}

void condensator(SymboolPen &pen) {
    platen(pen);
}

// Polarised: the plus plate is open.
void elco(SymboolPen &pen) {
    pen.draadLinks(18);
    pen.doos(18, 13, 22, 35);
    pen.vlak(26, 13, 27, 35, SymboolPen::kZwart);
    pen.draadRechts(28);
    pen.tekst(12, 12, QStringLiteral("+"));
}

void bipolaireElco(SymboolPen &pen) {
    pen.draadLinks(18);
    pen.doos(18, 13, 22, 35);
    pen.doos(26, 13, 30, 35);
    pen.draadRechts(30);
}

void variabeleCondensator(SymboolPen &pen) {
    platen(pen);
    pen.pijl(12, 38, 36, 10);
}

void trimcondensator(SymboolPen &pen) {
    platen(pen);
    pen.lijn(12, 38, 36, 10);
    pen.lijn(32, 7, 39, 13);
}

void tantaal(SymboolPen &pen) {
    pen.draadLinks(20);
    pen.vlak(21, 13, 22, 35, SymboolPen::kZwart);
    pen.boog(42, 24, 14, 140, 220);
    pen.boog(43, 24, 14, 140, 220);
    pen.draadRechts(29);
    pen.tekst(14, 12, QStringLiteral("+"));
}

} // namespace

QVector<Symbool> Symbolen::passief() {
    const QString w = QStringLiteral("Weerstanden"), c = QStringLiteral("Condensatoren");
    return {
        {w, QStringLiteral("Weerstand"), weerstand},
        {w, QStringLiteral("Regelbare weerstand"), regelbareWeerstand},
        {w, QStringLiteral("Potentiometer"), potentiometer},
        {w, QStringLiteral("Instelpotentiometer"), instelpotentiometer},
        {w, QStringLiteral("LDR"), ldr},
        {w, QStringLiteral("NTC"), ntc},
        {w, QStringLiteral("PTC"), ptc},
        {w, QStringLiteral("Varistor"), varistor},
        {c, QStringLiteral("Condensator"), condensator},
        {c, QStringLiteral("Elco"), elco},
        {c, QStringLiteral("Bipolaire elco"), bipolaireElco},
        {c, QStringLiteral("Variabele condensator"), variabeleCondensator},
        {c, QStringLiteral("Trimcondensator"), trimcondensator},
        {c, QStringLiteral("Tantaalcondensator"), tantaal},
    };
}

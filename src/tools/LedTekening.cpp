#include "tools/LedTekening.h"

namespace {

constexpr QRgb kZwart = qRgb(0, 0, 0);
constexpr QRgb kRood = qRgb(255, 0, 0);
constexpr QRgb kDonkerRood = qRgb(170, 0, 0);
constexpr QRgb kGlans = qRgb(255, 170, 170);
constexpr QRgb kWeerstandKleur = qRgb(192, 64, 0);

Surface::TextStyle kleineLetter() {
    Surface::TextStyle stijl;
    stijl.pointSize = 8;
    return stijl;
}

void vulSchijf(Surface &s, int cx, int cy, int straal, QRgb kleur) {
    for (int y = cy - straal; y <= cy + straal; ++y)
        for (int x = cx - straal; x <= cx + straal; ++x)
            if ((x - cx) * (x - cx) + (y - cy) * (y - cy) <= straal * straal)
                s.setPixel(x, y, kleur);
}

// A line that includes both its end points.
void lijn(Surface &s, QPoint van, QPoint tot, QRgb kleur) {
    s.drawLine(van.x(), van.y(), tot.x(), tot.y(), kleur);
    s.setPixel(tot.x(), tot.y(), kleur);
}

void plusTeken(Surface &s, int cx, int cy) {
    lijn(s, {cx - 2, cy}, {cx + 2, cy}, kZwart);
    lijn(s, {cx, cy - 2}, {cx, cy + 2}, kZwart);
}

void minTeken(Surface &s, int cx, int cy) {
    lijn(s, {cx - 2, cy}, {cx + 2, cy}, kZwart);
}

// A filled triangle pointing down: its top edge from (links, top) to (rechts, top),
// its point at (midden, punt).
void driehoekOmlaag(Surface &s, int links, int rechts, int top, int punt, QRgb kleur) {
    const int hoogte = punt - top;
    for (int y = top; y <= punt; ++y) {
        const int inspringen = (rechts - links) * (y - top) / (2 * hoogte);
        lijn(s, {links + inspringen, y}, {rechts - inspringen, y}, kleur);
    }
}

void cirkeltje(Surface &s, QPoint linksBoven) {
    s.drawCircle(linksBoven.x() + 4, linksBoven.y() + 4, 4, kZwart);
}

} // namespace

Surface StaandeLed(QRgb achtergrond) {
    Surface led(kLedMaat.width(), kLedMaat.height(), achtergrond);
    lijn(led, {21, 31}, {21, kStaandeBeenY}, kZwart); // "+"
    lijn(led, {21, kStaandeBeenY}, {0, kStaandeBeenY}, kZwart);
    lijn(led, {28, 31}, {28, kStaandeBeenY}, kZwart); // "-"
    lijn(led, {28, kStaandeBeenY}, {49, kStaandeBeenY}, kZwart);
    vulSchijf(led, 24, 13, 7, kRood);
    led.fillBox(17, 13, 31, 27, kRood);
    led.fillBox(15, 28, 33, 30, kDonkerRood);
    led.fillBox(20, 10, 21, 22, kGlans);
    plusTeken(led, 10, 35);
    minTeken(led, 39, 35);
    return led;
}

Surface LiggendeLed(QRgb achtergrond) {
    Surface led(kLedMaat.width(), kLedMaat.height(), achtergrond);
    lijn(led, {19, 20}, {kLiggendPlusX, 20}, kZwart);
    lijn(led, {kLiggendPlusX, 20}, {kLiggendPlusX, 0}, kZwart);
    lijn(led, {19, 29}, {kLiggendMinX, 29}, kZwart);
    lijn(led, {kLiggendMinX, 29}, {kLiggendMinX, 49}, kZwart);
    vulSchijf(led, 36, 24, 7, kRood);
    led.fillBox(23, 17, 36, 31, kRood);
    led.fillBox(20, 15, 22, 33, kDonkerRood);
    led.fillBox(26, 20, 38, 21, kGlans);
    plusTeken(led, 4, 6);
    minTeken(led, 22, 44);
    return led;
}

Surface UitlegLed(QRgb achtergrond) {
    Surface uitleg(100, 100, achtergrond);
    // The LED itself: the "+" leg is the longer one.
    lijn(uitleg, {22, 44}, {22, 92}, kZwart);
    lijn(uitleg, {31, 44}, {31, 82}, kZwart);
    vulSchijf(uitleg, 27, 20, 10, kRood);
    uitleg.fillBox(17, 20, 37, 40, kRood);
    uitleg.fillBox(14, 40, 40, 44, kDonkerRood);
    uitleg.fillBox(21, 16, 23, 33, kGlans);
    plusTeken(uitleg, 15, 88);
    minTeken(uitleg, 38, 78);
    // Its circuit symbol, "+" at the top: a triangle pointing at a bar, with the two
    // arrows of the light.
    lijn(uitleg, {74, 12}, {74, 40}, kZwart);
    driehoekOmlaag(uitleg, 64, 84, 40, 58, kZwart);
    lijn(uitleg, {64, 58}, {84, 58}, kZwart);
    lijn(uitleg, {74, 58}, {74, 88}, kZwart);
    for (const int y : {44, 51}) {
        lijn(uitleg, {85, y}, {93, y - 8}, kZwart);
        lijn(uitleg, {93, y - 8}, {89, y - 8}, kZwart);
        lijn(uitleg, {93, y - 8}, {93, y - 4}, kZwart);
    }
    plusTeken(uitleg, 67, 14);
    minTeken(uitleg, 67, 86);
    return uitleg;
}

void TekenSchema(Surface &tekening, const LedSchema &schema) {
    tekening.setBackground(kSchemaAchtergrond);
    tekening.clear();
    const Surface led = schema.soort == LedSchema::Led::Staand ? StaandeLed() : LiggendeLed();
    for (const QPoint plaats : schema.leds)
        tekening.copyFrom(led, led.rect(), plaats);
    // The wires, terminals and labels lie over the pictures.
    const Surface::TextStyle letter = kleineLetter();
    tekening.drawText(8, 75, QStringLiteral("+ Vcc"), letter);
    cirkeltje(tekening, {20, 99});
    lijn(tekening, {29, 103}, {79, 103}, kZwart);
    tekening.fillBox(78, 93, 132, 113, kWeerstandKleur);
    tekening.drawBox(78, 93, 132, 113, kZwart);
    lijn(tekening, {133, 102}, {159, 102}, kZwart);
    lijn(tekening, schema.draad.p1(), schema.draad.p2(), kZwart);
    if (schema.massaDraadZichtbaar)
        lijn(tekening, schema.massaDraad.p1(), schema.massaDraad.p2(), kZwart);
    cirkeltje(tekening, schema.massaPunt);
    tekening.drawText(schema.massaTekst.x(), schema.massaTekst.y(), QStringLiteral("O (gnd)"),
                      letter);
}

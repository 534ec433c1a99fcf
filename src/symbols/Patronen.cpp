#include "symbols/Patronen.h"

#include "ui/Surface.h"

namespace Patronen {

namespace {

constexpr int kRand = 80; // the far edge of every pattern, just outside the tile

// Lines end one pixel before their end point, so a line to 80 ends at the tile's edge.
void horizontaleLijnen(Surface &tegel, int afstand, QRgb kleur) {
    for (int y = 0; y <= kRand; y += afstand)
        tegel.drawLine(0, y, kRand, y, kleur);
}

void verticaleLijnen(Surface &tegel, int afstand, QRgb kleur) {
    for (int x = 0; x <= kRand; x += afstand)
        tegel.drawLine(x, 0, x, kRand, kleur);
}

void geneste(Surface &tegel, QRgb kleur) {
    for (int i = 0; i <= kRand; i += 4)
        tegel.drawBox(i, i, kRand - i, kRand - i, kleur);
}

void cirkels(Surface &tegel, QRgb kleur) {
    for (int straal = 0; straal <= kRand; straal += 4)
        tegel.drawCircle(kRand / 2, kRand / 2, straal, kleur);
}

// Dots at (x, y) and (x + schuif, y + schuif) for x and y from 0 to `tot` by `afstand`.
void stippen(Surface &tegel, int afstand, int tot, int schuif, QRgb kleur) {
    for (int y = 0; y <= tot; y += afstand)
        for (int x = 0; x <= tot; x += afstand) {
            tegel.setPixel(x, y, kleur);
            tegel.setPixel(x + schuif, y + schuif, kleur);
        }
}

// Outlined squares of side `zijde` every `afstand` pixels, each with `binnen` more
// squares nested 2 pixels apart.
void vierkanten(Surface &tegel, int afstand, int zijde, int binnen, QRgb kleur) {
    for (int y = 0; y <= kRand; y += afstand)
        for (int x = 0; x <= kRand; x += afstand)
            for (int i = 0; i <= binnen; ++i)
                tegel.drawBox(x + 2 * i, y + 2 * i, x + zijde - 2 * i, y + zijde - 2 * i, kleur);
}

} // namespace

void teken(Surface &tegel, int index, QRgb kleur) {
    switch (index) {
    case 0:
        tegel.fillBox(0, 0, kRand, kRand, kleur);
        break;
    case 1:
        horizontaleLijnen(tegel, 4, kleur);
        break;
    case 2:
        horizontaleLijnen(tegel, 4, kleur), verticaleLijnen(tegel, 4, kleur);
        break;
    case 3:
        horizontaleLijnen(tegel, 8, kleur);
        break;
    case 4:
        horizontaleLijnen(tegel, 8, kleur), verticaleLijnen(tegel, 8, kleur);
        break;
    case 5:
        geneste(tegel, kleur);
        break;
    case 6:
        cirkels(tegel, kleur);
        break;
    case 7:
        stippen(tegel, 4, kRand, 2, kleur);
        break;
    case 8:
        stippen(tegel, 6, 78, 3, kleur);
        break;
    case 9:
        vierkanten(tegel, 8, 4, 0, kleur);
        break;
    case 10:
        vierkanten(tegel, 16, 8, 1, kleur);
        break;
    default:
        break;
    }
}

} // namespace Patronen

#pragma once

#include "ui/Surface.h"

#include <array>

// The pictures of the resistor colour-code tool, drawn by the program itself.

// The plain 49 x 49 resistor symbol: a light grey body with a black outline and
// black leads to both edges, on white.
Surface WeerstandSymbool();

// Paints value band 1, 2 or 3 of a resistor symbol in a colour; other band numbers
// paint nothing.
void VerfBand(Surface &symbool, int band, QRgb kleur);

// The area of value band 1, 2 or 3 on the symbol; an empty rectangle for others.
QRect bandVlak(int band);

// The size of the drawing beside the tool's texts, in pixels.
constexpr QSize kKleurcodeBordMaat{407, 122};

// The large resistor drawing: the body with its leads, the three value bands in the
// given colours, the black tolerance band, and the leader lines from each band to
// the place of its text. Drawn over the whole picture, on `achtergrond`.
void TekenGroteWeerstand(Surface &bord, const std::array<QRgb, 3> &banden, QRgb achtergrond);

// Where the bands of the large drawing stand (their middle column) and how far their
// leader lines reach down: the value bands 1 to 3, then the tolerance band.
struct GroteBand {
    int x;
    int leiderY;
};
constexpr std::array<GroteBand, 4> kGroteBanden{{{51, 51}, {60, 69}, {69, 90}, {84, 111}}};

#pragma once

#include <QString>

class Surface;

// The raster of the design sheet: grey lines every 50 pixels across the whole
// sheet, at x = 0, 50, 100, ... and y = 0, 50, 100, ..., drawn over what the sheet
// holds. The 49 x 49 places between them take the symbols.
constexpr int kBlok = 50;
constexpr int kRasterStart = 150;

void tekenRasterLijnen(Surface &Pic, int level);

// The raster panel's line, "Rasterkleur : " and the level.
QString rasterKleurTekst(int level);

#pragma once

#include "ui/Surface.h"

#include <QPoint>
#include <QString>

#include <optional>

// The symbol designer's magnified grid and palette, drawn on picture surfaces.
//
// The grid shows each pixel of the 49 x 49 drawing ten times enlarged: pixel (cx, cy)
// is the cell between the grey lines at 5 + 10 cx and 15 + 10 cx (likewise in y), its
// colour filling the 9 x 9 inside. Small red markers in the margin point at the middle
// row and column.
namespace DesignerRaster {

constexpr int kRasterGrootte = 504; // the grid picture, border included
constexpr int kCelGrootte = 10;
constexpr int kPaletBreedte = 60;
constexpr int kPaletHoogte = 239;
constexpr int kPaletKolommen = 7;
constexpr int kPaletRijen = 18;
constexpr QRgb kLijnKleur = grey(190);
constexpr QRgb kPaletAchtergrond = grey(240);

// The grey grid lines and the four middle markers, over whatever the cells show.
void TekenRaster(Surface &raster);
// Repaints every cell from the drawing, then the lines and markers.
void ToonIcon(Surface &raster, const Surface &tekening);
// Paints the inside of the cell of drawing pixel `cel`.
void kleurCel(Surface &raster, QPoint cel, QRgb kleur);

// The drawing pixel under a grid position, if the position lies in the cell area
// (x and y from 5 to 494). A cell takes the grid line on its left and on its top, so
// the position snaps to the cell centre (10 (cx + 1), 10 (cy + 1)) within five pixels.
std::optional<QPoint> celOnder(int x, int y);
// The coordinates line for a grid position: "X:25 - Y:25" over the middle pixel,
// counted from 1 inside the grid, 0 or 50 in the margins.
QString coordinaten(int x, int y);

// The swatch colour of palette column 0..6, row 0..17.
QRgb paletKleur(int kolom, int rij);
void TekenPalet(Surface &palet);
// The palette's tooltip for a colour: " R:0 / G:255 / B:255 ".
QString kleurHint(QRgb kleur);

} // namespace DesignerRaster

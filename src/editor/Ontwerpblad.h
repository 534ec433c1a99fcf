#pragma once

#include <QPoint>
#include <Qt>

class Surface;

// The design sheet: 49 x 49 symbols in the inside of a raster of 50-pixel blocks.

// The top-left pixel of the inside of the block under (x, y): (50c + 1, 50r + 1), so
// that a symbol leaves the raster lines at multiples of 50 alone.
QPoint blokHoek(int x, int y);

// A press on the design sheet: the left button paints the current symbol into the
// block under the pointer, any other button clears the block to white.
void plaatsBlok(Surface &Pic, const Surface &IconPic, Qt::MouseButton button, int x, int y);

// Shifts the whole design sheet one block: Richting 1 left, 2 up, 3 right, 4 down.
// What passes the edge is lost, the strip uncovered on the other side is empty, and
// the raster is drawn anew in the grey of `rasterGrijs`. LoadPic is the scratch copy
// of the sheet. Any other direction changes nothing and answers false.
bool schuifBlokken(Surface &Pic, Surface &LoadPic, int Richting, int rasterGrijs);

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

// The directions of a shift, numbered as the shift buttons were.
enum class Richting { Geen = 0, Links = 1, Omhoog = 2, Rechts = 3, Omlaag = 4 };

// Shifts the whole design sheet one block in `richting`. What passes the edge is lost,
// the strip uncovered on the other side is empty, and the raster is drawn anew in the
// grey of `rasterGrijs`. Any other direction changes nothing and answers false.
bool schuifBlokken(Surface &Pic, Richting richting, int rasterGrijs);

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// The magnifier shows the screen around the pointer, enlarged z times (1 to 9).
namespace Loep {

// Rounds to the nearest whole number, a half to the even neighbour.
int rondAf(double waarde);

// The screen rectangle to stretch into a box of `box` pixels at enlargement z: its
// size is box / z, rounded, and the pointer lies in its middle.
QRect bron(QPoint pointer, QSize box, int z);

} // namespace Loep

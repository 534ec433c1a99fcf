#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class QImage;

// The magnifier shows the screen around the pointer, enlarged z times (1 to 9).
namespace Loep {

// Rounds to the nearest whole number, a half to the even neighbour.
int rondAf(double waarde);

// The screen rectangle to stretch into a box of `box` pixels at enlargement z: its
// size is box / z, rounded, and the pointer lies in its middle.
QRect bron(QPoint pointer, QSize box, int z);

// Only a program on an X server of its own can read the screen: a Wayland compositor
// hands no screen pixels out, neither to its own clients (`platform` "wayland") nor to
// the X programs it runs through XWayland (`waylandSessie`), which get black.
bool schermLeesbaar(const QString &platform, bool waylandSessie);

// Every pixel black: what a grab gives where the screen cannot be read after all.
bool heelZwart(const QImage &beeld);

} // namespace Loep

#pragma once

#include <QRgb>

class Surface;

// The 11 line and dot patterns of the background editor, drawn in one colour over an
// 80 x 80 tile with one-pixel lines and dots. Parts that reach 80 fall outside the
// tile and are cut off.
namespace Patronen {

constexpr int kAantal = 11;

// Draws pattern `index` (0 to 10); any other index draws nothing.
void teken(Surface &tegel, int index, QRgb kleur);

} // namespace Patronen

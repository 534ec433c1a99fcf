#pragma once

#include <QImage>

// The 14 background textures of the background editor, made here rather than stored:
// papers, grains, plain colours, a glowing ring and faint printed-circuit tracks.
// Each has its own size (81 x 81 or 80 x 80) and average colour; the patterns repeat
// every 80 pixels, so the 80 x 80 tile cut from a texture tiles a page without seams.
namespace Texturen {

constexpr int kAantal = 14;
constexpr int kPeriode = 80;

// Texture `index` (0 to 13) in RGB32; a null picture for any other index.
QImage textuur(int index);

} // namespace Texturen

#pragma once

#include <QImage>

// The title picture behind the title screen, 500 x 320 pixels: the program's name
// over a circuit board, with calm dark areas on the left where the title screen
// writes its texts.
namespace TitelPlaatje {

constexpr int kBreedte = 500;
constexpr int kHoogte = 320;

// Drawn at `schaal` device pixels to each of its pixels (the desktop's scale), so that
// a scaled desktop shows it sharp rather than enlarged.
QImage teken(qreal schaal = 1);

} // namespace TitelPlaatje

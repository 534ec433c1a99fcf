#pragma once

#include <QRect>
#include <QSize>

// How the program fits a scaled desktop. The layout tables count in the program's
// own pixels; a desktop at 125 % or more makes each of them 1.25 or more device
// pixels, and the screen shrinks by as much. When the layout no longer fits on what
// is left, the program shows itself at a smaller scale of its own choosing.
namespace Schaal {

// What the program knows about its screen when it starts.
struct Scherm {
    QSize pixels;           // the whole screen in device pixels, as the user knows it
    QRect beschikbaar;      // the area without the desktop's panels, in the program's pixels
    int Dpi = 96;           // the desktop's density, before any scale of the program's own
    double eigenFactor = 0; // the scale the program chose itself; 0 when it kept the desktop's
};

// The scale to show the program at on an available area of `beschikbaar` device
// pixels, on a desktop that scales by `bureaublad`: the desktop's own scale when the
// area then holds `nodig` of the program's pixels; otherwise the largest quarter step
// below it that does; 1 when none does. A desktop below 1 keeps its scale.
double kiesFactor(QSize beschikbaar, double bureaublad, QSize nodig);

// The value for QT_SCALE_FACTOR that turns a desktop scale of `bureaublad` into
// `gekozen`, given the user's own QT_SCALE_FACTOR (1 when none).
double qtFactor(double eigenQtFactor, double bureaublad, double gekozen);

// A size in the program's pixels as device pixels at scale `factor`.
QSize apparaatPixels(QSize logisch, double factor);

// The whole pixels of the program that surely lie inside a room that Qt measured as
// `gemeten` at scale `factor`. Qt rounds device pixels to the nearest of the program's,
// so a measured size may be half a pixel more than there is, and a window of that size
// reach a device pixel past the room.
QSize binnenMaat(QSize gemeten, double factor);

} // namespace Schaal

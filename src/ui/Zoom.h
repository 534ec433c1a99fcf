#pragma once

#include <QPoint>
#include <QSize>

// The zoom of a sheet's view: a sheet pixel is shown as a block of `factor` x `factor`
// screen pixels, never smoothed. The view is scrolled by a number of screen pixels from
// the sheet's top-left corner, so that the sheet pixel under a point of the view is
// (point + scroll) / factor, rounded down.
namespace Zoom {

constexpr int kStappen[] = {1, 2, 3, 4, 6, 8};
constexpr int kKleinste = 1, kGrootste = 8;

// The next step up (stap > 0) or down (stap < 0) from `factor`; the ends stay.
int stap(int factor, int stap);

// The sheet pixel under a point of the view.
QPoint naarBlad(QPoint inView, QPoint scroll, int factor);

// The scroll at the new factor that keeps the sheet pixel under `inView` where it is,
// held within what the view can scroll (`bereik`, the largest scroll).
QPoint houdVast(QPoint inView, QPoint scroll, int oud, int nieuw, QSize bereik);

// The largest scroll of a sheet of `blad` pixels at `factor` in a view of `view` pixels.
QSize bereik(QSize blad, int factor, QSize view);

} // namespace Zoom

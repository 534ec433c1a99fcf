#pragma once

#include <QPoint>

class Gaten;

// Where the ends of a wire go. Without help a wire ends at the exact pixel of the
// press and of the release. Snapping to holes (`gaten`: the board's holes, none when it
// is off) takes each end to the centre of the nearest hole within reach; held straight
// (Shift), the end goes onto the nearest of the horizontal, vertical and diagonal lines
// through the start, and snaps only to a hole on that line.

// The point of the line from `van` at 0, 45 or 90 degrees (any quarter) nearest to
// `naar`, by whichever of those angles lies nearest to the direction of `naar`.
QPoint rechteLijn(QPoint van, QPoint naar);

QPoint draadBegin(QPoint druk, const Gaten *gaten);
QPoint draadEind(QPoint van, QPoint naar, bool recht, const Gaten *gaten);

#pragma once

#include <QImage>

// The pictures of the three buttons beside the current symbol, drawn by the program
// itself: transparent around a dark-blue arrow.

// A double arrow across a dashed mirror line: left-right for the left-right mirror,
// up-down for the top-bottom mirror.
QImage spiegelKnopPlaatje(bool linksRechts);
// A circle arrow turning clockwise, for the quarter turn.
QImage draaiKnopPlaatje();

#pragma once

#include <QRect>
#include <cmath>

// Window and control positions are written in twips: 1440 to the inch, 15 to a
// pixel on the 96 DPI screens the layout was made for. This is the one place where
// twips become pixels.
constexpr int kTwipsPerPixel = 15;

inline int twipsToPixels(double twips) {
    return int(std::lround(twips / kTwipsPerPixel));
}

inline QRect twipsToPixels(double left, double top, double width, double height) {
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

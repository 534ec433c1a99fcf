#pragma once

#include "TestFolder.h"

#include <QPainter>

// An indexed picture: colour 0 on the left half, colour 1 on the right.
inline QImage tweeKleuren(int breed, int hoog, QRgb links, QRgb rechts) {
    QImage beeld = filledPicture(breed, hoog, rechts);
    QPainter(&beeld).fillRect(0, 0, breed / 2, hoog, QColor(links));
    return beeld.convertToFormat(QImage::Format_Indexed8, {links, rechts});
}

// The part picture "Onderdeel": 20 x 10, transparent on the left half, blue on the right.
inline void schrijfOnderdeel(const TestFolder &map) {
    map.writeFile("Breadboard/Onderdeel.gif",
                  gifFile(tweeKleuren(20, 10, qRgb(1, 2, 3), qRgb(0, 0, 255)), 0));
}

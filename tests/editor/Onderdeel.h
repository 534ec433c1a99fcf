#pragma once

#include "TestFolder.h"

#include <QPainter>

// An indexed picture: colour 0 on the left half, colour 1 on the right.
inline QImage tweeKleuren(int breed, int hoog, QRgb links, QRgb rechts) {
    QImage beeld(breed, hoog, QImage::Format_ARGB32);
    beeld.fill(rechts);
    QPainter verf(&beeld);
    verf.setCompositionMode(QPainter::CompositionMode_Source);
    verf.fillRect(0, 0, breed / 2, hoog, QColor::fromRgba(links));
    verf.end();
    return beeld.convertToFormat(QImage::Format_Indexed8, {links, rechts});
}

// The part picture "Onderdeel": 20 x 10, transparent on the left half, blue on the right.
inline void schrijfOnderdeel(const TestFolder &map) {
    map.writeFile("Breadboard/Onderdeel.gif",
                  gifFile(tweeKleuren(20, 10, qRgba(0, 0, 0, 0), qRgb(0, 0, 255))));
}

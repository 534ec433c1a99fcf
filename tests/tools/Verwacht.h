#pragma once

#include "ui/Surface.h"

#include <QStringList>

// Which of the pixels "x,y x,y ..." of a picture are not of this colour, so that one
// comparison with an empty list names every wrong pixel.
inline QStringList verkeerd(const Surface &s, QRgb kleur, const QString &pixels) {
    QStringList fout;
    for (const QString &p : pixels.split(' '))
        if (s.pixel(p.section(',', 0, 0).toInt(), p.section(',', 1).toInt()) != kleur) fout << p;
    return fout;
}

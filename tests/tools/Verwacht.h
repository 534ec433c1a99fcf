#pragma once

#include "ui/Surface.h"

#include <QPoint>
#include <QStringList>

#include <initializer_list>

// Which of these pixels of a picture are not of this colour, so that one comparison
// with an empty list names every wrong pixel.
inline QStringList verkeerd(const Surface &s, QRgb kleur, std::initializer_list<QPoint> pixels) {
    QStringList fout;
    for (const QPoint p : pixels)
        if (s.pixel(p.x(), p.y()) != kleur) fout << QStringLiteral("%1,%2").arg(p.x()).arg(p.y());
    return fout;
}

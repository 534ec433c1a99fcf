#pragma once

#include "OnderdeelPen.h"

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QString>

class QPainter;

// Small drawing helpers for the pictures of the help pages.
namespace HelpTekenen {

// A transparent picture to draw on.
QImage doek(int breedte, int hoogte);
// A picture enlarged by a whole factor, every pixel a square.
QImage vergroot(const QImage &beeld, int factor);
// A caption with its baseline's left end at `plek`.
void schrijf(QPainter &p, QPoint plek, const QString &tekst, int punten = 10, bool vet = false,
             QColor kleur = QColor(40, 40, 60));
// A thin line from a point of the picture to its caption, which starts at `tekst`.
void wijs(QPainter &p, QPoint van, QPoint tekst, const QString &uitleg);

// A symbol of the library and a part picture, by name.
QImage symbool(const QString &naam);
Onderdeel onderdeel(const QString &naam);

} // namespace HelpTekenen

#pragma once

#include "ui/Surface.h"

#include <QString>

#include <optional>

// The whole-image commands of the symbol designer, on a 49 x 49 drawing: fill, square
// and circle outlines around the middle pixel (24, 24), quarter turn, mirror, the four
// one-pixel shifts and negative. Pixels shifted out are lost; vacated ones become white.
namespace SymboolBewerkingen {

constexpr int kKleinsteMaat = 1;
constexpr int kGrootsteMaat = 24; // the largest figure around the middle pixel that fits

void VulIcon(Surface &tekening, QRgb kleur);
// The one-pixel outline of the square from (24 - s, 24 - s) to (24 + s, 24 + s).
void TekenVierkant(Surface &tekening, int s, QRgb kleur);
// A one-pixel-wide closed outline through the pixels at distance r from the middle
// pixel, the same in all eight octants.
void TekenCirkel(Surface &tekening, int r, QRgb kleur);
void DraaiIcon(Surface &tekening); // a quarter turn clockwise
void SpiegelIcon(Surface &tekening);
void SchuifLinks(Surface &tekening);
void SchuifRechts(Surface &tekening);
void SchuifOmhoog(Surface &tekening);
void SchuifOmlaag(Surface &tekening);
void NegatiefIcon(Surface &tekening);

// Reads the size typed for a square or circle: a decimal number (point as separator,
// optional sign and exponent, blanks around it allowed) rounded to a whole number,
// halves to the even neighbour. Nothing for text that is not such a number, and for
// a number outside 1..24.
std::optional<int> leesMaat(const QString &antwoord);

} // namespace SymboolBewerkingen

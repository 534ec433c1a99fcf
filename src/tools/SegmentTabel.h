#pragma once

#include <QLine>
#include <QRect>
#include <QString>
#include <QVector>

#include <array>

// The single-digit 7-segment display with ten pins, as the trainer draws and drives it.
namespace SegmentTabel {

constexpr int kKnoppen = 11;      // buttons "0" .. "9" and "dp"
constexpr int kDecimalePunt = 10; // the "dp" button and the picture of the lit point
constexpr int kPinnen = 10;

// The pictures the display can show: the digits 0 to 9, the decimal point (10),
// everything unlit, and everything unlit with the segment letters.
constexpr int kPlaatjeUit = 99;
constexpr int kPlaatjeAbc = 100;

// The segments "a" .. "g" and the decimal point "p".
constexpr std::array<char, 8> kSegmenten{'a', 'b', 'c', 'd', 'e', 'f', 'g', 'p'};

// The pin of a segment; 0 for a letter that is not a segment.
int pinVan(char segment);

// The segments that button k (0 .. 10) lights, as letters; empty for other k.
QString segmentenVan(int knop);

// The pins that button k lights.
QVector<int> pinnenVan(int knop);

// Segment pins carry a resistor and change colour; the common pins 3 and 8 do not.
bool isSegmentPin(int pin);

// The wire of pin p (1 .. 10): its pieces in twips, from the display outwards; empty
// for other p. The last piece of a segment wire runs from its resistor to the supply
// rail; the common wires run past the resistors to the minus terminal.
const QVector<QLine> &draad(int pin);

// The supply rail (`Stijglijn`, `Stijglijn2`), in twips.
const std::array<QLine, 2> &stijglijn();

// The resistor picture of pin p: its place in twips (left, top, width, height).
QRect weerstandPlaats(int pin);

} // namespace SegmentTabel

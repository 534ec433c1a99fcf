#pragma once

#include "tools/LedCalcModel.h"
#include "ui/Surface.h"

// The pictures of the LED calculator, drawn by the program itself.

constexpr QRgb kSchemaAchtergrond = qRgb(220, 220, 220);

// A red LED standing upright, its legs running down and bent along the bottom edge
// to the left ("+") and to the right ("-"), so that a row of them forms a series
// chain; 50 x 50 pixels.
Surface StaandeLed(QRgb achtergrond = kSchemaAchtergrond);

// A red LED lying on its side, pointing right, its "+" leg leaving at the top edge
// and its "-" leg at the bottom edge, so that a row of them hangs between two rails;
// 50 x 50 pixels.
Surface LiggendeLed(QRgb achtergrond = kSchemaAchtergrond);

// Where the legs of the pictures meet the wires, in the picture's pixels.
constexpr int kStaandeBeenY = 41;
constexpr int kLiggendPlusX = 9;
constexpr int kLiggendMinX = 16;

// The 100 x 100 explanation: an LED with its long "+" and short "-" leg beside its
// circuit symbol.
Surface UitlegLed(QRgb achtergrond);

// Draws the whole schematic: the fixed parts, the LED pictures and the movable
// wires, ground terminal and ground label where the schema says.
void TekenSchema(Surface &tekening, const LedSchema &schema);

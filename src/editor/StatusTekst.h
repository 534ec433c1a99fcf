#pragma once

#include <QString>

#include <optional>

// The texts of the status line under the raster panel while the pointer moves over
// a sheet.

// Whole-number division that rounds down, also for points left of or above a sheet.
constexpr int deelOmlaag(int a, int b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

// The design sheet's block under the pointer: "Block : " with the column letter (A for
// the first 50 pixels, on through the character table past Z), " - " and the row
// number from 1.
QString blokTekst(int x, int y);

// The breadboard's contact point under the pointer, counted in 20-pixel steps from
// the first hole of the top rail at (196, 146): "Contactpunt : " column ", " row.
// Left and above that hole there is nothing to say and the status line keeps its text.
std::optional<QString> contactpuntTekst(int x, int y);

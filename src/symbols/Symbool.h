#pragma once

class Surface;

// A symbol is a 49 x 49 picture: what the library holds, the designer draws, the
// design sheet's 50-pixel blocks receive and the symbol buttons show.
constexpr int kSymboolGrootte = 49;

// Turning and mirroring the current symbol before it is placed. Colours are copied
// exactly. Each works on the square at the symbol's top-left corner (the whole 49 x 49
// symbol); with n its side, the last row and column are n − 1 = 48.

// A quarter turn clockwise: the new pixel at (x, y) is the old one at (y, 48 − x).
void draaiKwartslag(Surface &symbool);
// Top-bottom mirror: the new pixel at (x, y) is the old one at (x, 48 − y).
void spiegelBovenOnder(Surface &symbool);
// Left-right mirror: the new pixel at (x, y) is the old one at (48 − x, y).
void spiegelLinksRechts(Surface &symbool);

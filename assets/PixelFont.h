#pragma once

#include <QPoint>
#include <QRgb>
#include <QString>
#include <QVector>

class Surface;

// Two small pixel fonts for the texts inside symbols and part pictures. A 49 x 49
// symbol has no room for a smoothed font, and hand-drawn letters stay crisp and
// give the same pixels on every machine.
namespace PixelFont {

enum class Size {
    Small, // 3 x 5 pixels: digits, capitals and a few signs
    Large, // 5 x 7 pixels: digits, capitals and a few signs
};

int glyphWidth(Size size);
int glyphHeight(Size size);
// Width of a text: glyphs with one blank column between them.
int textWidth(const QString &text, Size size);

// The set pixels of a text, relative to its top-left corner; characters without a
// glyph leave a gap.
QVector<QPoint> pixels(const QString &text, Size size);

// Draws the text with its top-left corner at (x, y); characters without a glyph
// leave a gap.
void write(Surface &surface, int x, int y, const QString &text, QRgb colour, Size size);
// The same, centred on column cx.
void writeCentred(Surface &surface, int cx, int y, const QString &text, QRgb colour, Size size);

} // namespace PixelFont

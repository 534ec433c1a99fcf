#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>

#include <optional>

class Surface;

// Pixel work on the breadboard sheet: the eraser, stamping part pictures and the
// part pictures themselves.

// The eraser's square is 16 x 16 with the pointer at its bottom-right corner; it
// stays off the strip above y = 56.
constexpr int kGumZijde = 16;
constexpr int kGumVanafY = 56;

// Part pictures larger than this on a side are refused: no sheet is that big, and a
// huge file would stall every stamp.
constexpr int kMaxOnderdeelZijde = 2000;

// Restores the square (x − 15, y − 15)-(x, y) of the sheet from the pristine board
// GumPic. Nothing happens where y ≤ 55; answers whether it erased.
bool gum(Surface &Pic2, const Surface &GumPic, int x, int y);

// Where a floating preview of this size stands for a pointer at (x, y): its
// bottom-right corner 5 pixels up and left of the pointer.
QPoint voorbeeldHoek(QSize voorbeeld, int x, int y);

// Writes every pixel of the part picture that is not pure white onto the sheet, the
// picture's top-left corner at `hoek`; white lets the board show through.
void stempel(Surface &Pic2, const Surface &BBPic, QPoint hoek);

// The picture of a tool box entry: the file entry + ".gif" in the part-picture folder,
// white where the file is transparent. Nothing for a missing, unreadable or broken
// file, for one that is not a GIF whatever its name, and for one larger than
// kMaxOnderdeelZijde on a side.
std::optional<QImage> laadOnderdeelPlaatje(const QString &breadboardMap, const QString &entry);

// The floating preview of a part picture: the picture with its pure white made
// transparent, so that it shows exactly the pixels a stamp will write.
QImage onderdeelVoorbeeld(const Surface &BBPic);

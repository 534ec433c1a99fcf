#pragma once

#include "ui/Surface.h"

struct BoardGeometry;

// The font of the board's letters and numbers: the sheet's sans-serif at 9 points,
// bold, in grey 180.
Surface::TextStyle bordTekstStijl();

// Draws a whole board into a sheet: cleared to white, then face, lines, holes,
// letters, edges, channel, notch, texts and pictures, each step painting over the
// ones before. Every call gives the same pixels; what falls outside the sheet is
// clipped.
void tekenBreadboard(Surface &sheet, const BoardGeometry &board);
void TekenKleinBord(Surface &sheet);
void TekenGrootBord(Surface &sheet);

// Draws the board of the current size into the breadboard sheet and into its
// pristine twin, from which the eraser restores.
void TekenBord(bool BBgroot, Surface &Pic2, Surface &GumPic);

// One hole with its square's top-left corner at (x, y): rings shading from light
// grey at the rim to nearly black, and a light 5 x 5 contact in the middle.
void tekenGat(Surface &sheet, int x, int y);

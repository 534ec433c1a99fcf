#pragma once

#include "ui/Surface.h"

class DisplayModel;

// The pictures of the 7-segment trainer, drawn by the program itself.

constexpr QSize kDisplayMaat{90, 122};
constexpr QSize kWeerstandjeMaat{80, 12};
constexpr QSize kDisplayBordMaat{503, 263}; // Frame1: 7545 x 3945 twips

constexpr QRgb kSegmentAan = qRgb(255, 0, 0);
constexpr QRgb kSegmentUit = qRgb(96, 96, 96);
constexpr QRgb kDraadUit = qRgb(0, 0, 0);
constexpr QRgb kDraadAan = qRgb(255, 0, 0);
constexpr QRgb kDraadGemeen = qRgb(192, 192, 192);

// The display picture with index 0 .. 10 (the segments of that button lit),
// SegmentTabel::kPlaatjeUit (all unlit) or kPlaatjeAbc (all unlit, with the segment
// letters A to G); any other index shows all unlit.
Surface DisplayPlaatje(int plaatje);

// The middle of a segment ('a' .. 'g', 'p') on the display picture.
QPoint segmentMidden(char segment);

// A resistor: with red leads while it carries current, with a black lead while idle.
Surface WeerstandPlaatje(bool aan, QRgb achtergrond);

// The whole drawing of the trainer's frame as the state machine shows it: the wires
// of all ten pins, the supply rail, the resistors and the display picture.
void TekenDisplayBord(Surface &bord, const DisplayModel &display, QRgb achtergrond);

// Where the display picture stands on the board, in pixels.
constexpr QPoint kDisplayPlaats{24, 66}; // 360, 990 twips

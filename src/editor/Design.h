#pragma once

#include "symbols/Symbool.h"
#include "ui/Surface.h"

// The design and the pictures around it, held by the main window for the whole run.
// A design is nothing but pixels and text: the design sheet, the breadboard sheet
// and the component list (which lives in its text box). Nothing records which
// symbol lies where.
struct Design {
    Surface Pic;     // design sheet: 49 x 49 symbols in a raster of 50-pixel blocks
    Surface Pic2;    // breadboard sheet: the board and the user's work on it
    Surface GumPic;  // the pristine board, from which the eraser restores
    Surface BBPic;   // the current part picture, white where the file is transparent
    Surface LoadPic; // scratch picture for shifting the design sheet
    Surface IconPic{kSymboolGrootte,
                    kSymboolGrootte}; // the current symbol, blank (white) until one is chosen
};

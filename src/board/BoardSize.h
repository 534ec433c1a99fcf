#pragma once

#include <QString>

class Platform;
class Surface;

// The hint of the board-size button: what a click would do.
QString bbGrootHint(bool BBgroot);

// The board-size button: asks whether the board may change size, as everything on
// it is lost, and on Yes draws the other board into both sheets and flips
// BBgroot. Returns whether it switched.
bool wisselBordGrootte(Platform &platform, bool &BBgroot, Surface &Pic2, Surface &GumPic);

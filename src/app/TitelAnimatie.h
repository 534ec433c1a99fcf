#pragma once

#include "ui/Surface.h"

class Platform;

// The start strip of the title screen and the short animation that a click on the
// title picture plays on it: the strip's text fades from white to dark grey, then a
// red, white and blue bar grows over the strip. Every step waits through the
// platform, so the user interface (the clock) keeps running meanwhile.
namespace TitelAnimatie {

constexpr int kBreedte = 240;
constexpr int kHoogte = 16;
constexpr QRgb kAchtergrond = qRgb(50, 0, 0);
constexpr QRgb kTekstKleur = qRgb(255, 255, 255);
constexpr int kLichtste = 255; // the fade's first grey
constexpr int kDonkerste = 50; // and its last
constexpr double kStapTijd = 0.01;
constexpr double kSlotTijd = 0.2;

extern const QString kStartTekst;
Surface::TextStyle tekstStijl(QRgb kleur = kTekstKleur);

// The strip as the title screen opens: dark red with the start text at (3, 1).
Surface startStrook();

// The colour value of the bar at column x: x / 2 + 130, a half rounded to the even
// neighbour.
int balkWaarde(int x);

// `overslaan`, when given, is watched during the waits: once it turns true the rest
// is drawn at once, without waiting.
// The fade: the start text written again in every grey from 255 down to 50.
void vervaagTekst(Surface &strook, Platform &platform, const bool *overslaan = nullptr);
// The bar: columns 0 to 240, red over white over blue, brighter to the right.
void groeiBalk(Surface &strook, Platform &platform, const bool *overslaan = nullptr);
// The whole animation: fade, bar and a last short wait.
void speel(Surface &strook, Platform &platform, const bool *overslaan = nullptr);

} // namespace TitelAnimatie

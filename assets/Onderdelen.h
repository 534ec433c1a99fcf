#pragma once

#include "OnderdeelPen.h"

#include <QVector>

// The breadboard part pictures of the starter folder. Each becomes the file
// "\Breadboard\" + naam + ".gif".
namespace Onderdelen {

QVector<Onderdeel> alle();

QVector<Onderdeel> klein(); // LEDs, resistors, capacitors, diode, transistor, ...
QVector<Onderdeel> groot(); // ICs, push button, display, wire bridges, battery clip

} // namespace Onderdelen

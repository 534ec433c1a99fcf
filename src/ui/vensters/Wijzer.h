#pragma once

#include <QPoint>

class QWidget;
class WijzerPlek;

// The pointer as the program's own windows see it (see WijzerPlek).
namespace Wijzer {

// The pointer's place in `widget`: from the window's own mouse events while the pointer
// is over that window, from the pointer's screen position otherwise.
QPoint in(const WijzerPlek &wijzer, const QWidget *widget);
// The visible window of ours under the pointer, or null.
QWidget *venster(const WijzerPlek &wijzer);

} // namespace Wijzer

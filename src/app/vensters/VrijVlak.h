#pragma once

#include <QRect>

#include <optional>

// The room a window of the program gets on the screen. Qt knows it on an X desktop that
// publishes its panels; under a Wayland compositor (natively or through XWayland) it
// sees neither the panels nor, before a window is shown, the frame the desktop puts
// round it. There a window is shown maximised once: the inside the compositor gives it
// is the room for the main window's inside.
namespace VrijVlak {

// Qt cannot see the panels or the frame here.
bool moetMeten();

// The inside of a maximised window, in whole pixels of the program's that lie inside it
// (its corner means nothing on Wayland); nothing where Qt knows the free area itself, or
// where nothing answers.
std::optional<QRect> meet();

// The free area to lay the main window out for so that its inside is `binnen`: the
// layout gives the window a frame of Vormgeving::kRandPixels and keeps a margin.
QRect voorBinnen(QRect binnen);

} // namespace VrijVlak

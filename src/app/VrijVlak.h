#pragma once

#include <QMargins>
#include <QRect>

// The part of the screen a window of the program may take, and the frame the desktop
// puts round it. Qt knows both on an X desktop that publishes its panels; under a
// Wayland compositor (natively or through XWayland) it sees neither the panels nor, before
// a window is shown, its frame. There a window is shown maximised once: the size the
// compositor gives it is the free area, its frame the desktop's.
struct VrijVlak {
    QRect vrij;    // the free area, in the program's pixels (its corner unknown on Wayland)
    QMargins rand; // title bar and borders
    bool gemeten;  // measured from a shown window, rather than assumed

    // `beschikbaar` is what Qt says is free; it stays when nothing answers the window.
    static VrijVlak meet(QRect beschikbaar);
    // Qt cannot see the panels or the frame here.
    static bool moetMeten();
};

#pragma once

#include <QCursor>
#include <QImage>
#include <QString>

// The busy pointer. Qt's Wayland plugin plays an animated pointer of the theme with
// frame callbacks of its own, and in Qt 6.4 one of those callbacks can crash the
// program while it waits with events running (the title screen's animation). Under
// Wayland the program shows a still hourglass of its own instead.
namespace Zandloper {

// The hourglass, 24 x 24 pixels, transparent round it.
QImage teken();

// The busy pointer for Qt's platform `platform`.
QCursor bezig(const QString &platform);

} // namespace Zandloper

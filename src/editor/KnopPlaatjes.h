#pragma once

#include <QImage>
#include <QSize>

// The pictures on the picture buttons of the main window, drawn by code so that
// they share one look: dark outlines, a few plain colours, transparent around the
// shape so that the button's own face shows through. Each is drawn at `schaal` device
// pixels to its pixel (the desktop's scale), so that it stays sharp on a scaled desktop.
namespace KnopPlaatjes {

constexpr int kMaat = 49; // the tool buttons carry 49 x 49 pictures

// The picture of tool button `Knop`(index): new, open, save, print, design sheet,
// component list, breadboard, information, index and the four shift arrows. A null
// picture for the gaps 4, 9 and 11 and for indexes outside the row.
QImage knop(int index, qreal schaal = 1);

// The pictures of the tool-window buttons `Knop2`(0 .. 2): resistor, text, designer.
QImage knop2(int index, qreal schaal = 1);

// The pictures of the current-symbol buttons, drawn to the size of their buttons,
// which are not square: left-right mirror (`HorKnop`), top-bottom mirror
// (`VerKnop`) and quarter turn (`RotatieKnop`).
QImage spiegelLinksRechts(QSize size, qreal schaal = 1);
QImage spiegelBovenOnder(QSize size, qreal schaal = 1);
QImage kwartslag(QSize size, qreal schaal = 1);

} // namespace KnopPlaatjes

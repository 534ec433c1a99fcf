#pragma once

#include <QImage>
#include <QPoint>

// The small pictures of the symbol designer's toolbar and its pipette pointer, drawn
// by the program itself.
namespace DesignerKnoppen {

// The picture of toolbar button 1 to 15; a null picture for the blank button 12 and
// for indexes outside the toolbar.
QImage plaatje(int index);

// The mouse pointer over the palette and the 1:1 view: a pipette whose tip is the
// pointer's hot spot.
QImage aanwijzer();
QPoint aanwijzerPunt();

} // namespace DesignerKnoppen

#pragma once

#include <QColor>
#include <QSize>

#include <initializer_list>

class QWidget;

// Laying out the side tools' windows from their tables in twips.
namespace FormLayout {

// Where a control stands within its parent, in twips, in the order the tools' layout
// was always written: top, left, width, height. A width or height of -1 lets the
// control take its own size (labels placed by their top-left corner).
struct Plaats {
    const char *naam; // the control's object name
    int top, left, width, height;
};

// Places every named control of the window; names the window does not have are
// skipped.
void plaats(QWidget *venster, std::initializer_list<Plaats> tabel);

// Gives the window its size from its outer size in twips (title bar and borders
// included, as the layout was written) and the tools' common font.
void maakVenster(QWidget *venster, int breedteTwips, int hoogteTwips);

// Paints a control's background (buttons, backdrop labels, input fields).
void kleur(QWidget *besturing, QColor achtergrond);

} // namespace FormLayout

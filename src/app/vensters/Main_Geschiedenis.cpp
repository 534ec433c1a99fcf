#include "app/vensters/Main.h"

#include "ui/StapNamen.h"

#include <QAction>

// Undo and redo without a fixed depth on both sheets. Each sheet keeps its own history
// in the design; Undo and Redo act on the design sheet while it shows, otherwise on the
// breadboard, are greyed out when that history has nothing to take, and name the step
// they would take in their tooltips. A text box with the focus keeps Ctrl+Z and Ctrl+Y
// for itself: it takes its own keys before the menu's.

void Main::verbindGeschiedenis() {
    connect(menu_.UndoItem, &QAction::triggered, this, &Main::Undo);
    connect(menu_.RedoItem, &QAction::triggered, this, &Main::Redo);
    connect(&ontwerp_, &Ontwerp::geschiedenisVeranderd, this, &Main::toonGeschiedenis);
    toonGeschiedenis();
}

Ontwerp::Blad Main::actiefBladNaam() const {
    return knoppen_.weergave() == ToolButtons::Weergave::Ontwerpblad ? Ontwerp::Blad::Ontwerpblad
                                                                     : Ontwerp::Blad::Breadboard;
}

void Main::Undo() {
    ontwerp_.undo(actiefBladNaam());
}

void Main::Redo() {
    ontwerp_.redo(actiefBladNaam());
}

void Main::toonGeschiedenis() {
    const Geschiedenis &geschiedenis = ontwerp_.geschiedenis(actiefBladNaam());
    menu_.UndoItem->setEnabled(geschiedenis.kanUndo());
    menu_.RedoItem->setEnabled(geschiedenis.kanRedo());
    menu_.UndoItem->setToolTip(
        geschiedenis.kanUndo() ? StapNamen::undoTekst(geschiedenis.undoNaam()) : QString());
    menu_.RedoItem->setToolTip(
        geschiedenis.kanRedo() ? StapNamen::redoTekst(geschiedenis.redoNaam()) : QString());
}

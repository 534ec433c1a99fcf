#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

#include <initializer_list>

class QDialog;
class QLabel;
class QPushButton;

// Laying out windows from their tables: every control stands at a place given in
// twips (or, for the windows that were always drawn in pixels, in pixels) within
// its parent, and a few controls have a background colour of their own. Also the
// controls that the dialogs make alike.
namespace Vormgeving {

constexpr int kEigen = -1; // a width or height the control takes from its contents

// One row of a layout table: the control's object name and its place.
struct Plek {
    const char *naam;
    int links, boven, breedte, hoogte;
};

enum class Eenheid { Twips, Pixels };

// Places every named control found below `parent`; names it does not have are skipped.
void plaats(QWidget *parent, const Plek *begin, const Plek *end, Eenheid eenheid);
inline void plaats(QWidget *parent, std::initializer_list<Plek> tabel,
                   Eenheid eenheid = Eenheid::Twips) {
    plaats(parent, tabel.begin(), tabel.end(), eenheid);
}
template <size_t N>
void plaats(QWidget *parent, const Plek (&tabel)[N], Eenheid eenheid = Eenheid::Twips) {
    plaats(parent, tabel, tabel + N, eenheid);
}

// The part of a window's outer size that the desktop's title bar and borders take.
constexpr QSize kRandPixels{6, 29};

// The face of the dialogs' ordinary buttons ("Ok", "Transfer", "Reset" ...).
inline const QColor kKnopKleur{220, 220, 200};
// The grey of the captions under a control.
inline const QColor kOnderschriftKleur{128, 128, 128};

// The start of every dialog: its object name (the window's name), its caption, modal.
void maakDialoog(QDialog *dialoog, const QString &naam, const QString &titel);

// Gives a dialog its size from its outer size in twips (title bar and borders
// included, as the layout was written) and the tools' common font.
void maakVenster(QWidget *venster, int breedteTwips, int hoogteTwips);

// A new control with its object name, the name its layout table knows it by.
template <typename Widget> Widget *maak(QWidget *parent, const QString &naam) {
    auto *widget = new Widget(parent);
    widget->setObjectName(naam);
    return widget;
}

// A button with its caption and face colour.
QPushButton *knop(QWidget *parent, const QString &naam, const QString &opschrift,
                  QColor kleur = kKnopKleur);
// A label with a fixed text.
QLabel *tekst(QWidget *parent, const QString &naam, const QString &inhoud);
// A label used as a coloured backdrop behind other controls.
QLabel *vlak(QWidget *parent, const QString &naam, QColor kleur);
// A sunken panel: a result shown in it, or the frame of the control placed over it.
QLabel *paneel(QWidget *parent, const QString &naam);

// Paints a control's background: a button's face, an input field's inside, or the
// whole of a label or panel.
void kleur(QWidget *besturing, QColor achtergrond);
// Sets the colour of a label's text.
void tekstKleur(QWidget *besturing, QColor kleur);

} // namespace Vormgeving

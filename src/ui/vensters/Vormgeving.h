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
// its parent, in the program's own font, and a few controls have a background colour
// of their own. Also the controls that the dialogs make alike.
//
// Colours: what the program does not fix follows the desktop, light or dark. Where it
// fixes a background, kleur() fixes the colours that go with it too (the text, the
// text of a disabled control or a hint, a selection), from one table, so that a
// fixed background never meets the desktop's text colour.
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
// The grey behind the tool buttons, the tool bar and the symbol list's count.
constexpr QRgb kPaneelGrijs = qRgb(216, 213, 206);
// The background of the tools' drawings (their lines are black) and of the texts
// that stand on them.
inline const QColor kTekenVlak{236, 236, 228};

// The colours that go with a fixed background: its text, a hint in an empty field, the
// text of a disabled control, a selection and the text in it, a link.
struct Partner {
    QColor tekst, hint, uitgeschakeld, markering, gemarkeerdeTekst, link;
};
Partner partner(QColor achtergrond);

// The program's own font for its windows, whose layouts are fixed: the desktop's font
// (which may be any size) would not fit them. A larger desktop scale enlarges all.
QFont lettertype();

// The start of every dialog: its object name (the window's name), its caption, modal.
void maakDialoog(QDialog *dialoog, const QString &naam, const QString &titel);

// Gives a dialog its size from its outer size in twips (title bar and borders
// included, as the layout was written) and the program's font.
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
// whole of a label or panel, with the colours of partner() on it.
void kleur(QWidget *besturing, QColor achtergrond);
// A control that draws no background of its own (a label, a check box) lying on a
// backdrop of another parent takes the backdrop's text colours.
void opVlak(QWidget *besturing, const QWidget *vlak);
// A control in the desktop's colours in a room the layout fixes: drawn by Fusion, whose
// margins the layout was made for (a style of wider margins would cut its text).
void inVasteRuimte(QWidget *besturing);
// A caption under a control: the text colour of its background, a little dimmed.
void onderschrift(QWidget *besturing);
// Sets the colour of a label's text, for a label on a picture of known colours.
void tekstKleur(QWidget *besturing, QColor kleur);
// A name as a menu shows it as typed: a menu would take the "&" of "R&D" for the key of
// the letter after it.
QString alsMenuTekst(const QString &naam);

} // namespace Vormgeving

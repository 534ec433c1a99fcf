#pragma once

#include <QList>
#include <QString>

class QWidget;

// Captions that must fit the places the layout tables give them, in whatever font the
// desktop hands the program.
namespace PassendeTekst {

// The smallest font the text may be given before it is cut short instead.
constexpr double kKleinstePunten = 6;

// Shows `tekst` on a label, check box or option button in its window's font, made
// smaller half a point at a time until the whole text fits the room the control's style
// leaves beside its margins and its box. Only a text that does not fit even at
// kKleinstePunten is cut short with "…"; the control's tooltip then shows it whole.
void zet(QWidget *besturing, const QString &tekst);

// The same for controls that belong together, each with the text it shows now: they
// all get the one font in which every one of them fits.
void zetSamen(const QList<QWidget *> &besturing);

} // namespace PassendeTekst

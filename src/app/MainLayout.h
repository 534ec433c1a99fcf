#pragma once

#include <QRect>
#include <QSize>
#include <QString>

#include <optional>

// Where every control of the main window stands, in twips, for a screen of a given
// size (the part of it that the desktop's panels leave free). The figures come from
// one table; controls stand relative to their panel, panels relative to the window's
// inside. A control without its own width or height (labels and choice boxes that
// size themselves) has -1 there.
namespace MainLayout {

// The smallest screen, in pixels, on which every control shows whole and the
// breadboard sheet holds the small board: as wide as the table was drawn for, and
// lower by what the symbol list can give up.
constexpr QSize kKleinsteScherm{1024, 728};

// How many twips the symbol list gives up on a screen lower than the table was drawn
// for; the panels under it move up by as much.
int krimp(QSize screenTwips);

struct Plaats {
    QString parent; // the panel that holds the control; empty for the window itself
    QRect twips;
};

// The place of a named control ("Frame3", "Pic2", "Knop" with an index...) for a
// screen of `screenTwips`; nothing for a name the table does not know.
std::optional<Plaats> plaats(const QString &naam, QSize screenTwips, int index = 0);

// The window itself: left 15, top 15, width SW − 30, height SH − 540.
QRect venster(QSize screenTwips);

} // namespace MainLayout

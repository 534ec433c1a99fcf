#pragma once

#include <QChar>
#include <QString>
#include <QStringList>
#include <Qt>

// The keys of the program: what a plain key does on the sheet that shows, and the keys
// of the tool buttons with their tooltips. The window only tells which sheet shows and
// carries the command out.
namespace Sneltoetsen {

enum class Blad { Geen, Ontwerp, Breadboard };

struct Opdracht {
    enum class Soort {
        Geen,
        LaatVallen,      // the selection dropped (design sheet)
        StopGereedschap, // the tool ends, as a release of the right button (breadboard)
        Draaien,
        Spiegelen,
        OndersteBoven,
        KiesGereedschap, // `index` is the tool box's entry
        KiesKleur,       // `index` is the colour box's entry
    };
    Soort soort = Soort::Geen;
    int index = -1;
    bool operator==(const Opdracht &ander) const {
        return soort == ander.soort && index == ander.index;
    }
};

// What the sheet in front does with a key: `tekst` is the key's text, `gereedschappen`
// the tool box's entries with `gereedschap` chosen, and `kleur` of `kleuren` colours chosen.
// Keys with Ctrl, Alt or Meta are the menus'.
Opdracht opdracht(Blad blad, int toets, Qt::KeyboardModifiers mods, const QString &tekst,
                  const QStringList &gereedschappen, int gereedschap, int kleur, int kleuren);

// The key of a part picture: the first letter or digit of its name, upper case; none
// for a name that starts otherwise or with a digit the tools use.
QChar onderdeelToets(const QString &naam);

// The key of the tool box's entry `index`: 0 to 3 for the modes, a part picture's letter.
QString gereedschapToets(int index, const QString &naam);

// The keys of the tool buttons, by index; none for the Index button and the gaps.
QString knopToets(int index);

// " Breadboard " with its key: " Breadboard (toets F7) ", the arrows named in Dutch.
QString metToets(const QString &hint, QString toets);

} // namespace Sneltoetsen

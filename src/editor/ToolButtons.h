#pragma once

#include "editor/Ontwerpblad.h"

#include <QString>
#include <QVector>

// The row of sixteen tool buttons `Knop` and the four views of the work area that
// they switch between: the design sheet, the component list, the breadboard sheet
// with its tools, and the information view (the built-in browser). The views are
// exclusive: showing one hides the other three, and hiding a view never touches
// its content.
//
// The class knows nothing of widgets. Each click gives the visibility changes for
// the window to carry out, in order, and the command the window must run. Only
// the controls named in a change are touched: the text widgets and the magnifier
// belong to other tools and keep whatever those tools made of them, except where a
// view change hides them on purpose.
class ToolButtons {
public:
    static constexpr int kAantal = 16;
    static constexpr int kIndexKnop = 10;
    // The press animation: the button moves this many twips right and down, for
    // this many seconds.
    static constexpr int kDrukTwips = 15;
    static constexpr double kDrukDuur = 0.2;

    enum class Weergave { Ontwerpblad, Componentenlijst, Breadboard, Informatie };

    // The controls that the views show and hide; naam() gives the window's name for each.
    enum class Besturing {
        Pic,
        Text1,
        Pic2,
        WebBrowser,
        IndexKnop,
        WerkBalk,
        Combo2,
        Combo3,
        Combo4,
        Text2,
        Check1,
        BackClear,
        NewKnop,
        LoepKnop,
        Loep,
        LoepScroll,
        BBgrootKnop,
        PrintKnop,
        LineV,
        LineH,
        List1,
    };

    enum class Actie {
        Geen,
        NieuwOntwerp,
        ProjectOpenen,
        ProjectOpslaan,
        OntwerpAfdrukken,
        StartPagina, // the built-in browser shows the start page
        Verschuif,   // shift the design sheet one block in `richting`
    };

    struct Zichtbaarheid {
        Besturing besturing;
        bool zichtbaar;
    };

    struct Uitkomst {
        QVector<Zichtbaarheid> zichtbaarheid; // to be carried out in this order
        Actie actie = Actie::Geen;
        Richting richting = Richting::Geen; // for Verschuif
    };

    // The hint of button `index`; empty for the buttons without one.
    static QString hint(int index);
    // Buttons 4, 9 and 11 are gaps in the row: no picture and no command.
    static bool heeftPlaatje(int index);
    static QString naam(Besturing besturing);

    explicit ToolButtons(Weergave begin = Weergave::Informatie);

    Weergave weergave() const { return weergave_; }
    // Shown with the information view, hidden again by the next other button, even
    // when that button leaves the information view in place.
    bool indexZichtbaar() const { return indexZichtbaar_; }

    // Everything the window shows and hides when it first appears.
    Uitkomst beginToestand() const;
    // Button `index` clicked, after its press animation.
    Uitkomst klik(int index);
    // The menu item "Help": the information view; the window lets the browser show
    // the help page.
    Uitkomst toonHelp();
    // `VerbergWerkBalk`: hides the breadboard tools and the magnifier, shows the
    // symbol list.
    static QVector<Zichtbaarheid> verbergWerkBalk();

private:
    QVector<Zichtbaarheid> toon(Weergave weergave);

    Weergave weergave_;
    bool indexZichtbaar_;
};

#include "editor/ToolButtons.h"

#include <array>
#include <optional>

namespace {

using B = ToolButtons::Besturing;

using A = ToolButtons::Actie;
using W = ToolButtons::Weergave;

// What each button of the row does: its hint, the view it shows, the command it gives.
// Buttons 4, 9 and 11 are gaps: no hint, no view, no command.
struct Knop {
    const char *hint;
    std::optional<W> weergave;
    A actie;
    Richting richting; // for Verschuif
};

constexpr std::array<Knop, ToolButtons::kAantal> kKnoppen = {{
    {"", {}, A::NieuwOntwerp, Richting::Geen},
    {"", {}, A::ProjectOpenen, Richting::Geen},
    {"", {}, A::ProjectOpslaan, Richting::Geen},
    {"", {}, A::OntwerpAfdrukken, Richting::Geen},
    {"", {}, A::Geen, Richting::Geen},
    {" Ontwerpblad ", W::Ontwerpblad, A::Geen, Richting::Geen},
    {" Componentenlijst ", W::Componentenlijst, A::Geen, Richting::Geen},
    {" Breadboard ", W::Breadboard, A::Geen, Richting::Geen},
    {" Componenten Informatie ", W::Informatie, A::Geen, Richting::Geen},
    {"", {}, A::Geen, Richting::Geen},
    {" Index ", {}, A::StartPagina, Richting::Geen},
    {"", {}, A::Geen, Richting::Geen},
    {" Naar links ", {}, A::Verschuif, Richting::Links},
    {" Naar boven ", {}, A::Verschuif, Richting::Omhoog},
    {" Naar rechts ", {}, A::Verschuif, Richting::Rechts},
    {" Naar onderen ", {}, A::Verschuif, Richting::Omlaag},
}};
static_assert(kKnoppen[ToolButtons::kIndexKnop].actie == A::StartPagina, "the index button");

// The window's names of the controls, in the order of ToolButtons::Besturing.
constexpr std::array<const char *, 21> kNamen = {
    "Pic",    "Text1",      "Pic2",        "WebBrowser", "Knop10",    "WerkBalk", "Combo2",
    "Combo3", "Combo4",     "Text2",       "Check1",     "BackClear", "NewKnop",  "LoepKnop",
    "Loep",   "LoepScroll", "BBgrootKnop", "PrintKnop",  "LineV",     "LineH",    "List1",
};
static_assert(kNamen.size() == size_t(B::List1) + 1, "a name for every control");

// The sheet or page that each view shows.
B blad(ToolButtons::Weergave weergave) {
    switch (weergave) {
    case ToolButtons::Weergave::Ontwerpblad:
        return B::Pic;
    case ToolButtons::Weergave::Componentenlijst:
        return B::Text1;
    case ToolButtons::Weergave::Breadboard:
        return B::Pic2;
    case ToolButtons::Weergave::Informatie:
        break;
    }
    return B::WebBrowser;
}

// What the breadboard view shows besides the sheet. The text widgets and the
// magnifier are left as their own tools set them.
constexpr std::array<B, 9> kWerkBalkGetoond = {B::WerkBalk,   B::Combo2,      B::Combo3,
                                               B::BackClear,  B::NewKnop,     B::LoepKnop,
                                               B::LoepScroll, B::BBgrootKnop, B::PrintKnop};

constexpr std::array<B, 15> kWerkBalkVerborgen = {
    B::WerkBalk,   B::Combo2,      B::Combo3,    B::Combo4,   B::Text2,
    B::Check1,     B::NewKnop,     B::BackClear, B::LoepKnop, B::Loep,
    B::LoepScroll, B::BBgrootKnop, B::PrintKnop, B::LineV,    B::LineH};

} // namespace

QString ToolButtons::hint(int index) {
    if (index < 0 || index >= kAantal) return {};
    return QString::fromLatin1(kKnoppen[size_t(index)].hint);
}

bool ToolButtons::heeftPlaatje(int index) {
    if (index < 0 || index >= kAantal) return false;
    const Knop &knop = kKnoppen[size_t(index)];
    return knop.weergave || knop.actie != A::Geen;
}

QString ToolButtons::naam(Besturing besturing) {
    return QString::fromLatin1(kNamen[size_t(besturing)]);
}

ToolButtons::ToolButtons(Weergave begin)
    : weergave_(begin), indexZichtbaar_(begin == Weergave::Informatie) {}

QVector<ToolButtons::Zichtbaarheid> ToolButtons::verbergWerkBalk() {
    QVector<Zichtbaarheid> wijzigingen;
    for (B besturing : kWerkBalkVerborgen)
        wijzigingen.push_back({besturing, false});
    wijzigingen.push_back({B::List1, true});
    return wijzigingen;
}

QVector<ToolButtons::Zichtbaarheid> ToolButtons::toon(Weergave weergave) {
    weergave_ = weergave;
    indexZichtbaar_ = weergave == Weergave::Informatie;
    QVector<Zichtbaarheid> wijzigingen;
    for (B andere : {B::Text1, B::WebBrowser, B::Pic, B::Pic2})
        if (andere != blad(weergave)) wijzigingen.push_back({andere, false});
    if (weergave == Weergave::Breadboard) {
        wijzigingen.push_back({B::Pic2, true});
        for (B besturing : kWerkBalkGetoond)
            wijzigingen.push_back({besturing, true});
        return wijzigingen;
    }
    wijzigingen += verbergWerkBalk();
    wijzigingen.push_back({blad(weergave), true});
    if (weergave == Weergave::Informatie) wijzigingen.push_back({B::IndexKnop, true});
    return wijzigingen;
}

ToolButtons::Uitkomst ToolButtons::beginToestand() const {
    ToolButtons begin(weergave_);
    Uitkomst uitkomst;
    uitkomst.zichtbaarheid = {{B::IndexKnop, false}};
    uitkomst.zichtbaarheid += begin.toon(weergave_);
    return uitkomst;
}

ToolButtons::Uitkomst ToolButtons::klik(int index) {
    Uitkomst uitkomst;
    if (index < 0 || index >= kAantal) return uitkomst;
    if (index != kIndexKnop) {
        indexZichtbaar_ = false;
        uitkomst.zichtbaarheid.push_back({B::IndexKnop, false});
    }
    const Knop &knop = kKnoppen[size_t(index)];
    if (knop.weergave) uitkomst.zichtbaarheid += toon(*knop.weergave);
    // Shifting a sheet the user cannot see would change it behind his back.
    if (knop.actie == A::Verschuif && weergave_ != W::Ontwerpblad) return uitkomst;
    uitkomst.actie = knop.actie;
    uitkomst.richting = knop.richting;
    return uitkomst;
}

ToolButtons::Uitkomst ToolButtons::toonHelp() {
    Uitkomst uitkomst;
    uitkomst.zichtbaarheid = toon(Weergave::Informatie);
    return uitkomst;
}

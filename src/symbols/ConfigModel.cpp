#include "symbols/ConfigModel.h"

#include "symbols/Patronen.h"
#include "symbols/Texturen.h"
#include "ui/Platform.h"

#include <algorithm>

ConfigModel::ConfigModel() : voorbeeld_(kZijde, kZijde) {
    toonTextuur();
}

void ConfigModel::kiesTextuur(int textuur) {
    textuur_ = std::clamp(textuur, 0, Texturen::kAantal - 1);
    toonTextuur();
}

void ConfigModel::kiesPatroon(int patroon) {
    patroon_ = std::clamp(patroon, 0, Patronen::kAantal - 1);
    if (combineren_)
        toonTextuur();
    else
        voorbeeld_.clear();
    Patronen::teken(voorbeeld_, patroon_, kleur_);
}

void ConfigModel::vraagKleur(Platform &platform, QRgb &dialoogKleur) {
    const std::optional<QRgb> gekozen = platform.chooseColour(dialoogKleur);
    if (!gekozen) return;
    dialoogKleur = Surface::opaque(*gekozen);
    zetKleur(*gekozen);
}

// A texture larger than the tile shows its top-left 80 x 80 pixels.
void ConfigModel::toonTextuur() {
    voorbeeld_.clear();
    const Surface textuur(Texturen::textuur(textuur_));
    voorbeeld_.copyFrom(textuur, QRect(0, 0, kZijde, kZijde), QPoint(0, 0));
}

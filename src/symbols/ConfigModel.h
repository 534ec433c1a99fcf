#pragma once

#include "ui/Surface.h"

class Platform;

// What the background editor works on: the 80 x 80 preview tile and the choices that
// make it, a texture (0 to 13), a pattern (0 to 10) in a colour, and whether the
// pattern is drawn over the texture. The editor window forwards its scroll bars,
// check box and colour swatch here, one call each.
class ConfigModel {
public:
    static constexpr int kZijde = 80;
    static constexpr QRgb kBeginKleur = qRgb(255, 255, 0);

    // Texture 0 in the preview, both choices at 0, not combined, the colour yellow.
    ConfigModel();

    Surface &voorbeeld() { return voorbeeld_; }
    const Surface &voorbeeld() const { return voorbeeld_; }
    int textuur() const { return textuur_; }
    int patroon() const { return patroon_; }
    bool combineren() const { return combineren_; }
    QRgb kleur() const { return kleur_; }

    // The texture bar moved: the preview shows only that texture.
    void kiesTextuur(int textuur);
    // The pattern bar moved: a blank tile, or the texture when combining, with the
    // pattern over it.
    void kiesPatroon(int patroon);
    // These two change what the next move of the pattern bar draws, not the preview.
    void zetCombineren(bool combineren) { combineren_ = combineren; }
    void zetKleur(QRgb kleur) { kleur_ = Surface::opaque(kleur); }

    // The colour swatch clicked: the colour dialog, opened on the colour last chosen
    // in it (`dialoogKleur`, which it updates); a cancelled dialog changes nothing.
    void vraagKleur(Platform &platform, QRgb &dialoogKleur);

private:
    void toonTextuur();

    Surface voorbeeld_;
    int textuur_ = 0;
    int patroon_ = 0;
    bool combineren_ = false;
    QRgb kleur_ = kBeginKleur;
};

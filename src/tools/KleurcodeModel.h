#pragma once

#include "tools/WeerstandTabel.h"
#include "ui/Surface.h"

#include <array>

// What the resistor colour-code tool shows for the chosen row, without its window:
// the four texts, the colours of the three bands on the large drawing and the
// 49 x 49 resistor symbol with its bands painted in.
class KleurcodeModel {
public:
    static constexpr QRgb kBeginBruin = qRgb(255, 128, 0); // band 1 of the opening state

    // The state the tool opens in: 1 ohm, drawn with the opening colours.
    KleurcodeModel();

    // Shows row n of the table (the slider's value, 1 to 96).
    void toonRij(int n);

    // Looks up a band colour name; a name that is not a band colour leaves the last
    // colour in place.
    void ZetOm(const QString &kleurNaam);
    QRgb kleur() const { return qRgb(rood_, groen_, blauw_); }

    // The colour name of band 1, 2 or 3, with a leading space.
    const QString &bandTekst(int band) const { return bandTeksten_[size_t(band - 1)]; }
    const QString &waardeTekst() const {
        return waardeTekst_;
    } // value and unit, with a leading space
    // The colours of the three bands of the large drawing.
    const std::array<QRgb, 3> &lijnKleuren() const { return lijnKleuren_; }
    // The symbol with its painted bands, as "Transfer" hands it over.
    const Surface &symbool() const { return symbool_; }

private:
    void toonBand(int band, const QString &naam);

    WeerstandTabel tabel_;
    int rood_ = 0, groen_ = 0, blauw_ = 0;
    std::array<QString, 3> bandTeksten_;
    QString waardeTekst_;
    std::array<QRgb, 3> lijnKleuren_{};
    Surface symbool_;
};

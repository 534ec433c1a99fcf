#pragma once

#include "tools/WeerstandTabel.h"
#include "ui/Surface.h"

#include <array>

// What the resistor colour-code tool shows for the chosen row, without its window:
// the four texts, the colours of the three bands on the large drawing and the
// 49 x 49 resistor symbol with its bands painted in.
class KleurcodeKeuze {
public:
    static constexpr QRgb kBeginBruin = qRgb(255, 128, 0); // band 1 of the opening state

    // The state the tool opens in: 1 ohm, drawn with the opening colours.
    KleurcodeKeuze();

    // Shows row n of the table (the slider's value, 1 to 96).
    void toonRij(int n);

    // Looks up a band colour name; a name that is not a band colour leaves the last
    // colour in place.
    void ZetOm(const QString &kleurNaam);
    QRgb kleur() const { return qRgb(rood_, groen_, blauw_); }

    const QString &Text1() const { return teksten_[0]; } // band 1, with a leading space
    const QString &Text2() const { return teksten_[1]; }
    const QString &Text3() const { return teksten_[2]; }
    const QString &Text4() const { return text4_; } // value and unit, with a leading space
    // The colours of the three bands of the large drawing.
    const std::array<QRgb, 3> &lijnKleuren() const { return lijnKleuren_; }
    // The symbol with its painted bands, as "Transfer" hands it over.
    const Surface &WeerPic() const { return weerPic_; }

private:
    void toonBand(int band, const QString &naam);

    WeerstandTabel tabel_;
    int rood_ = 0, groen_ = 0, blauw_ = 0;
    std::array<QString, 3> teksten_;
    QString text4_;
    std::array<QRgb, 3> lijnKleuren_{};
    Surface weerPic_;
};

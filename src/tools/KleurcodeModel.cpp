#include "tools/KleurcodeModel.h"

#include "tools/WeerstandTekening.h"

#include <algorithm>

KleurcodeModel::KleurcodeModel() : symbool_(WeerstandSymbool()) {
    // The opening state was drawn by hand and is not looked up in the tables: its
    // first band is a brighter brown than every later "Bruin".
    waardeTekst_ = QStringLiteral(" 1 Ohm");
    bandTeksten_ = {QStringLiteral(" Bruin"), QStringLiteral(" Zwart"), QStringLiteral(" Goud")};
    lijnKleuren_ = {kBeginBruin, qRgb(0, 0, 0), qRgb(195, 161, 40)};
    for (int band = 1; band <= 3; ++band)
        VerfBand(symbool_, band, lijnKleuren_[size_t(band - 1)]);
}

void KleurcodeModel::ZetOm(const QString &kleurNaam) {
    const std::optional<QRgb> kleur = BandKleur(kleurNaam);
    if (!kleur) return;
    rood_ = qRed(*kleur);
    groen_ = qGreen(*kleur);
    blauw_ = qBlue(*kleur);
}

void KleurcodeModel::toonBand(int band, const QString &naam) {
    bandTeksten_[size_t(band - 1)] = QLatin1Char(' ') + naam;
    ZetOm(naam);
    lijnKleuren_[size_t(band - 1)] = kleur();
    VerfBand(symbool_, band, kleur());
}

void KleurcodeModel::toonRij(int n) {
    n = std::clamp(n, 1, WeerstandTabel::kRijen);
    tabel_.CodeWeerstanden();
    const WeerstandRij &rij = tabel_.rij(n);
    // Every row starts from the plain symbol, so no band of an earlier row shows.
    symbool_ = WeerstandSymbool();
    toonBand(1, rij.band1);
    toonBand(2, rij.band2);
    toonBand(3, rij.band3);
    waardeTekst_ = QLatin1Char(' ') + rij.waarde + WeerstandTabel::eenheid(n);
}

#include "tools/WeerstandTabel.h"

#include <algorithm>

namespace {

struct NaamKleur {
    const char *naam;
    QRgb kleur;
};

// These are the colours the bands are painted in; "Bruin" and "Oranje" are the
// program's own shades, not the standard ones.
constexpr std::array<NaamKleur, 11> kBandKleuren{{
    {"Zwart", qRgb(0, 0, 0)},
    {"Bruin", qRgb(235, 108, 0)},
    {"Rood", qRgb(255, 0, 0)},
    {"Oranje", qRgb(255, 192, 128)},
    {"Geel", qRgb(255, 255, 0)},
    {"Groen", qRgb(0, 255, 0)},
    {"Blauw", qRgb(0, 0, 255)},
    {"Violet", qRgb(255, 0, 255)},
    {"Grijs", qRgb(192, 192, 192)},
    {"Wit", qRgb(255, 255, 255)},
    {"Goud", qRgb(195, 161, 40)},
}};

struct Reeks {
    const char *band1;
    const char *band2;
};

// The twelve E12 mantissas 1.0 .. 8.2 and their two digit bands.
constexpr std::array<Reeks, 12> kE12{{
    {"Bruin", "Zwart"},
    {"Bruin", "Rood"},
    {"Bruin", "Groen"},
    {"Bruin", "Grijs"},
    {"Rood", "Rood"},
    {"Rood", "Violet"},
    {"Oranje", "Oranje"},
    {"Oranje", "Wit"},
    {"Geel", "Violet"},
    {"Groen", "Blauw"},
    {"Blauw", "Grijs"},
    {"Grijs", "Rood"},
}};

// The value texts are written out, not formatted from numbers, so "4.7" always has
// its point whatever the locale.
constexpr std::array<std::array<const char *, 12>, 3> kWaarden{{
    {"1", "1.2", "1.5", "1.8", "2.2", "2.7", "3.3", "3.9", "4.7", "5.6", "6.8", "8.2"},
    {"10", "12", "15", "18", "22", "27", "33", "39", "47", "56", "68", "82"},
    {"100", "120", "150", "180", "220", "270", "330", "390", "470", "560", "680", "820"},
}};

// The multiplier band of each decade: 0.1 ohm (gold) up to 1 megohm (blue).
constexpr std::array<const char *, 8> kVermenigvuldiger{"Goud",   "Zwart", "Bruin", "Rood",
                                                        "Oranje", "Geel",  "Groen", "Blauw"};

} // namespace

void WeerstandTabel::CodeWeerstanden() {
    for (int d = 0; d < int(kVermenigvuldiger.size()); ++d) {
        for (int k = 0; k < int(kE12.size()); ++k) {
            const int n = 12 * d + k;
            WeerstandRij &rij = rijen_[size_t(n)];
            rij.waarde = QString::fromLatin1(kWaarden[size_t(d % 3)][size_t(k)]);
            rij.band1 = QString::fromLatin1(kE12[size_t(k)].band1);
            rij.band2 = QString::fromLatin1(kE12[size_t(k)].band2);
            rij.band3 = QString::fromLatin1(kVermenigvuldiger[size_t(d)]);
        }
    }
}

const WeerstandRij &WeerstandTabel::rij(int n) const {
    return rijen_[size_t(std::clamp(n, 1, kRijen) - 1)];
}

QString WeerstandTabel::eenheid(int n) {
    QString eenheid = QStringLiteral(" Ohm");
    if (n >= 37) eenheid = QStringLiteral(" KOhm");
    if (n >= 73) eenheid = QStringLiteral(" MOhm");
    return eenheid;
}

std::optional<QRgb> BandKleur(const QString &naam) {
    for (const NaamKleur &kleur : kBandKleuren)
        if (naam == QLatin1String(kleur.naam)) return kleur.kleur;
    return std::nullopt;
}

#include "board/ColourTable.h"

#include <array>

namespace {

struct Kleur {
    const char *naam;
    QRgb rgb;
};

constexpr std::array<Kleur, 9> kTabel{{
    {"Rood", qRgb(255, 0, 0)},
    {"Groen", qRgb(0, 255, 0)},
    {"Blauw", qRgb(0, 0, 255)},
    {"Geel", qRgb(255, 255, 0)},
    {"Paars", qRgb(255, 0, 255)},
    {"Cyaan", qRgb(0, 255, 255)},
    {"Zwart", qRgb(0, 0, 0)},
    {"Grijs", qRgb(190, 190, 190)},
    {"Wit", qRgb(255, 255, 255)},
}};

} // namespace

const QStringList &kleurNamen() {
    static const QStringList namen = [] {
        QStringList list;
        for (const Kleur &kleur : kTabel)
            list << QString::fromLatin1(kleur.naam);
        return list;
    }();
    return namen;
}

QRgb KleurVanNaam(const QString &naam) {
    for (const Kleur &kleur : kTabel)
        if (naam == QLatin1String(kleur.naam)) return kleur.rgb;
    return qRgb(0, 0, 0);
}

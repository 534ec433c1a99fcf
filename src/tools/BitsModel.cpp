#include "tools/BitsModel.h"

#include "tools/GetalTekst.h"

#include <cmath>

QString Bin(double x) {
    x = std::fabs(x);
    if (!std::isfinite(x)) return {};
    // n = the smallest whole number with 2^n > x; then the bits from n - 1 down.
    int n = 0;
    while (std::ldexp(1.0, n) <= x)
        ++n;
    QString bits;
    double rest = x;
    for (int j = n - 1; j >= 0; --j) {
        const double macht = std::ldexp(1.0, j);
        const bool een = rest - macht >= 0;
        if (een) rest -= macht;
        bits += een ? QLatin1Char('1') : QLatin1Char('0');
    }
    return bits.isEmpty() ? QStringLiteral("0") : bits;
}

int BitsModel::bitVan(int gewicht) {
    for (int bit = 0; bit < 8; ++bit)
        if (gewicht == 1 << bit) return bit;
    return -1;
}

bool BitsModel::gezet(int gewicht) const {
    const int bit = bitVan(gewicht);
    return bit >= 0 && (bits_ >> bit & 1u);
}

void BitsModel::schakel(int gewicht) {
    const int bit = bitVan(gewicht);
    if (bit < 0) return;
    waarde_ += gezet(gewicht) ? -gewicht : gewicht;
    bits_ ^= 1u << bit;
    decimaal_ = QLatin1Char(' ') + StandaardTekst(waarde_, QLocale::c());
    binair_ = QLatin1Char(' ') + Bin(waarde_);
}

void BitsModel::reset() {
    bits_ = 0;
    waarde_ = 0;
    decimaal_.clear();
    binair_.clear();
}

#include "editor/DraadEind.h"

#include "board/Gaten.h"

#include <cmath>
#include <cstdlib>

namespace {

int teken(int getal) {
    return (getal > 0) - (getal < 0);
}

// Whether `punt` lies on the ray from `van` in the direction of `richting`, which lies
// on one of the eight straight lines from `van`.
bool opStraal(QPoint van, QPoint richting, QPoint punt) {
    const QPoint d = richting - van, e = punt - van;
    if (teken(d.x()) != teken(e.x()) || teken(d.y()) != teken(e.y())) return false;
    return d.x() == 0 || d.y() == 0 || std::abs(e.x()) == std::abs(e.y());
}

} // namespace

QPoint rechteLijn(QPoint van, QPoint naar) {
    const QPoint d = naar - van;
    if (d.isNull()) return van;
    // Eighths of a turn: 0 along x, 2 along y, the odd ones diagonal.
    constexpr double kAchtste = 3.14159265358979323846 / 4;
    const int achtste = int(std::lround(std::atan2(double(d.y()), double(d.x())) / kAchtste));
    const int rx = int(std::lround(std::cos(achtste * kAchtste)));
    const int ry = int(std::lround(std::sin(achtste * kAchtste)));
    if (ry == 0) return {naar.x(), van.y()};
    if (rx == 0) return {van.x(), naar.y()};
    // The nearest point of the diagonal: the mean of the two distances along it.
    const int t = int(std::lround((rx * d.x() + ry * d.y()) / 2.0));
    return van + QPoint(rx * t, ry * t);
}

QPoint draadBegin(QPoint druk, const Gaten *gaten) {
    if (!gaten) return druk;
    const auto gat = gaten->dichtstbij(druk);
    return gat ? gat->midden() : druk;
}

QPoint draadEind(QPoint van, QPoint naar, bool recht, const Gaten *gaten) {
    if (!recht) return draadBegin(naar, gaten);
    const QPoint lijn = rechteLijn(van, naar);
    if (!gaten) return lijn;
    const auto gat = gaten->dichtstbij(lijn, Gaten::kVastklikBereik,
                                       [&](QPoint midden) { return opStraal(van, lijn, midden); });
    return gat ? gat->midden() : lijn;
}

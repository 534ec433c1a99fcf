#include "symbols/Symbool.h"

#include "ui/Surface.h"

#include <algorithm>

namespace {

// Rebuilds the square from the old pixels, `bron(x, y)` naming the old position of
// the new pixel (x, y). The result goes back in one copy, so the symbol's view hears
// of one change instead of 2401.
template <typename Bron> void herschik(Surface &symbool, Bron bron) {
    const int n = std::min(symbool.width(), symbool.height());
    if (n == 0) return;
    Surface nieuw(n, n);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const QPoint oud = bron(x, y, n - 1);
            nieuw.setPixel(x, y, symbool.pixel(oud.x(), oud.y()));
        }
    symbool.copyFrom(nieuw, nieuw.rect(), QPoint(0, 0));
}

} // namespace

void draaiKwartslag(Surface &symbool) {
    herschik(symbool, [](int x, int y, int laatste) { return QPoint(y, laatste - x); });
}

void spiegelBovenOnder(Surface &symbool) {
    herschik(symbool, [](int x, int y, int laatste) { return QPoint(x, laatste - y); });
}

void spiegelLinksRechts(Surface &symbool) {
    herschik(symbool, [](int x, int y, int laatste) { return QPoint(laatste - x, y); });
}
